#include "playbackstate.h"

namespace Vello {

std::string playbackStatusText(const PlaybackState& state)
{
    switch (state.phase) {
    case PlaybackPhase::Connecting:
        return "Connecting…";
    case PlaybackPhase::Buffering:
        return "Buffering " + std::to_string(state.bufferingPercent) + " %";
    case PlaybackPhase::Reconnecting:
        // Why it stopped, so that a dead station can be told from a brief drop.
        return state.failure + " Trying again in " + std::to_string(state.secondsUntilRetry) + " s…";
    case PlaybackPhase::Failed:
        return state.failure;
    case PlaybackPhase::Idle:
    case PlaybackPhase::Playing:
    case PlaybackPhase::Paused:
        break;
    }
    return {};
}

} // namespace Vello
