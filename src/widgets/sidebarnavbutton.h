#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QRect>
#include <QString>

namespace Vello {

// A sidebar entry: an 18 × 18 symbol and a title, drawn as the current screen or not. Its
// look is fixed at creation; a screen switch builds new entries.
class SidebarNavButton final : public QAbstractButton {
    Q_OBJECT

public:
    SidebarNavButton(const QString& title, const QString& symbol, bool active, QWidget* parent = nullptr);

    [[nodiscard]] bool isActive() const { return m_active; }
    [[nodiscard]] QString title() const { return m_title; }
    [[nodiscard]] QString symbolName() const { return m_symbol; }
    // False when the symbol name is unknown: the slot stays empty.
    [[nodiscard]] bool showsSymbol() const;
    [[nodiscard]] QColor tintColor() const;
    [[nodiscard]] QColor backgroundColor() const;
    // Transparent when inactive.
    [[nodiscard]] QColor borderColor() const;

    [[nodiscard]] QRect symbolRect() const;
    [[nodiscard]] QRect titleRect() const;
    // The title as drawn: cut with "…" when it does not fit titleRect().
    [[nodiscard]] QString displayedTitle() const;
    [[nodiscard]] QFont titleFont() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

    static constexpr int fixedHeight = 44;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_title;
    QString m_symbol;
    bool m_active;
};

} // namespace Vello
