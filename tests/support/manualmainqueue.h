#pragma once

#include "playback/mainqueue.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

namespace Vello {

// A main queue for tests, driven by a manual clock: nothing runs until the test says so.
// `post` may be called from any thread.
class ManualMainQueue final : public MainQueue {
public:
    void post(Task task) override;
    std::shared_ptr<Cancellable> postAfter(std::chrono::milliseconds delay, Task task) override;

    // Runs everything that is due now, including work posted while running, in order.
    // Returns the number of tasks run.
    std::size_t runPending();
    // Moves the clock forward, running what falls due on the way, in time order.
    std::size_t advance(std::chrono::milliseconds by);
    // Waits (really) up to `timeout` until something is posted, then runs what is due.
    std::size_t waitAndRun(std::chrono::milliseconds timeout);

    [[nodiscard]] std::chrono::milliseconds now() const;
    // Work still waiting (cancelled work excluded).
    [[nodiscard]] std::size_t pendingCount() const;

private:
    struct Entry {
        std::chrono::milliseconds due;
        std::size_t sequence;
        Task task;
        std::shared_ptr<Cancellable> handle;
    };

    bool runOneDue();

    mutable std::mutex m_mutex;
    std::condition_variable m_posted;
    std::vector<Entry> m_entries;
    std::chrono::milliseconds m_now {0};
    std::size_t m_nextSequence = 0;
};

} // namespace Vello
