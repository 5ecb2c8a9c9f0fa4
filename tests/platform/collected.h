#pragma once

#include <QTest>

#include <mutex>
#include <vector>

namespace Vello {

// Collects answers from whichever thread they come on.
template <typename T> class Collected {
public:
    void add(T value)
    {
        const std::lock_guard lock(m_mutex);
        m_values.push_back(std::move(value));
    }
    [[nodiscard]] std::vector<T> all() const
    {
        const std::lock_guard lock(m_mutex);
        return m_values;
    }
    // Runs the test's event loop, and with it the servers, until `count` answers are in.
    [[nodiscard]] bool waitFor(std::size_t count) const
    {
        return QTest::qWaitFor([&] { return all().size() >= count; }, 20000);
    }

private:
    mutable std::mutex m_mutex;
    std::vector<T> m_values;
};

} // namespace Vello
