#include "panel.h"

#include "widgets/focusring.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <mutex>
#include <utility>

namespace Vello {

namespace {

// Assistive tools see a clickable panel as the button it acts as, with a press action.
class ClickablePanelAccessible final : public QAccessibleWidget {
public:
    explicit ClickablePanelAccessible(Panel* panel)
        : QAccessibleWidget(panel, QAccessible::Button)
    {
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QStringList {pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            static_cast<Panel*>(widget())->activate();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* clickablePanelInterface(const QString& className, QObject* object)
{
    auto* panel = qobject_cast<Panel*>(object);
    if (className != QLatin1String(Panel::staticMetaObject.className()) || panel == nullptr || !panel->isClickable()) {
        return nullptr;
    }
    return new ClickablePanelAccessible(panel);
}

} // namespace

Panel::Panel(qreal cornerRadius, const QColor& fill, const QColor& border, QWidget* parent)
    : QWidget(parent)
    , m_cornerRadius(cornerRadius)
    , m_fill(fill)
    , m_border(border)
{
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled, [] { QAccessible::installFactory(clickablePanelInterface); });
}

void Panel::setOnClick(std::function<void()> action)
{
    m_onClick = std::move(action);
    setFocusPolicy(m_onClick ? Qt::TabFocus : Qt::NoFocus);
}

void Panel::activate()
{
    // The action may rebuild the window around this panel: copy it, and touch nothing after.
    const auto action = m_onClick;
    if (action) {
        action();
    }
}

void Panel::keyPressEvent(QKeyEvent* event)
{
    const bool press
        = isActivationKey(*event) || (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier);
    if (!m_onClick || !press) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    activate();
}

void Panel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(m_fill);
    if (m_border.alpha() == 0) {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
    } else {
        // Half a pixel in, so the one-pixel hairline falls on whole pixels instead of blurring.
        painter.setPen(QPen(m_border, 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_cornerRadius, m_cornerRadius);
    }
    if (hasFocus()) {
        paintFocusRing(painter, QRectF(rect()), m_cornerRadius);
    }
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    if (!m_onClick || event->button() != Qt::LeftButton) {
        // Unclaimed presses travel on to the window, which moves itself by its background.
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    if (!wasPressed || event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    activate();
}

} // namespace Vello
