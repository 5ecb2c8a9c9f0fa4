#include "browsermprisplayer.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"

#include <utility>

namespace Vello {

BrowserMprisPlayer::BrowserMprisPlayer(
    BrowserController& browser, std::function<void()> raise, std::function<void()> quit, LogoFile logoFile)
    : m_browser(browser)
    , m_raise(std::move(raise))
    , m_quit(std::move(quit))
    , m_logoFile(std::move(logoFile))
{
}

MprisState BrowserMprisPlayer::state() const
{
    MprisState state;
    const bool active = m_browser.isPlaybackActive();
    const bool hasList = !m_browser.filteredStations().empty();
    const auto& current = m_browser.currentStation();
    if (active) {
        state.playbackStatus = QStringLiteral("Playing");
    } else if (current && m_browser.playbackState().phase == PlaybackPhase::Paused) {
        state.playbackStatus = QStringLiteral("Paused");
    }
    if (current) {
        const QString name = stationText(current->displayName(), unnamedStationText);
        const std::string& song = m_browser.streamTitle();
        state.stationId = QString::fromStdString(current->id());
        state.title = song.empty() ? name : QString::fromStdString(song);
        state.artist = name;
        if (const auto favicon = current->favicon(); m_logoFile && favicon) {
            state.artUrl = m_logoFile(std::string(*favicon));
        }
    }
    state.volume = m_browser.volume();
    state.canGoNext = hasList;
    state.canGoPrevious = hasList;
    state.canPlay = current.has_value() || hasList;
    state.canPause = active;
    return state;
}

void BrowserMprisPlayer::playPause()
{
    m_browser.playPause();
}

void BrowserMprisPlayer::play()
{
    if (!m_browser.isPlaybackActive()) {
        m_browser.playSelected();
    }
}

void BrowserMprisPlayer::pause()
{
    if (m_browser.isPlaybackActive()) {
        m_browser.pause();
    }
}

void BrowserMprisPlayer::stop()
{
    pause();
}

void BrowserMprisPlayer::next()
{
    m_browser.playNext();
}

void BrowserMprisPlayer::previous()
{
    m_browser.playPrevious();
}

void BrowserMprisPlayer::setVolume(double volume)
{
    m_browser.setVolume(volume);
}

void BrowserMprisPlayer::raise()
{
    m_raise();
}

void BrowserMprisPlayer::quit()
{
    m_quit();
}

} // namespace Vello
