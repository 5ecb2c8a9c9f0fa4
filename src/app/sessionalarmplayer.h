#pragma once

#include "alarmplayer.h"

#include "base/listeners.h"

#include <string>

namespace Vello {

class BrowserController;
class PlaybackSession;
struct SessionChanges;

// The alarm's station played through the listening session, at the alarm's volume, with what
// becomes of it read off the session as one more of its listeners. The browser only finds the
// station: the catalog's or the person's own. GUI thread only.
class SessionAlarmPlayer final : public AlarmPlayer {
public:
    // Both must outlive the player.
    SessionAlarmPlayer(PlaybackSession& session, const BrowserController& browser);

    void playStation(const std::string& stationId) override;
    void setVolume(double volume) override;
    void stop() override;
    void end() override;
    void setSoundHandler(SoundHandler handler) override { m_handler = std::move(handler); }

private:
    // Plays the station waited for once the stations are in; false while it is not among them.
    bool playWaited();
    void follow(const SessionChanges& changes);
    // The person paused or played something else.
    void interrupted();
    void report(Sound sound) const;

    PlaybackSession& m_session;
    const BrowserController& m_browser;
    SoundHandler m_handler;
    // The station to play once the catalog has it.
    std::string m_waitingFor;
    // The station played for the alarm, while it rings on it.
    std::string m_playing;
    bool m_heard = false;
    // From playStation() to end(), on the station or the tone.
    bool m_ringing = false;
    // Set while this changes what plays: what the session reports is not the person's doing.
    bool m_acting = false;
    // This player paused the station and the session has yet to say so.
    bool m_ownPause = false;
    Subscription m_following;
};

} // namespace Vello
