#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>

namespace Vello {

// What a stream's own encoded audio is saved as, untouched. `NotSavable`: the stream cannot be
// cut into files without re-encoding it (HLS, whose segments need not concatenate, MP4 and
// every container the recorder does not know); nothing of it is recorded.
enum class RecordedFormat { Mp3, Aac, OggVorbis, OggOpus, OggFlac, Flac, NotSavable };

// One song of a stream as the recorder cut it: from a title change to the next.
struct RecordedSong final {
    // Counted from 1 in each stream; 1 is what played before the first title arrived.
    std::uint64_t id = 0;
    // The stream's tags, raw bytes as they arrived (the player's title rules make them fit to show).
    std::string title;
    std::string artist;
    // When its first byte arrived.
    std::chrono::system_clock::time_point startedAt {};
    // Its start in the stream's own time, from the first audio received.
    std::chrono::milliseconds streamTime {0};
};

// A file written: a piece of a recording, or a song saved.
struct RecordedPiece final {
    std::string path;
    RecordedSong song;
    bool startsAtTitleChange = false;
    bool endsAtTitleChange = false;
};

// The tags a saved file carries where its format has them.
struct RecordedTags final {
    std::string title;
    std::string artist;
    // The station.
    std::string album;
    // "2026-05-04".
    std::string date;
};

// The core's rules for the files of a recording. Asked on the recorder's own thread: an
// implementation must be safe to call from any thread.
class RecordingRules {
public:
    virtual ~RecordingRules() = default;

    // The file name (no folder) for `song`; `attempt` counts from 1, and a later attempt is asked
    // for when a file of the name before it exists: an existing file is never written over.
    [[nodiscard]] virtual std::string fileName(const RecordedSong& song, RecordedFormat format, int attempt) const = 0;
    [[nodiscard]] virtual RecordedTags tags(const RecordedSong& song) const = 0;
    // Whether a recording that has stopped keeps `piece`; one it does not keep is deleted.
    [[nodiscard]] virtual bool keeps(const RecordedPiece& piece) const = 0;
    // Whether `freeBytes` left where the files go is room enough to go on writing.
    [[nodiscard]] virtual bool hasRoom(std::uint64_t freeBytes) const = 0;
};

// Why writing stopped. Playback goes on whatever it is.
enum class RecorderFailure {
    // The disk is full, or less is free than the rules ask for.
    NoRoom,
    // The folder cannot be made or written to.
    NotWritable,
    // Any other write or read error.
    WriteFailed,
    // The stream cannot be saved without re-encoding it.
    NotSavable,
    // The song asked for is no longer kept.
    NotKept,
};

// The stream's format, known with its first audio.
struct RecorderFormatKnown final {
    RecordedFormat format = RecordedFormat::NotSavable;
};
// A song started in the stream and is kept.
struct SongKept final {
    RecordedSong song;
};
// What is kept now begins at `oldest` in the stream's time: songs that started earlier can no
// longer be saved.
struct KeptFrom final {
    std::chrono::milliseconds oldest {0};
};
// A piece was started (`finished` false) or closed (`finished` true).
struct PieceWritten final {
    RecordedPiece piece;
    bool finished = false;
};
// A recording or a saved song stopped writing: `path` is the file that was being written (it
// holds what was written, whole and playable), empty when none was.
struct RecorderFailed final {
    RecorderFailure failure = RecorderFailure::WriteFailed;
    std::string path;
};
// A recording has stopped and its rules have been applied to its pieces.
struct RecordingStopped final { };

using RecorderEvent
    = std::variant<RecorderFormatKnown, SongKept, KeptFrom, PieceWritten, RecorderFailed, RecordingStopped>;

// Keeps, records and replays the stream of one player: its own encoded bytes, never re-encoded.
// Whatever fails here, the player plays on. Destroying it stops what it writes (a recording
// closes its file whole) and deletes what it kept.
class Recorder {
public:
    // Called on the GUI thread, through the main queue.
    using EventHandler = std::function<void(const RecorderEvent&)>;

    virtual ~Recorder() = default;

    virtual void setEventHandler(EventHandler handler) = 0;

    // Records from now on into `folder` (made when missing), a file per song, until stopped.
    virtual void startRecording(const std::string& folder, std::shared_ptr<const RecordingRules> rules) = 0;
    virtual void stopRecording() = 0;
    // Writes song `songId`, from its title change to the next (waiting for that one if it is
    // still playing), as a recording would; nothing when its start is no longer kept.
    virtual void saveSong(std::uint64_t songId, const std::string& folder, std::shared_ptr<const RecordingRules> rules)
        = 0;

    // Pause live: silences the stream and keeps the place heard.
    virtual void pause() = 0;
    // Goes on from the place kept (or from where it was, when not paused).
    virtual void play() = 0;
    // Jumps to what the station sends now.
    virtual void goLive() = 0;
    // Moves by `offset` within what is kept; past the live end is live.
    virtual void skip(std::chrono::milliseconds offset) = 0;
    // How far what is heard (or the place kept while paused) is behind live; 0 when live.
    [[nodiscard]] virtual std::chrono::milliseconds behindLive() const = 0;
    // How much of the stream is kept, up to the length asked for.
    [[nodiscard]] virtual std::chrono::milliseconds kept() const = 0;
    // Where what is heard (or the place kept while paused) stands in the stream's own time, the
    // time its songs' `streamTime` is told in.
    [[nodiscard]] virtual std::chrono::milliseconds heard() const = 0;
};

} // namespace Vello
