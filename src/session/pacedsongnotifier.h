#pragma once

#include "base/listeners.h"
#include "ports/mainqueue.h"
#include "ports/songnotifier.h"

#include <chrono>
#include <memory>
#include <optional>

namespace Vello {

class PlaybackSession;
class Preferences;

// Announces each song added to the session's songs heard through the desktop's notifications,
// while the preference asks for it and the window is not the one the person is using. At most one
// notice goes out per `interval`: the first at once, and one that comes sooner after the last
// waits for the interval's end, when only the newest waiting notice goes. A station that changes
// its title every moment makes no stream of notifications. Timed on the main queue; GUI thread
// only.
class PacedSongNotifier final {
public:
    static constexpr std::chrono::milliseconds interval {5000};

    // Follows `session` until destroyed; every argument must outlive it. Nothing waiting is
    // passed on once it is gone.
    PacedSongNotifier(PlaybackSession& session, SongNotifier& notifier, Preferences& preferences, MainQueue& queue);
    ~PacedSongNotifier();

    PacedSongNotifier(const PacedSongNotifier&) = delete;
    PacedSongNotifier& operator=(const PacedSongNotifier&) = delete;

    // Whether the window is the one the person is using; songs are announced only when not.
    void setWindowActive(bool active) { m_windowActive = active; }

private:
    void songHeard();
    void notify(const SongNotice& notice);
    // Passes `notice` on and starts an interval.
    void passOn(const SongNotice& notice);

    PlaybackSession& m_session;
    SongNotifier& m_notifier;
    Preferences& m_preferences;
    MainQueue& m_queue;
    bool m_windowActive = false;
    // The end of the interval under way; none once it is over.
    std::shared_ptr<Cancellable> m_intervalEnd;
    std::optional<SongNotice> m_waiting;
    Subscription m_subscription;
};

} // namespace Vello
