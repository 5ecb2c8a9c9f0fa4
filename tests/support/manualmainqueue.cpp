#include "manualmainqueue.h"

#include <algorithm>

namespace Vello {

std::shared_ptr<Cancellable> ManualMainQueue::postAfter(std::chrono::milliseconds delay, Task task)
{
    auto handle = std::make_shared<Cancellable>();
    const std::lock_guard lock(m_mutex);
    m_entries.push_back({m_now + delay, m_nextSequence++, std::move(task), handle});
    return handle;
}

std::vector<ManualMainQueue::Entry>::iterator ManualMainQueue::earliest()
{
    return std::min_element(m_entries.begin(), m_entries.end(),
        [](const Entry& a, const Entry& b) { return a.due != b.due ? a.due < b.due : a.sequence < b.sequence; });
}

void ManualMainQueue::runPending()
{
    while (true) {
        Entry entry;
        {
            const std::lock_guard lock(m_mutex);
            const auto due = earliest();
            if (due == m_entries.end() || due->due > m_now) {
                return;
            }
            entry = std::move(*due);
            m_entries.erase(due);
        }
        if (!entry.handle->isCancelled()) {
            entry.task();
        }
    }
}

void ManualMainQueue::advance(std::chrono::milliseconds by)
{
    std::unique_lock lock(m_mutex);
    const auto target = m_now + by;
    for (auto next = earliest(); next != m_entries.end() && next->due <= target; next = earliest()) {
        m_now = std::max(m_now, next->due);
        lock.unlock();
        runPending();
        lock.lock();
    }
    m_now = target;
    lock.unlock();
    runPending();
}

std::size_t ManualMainQueue::pendingCount() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<std::size_t>(
        std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return !e.handle->isCancelled(); }));
}

} // namespace Vello
