#include "spacekey.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace Vello {

namespace {

// Keys that move the focus, or that a list answers by moving it from row to row.
bool movesFocus(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isSpace(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Space && event.modifiers() == Qt::NoModifier;
}

} // namespace

SpaceKey::SpaceKey(QWidget& window, QAction& playPause, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_playPause(playPause)
{
}

bool SpaceKey::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &m_window) {
        return QObject::eventFilter(watched, event);
    }
    QWidget* focus = QApplication::focusWidget();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        m_keyboardMovedFocus = false;
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            m_keyboardMovedFocus = true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key the focused control passes on comes by again for each of its parents.
        if (watched != (focus != nullptr ? focus : &m_window)) {
            break;
        }
        if (movesFocus(key->key())) {
            m_keyboardMovedFocus = true;
        }
        // Text fields take Space as a character; a control the keyboard moved to, as a press.
        const bool typed = focus != nullptr && focus->testAttribute(Qt::WA_InputMethodEnabled);
        if (!isSpace(*key) || typed || (focus != nullptr && m_keyboardMovedFocus)) {
            break;
        }
        m_takingSpace = true;
        if (!key->isAutoRepeat()) {
            m_playPause.trigger();
        }
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (m_takingSpace && key->key() == Qt::Key_Space) {
            m_takingSpace = key->isAutoRepeat();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Vello
