#pragma once

#include "mprisplayer.h"

#include <chrono>

namespace Vello {

// Where the desktop's media controls take the position to be. Told it once, they move it on by
// themselves while the status is "Playing", so Seeked need tell them only where it went
// elsewhere: Go Live, a step back, what a new station keeps afresh, a wait for data, or the kept
// minutes full so that live stays at their end.
class MprisClientPosition final {
public:
    using Clock = std::chrono::steady_clock;

    // Clients read `state` at `at`.
    MprisClientPosition(const MprisState& state, Clock::time_point at);

    // Takes in `state`, read at `at`; `moved` after a Seek or SetPosition, which Seeked answers
    // whatever the distance. Whether Seeked must tell clients the position now.
    [[nodiscard]] bool follow(const MprisState& state, Clock::time_point at, bool moved);

private:
    std::chrono::microseconds m_position;
    bool m_playing;
    Clock::time_point m_at;
};

} // namespace Vello
