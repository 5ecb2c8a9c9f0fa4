#pragma once

#include "ports/mainqueue.h"
#include "ports/songnotifier.h"

#include <chrono>
#include <memory>
#include <optional>

namespace Vello {

// Passes song notices on to another notifier, at most one per `interval`: the first at once, and
// one that comes sooner after the last waits for the interval's end, when only the newest waiting
// notice is passed on. A station that changes its title every moment makes no stream of
// notifications. Timed on the main queue; GUI thread only.
class PacedSongNotifier final : public SongNotifier {
public:
    static constexpr std::chrono::milliseconds interval {5000};

    // `notifier` must outlive this object; nothing waiting is passed on once this object is gone.
    PacedSongNotifier(SongNotifier& notifier, MainQueue& queue);
    ~PacedSongNotifier() override;

    PacedSongNotifier(const PacedSongNotifier&) = delete;
    PacedSongNotifier& operator=(const PacedSongNotifier&) = delete;

    void notify(const SongNotice& notice) override;

private:
    // Passes `notice` on and starts an interval.
    void passOn(const SongNotice& notice);

    SongNotifier& m_notifier;
    MainQueue& m_queue;
    // The end of the interval under way; none once it is over.
    std::shared_ptr<Cancellable> m_intervalEnd;
    std::optional<SongNotice> m_waiting;
};

} // namespace Vello
