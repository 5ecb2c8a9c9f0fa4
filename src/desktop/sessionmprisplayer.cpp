#include "sessionmprisplayer.h"

#include "browser/stationquery.h"
#include "i18n/translation.h"
#include "session/playbacksession.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace Vello {

SessionMprisPlayer::SessionMprisPlayer(
    PlaybackSession& session, std::function<void()> raise, std::function<void()> quit, LogoFile logoFile)
    : m_session(session)
    , m_raise(std::move(raise))
    , m_quit(std::move(quit))
    , m_logoFile(std::move(logoFile))
{
}

MprisState SessionMprisPlayer::state() const
{
    MprisState state;
    const bool active = m_session.isPlaybackActive();
    const bool hasList = !m_session.listOfTheMoment().empty();
    const auto& current = m_session.currentStation();
    if (active) {
        state.playbackStatus = QStringLiteral("Playing");
    } else if (current && m_session.playbackState().phase == PlaybackPhase::Paused) {
        state.playbackStatus = QStringLiteral("Paused");
    }
    if (current) {
        const QString name = stationText(current->displayName(), unnamedStationText);
        const std::string& song = m_session.streamTitle();
        state.stationId = QString::fromStdString(current->id());
        state.title = song.empty() ? name : QString::fromStdString(song);
        // Media widgets show the title and the artist only: the station's line says it records.
        state.artist = m_session.recording().recording
            ? QCoreApplication::translate("Vello::SessionMprisPlayer", "%1 · Recording").arg(name)
            : name;
        if (const auto favicon = current->favicon(); m_logoFile && favicon) {
            state.artUrl = m_logoFile(std::string(*favicon));
        }
    }
    state.volume = m_session.volume();
    state.canGoNext = hasList;
    state.canGoPrevious = hasList;
    state.canPlay = current.has_value() || hasList;
    state.canPause = active;
    state.canSeek = canSeek();
    if (state.canSeek) {
        state.position = position();
    }
    return state;
}

void SessionMprisPlayer::playPause()
{
    m_session.playPause();
}

void SessionMprisPlayer::play()
{
    if (!m_session.isPlaybackActive()) {
        m_session.playSelected();
    }
}

void SessionMprisPlayer::pause()
{
    // Also with nothing playing: an alarm's tone, which the session does not play, stops on it.
    m_session.pauseIfActive();
}

void SessionMprisPlayer::stop()
{
    pause();
}

void SessionMprisPlayer::next()
{
    m_session.playNext();
}

void SessionMprisPlayer::previous()
{
    m_session.playPrevious();
}

void SessionMprisPlayer::setVolume(double volume)
{
    m_session.setVolume(volume);
}

bool SessionMprisPlayer::seek(std::chrono::microseconds offset)
{
    if (!canSeek()) {
        return false;
    }
    // Held within what is kept, so that no offset, however far, overflows on its way.
    const auto heard = position();
    const auto step = std::clamp(offset, -heard, kept() - heard);
    m_session.recorder().skip(std::chrono::duration_cast<std::chrono::milliseconds>(step));
    return true;
}

bool SessionMprisPlayer::setPosition(std::chrono::microseconds position)
{
    return seek(std::clamp(position, std::chrono::microseconds(0), kept()) - this->position());
}

void SessionMprisPlayer::openUri(const QString& address)
{
    m_session.playForThisRun(stationForAddress(address.toStdString()));
}

void SessionMprisPlayer::raise()
{
    m_raise();
}

void SessionMprisPlayer::quit()
{
    m_quit();
}

bool SessionMprisPlayer::canSeek() const
{
    const TimeShift shift = m_session.recorder().timeShift();
    return !m_session.output() && shift.available && (m_session.isPlaybackActive() || shift.paused);
}

std::chrono::microseconds SessionMprisPlayer::position() const
{
    return std::max(kept() - m_session.recorder().behindLive(), std::chrono::microseconds(0));
}

std::chrono::microseconds SessionMprisPlayer::kept() const
{
    return m_session.recorder().kept();
}

} // namespace Vello
