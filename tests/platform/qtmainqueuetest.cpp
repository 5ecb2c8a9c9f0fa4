#include "platform/qtmainqueue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace Vello {
namespace {

void spinUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

TEST(QtMainQueueTest, WorkPostedFromAWorkerRunsInOrderOnTheGuiThread)
{
    QtMainQueue queue;
    std::vector<int> order;
    std::vector<QThread*> threads;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            queue.post([&, i] {
                order.push_back(i);
                threads.push_back(QThread::currentThread());
            });
        }
    });
    worker.join();
    EXPECT_TRUE(order.empty()) << "posted work never runs inside post";
    spinUntil([&] { return order.size() == 3; });
    EXPECT_EQ(order, (std::vector<int> {0, 1, 2}));
    for (QThread* thread : threads) {
        EXPECT_EQ(thread, QCoreApplication::instance()->thread());
    }
}

TEST(QtMainQueueTest, DelayedWorkRunsAfterItsDelayUnlessCancelled)
{
    QtMainQueue queue;
    bool kept = false;
    bool cancelled = false;
    QElapsedTimer timer;
    timer.start();
    qint64 ranAfter = 0;
    queue.postAfter(std::chrono::milliseconds(60), [&] {
        kept = true;
        ranAfter = timer.elapsed();
    });
    queue.postAfter(std::chrono::milliseconds(30), [&] { cancelled = true; })->cancel();
    spinUntil([&] { return kept; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(kept);
    EXPECT_GE(ranAfter, 55);
    EXPECT_FALSE(cancelled);
}

TEST(QtMainQueueTest, WorkStillQueuedWhenTheQueueIsDestroyedNeverRuns)
{
    bool ran = false;
    {
        QtMainQueue queue;
        queue.post([&] { ran = true; });
        queue.postAfter(std::chrono::milliseconds(1), [&] { ran = true; });
    }
    QThread::msleep(20);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
