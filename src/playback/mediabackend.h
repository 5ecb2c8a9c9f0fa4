#pragma once

#include <memory>
#include <string>

namespace Vello {

// What a media player reports about its playback.
enum class TimeControlStatus {
    Paused = 0, // paused or stopped
    WaitingToPlay = 1, // pre-rolling or buffering
    Playing = 2,
};

// One stream. Destroying it releases the stream and silences it at once.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    virtual void setAutomaticallyWaitsToMinimizeStalling(bool waits) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    [[nodiscard]] virtual TimeControlStatus timeControlStatus() const = 0;
};

// Makes players for stream addresses.
class MediaBackend {
public:
    virtual ~MediaBackend() = default;

    // A new player for `url`, or nullptr when the address is refused (it does not parse, or
    // it is not an http or https address).
    [[nodiscard]] virtual std::unique_ptr<MediaPlayer> createPlayer(const std::string& url) = 0;
};

} // namespace Vello
