#pragma once

#include "base/error.h"
#include "base/text.h"
#include "catalog/station.h"
#include "playback/casting.h"
#include "playback/outputlist.h"
#include "playback/playbackstate.h"
#include "ports/output.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class HttpClient;
class MainQueue;
class Preferences;

// The session's side of the outputs other than this computer: the ones found, the one chosen
// and what plays there, and the station an output gave back, held here paused (with what
// happened in words) until it plays again. While it shows a station, the session shows its
// station, state and song in place of this computer's player's. GUI thread only.
class SessionOutputs final {
public:
    struct Hooks {
        // The outputs found, the one chosen, or what it shows changed.
        std::function<void()> changed;
        // Whether this computer is playing.
        std::function<bool()> playingHere;
    };

    // Every port must outlive it; the discovery reports nothing once it is gone.
    SessionOutputs(
        OutputDiscovery& discovery, Preferences& preferences, HttpClient& http, MainQueue& queue, Hooks hooks);

    SessionOutputs(const SessionOutputs&) = delete;
    SessionOutputs& operator=(const SessionOutputs&) = delete;

    // Starts looking; why it cannot, when it cannot.
    [[nodiscard]] std::optional<Error> start() { return m_list.start(); }
    [[nodiscard]] const std::vector<OutputInfo>& outputs() const { return m_list.outputs(); }
    // The output chosen; nothing for this computer.
    [[nodiscard]] const std::optional<OutputInfo>& chosen() const { return m_casting.output(); }
    [[nodiscard]] Casting& casting() { return m_casting; }
    [[nodiscard]] const Casting& casting() const { return m_casting; }

    // Whether the station, state and song shown are the ones below rather than this computer's.
    [[nodiscard]] bool showsStation() const;
    [[nodiscard]] const std::optional<Station>& station() const;
    [[nodiscard]] const PlaybackState& state() const;
    [[nodiscard]] const std::string& streamTitle() const;

    // Shows `station` paused, here, with `why` as its status ("Paused" when empty).
    void hold(const Station& station, Text why);
    [[nodiscard]] bool holds() const { return m_held.has_value(); }
    // The held station plays, or another does: nothing is held any more.
    void dropHeld();

private:
    [[nodiscard]] bool casts() const;

    Hooks m_hooks;
    OutputList m_list;
    Casting m_casting;
    OutputList::Subscription m_followed;
    std::optional<Station> m_held;
    PlaybackState m_heldState;
};

} // namespace Vello
