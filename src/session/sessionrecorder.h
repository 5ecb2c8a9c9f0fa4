#pragma once

#include "base/text.h"
#include "catalog/station.h"
#include "playback/keptsongs.h"
#include "ports/recorder.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class Cancellable;
class MainQueue;
class MediaPlayer;
class Preferences;

// Where recording stands, as the window shows it.
struct RecordingStatus final {
    bool recording = false;
    // When the recording under way began.
    std::chrono::system_clock::time_point since {};
    // Why the last recording stopped on its own, until the next one starts; empty otherwise.
    Text failure;

    friend bool operator==(const RecordingStatus&, const RecordingStatus&) = default;
};

// Where the station playing stands in what is kept of it, as the window shows it. How far behind
// live it is goes on changing while paused: behindLive() tells it at any moment.
struct TimeShift final {
    // Whether the stream is kept as it plays: it can be paused live and moved in.
    bool available = false;
    // Paused live: the place is kept while the stream goes on arriving.
    bool paused = false;
    // Whether what is heard, or the place kept, is behind what the station sends now.
    bool behind = false;
    // How many times what is heard was moved (a step, Go Live): each move is a change.
    unsigned moves = 0;

    friend bool operator==(const TimeShift&, const TimeShift&) = default;
};

// What became of a song saved, counted so that the same words twice are two notices.
struct SaveNotice final {
    std::uint64_t songId = 0;
    bool saved = false;
    // "Saved “…”." or why it was not.
    Text text;
    unsigned count = 0;

    friend bool operator==(const SaveNotice&, const SaveNotice&) = default;
};

// Where a recording's files go and where the stream is kept meanwhile. The music folder is the
// default the person can change in Preferences.
struct RecordingPlaces final {
    std::string music;
    std::string cache;
};

// The recorder of the station playing, made from its player as soon as it has one: it keeps the
// last minutes of the stream (the length in Preferences), so that the person can pause live
// radio, move back and forth in what is kept, and save a song heard; and it records when asked,
// a file per song in a folder per station. Recording stops when the person says, when another
// station plays, or when it fails, saying why. Playback never hears of it. GUI thread only.
class SessionRecorder final {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // `changed` is called when the status changes on its own (the recorder's reports, the song
    // heard changing while behind live).
    SessionRecorder(Preferences& preferences, MainQueue& queue, std::function<void()> changed, Clock clock);
    ~SessionRecorder();

    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // Nothing is kept or recorded until the places are known.
    void setPlaces(RecordingPlaces places);
    [[nodiscard]] const RecordingStatus& status() const { return m_status; }

    // Records `station` from now on, from `player` once it has one.
    void start(const Station& station, MediaPlayer* player);
    void stop();
    // What plays now: a new player is kept from its first byte; another station stops the
    // recording; the same station on a new player (a reconnect) records on into new files.
    void follow(const std::optional<Station>& station, MediaPlayer* player);
    // The player the recorder was made from is about to go: the recorder goes first, and what
    // it kept with it. Whether it was paused live.
    bool releasePlayer();

    [[nodiscard]] TimeShift timeShift() const;
    // timeShift().paused, without asking the player where it is.
    [[nodiscard]] bool isPausedLive() const { return m_paused; }
    // How far what is heard, or the place kept while paused, is behind live; 0 when live.
    [[nodiscard]] std::chrono::milliseconds behindLive() const;
    // How much of the stream is kept now.
    [[nodiscard]] std::chrono::milliseconds kept() const;
    // How much of a stream is kept at most, as Preferences say.
    [[nodiscard]] std::chrono::minutes keptLength() const;
    // Silences the stream and keeps the place, when it is kept; false, and nothing done, when not.
    bool pauseLive();
    // Goes on from the place kept, or from where it was when not paused.
    void play();
    void goLive();
    // Moves by `offset` within what is kept; past the live end is live.
    void skip(std::chrono::milliseconds offset);

    // While behind live, the title of the song heard, as the player shows titles (empty when it
    // had none); nothing while live. followHeard() takes it up.
    [[nodiscard]] const std::optional<std::string>& heardTitle() const { return m_heardTitle; }
    // Works out the song heard afresh, and when it next changes by itself.
    void followHeard();

    // The song heard as `title` on `stationId` at `heard` (one of the songs heard), when it is
    // still kept whole.
    [[nodiscard]] std::optional<std::uint64_t> keptSong(
        const std::string& title, const std::string& stationId, std::chrono::system_clock::time_point heard) const;
    // Writes the song kept as `songId` into its station's folder, as a recording would.
    void saveSong(std::uint64_t songId);
    // Whether the song kept as `songId` is being written, or was written, for a save.
    [[nodiscard]] bool isSaving(std::uint64_t songId) const;
    [[nodiscard]] bool wasSaved(std::uint64_t songId) const;
    // What became of the last song saved; each a new notice.
    [[nodiscard]] const SaveNotice& saveNotice() const { return m_saveNotice; }

private:
    void take(const RecorderEvent& event);
    // timeShift().available, without asking the player where it is.
    [[nodiscard]] bool keepsStream() const;
    // Makes the recorder of `player` for `station`, keeping from now on.
    void keep(MediaPlayer& player, const Station& station);
    // Starts the recorder writing.
    void record();
    void fail(RecorderFailure failure);
    [[nodiscard]] std::string folderOf(const Station& station) const;

    Preferences& m_preferences;
    MainQueue& m_queue;
    std::function<void()> m_changed;
    Clock m_clock;
    RecordingPlaces m_places;
    RecordingStatus m_status;
    // The station recorded, while recording.
    std::optional<Station> m_station;
    std::unique_ptr<Recorder> m_recorder;
    MediaPlayer* m_recorderPlayer = nullptr;
    // The station the recorder keeps.
    std::optional<Station> m_kept;
    std::optional<RecordedFormat> m_format;
    bool m_paused = false;
    unsigned m_moves = 0;
    KeptSongs m_songs;
    std::optional<std::string> m_heardTitle;
    // The start of the next song heard, while replaying.
    std::shared_ptr<Cancellable> m_nextSongHeard;
    // Songs being saved: a notice follows when each is written.
    std::vector<std::uint64_t> m_saving;
    std::vector<std::uint64_t> m_saved;
    SaveNotice m_saveNotice;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

// How long a recording has gone: "0:07", "12:34", "1:02:03".
[[nodiscard]] std::string recordingLengthText(std::chrono::seconds length);

} // namespace Vello
