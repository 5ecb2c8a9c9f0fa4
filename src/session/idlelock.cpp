#include "idlelock.h"

#include "playbacksession.h"

#include "ports/idleinhibitor.h"

namespace Vello {

IdleLock::IdleLock(PlaybackSession& session, IdleInhibitor& inhibitor)
    : m_session(session)
    , m_inhibitor(inhibitor)
    , m_subscription(session.subscribe([this](const SessionChanges& changes) {
        if (changes.state) {
            follow();
        }
    }))
{
    follow();
}

void IdleLock::follow()
{
    const bool wanted = m_session.isPlaybackActive();
    if (wanted != m_held) {
        m_held = wanted;
        m_inhibitor.setInhibited(wanted);
    }
}

} // namespace Vello
