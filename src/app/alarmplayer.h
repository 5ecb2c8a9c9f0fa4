#pragma once

#include <functional>
#include <string>

namespace Vello {

// The transport an alarm rings through: its station played as the window plays stations, at a
// volume of the alarm's own that leaves the person's volume as it was. GUI thread only.
class AlarmPlayer {
public:
    // What became of the station being played for an alarm.
    enum class Sound {
        // It is heard.
        Heard,
        // It opens, buffers or reconnects.
        Silent,
        // It cannot be played (not found, refused, given up).
        Failed,
        // The person paused it or played something else: they are awake.
        Interrupted,
    };
    using SoundHandler = std::function<void(Sound)>;

    virtual ~AlarmPlayer() = default;

    // Plays the station `stationId` (from the catalog or the person's own) at the volume set last.
    virtual void playStation(const std::string& stationId) = 0;
    // The loudness to play at, on the mixer's cubic scale, 0 to 1.
    virtual void setVolume(double volume) = 0;
    // Stops the station; the alarm may ring on, on the tone.
    virtual void stop() = 0;
    // The alarm is over: the person's volume comes back.
    virtual void end() = 0;
    // Told what becomes of the station from playStation() to end(); Interrupted also when the
    // person plays something while the tone rings.
    virtual void setSoundHandler(SoundHandler handler) = 0;
};

} // namespace Vello
