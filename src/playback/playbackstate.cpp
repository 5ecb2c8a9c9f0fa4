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
        return "Reconnecting in " + std::to_string(state.secondsUntilRetry) + " s…";
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
