#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

namespace Vello {

// A flat, rounded, filled push button in one of four looks. It paints its own fill and its
// title or symbol in the tint colour. A checkable one shows a state its owner sets, drawn as
// chosen while checked: a click asks, and never flips the state by itself.
class VelloButton final : public QAbstractButton {
    Q_OBJECT

public:
    enum class Style { Primary, Secondary, Icon, Sidebar };

    VelloButton(const QString& title, Style style, QWidget* parent = nullptr);

    [[nodiscard]] Style velloStyle() const { return m_style; }

    // The natural size: captions never narrower than 88 (120 in the sidebar); icon buttons
    // are 38 × 38 whatever their title.
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    void setCornerRadius(qreal radius);
    [[nodiscard]] qreal cornerRadius() const { return m_cornerRadius; }
    void setBackgroundColor(const QColor& color);
    [[nodiscard]] QColor backgroundColor() const { return m_background; }
    // The colour of the title and of the symbol.
    void setTintColor(const QColor& color);
    [[nodiscard]] QColor tintColor() const { return m_tint; }
    // The fill of a checked icon button, green unless set.
    void setCheckedColor(const QColor& color);

    // Shows the bundled symbol `name` instead of the title. When there is no such symbol the
    // button shows `fallbackTitle` as its title instead; returns whether the symbol was found.
    bool setSymbol(const QString& name, const QString& fallbackTitle);
    // The symbol shown, or empty text when the button shows its title.
    [[nodiscard]] QString symbolName() const { return m_symbol; }

    [[nodiscard]] Qt::Alignment titleAlignment() const;

Q_SIGNALS:
    // The pointer or the keyboard focus came onto the button (true), or the last of them left it.
    void restingChanged(bool resting);

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void updateResting();

    Style m_style;
    qreal m_cornerRadius;
    QColor m_background;
    QColor m_tint;
    QColor m_checkedFill;
    QString m_symbol;
    bool m_hovered = false;
    bool m_resting = false;
};

} // namespace Vello
