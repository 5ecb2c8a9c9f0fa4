#include "stationscrollarea.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace Vello {

StationScrollArea::StationScrollArea(QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void StationScrollArea::setOnApproachingBottom(std::function<void()> callback)
{
    m_onApproachingBottom = std::move(callback);
}

int StationScrollArea::remainingDistance() const
{
    const QWidget* content = widget();
    if (content == nullptr) {
        return 0;
    }
    const int visibleBottom = verticalScrollBar()->value() + viewport()->height();
    return std::max(0, content->height() - visibleBottom);
}

void StationScrollArea::setObscuredBottom(int height)
{
    m_obscuredBottom = std::max(0, height);
}

void StationScrollArea::reveal(const QWidget* child)
{
    const QWidget* content = widget();
    if (content == nullptr || child == nullptr || !content->isAncestorOf(child)) {
        return;
    }
    const QRect area(child->mapTo(content, QPoint(0, 0)), child->size());
    QScrollBar* bar = verticalScrollBar();
    const int shownHeight = std::max(0, viewport()->height() - m_obscuredBottom);
    const int top = area.top() - revealMargin;
    const int bottom = area.bottom() + 1 + revealMargin;
    if (top < bar->value() || bottom - top > shownHeight) {
        bar->setValue(top);
    } else if (bottom > bar->value() + shownHeight) {
        bar->setValue(bottom - shownHeight);
    }
}

void StationScrollArea::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = verticalScrollBar();
    // A page is what shows above the floating player, less a line kept for context.
    const int page = std::max(lineStep, viewport()->height() - m_obscuredBottom - lineStep);
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        QScrollArea::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageDown:
        bar->setValue(bar->value() + page);
        break;
    case Qt::Key_PageUp:
        bar->setValue(bar->value() - page);
        break;
    case Qt::Key_Down:
        bar->setValue(bar->value() + lineStep);
        break;
    case Qt::Key_Up:
        bar->setValue(bar->value() - lineStep);
        break;
    case Qt::Key_Home:
        bar->setValue(bar->minimum());
        break;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        break;
    default:
        QScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    scheduleBottomCheck();
}

bool StationScrollArea::focusNextPrevChild(bool next)
{
    // NOLINTNEXTLINE(bugprone-parent-virtual-call): the scroll area's own would scroll too.
    return QWidget::focusNextPrevChild(next);
}

void StationScrollArea::wheelEvent(QWheelEvent* event)
{
    QScrollArea::wheelEvent(event);
    scheduleBottomCheck();
}

void StationScrollArea::scheduleBottomCheck()
{
    // One gesture delivers many events in a single turn of the loop: they share one check,
    // taken after all of them have scrolled.
    if (m_checkScheduled) {
        return;
    }
    m_checkScheduled = true;
    QMetaObject::invokeMethod(this, &StationScrollArea::checkBottom, Qt::QueuedConnection);
}

void StationScrollArea::checkBottom()
{
    m_checkScheduled = false;
    if (widget() == nullptr || !m_onApproachingBottom) {
        return;
    }
    if (remainingDistance() < approachDistance) {
        // The owner may replace the callback (or this view) from inside it.
        const auto callback = m_onApproachingBottom;
        callback();
    }
}

} // namespace Vello
