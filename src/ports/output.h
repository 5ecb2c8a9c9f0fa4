#pragma once

#include "base/error.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace Vello {

// A receiver on the network that fetches a stream and plays it itself (a speaker, an AV
// receiver, a TV): an output other than this computer.
struct OutputInfo final {
    // Stays the same across restarts of the output and of the player.
    std::string id;
    // The name its owner gave it, as it gives it: not necessarily printable.
    std::string name;

    friend bool operator==(const OutputInfo&, const OutputInfo&) = default;
};

struct OutputFound final {
    OutputInfo output;
};

struct OutputLost final {
    std::string id;
};

using OutputDiscoveryEvent = std::variant<OutputFound, OutputLost>;

// What an output is asked to play: a stream and what to show beside it.
struct OutputStream final {
    std::string url;
    // The station's name.
    std::string title;
    // The station's logo address; empty when it has none.
    std::string artUrl;
    // The stream's MIME type; empty when it is not known.
    std::string mimeType;
};

// Where the output's playback stands, as it reports it.
enum class OutputTransport {
    Stopped, // stopped, or nothing to play
    Starting, // fetching or buffering the stream
    Playing,
    Paused,
};

// Why an action failed.
struct OutputFailure final {
    enum class Kind {
        Refused, // the output answered no
        UnsupportedType, // the output cannot play streams of this type
        NoAnswer, // no answer before the deadline, or no connection
    };

    Kind kind = Kind::NoAnswer;
    // The output's own words, or the connection's, as they are: shown untranslated.
    std::string detail;

    friend bool operator==(const OutputFailure&, const OutputFailure&) = default;
};

struct OutputTransportChanged final {
    OutputTransport transport = OutputTransport::Stopped;
};

// The output's own volume, 0 to 1 of its range.
struct OutputVolumeChanged final {
    double volume = 0;
};

struct OutputMuteChanged final {
    bool muted = false;
};

// The title the output shows for what it plays; raw, as it reports it.
struct OutputTitleChanged final {
    std::string title;
};

// The output reports, on its own, that playing went wrong.
struct OutputFailed final {
    std::string detail;
};

using OutputEvent
    = std::variant<OutputTransportChanged, OutputVolumeChanged, OutputMuteChanged, OutputTitleChanged, OutputFailed>;

// One output, to control. Every action ends, within a deadline of the adapter's, with its
// `Done` on the GUI thread (never before the call returns). Destroying it leaves actions already
// sent to finish on their own and reports nothing more.
class Output {
public:
    // Nothing when the action succeeded.
    using Done = std::function<void(std::optional<OutputFailure>)>;
    // Called on the GUI thread. The first events after opening give the output's state as it is.
    using EventHandler = std::function<void(const OutputEvent&)>;

    virtual ~Output() = default;

    virtual void setEventHandler(EventHandler handler) = 0;
    // Gives the output the stream to play; it plays it only once asked to.
    virtual void setStream(const OutputStream& stream, Done done) = 0;
    virtual void play(Done done) = 0;
    // Refused (OutputFailure::Kind::Refused) by an output that cannot pause what it plays.
    virtual void pause(Done done) = 0;
    virtual void stop(Done done) = 0;
    // 0 to 1 of the output's own range.
    virtual void setVolume(double volume, Done done) = 0;
    virtual void setMuted(bool muted, Done done) = 0;
};

// Finds the outputs on the networks this computer is on, and keeps the list current.
class OutputDiscovery {
public:
    // Called on the GUI thread, from a later turn of its loop.
    using EventHandler = std::function<void(const OutputDiscoveryEvent&)>;

    virtual ~OutputDiscovery() = default;

    // Starts looking; each output found, and each one gone, is reported to `handler`. Why it
    // cannot look, when it cannot.
    [[nodiscard]] virtual std::optional<Error> start(EventHandler handler) = 0;
    // The output found as `id`, to control; nullptr when it is not, or no longer, found.
    [[nodiscard]] virtual std::unique_ptr<Output> open(const std::string& id) = 0;
};

} // namespace Vello
