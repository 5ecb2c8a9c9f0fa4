#include "panelview.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace Vello {

PanelView::PanelView(qreal cornerRadius, const QColor& fill, const QColor& border, QWidget* parent)
    : QWidget(parent)
    , m_cornerRadius(cornerRadius)
    , m_fill(fill)
    , m_border(border)
{
}

void PanelView::setOnClick(std::function<void()> action)
{
    m_onClick = std::move(action);
}

void PanelView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_fill);
    if (m_border.alpha() == 0) {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
        return;
    }
    // Half a pixel in, so the one-pixel hairline falls on whole pixels instead of blurring.
    painter.setPen(QPen(m_border, 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_cornerRadius, m_cornerRadius);
}

void PanelView::mousePressEvent(QMouseEvent* event)
{
    if (!m_onClick || event->button() != Qt::LeftButton) {
        // Unclaimed presses travel on to the window, which moves itself by its background.
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void PanelView::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    if (!wasPressed || event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    // The action may rebuild the window around this panel: copy it, and touch nothing after.
    const auto action = m_onClick;
    action();
}

} // namespace Vello
