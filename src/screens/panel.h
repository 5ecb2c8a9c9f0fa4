#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace Vello {

// A rounded, filled, optionally bordered surface that the screens' cards, bars and badges are
// drawn on. It paints itself, so rows of them stay cheap. With a click action set, a left click
// on the surface itself (not on a control inside it) runs the action.
class Panel : public QWidget {
    Q_OBJECT

public:
    Panel(qreal cornerRadius, const QColor& fill, const QColor& border, QWidget* parent = nullptr);

    [[nodiscard]] qreal cornerRadius() const { return m_cornerRadius; }
    [[nodiscard]] QColor fillColor() const { return m_fill; }
    // Transparent when the panel has no border.
    [[nodiscard]] QColor borderColor() const { return m_border; }

    // With an action the panel is also a button for the keyboard and for assistive tools: Tab
    // reaches it, and Space, Enter or Return run the action.
    void setOnClick(std::function<void()> action);
    [[nodiscard]] bool isClickable() const { return static_cast<bool>(m_onClick); }
    // Runs the click action, if there is one.
    void activate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    qreal m_cornerRadius;
    QColor m_fill;
    QColor m_border;
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

} // namespace Vello
