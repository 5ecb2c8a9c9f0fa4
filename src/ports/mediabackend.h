#pragma once

#include "ports/recorder.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <variant>

namespace Vello {

// What a media player reports about its playback.
enum class PlayerActivity {
    Paused = 0, // paused or stopped
    WaitingToPlay = 1, // pre-rolling or buffering
    Playing = 2,
};

// Where the media pipeline stands, in the media framework's own terms.
enum class MediaPipelineState { Null, Ready, Paused, Playing };

struct MediaStateChanged final {
    MediaPipelineState state = MediaPipelineState::Null;
};

struct MediaBuffering final {
    int percent = 0;
};

// The error families a media framework reports; codes within each follow GStreamer's
// numbering (see `MediaErrorCode`).
enum class MediaErrorDomain { Core, Library, Resource, Stream, Other };

namespace MediaErrorCode {
inline constexpr int resourceNotFound = 3;
inline constexpr int resourceBusy = 4;
inline constexpr int resourceOpenRead = 5;
inline constexpr int resourceRead = 9;
inline constexpr int resourceNotAuthorized = 15;
inline constexpr int streamTypeNotFound = 4;
inline constexpr int streamWrongType = 5;
inline constexpr int streamCodecNotFound = 6;
inline constexpr int streamDecode = 7;
inline constexpr int streamDemux = 9;
inline constexpr int streamFormat = 11;
} // namespace MediaErrorCode

struct MediaError final {
    MediaErrorDomain domain = MediaErrorDomain::Other;
    int code = 0;
    // The server's HTTP status when it answered with an error, otherwise 0.
    int httpStatus = 0;
    // The secure connection failed (certificate not trusted, handshake refused).
    bool secureConnectionFailed = false;
};

struct MediaEndOfStream final { };

// What the stream is, as far as the media framework has said: each part empty or 0 while it
// has not.
struct MediaStreamDetails final {
    // The codec's name as the framework gives it ("MPEG-1 Layer 3 (MP3)").
    std::string codec;
    // Bits per second: the rate the stream states, or else the rate measured.
    unsigned bitrate = 0;
    // Samples per second of the decoded audio.
    unsigned sampleRate = 0;

    friend bool operator==(const MediaStreamDetails&, const MediaStreamDetails&) = default;
};

// Tags the stream carries. Raw bytes as they arrived: not necessarily valid UTF-8. A report
// names only what it knows: an empty title or a detail left empty or 0 leaves the one known
// before as it was.
struct MediaTags final {
    std::string title;
    std::string artist;
    MediaStreamDetails details {};
};

// A part the media framework lacks to play this stream.
struct MediaMissingPlugin final {
    // The framework's name for the part ("MPEG-4 AAC decoder").
    std::string description;
    // What an installer would be asked for ("decoder-audio/mpeg, mpegversion=(int)4").
    std::string installerDetail;
};

using MediaEvent
    = std::variant<MediaStateChanged, MediaBuffering, MediaError, MediaEndOfStream, MediaTags, MediaMissingPlugin>;

// One stream. Destroying it releases the stream and silences it at once; no event arrives
// after that. A back end may hold several players at once, each with its own stream.
class MediaPlayer {
public:
    // Called on the GUI thread, through the main queue.
    using EventHandler = std::function<void(const MediaEvent&)>;

    virtual ~MediaPlayer() = default;

    virtual void setWaitsForBuffering(bool waits) = 0;
    virtual void play() = 0;
    // Holds the stream where it is, silent. A player never started opens its stream and waits
    // at the first audio, so that play() sounds at once.
    virtual void pause() = 0;
    [[nodiscard]] virtual PlayerActivity activity() const = 0;

    virtual void setEventHandler(EventHandler handler) = 0;
    // Loudness on the cubic scale desktop mixers show, 0 to 1.
    virtual void setVolume(double volume) = 0;
    virtual void setMuted(bool muted) = 0;
    // Keeps the last `length` of this player's stream in `folder` (a cache folder of its own,
    // emptied first of what an earlier run left), to record, save and replay it; nullptr when the
    // back end cannot. At most one per player.
    [[nodiscard]] virtual std::unique_ptr<Recorder> createRecorder(
        const std::string& /*folder*/, std::chrono::milliseconds /*length*/)
    {
        return nullptr;
    }
};

// Makes players for stream addresses.
class MediaBackend {
public:
    virtual ~MediaBackend() = default;

    // A new player for `url`, or nullptr when the address is refused (it does not parse, or
    // it is not an http or https address).
    [[nodiscard]] virtual std::unique_ptr<MediaPlayer> createPlayer(const std::string& url) = 0;
};

} // namespace Vello
