#pragma once

#include "playback/outputlist.h"
#include "playback/playbackstate.h"
#include "playback/playlistresolver.h"
#include "ports/mainqueue.h"
#include "ports/output.h"

#include "catalog/station.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

class HttpClient;

// What the person sees while an output plays, from the transport it reports and what it was
// last asked for: `wantPlaying` after Play, not after Pause; `started` once it has reported
// starting or playing since. Nothing when it stopped on its own.
[[nodiscard]] std::optional<PlaybackPhase> castPhase(OutputTransport reported, bool wantPlaying, bool started);

// The MIME type an output is told a stream has: from its codec, as the catalog names it
// ("MP3", "AAC+") or the media framework does ("MPEG-1 Layer 3 (MP3)"), else from the file
// extension of its address; empty when neither says.
[[nodiscard]] std::string castMimeType(std::string_view codec, std::string_view address);

// Plays stations on an output other than this computer, and follows what it reports. Choosing
// an output and playing a station there runs in order: the station's playlist read first,
// then the stream set on the output, then Play. Every step has a deadline; when one passes,
// when the output refuses, disappears, reports an error or stops on its own, the station
// comes back to this computer, paused (`Hooks::returned`), with what happened in words. The
// output chosen is remembered across starts, and taken again at the next start once it is
// found, unless a choice came first. GUI thread only.
class Casting final {
public:
    static constexpr std::chrono::milliseconds actionDeadline {10'000};
    // From Play accepted to playing: a speaker connects and buffers first.
    static constexpr std::chrono::milliseconds startDeadline {30'000};

    struct Hooks {
        // The output, the state, the volume, the mute or the song changed.
        std::function<void()> changed;
        // The output failed: `station` is to be back on this computer, paused; `why` says so
        // ("Kitchen stopped playing the station: …").
        std::function<void(const Station& station, const Text& why)> returned;
        // Whether this computer is playing: an output remembered from before is not taken
        // over it when found.
        std::function<bool()> playingHere;
    };

    // Every port and the list must outlive it.
    Casting(OutputList& outputs, HttpClient& http, MainQueue& queue, Hooks hooks);
    ~Casting();

    Casting(const Casting&) = delete;
    Casting& operator=(const Casting&) = delete;

    // Makes the output found as `id` the one stations play on, or this computer for an empty
    // `id`, and remembers the choice. What played on the output before stops there. False, and
    // nothing changed, when `id` is not found.
    bool choose(const std::string& id);
    // Plays `station` on the chosen output; `codec` names its stream's codec where it is known.
    // Ignored while this computer is chosen, and for a station without a stream address.
    void play(const Station& station, std::string_view codec = {});
    // Pauses the output, or stops it where it cannot pause a live stream.
    void pause();
    // The person's loudness, 0 to 1 of the output's range.
    void setVolume(double volume);
    void setMuted(bool muted);
    // The share of the person's loudness to play at, as the sleep timer fades it.
    void setVolumeShare(double share);

    // The output chosen; nothing for this computer.
    [[nodiscard]] const std::optional<OutputInfo>& output() const { return m_output; }
    [[nodiscard]] const std::optional<Station>& currentStation() const { return m_station; }
    [[nodiscard]] const PlaybackState& playbackState() const { return m_state; }
    [[nodiscard]] double volume() const { return m_volume; }
    [[nodiscard]] bool isMuted() const { return m_muted; }
    // The song the output reports, cleaned as a stream's titles are; empty when it names none.
    [[nodiscard]] const std::string& streamTitle() const { return m_streamTitle; }

private:
    void take(const OutputInfo& output, std::unique_ptr<Output> control);
    // Stops what plays on the output and lets it go: back to this computer.
    void release();
    void outputsChanged(const OutputDiscoveryEvent& event);
    void handle(const OutputEvent& event);
    // Takes the resolver's next address: a stream address is set on the output.
    void resolveNext();
    void setStream(const std::string& address);
    void sendPlay();
    void sendVolume();
    // Runs `then` when the action started now succeeds, in time and for the current attempt;
    // a failure sends the station back.
    Output::Done step(std::function<void()> then);
    void arm(std::chrono::milliseconds delay, Text reason);
    void fail(const OutputFailure& failure);
    void returnHere(Text reason);
    void setPhase(PlaybackPhase phase);

    OutputList& m_outputs;
    HttpClient& m_http;
    MainQueue& m_queue;
    Hooks m_hooks;
    OutputList::Subscription m_subscription;
    std::optional<OutputInfo> m_output;
    std::unique_ptr<Output> m_control;
    // An output was chosen or taken in this run: the remembered one is taken only before.
    bool m_choiceMade = false;
    std::optional<Station> m_station;
    std::string m_codec;
    // The stream's, as the output was told.
    std::string m_mimeType;
    std::unique_ptr<PlaylistResolver> m_resolver;
    // The stream is set on the output: Play alone plays the station again.
    bool m_streamSet = false;
    bool m_wantPlaying = false;
    bool m_started = false;
    // Counts the station's attempts and pauses: answers for an earlier one are dropped.
    int m_attempt = 0;
    std::shared_ptr<Cancellable> m_deadline;
    PlaybackState m_state;
    std::string m_streamTitle;
    double m_volume = 1.0;
    double m_volumeShare = 1.0;
    bool m_muted = false;
    // One volume action at a time; the latest wish goes once it is answered.
    bool m_volumeSending = false;
    bool m_volumeWaiting = false;
};

} // namespace Vello
