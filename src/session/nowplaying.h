#pragma once

#include "sleeptimer.h"

#include "base/text.h"
#include "playback/playbackstate.h"

#include <cstdint>
#include <string>

namespace Vello {

class PlaybackSession;

// What the now-playing parts of the window show: the mini player's and the rail's title, the
// rail's detail line, the song on the air and a line on how playback goes, and whether the mini
// player is shown.
struct NowPlaying final {
    Text title;
    Text detail;
    bool miniPlayerVisible = false;
    // Empty while the station has not said what is on.
    std::string songTitle;
    // streamDetailsText() of what the stream is: empty while nothing is known of it.
    Text streamDetails;
    // playbackStatusText() of the player's state: "Paused", how it goes on its way, or why it
    // failed; empty while playing or idle.
    Text status;
    PlaybackPhase phase = PlaybackPhase::Idle;
    // The loudness on the cubic scale, 0 to 1, and whether it is muted.
    double volume = 1.0;
    bool muted = false;
    // The Sleep Timer menu's choice, and the mini player's line on it ("Sleep in 23 min");
    // the line is empty while the timer is off or no station is current.
    SleepChoice sleepTimer;
    Text sleepLabel;
    // The station is being recorded.
    bool recording = false;

    friend bool operator==(const NowPlaying&, const NowPlaying&) = default;
};

// A station's name is cut to this many characters where it is shown as what plays.
inline constexpr std::int64_t nowPlayingTitleLimit = 64;

// What the now-playing views show of `session` as it is now.
[[nodiscard]] NowPlaying nowPlayingOf(const PlaybackSession& session);

} // namespace Vello
