#pragma once

#include <QString>

#include <chrono>

namespace Vello {

// What the desktop's media controls show of the player at one moment.
struct MprisState final {
    // "Playing", "Paused" or "Stopped".
    QString playbackStatus = QStringLiteral("Stopped");
    // Empty while nothing is current.
    QString stationId;
    QString title;
    QString artist;
    // A file: address of the station's logo, or empty.
    QString artUrl;
    double volume = 1.0;
    bool canGoNext = false;
    bool canGoPrevious = false;
    bool canPlay = false;
    bool canPause = false;
    // Whether what is heard can be moved within what is kept of the station: it plays, or is
    // paused live, on this computer.
    bool canSeek = false;
    // Where what is heard stands within what is kept, live being its end; 0 unless it can seek.
    std::chrono::microseconds position {0};

    friend bool operator==(const MprisState&, const MprisState&) = default;
};

// The player as the media keys and the desktop's media widget drive it. Every call comes on
// the GUI thread.
class MprisPlayer {
public:
    virtual ~MprisPlayer() = default;

    [[nodiscard]] virtual MprisState state() const = 0;
    virtual void playPause() = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    // `volume` is already within 0 to 1.
    virtual void setVolume(double volume) = 0;
    // Moves what is heard by `offset`, or to `position`, held within what is kept: past its live
    // end is live. False, and nothing done, unless the state says it can seek.
    [[nodiscard]] virtual bool seek(std::chrono::microseconds offset) = 0;
    [[nodiscard]] virtual bool setPosition(std::chrono::microseconds position) = 0;
    // Plays the stream or playlist at `address`, an http or https address, for this run only.
    virtual void openUri(const QString& address) = 0;
    virtual void raise() = 0;
    virtual void quit() = 0;
};

} // namespace Vello
