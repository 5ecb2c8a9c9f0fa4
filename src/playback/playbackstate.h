#pragma once

#include "base/text.h"

namespace Vello {

// Where the current stream stands, as the person should see it.
enum class PlaybackPhase {
    Idle, // nothing current, or stopped
    Connecting,
    Buffering,
    Playing,
    Paused,
    Reconnecting,
    Failed,
};

struct PlaybackState final {
    PlaybackPhase phase = PlaybackPhase::Idle;
    // While buffering: how full the buffer is, 0 to 100.
    int bufferingPercent = 0;
    // While reconnecting: whole seconds until the next try.
    int secondsUntilRetry = 0;
    // When failed or reconnecting: what went wrong, in plain words; when paused, why, if the
    // person did not pause it.
    Text failure;

    friend bool operator==(const PlaybackState&, const PlaybackState&) = default;
};

// The line the now-playing views show under the station: "Connecting…", "Buffering 40 %", the
// failure followed by "Trying again in 4 s…", the failure, "Paused" (or why it paused), or nothing
// while idle or playing.
[[nodiscard]] Text playbackStatusText(const PlaybackState& state);

} // namespace Vello
