#include "sessionalarmplayer.h"

#include "browser/browsercontroller.h"
#include "session/playbacksession.h"

#include <algorithm>
#include <utility>

namespace Vello {

SessionAlarmPlayer::SessionAlarmPlayer(PlaybackSession& session, const BrowserController& browser)
    : m_session(session)
    , m_browser(browser)
    , m_following(session.subscribe([this](const SessionChanges& changes) { follow(changes); }))
{
}

void SessionAlarmPlayer::playStation(const std::string& stationId)
{
    m_waitingFor = stationId;
    m_playing.clear();
    m_ringing = true;
    m_heard = false;
    m_session.overrideVolume(0.0);
    if (!playWaited()) {
        // The stations may still be on their way: the alarm waits for them as for a silent station.
        report(m_browser.isLoadingStations() ? Sound::Silent : Sound::Failed);
    }
}

bool SessionAlarmPlayer::playWaited()
{
    const auto matches = [this](const Station& station) { return station.id() == m_waitingFor; };
    const Station* found = nullptr;
    const auto& own = m_browser.personal().ownStations();
    if (const auto ownFound = std::ranges::find_if(own, matches); ownFound != own.end()) {
        found = &*ownFound;
    } else if (const auto listed = std::ranges::find_if(m_browser.allStations(), matches);
               listed != m_browser.allStations().end()) {
        found = &*listed;
    }
    if (found == nullptr) {
        return false;
    }
    m_playing = std::exchange(m_waitingFor, {});
    // An alarm muted would not wake anyone.
    m_acting = true;
    m_session.setMuted(false);
    m_session.play(*found);
    m_acting = false;
    return true;
}

void SessionAlarmPlayer::setVolume(double volume)
{
    m_session.overrideVolume(volume);
}

void SessionAlarmPlayer::stop()
{
    m_waitingFor.clear();
    if (!std::exchange(m_playing, {}).empty()) {
        m_acting = true;
        m_ownPause = true;
        m_session.pause();
        m_acting = false;
    }
}

void SessionAlarmPlayer::end()
{
    stop();
    m_ringing = false;
    m_session.overrideVolume(std::nullopt);
}

void SessionAlarmPlayer::follow(const SessionChanges& changes)
{
    // Asked from inside another listener's notice, the session tells of this player's own pause
    // only after m_acting is down again: the pause is known as its own by m_ownPause.
    const bool ownPause = changes.pauseAsked && std::exchange(m_ownPause, false);
    if (!m_ringing || m_acting) {
        return;
    }
    if (changes.pauseAsked && !ownPause) {
        m_waitingFor.clear();
        interrupted();
        return;
    }
    if (changes.list && !m_waitingFor.empty()) {
        (void)playWaited();
        return;
    }
    if (!changes.state && !changes.station) {
        return;
    }
    const PlaybackPhase phase = m_session.playbackState().phase;
    if (m_playing.empty()) {
        // On the tone: whatever the person starts now wakes them.
        if (m_waitingFor.empty() && phase != PlaybackPhase::Paused && phase != PlaybackPhase::Idle
            && phase != PlaybackPhase::Failed) {
            interrupted();
        }
        return;
    }
    const auto& current = m_session.currentStation();
    if (!current || current->id() != m_playing) {
        interrupted();
        return;
    }
    switch (phase) {
    case PlaybackPhase::Playing:
        if (!std::exchange(m_heard, true)) {
            report(Sound::Heard);
        }
        break;
    case PlaybackPhase::Connecting:
    case PlaybackPhase::Buffering:
    case PlaybackPhase::Reconnecting:
        if (std::exchange(m_heard, false)) {
            report(Sound::Silent);
        }
        break;
    case PlaybackPhase::Failed:
        report(Sound::Failed);
        break;
    case PlaybackPhase::Paused:
    case PlaybackPhase::Idle:
        interrupted();
        break;
    }
}

void SessionAlarmPlayer::interrupted()
{
    // What the person chose plays on as they chose it.
    m_playing.clear();
    report(Sound::Interrupted);
}

void SessionAlarmPlayer::report(Sound sound) const
{
    if (const SoundHandler handler = m_handler) {
        handler(sound);
    }
}

} // namespace Vello
