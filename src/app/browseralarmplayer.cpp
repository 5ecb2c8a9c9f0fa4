#include "browseralarmplayer.h"

#include "browser/browsercontroller.h"
#include "screens/mainview.h"

#include <algorithm>
#include <utility>

namespace Vello {

BrowserAlarmPlayer::BrowserAlarmPlayer(BrowserController& browser, MainView& view)
    : m_browser(browser)
{
    connect(&view, &MainView::nowPlayingChanged, this, &BrowserAlarmPlayer::follow);
    connect(&view, &MainView::listChanged, this, [this] {
        if (!m_waitingFor.empty()) {
            (void)playWaited();
        }
    });
}

void BrowserAlarmPlayer::playStation(const std::string& stationId)
{
    m_waitingFor = stationId;
    m_playing.clear();
    m_ringing = true;
    m_heard = false;
    m_browser.overrideVolume(0.0);
    if (!playWaited()) {
        // The stations may still be on their way: the alarm waits for them as for a silent station.
        report(m_browser.isLoadingStations() ? Sound::Silent : Sound::Failed);
    }
}

bool BrowserAlarmPlayer::playWaited()
{
    const auto matches = [this](const Station& station) { return station.id() == m_waitingFor; };
    const Station* found = nullptr;
    if (const auto own = std::ranges::find_if(m_browser.ownStations(), matches); own != m_browser.ownStations().end()) {
        found = &*own;
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
    m_browser.setMuted(false);
    m_browser.play(*found);
    m_acting = false;
    return true;
}

void BrowserAlarmPlayer::setVolume(double volume)
{
    m_browser.overrideVolume(volume);
}

void BrowserAlarmPlayer::stop()
{
    m_waitingFor.clear();
    if (!std::exchange(m_playing, {}).empty()) {
        m_acting = true;
        m_browser.pause();
        m_acting = false;
    }
}

void BrowserAlarmPlayer::end()
{
    stop();
    m_ringing = false;
    m_browser.overrideVolume(std::nullopt);
}

void BrowserAlarmPlayer::follow(const NowPlaying& nowPlaying)
{
    if (!m_ringing || m_acting) {
        return;
    }
    if (m_playing.empty()) {
        // On the tone: whatever the person starts now wakes them.
        if (m_waitingFor.empty() && nowPlaying.phase != PlaybackPhase::Paused && nowPlaying.phase != PlaybackPhase::Idle
            && nowPlaying.phase != PlaybackPhase::Failed) {
            interrupted();
        }
        return;
    }
    const auto& current = m_browser.currentStation();
    if (!current || current->id() != m_playing) {
        interrupted();
        return;
    }
    switch (nowPlaying.phase) {
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

void BrowserAlarmPlayer::interrupted()
{
    // What the person chose plays on as they chose it.
    m_playing.clear();
    report(Sound::Interrupted);
}

void BrowserAlarmPlayer::report(Sound sound) const
{
    if (const SoundHandler handler = m_handler) {
        handler(sound);
    }
}

} // namespace Vello
