#include "playbackstate.h"

namespace Vello {

Text playbackStatusText(const PlaybackState& state)
{
    switch (state.phase) {
    case PlaybackPhase::Connecting:
        return VELLO_TR("Core", "Connecting…");
    case PlaybackPhase::Buffering:
        return {VELLO_TR("Core", "Buffering %1 %"), {Text::number(state.bufferingPercent)}};
    case PlaybackPhase::Reconnecting:
        // Why it stopped, so that a dead station can be told from a brief drop.
        return {VELLO_TR("Core", "%1 Trying again in %2 s…"), {state.failure, Text::number(state.secondsUntilRetry)}};
    case PlaybackPhase::Failed:
        return state.failure;
    case PlaybackPhase::Paused:
        // Paused for a reason the person did not give: the reason says it.
        return state.failure.empty() ? Text(VELLO_TR("Core", "Paused")) : state.failure;
    case PlaybackPhase::Idle:
    case PlaybackPhase::Playing:
        break;
    }
    return {};
}

} // namespace Vello
