#include "manualmainqueue.h"

#include <algorithm>

namespace Vello {

void ManualMainQueue::post(Task task)
{
    {
        const std::lock_guard lock(m_mutex);
        m_entries.push_back({m_now, m_nextSequence++, std::move(task), nullptr});
    }
    m_posted.notify_all();
}

std::shared_ptr<Cancellable> ManualMainQueue::postAfter(std::chrono::milliseconds delay, Task task)
{
    auto handle = std::make_shared<Cancellable>();
    {
        const std::lock_guard lock(m_mutex);
        m_entries.push_back({m_now + delay, m_nextSequence++, std::move(task), handle});
    }
    m_posted.notify_all();
    return handle;
}

bool ManualMainQueue::runOneDue()
{
    Entry entry;
    {
        const std::lock_guard lock(m_mutex);
        auto due = std::min_element(m_entries.begin(), m_entries.end(),
            [](const Entry& a, const Entry& b) { return a.due != b.due ? a.due < b.due : a.sequence < b.sequence; });
        if (due == m_entries.end() || due->due > m_now) {
            return false;
        }
        entry = std::move(*due);
        m_entries.erase(due);
    }
    if (!entry.handle || !entry.handle->isCancelled()) {
        entry.task();
    }
    return true;
}

std::size_t ManualMainQueue::runPending()
{
    std::size_t count = 0;
    while (runOneDue()) {
        ++count;
    }
    return count;
}

std::size_t ManualMainQueue::advance(std::chrono::milliseconds by)
{
    const auto target = now() + by;
    std::size_t count = runPending();
    while (true) {
        std::chrono::milliseconds next;
        {
            const std::lock_guard lock(m_mutex);
            auto earliest = std::min_element(
                m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.due < b.due; });
            if (earliest == m_entries.end() || earliest->due > target) {
                m_now = target;
                break;
            }
            next = earliest->due;
            m_now = std::max(m_now, next);
        }
        count += runPending();
    }
    return count + runPending();
}

std::size_t ManualMainQueue::waitAndRun(std::chrono::milliseconds timeout)
{
    {
        std::unique_lock lock(m_mutex);
        m_posted.wait_for(lock, timeout, [this] {
            return std::any_of(m_entries.begin(), m_entries.end(), [this](const Entry& e) { return e.due <= m_now; });
        });
    }
    return runPending();
}

std::chrono::milliseconds ManualMainQueue::now() const
{
    const std::lock_guard lock(m_mutex);
    return m_now;
}

std::size_t ManualMainQueue::pendingCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<std::size_t>(std::count_if(
        m_entries.begin(), m_entries.end(), [](const Entry& e) { return !e.handle || !e.handle->isCancelled(); }));
}

} // namespace Vello
