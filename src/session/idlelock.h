#pragma once

#include "base/listeners.h"

namespace Vello {

class IdleInhibitor;
class PlaybackSession;

// Holds the desktop session's idle lock while a stream of the session plays or is on its way,
// and lets it go otherwise; it asks only when that changes. GUI thread only.
class IdleLock final {
public:
    // Follows `session` until destroyed; both must outlive it.
    IdleLock(PlaybackSession& session, IdleInhibitor& inhibitor);

private:
    void follow();

    PlaybackSession& m_session;
    IdleInhibitor& m_inhibitor;
    bool m_held = false;
    Subscription m_subscription;
};

} // namespace Vello
