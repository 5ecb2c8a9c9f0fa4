#pragma once

#include "ports/mainqueue.h"

#include <chrono>
#include <map>
#include <mutex>

namespace Vello {

// A main queue for tests, driven by a manual clock: nothing runs until the test says so.
// `post` may be called from any thread.
class ManualMainQueue final : public MainQueue {
public:
    void post(Task task) override { postAfter(std::chrono::milliseconds(0), std::move(task)); }
    std::shared_ptr<Cancellable> postAfter(std::chrono::milliseconds delay, Task task) override;

    // Runs everything that is due now, including work posted while running, in order.
    void runPending();
    // Moves the clock forward, running what falls due on the way, in time order.
    void advance(std::chrono::milliseconds by);
    // How far the clock has moved since the queue was made.
    [[nodiscard]] std::chrono::milliseconds now() const
    {
        const std::lock_guard lock(m_mutex);
        return m_now;
    }

private:
    struct Entry {
        Task task;
        std::shared_ptr<Cancellable> handle;
    };

    // Runs the work due first if it is due by `until`, moving the clock to it; false when none is.
    bool runNext(std::chrono::milliseconds until);

    mutable std::mutex m_mutex;
    // By due time; work due at the same time keeps the order it was posted in.
    std::multimap<std::chrono::milliseconds, Entry> m_entries;
    std::chrono::milliseconds m_now {0};
};

} // namespace Vello
