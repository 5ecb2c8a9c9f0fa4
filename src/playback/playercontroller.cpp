#include "playercontroller.h"

#include "playback/streamaddress.h"

#include <utility>

namespace Vello {

PlayerController::PlayerController(MediaBackend& backend, MainQueue& queue, HttpClient& http)
    : m_backend(backend)
    , m_queue(queue)
    , m_http(http)
{
}

PlayerController::~PlayerController() = default;

void PlayerController::play(const Station& station)
{
    const std::optional<std::string> address = station.radioURL();
    const std::optional<std::string> encoded = address ? encodedStreamAddress(*address) : std::nullopt;
    if (!encoded) {
        return;
    }
    std::unique_ptr<MediaPlayer> player = m_backend.createPlayer(*encoded);
    if (!player) {
        // The back end applies its own, stricter reading of the address; a refusal there is
        // the same as an address that does not parse.
        return;
    }
    m_currentStation = station;
    // The back end's players silence themselves when destroyed, so replacing the old one here
    // keeps at most one stream audible.
    m_player = std::move(player);
    m_player->setAutomaticallyWaitsToMinimizeStalling(true);
    m_player->play();
    notify();
}

void PlayerController::resume()
{
    if (m_player) {
        m_player->play();
    }
    notify();
}

void PlayerController::pause()
{
    if (m_player) {
        m_player->pause();
    }
    notify();
}

void PlayerController::stop()
{
    if (m_player) {
        m_player->pause();
    }
    m_player.reset();
    m_currentStation.reset();
    notify();
}

bool PlayerController::isPlaying() const
{
    return m_player && m_player->timeControlStatus() == TimeControlStatus::Playing;
}

const std::optional<Station>& PlayerController::currentStation() const
{
    return m_currentStation;
}

bool PlayerController::hasPlayer() const
{
    return m_player != nullptr;
}

const PlaybackState& PlayerController::playbackState() const
{
    return m_state;
}

const std::string& PlayerController::streamTitle() const
{
    return m_streamTitle;
}

void PlayerController::setVolume(double volume)
{
    m_volume = volume;
}

void PlayerController::setMuted(bool muted)
{
    m_muted = muted;
}

double PlayerController::volume() const
{
    return m_volume;
}

bool PlayerController::isMuted() const
{
    return m_muted;
}

void PlayerController::setOnStateChange(std::function<void()> onStateChange)
{
    m_onStateChange = std::move(onStateChange);
}

void PlayerController::notify() const
{
    if (m_onStateChange) {
        // A copy, so a callback that replaces itself does not destroy the code it runs.
        const std::function<void()> callback = m_onStateChange;
        callback();
    }
}

} // namespace Vello
