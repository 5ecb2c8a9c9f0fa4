#pragma once

#include "playback/mediabackend.h"
#include "playback/playbackstate.h"

#include "catalog/station.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

class HttpClient;
class MainQueue;

// Owns the application's one media player and remembers the station it was last asked to
// play. Every operation ends by calling the state-change callback, synchronously; the
// controller itself never observes the player. GUI thread only.
class PlayerController final {
public:
    // Every port must outlive the controller.
    PlayerController(MediaBackend& backend, MainQueue& queue, HttpClient& http);
    ~PlayerController();

    PlayerController(const PlayerController&) = delete;
    PlayerController& operator=(const PlayerController&) = delete;

    // Opens the station's stream in a fresh player, replacing (and silencing) the previous
    // one. A station without an http or https address changes nothing and reports nothing.
    void play(const Station& station);
    void resume();
    void pause();
    // Releases the player and forgets the station.
    void stop();

    // True exactly while the player reports that it is playing (not waiting for data).
    [[nodiscard]] bool isPlaying() const;
    [[nodiscard]] const std::optional<Station>& currentStation() const;
    [[nodiscard]] bool hasPlayer() const;
    [[nodiscard]] const PlaybackState& playbackState() const;
    // The song the station says is on, cleaned up for display; empty when it has not said.
    [[nodiscard]] const std::string& streamTitle() const;

    // The loudness on the cubic scale desktop mixers show, 0 to 1; it carries over to every
    // later stream.
    void setVolume(double volume);
    void setMuted(bool muted);
    [[nodiscard]] double volume() const;
    [[nodiscard]] bool isMuted() const;

    void setOnStateChange(std::function<void()> onStateChange);

private:
    void notify() const;

    MediaBackend& m_backend;
    MainQueue& m_queue;
    HttpClient& m_http;
    std::unique_ptr<MediaPlayer> m_player;
    std::optional<Station> m_currentStation;
    PlaybackState m_state;
    std::string m_streamTitle;
    double m_volume = 1.0;
    bool m_muted = false;
    std::function<void()> m_onStateChange;
};

} // namespace Vello
