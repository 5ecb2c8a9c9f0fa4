#include "sessionoutputs.h"

#include <utility>

namespace Vello {

SessionOutputs::SessionOutputs(
    OutputDiscovery& discovery, Preferences& preferences, HttpClient& http, MainQueue& queue, Hooks hooks)
    : m_hooks(std::move(hooks))
    , m_list(discovery, preferences)
    , m_casting(m_list, http, queue,
          {.changed = [this] { m_hooks.changed(); },
              .returned = [this](const Station& station, const Text& why) { hold(station, why); },
              .playingHere = [this] { return m_hooks.playingHere(); }})
    , m_followed(m_list.subscribe([this](const OutputDiscoveryEvent&) { m_hooks.changed(); }))
{
}

bool SessionOutputs::casts() const
{
    return m_casting.output() && m_casting.currentStation();
}

bool SessionOutputs::showsStation() const
{
    return casts() || m_held;
}

const std::optional<Station>& SessionOutputs::station() const
{
    return casts() ? m_casting.currentStation() : m_held;
}

const PlaybackState& SessionOutputs::state() const
{
    return casts() ? m_casting.playbackState() : m_heldState;
}

const std::string& SessionOutputs::streamTitle() const
{
    static const std::string none;
    return casts() ? m_casting.streamTitle() : none;
}

void SessionOutputs::hold(const Station& station, Text why)
{
    m_held = station;
    m_heldState = {};
    m_heldState.phase = PlaybackPhase::Paused;
    m_heldState.failure = std::move(why);
}

void SessionOutputs::dropHeld()
{
    m_held.reset();
    m_heldState = {};
}

} // namespace Vello
