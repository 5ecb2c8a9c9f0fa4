#include "stationpagingscrollview.h"

#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace Vello {

StationPagingScrollView::StationPagingScrollView(QWidget* parent)
    : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void StationPagingScrollView::setOnApproachingBottom(std::function<void()> callback)
{
    m_onApproachingBottom = std::move(callback);
}

int StationPagingScrollView::remainingDistance() const
{
    const QWidget* content = widget();
    if (content == nullptr) {
        return 0;
    }
    const int visibleBottom = verticalScrollBar()->value() + viewport()->height();
    return std::max(0, content->height() - visibleBottom);
}

void StationPagingScrollView::wheelEvent(QWheelEvent* event)
{
    QScrollArea::wheelEvent(event);
    scheduleBottomCheck();
}

void StationPagingScrollView::scheduleBottomCheck()
{
    // One gesture delivers many events in a single turn of the loop: they share one check,
    // taken after all of them have scrolled.
    if (m_checkScheduled) {
        return;
    }
    m_checkScheduled = true;
    QMetaObject::invokeMethod(this, &StationPagingScrollView::checkBottom, Qt::QueuedConnection);
}

void StationPagingScrollView::checkBottom()
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
