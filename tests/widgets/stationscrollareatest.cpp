#include "widgets/stationscrollarea.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace Vello {
namespace {

void wheel(StationScrollArea& view, int angle)
{
    const QPointF inside(50, 50);
    QWheelEvent event(inside, view.viewport()->mapToGlobal(inside), QPoint(), QPoint(0, angle), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

// The check runs on the next turn of the loop, once per burst, after wheel or keyboard
// scrolling only, and calls when less than 520 pixels are left.
TEST(StationScrollArea, CallsNearTheEndOncePerBurstOfWheelOrKeyScrolling)
{
    auto owned = std::make_unique<StationScrollArea>();
    StationScrollArea& view = *owned;
    int calls = 0;
    view.resize(300, 400);
    view.setOnApproachingBottom([&calls] { ++calls; });
    wheel(view, -120); // without content nothing is near an end
    QCoreApplication::processEvents();
    view.setWidget(new QWidget);
    view.widget()->setMinimumHeight(2000);
    view.show();
    QCoreApplication::processEvents();
    const auto scrollToRemaining = [&view](int remaining) {
        view.verticalScrollBar()->setValue(view.widget()->height() - view.viewport()->height() - remaining);
        ASSERT_EQ(view.remainingDistance(), remaining);
    };

    scrollToRemaining(520);
    wheel(view, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
    scrollToRemaining(519);
    wheel(view, 0);
    EXPECT_EQ(calls, 0) << "the check waits for the next turn of the loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);

    scrollToRemaining(900);
    for (int step = 0; step < 12; ++step) {
        wheel(view, -120);
    }
    EXPECT_LT(view.remainingDistance(), 520);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 2);

    // Scrolling by the program asks nothing; End from the keyboard does.
    view.verticalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 2);
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    view.verticalScrollBar()->setValue(0);
    QCoreApplication::sendEvent(&view, &end);
    EXPECT_EQ(view.remainingDistance(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 3);

    // A document shorter than the view is wholly visible; a check still queued when the view goes calls nothing.
    view.widget()->setMinimumHeight(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.remainingDistance(), 0);
    wheel(view, -120);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 4);
    wheel(view, -120);
    owned.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 4);
}

} // namespace
} // namespace Vello
