#include "mprisclientposition.h"

namespace Vello {

namespace {

bool playing(const MprisState& state)
{
    return state.playbackStatus == QStringLiteral("Playing");
}

} // namespace

MprisClientPosition::MprisClientPosition(const MprisState& state, Clock::time_point at)
    : m_position(state.position)
    , m_playing(playing(state))
    , m_at(at)
{
}

bool MprisClientPosition::follow(const MprisState& state, Clock::time_point at, bool moved)
{
    if (m_playing) {
        m_position += std::chrono::duration_cast<std::chrono::microseconds>(at - m_at);
    }
    m_playing = playing(state);
    m_at = at;
    // A second off is not worth a word; 0 is what clients read while nothing can be moved.
    constexpr std::chrono::seconds outOfStep(1);
    const bool seeked = state.canSeek && (moved || std::chrono::abs(state.position - m_position) > outOfStep);
    if (seeked || !state.canSeek) {
        m_position = state.position;
    }
    return seeked;
}

} // namespace Vello
