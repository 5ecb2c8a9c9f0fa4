#include "manualmainqueue.h"

#include <algorithm>

namespace Vello {

std::shared_ptr<Cancellable> ManualMainQueue::postAfter(std::chrono::milliseconds delay, Task task)
{
    auto handle = std::make_shared<Cancellable>();
    const std::lock_guard lock(m_mutex);
    m_entries.emplace(m_now + delay, Entry {std::move(task), handle});
    return handle;
}

bool ManualMainQueue::runNext(std::chrono::milliseconds until)
{
    Entry entry;
    {
        const std::lock_guard lock(m_mutex);
        const auto first = m_entries.begin();
        if (first == m_entries.end() || first->first > until) {
            return false;
        }
        m_now = std::max(m_now, first->first);
        entry = std::move(first->second);
        m_entries.erase(first);
    }
    if (!entry.handle->isCancelled()) {
        entry.task();
    }
    return true;
}

void ManualMainQueue::runPending()
{
    while (runNext(m_now)) { }
}

void ManualMainQueue::advance(std::chrono::milliseconds by)
{
    const auto target = m_now + by;
    while (runNext(target)) { }
    const std::lock_guard lock(m_mutex);
    m_now = target;
}

} // namespace Vello
