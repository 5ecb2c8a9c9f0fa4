#pragma once

#include "playback/playbackmachine.h"
#include "playback/playbackstate.h"
#include "playback/playlistresolver.h"
#include "playback/standbystreams.h"
#include "ports/mediabackend.h"

#include "catalog/station.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

class HttpClient;
class MainQueue;

// Owns the application's one audible media player and remembers the station it was last asked
// to play. It follows what the player reports (state, failures, song titles), opens playlist
// links before playing, and reopens a stream that drops. Beside it, silent, it holds the
// station the person is about to play and the one played last (`StandbyStreams`), so that
// playing either sounds at once; nothing they do is reported. The state-change callback runs,
// synchronously, as the last step of every operation and after every change of
// `playbackState`, `streamTitle` or `streamDetails` that the player or a retry brings. GUI thread only.
class PlayerController final {
public:
    // Every port must outlive the controller.
    PlayerController(MediaBackend& backend, MainQueue& queue, HttpClient& http);
    ~PlayerController();

    PlayerController(const PlayerController&) = delete;
    PlayerController& operator=(const PlayerController&) = delete;

    // Plays the station's stream: the one held open for it, or else a fresh player. The previous
    // station falls silent at once and, if it was playing or paused, is held open a while. A
    // station without an http or https address changes nothing and reports nothing.
    void play(const Station& station);
    // Makes `station` the current one without opening it, ready for play(): only while no
    // station is current, and only one that play() would open. Reports nothing.
    void cue(const Station& station);
    void pause();
    // The current station's record was edited (the same identifier, a new name, logo or tags):
    // it replaces the current one, whose stream plays on. Any other station changes nothing.
    void updateCurrentStation(const Station& station);

    // The pointer or keyboard focus rests on something that plays `station`: if the rest lasts,
    // its stream is opened, unheard, ready for play(). Never for the current station.
    void restOn(const Station& station);
    // The rest ended; what it opened closes a while later unless it is played.
    void endRest();
    // Closes what a rest opened, at once, and opens nothing more for the rest going on.
    void closeIntent();

    // True exactly while the player reports that it is playing (not waiting for data).
    [[nodiscard]] bool isPlaying() const;
    [[nodiscard]] const std::optional<Station>& currentStation() const;
    [[nodiscard]] const PlaybackState& playbackState() const;
    // The song the station says is on, cleaned up for display; empty when it has not said, or
    // has sent a placeholder instead (isPlaceholderTitle).
    [[nodiscard]] const std::string& streamTitle() const;
    // What the stream is, as far as the player has said; empty from each new stream on.
    [[nodiscard]] const MediaStreamDetails& streamDetails() const;

    // The loudness on the cubic scale desktop mixers show, 0 to 1; it carries over to every
    // later stream.
    void setVolume(double volume);
    void setMuted(bool muted);
    [[nodiscard]] double volume() const;
    [[nodiscard]] bool isMuted() const;

    void setOnStateChange(std::function<void()> onStateChange);

    // The player of the current station while it has one; what is made from it (a recorder)
    // must be let go when `onPlayerReleased` says, just before the player is replaced, held in
    // standby or closed.
    [[nodiscard]] MediaPlayer* mediaPlayer() const;
    void setOnPlayerReleased(std::function<void()> onPlayerReleased);

private:
    // Opens the current station afresh: its playlist first when it has one.
    void open();
    // Opens the next address to try; `lastFailure` is what ended the previous one.
    void openNext(std::optional<MediaEvent> lastFailure = std::nullopt);
    void attach(std::unique_ptr<MediaPlayer> player);
    // Lets the current player go, telling first what was made from it.
    void releasePlayer();
    // Hands the current player to the standby streams when the person may want it back.
    void keepWarm();
    void handle(const MediaEvent& event);
    void machineChanged();
    void notify() const;

    MediaBackend& m_backend;
    MainQueue& m_queue;
    HttpClient& m_http;
    PlaybackMachine m_machine;
    std::unique_ptr<PlaylistResolver> m_resolver;
    std::unique_ptr<MediaPlayer> m_player;
    // The address the current station opens with, and whether it was read as a playlist.
    std::string m_address;
    bool m_readAsPlaylist = false;
    // The address the current player streams from: the station's, or its playlist's entry.
    std::string m_openedAddress;
    // The current player has played: a failure now is a drop, not a bad playlist entry.
    bool m_attemptPlayed = false;
    // Inside one of the public operations, which report once at their end.
    bool m_inOperation = false;
    std::optional<Station> m_currentStation;
    PlaybackState m_state;
    std::string m_streamTitle;
    MediaStreamDetails m_streamDetails;
    double m_volume = 1.0;
    bool m_muted = false;
    std::function<void()> m_onStateChange;
    std::function<void()> m_onPlayerReleased;
    StandbyStreams m_standby;
};

} // namespace Vello
