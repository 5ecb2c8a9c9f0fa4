#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Vello {

// A listener's place on a Listeners list: it hears until this is destroyed or cancelled. It may
// end at any time: after the list is gone, and from inside a call to the listener itself.
class Subscription final {
public:
    Subscription() = default;
    explicit Subscription(std::shared_ptr<void> token)
        : m_token(std::move(token))
    {
    }
    Subscription(Subscription&&) noexcept = default;
    Subscription& operator=(Subscription&&) noexcept = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() = default;

    // The listener hears nothing more.
    void cancel() { m_token.reset(); }

private:
    std::shared_ptr<void> m_token;
};

// Any number of listeners to changes of one kind, told in the order they subscribed. One that
// subscribes while the others are being told hears the next change. The list must outlive a
// notification it makes. GUI thread only.
template <typename Change> class Listeners final {
public:
    using Listener = std::function<void(const Change& change)>;

    [[nodiscard]] Subscription subscribe(Listener listener)
    {
        auto token = std::make_shared<char>(0);
        m_entries.push_back({token, std::make_shared<Listener>(std::move(listener))});
        return Subscription(std::move(token));
    }

    void notify(const Change& change)
    {
        if (m_depth == 0) {
            std::erase_if(m_entries, [](const Entry& entry) { return entry.token.expired(); });
        }
        ++m_depth;
        const std::size_t count = m_entries.size();
        for (std::size_t i = 0; i < count; ++i) {
            // Held here: a listener may subscribe another, which may move the entries.
            const std::shared_ptr<Listener> listener = m_entries[i].listener;
            if (!m_entries[i].token.expired()) {
                (*listener)(change);
            }
        }
        --m_depth;
    }

private:
    struct Entry {
        std::weak_ptr<void> token;
        std::shared_ptr<Listener> listener;
    };

    std::vector<Entry> m_entries;
    // Notifications under way: entries are dropped only when none is.
    int m_depth = 0;
};

} // namespace Vello
