#pragma once

#include <QString>

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
    // Plays the stream or playlist at `address`, an http or https address, for this run only.
    virtual void openUri(const QString& address) = 0;
    virtual void raise() = 0;
    virtual void quit() = 0;
};

} // namespace Vello
