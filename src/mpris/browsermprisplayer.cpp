#include "browsermprisplayer.h"

#include "browser/browsercontroller.h"
#include "widgets/translation.h"

#include <QWidget>

#include <utility>

namespace Vello {

BrowserMprisPlayer::BrowserMprisPlayer(
    BrowserController& browser, QWidget& window, LogoFile logoFile, std::function<void()> quit)
    : m_browser(browser)
    , m_window(window)
    , m_logoFile(std::move(logoFile))
    , m_quit(std::move(quit))
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
    m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void BrowserMprisPlayer::quit()
{
    if (m_quit) {
        m_quit();
    } else {
        m_window.close();
    }
}

} // namespace Vello
