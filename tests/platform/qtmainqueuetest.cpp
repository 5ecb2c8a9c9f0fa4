#include "platform/qtmainqueue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace Vello {
namespace {

TEST(QtMainQueueTest, WorkRunsInOrderOnTheGuiThreadAfterItsDelayUnlessCancelledOrTheQueueIsGone)
{
    std::vector<int> order;
    {
        QtMainQueue queue;
        QElapsedTimer timer;
        timer.start();
        queue.postAfter(std::chrono::milliseconds(60), [&] { order.push_back(timer.elapsed() >= 55 ? 3 : -1); });
        queue.postAfter(std::chrono::milliseconds(30), [&] { order.push_back(-2); })->cancel();
        std::thread worker([&] {
            for (int i = 0; i < 3; ++i) {
                queue.post([&, i] { order.push_back(QThread::currentThread() == qApp->thread() ? i : -3); });
            }
        });
        worker.join();
        EXPECT_TRUE(order.empty()) << "posted work never runs inside post";
        EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 4; }, 5000));
        // Work still queued when the queue goes never runs.
        queue.post([&] { order.push_back(-4); });
        queue.postAfter(std::chrono::milliseconds(1), [&] { order.push_back(-5); });
    }
    QThread::msleep(20);
    QCoreApplication::processEvents();
    EXPECT_EQ(order, (std::vector<int> {0, 1, 2, 3}));
}

} // namespace
} // namespace Vello
