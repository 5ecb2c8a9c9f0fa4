#pragma once

#include "base/text.h"

#include <functional>
#include <memory>
#include <string>

namespace Vello {

class HttpClient;
class MainQueue;
class MediaBackend;
class MediaPlayer;
class PlaylistResolver;
class Recorder;
class Station;

// One scheduled recording under way: the station on a player of its own, silent, whatever plays
// in the window, its stream recorded a file per song into the station's folder until stop().
// GUI thread only.
class ProgrammeRecording final {
public:
    struct Ports {
        MediaBackend& media;
        HttpClient& http;
        MainQueue& queue;
    };
    struct Folders {
        // Where the station's folder of recordings is made.
        std::string recordings;
        // A folder of this recording's own for the stream kept while it records.
        std::string kept;
    };
    // Why it stopped before its end, in words; it is over then.
    using FailureHandler = std::function<void(const Text& why)>;

    ProgrammeRecording(Ports ports, const Station& station, Folders folders, FailureHandler failed);
    // Closes the file being written, whole.
    ~ProgrammeRecording();

    ProgrammeRecording(const ProgrammeRecording&) = delete;
    ProgrammeRecording& operator=(const ProgrammeRecording&) = delete;

    // Whether its stream is open and being recorded.
    [[nodiscard]] bool isRecording() const { return m_recorder != nullptr; }

private:
    void openNext();
    void fail(const Text& why);

    Ports m_ports;
    std::string m_station;
    Folders m_folders;
    FailureHandler m_failed;
    std::unique_ptr<PlaylistResolver> m_resolver;
    std::unique_ptr<MediaPlayer> m_player;
    std::unique_ptr<Recorder> m_recorder;
    // Set while it lives: answers that come after it has gone are dropped.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
