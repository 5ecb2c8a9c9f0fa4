#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Vello {

// An HTTP server on loopback that plays 20 s of tone as a live station would: MP3 at
// "/tone.mp3", AAC (ADTS) at "/tone.aac", Ogg Vorbis at "/tone.ogg", the first 64 KiB at once
// (as Icecast's burst on connect) and the rest at the audio's own pace. Under "/late" the same
// streams answer 1,250 ms after the request, as a distant or busy Icecast does. It notes when
// each connection got its first byte of audio and how many bytes reached it. The files are
// encoded with gst-launch-1.0 at start.
class PacedStreamServer final {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr const char* latePrefix = "/late";
    static constexpr std::chrono::milliseconds lateFirstByte {1250};

    PacedStreamServer();
    ~PacedStreamServer();

    PacedStreamServer(const PacedStreamServer&) = delete;
    PacedStreamServer& operator=(const PacedStreamServer&) = delete;

    [[nodiscard]] const std::string& startError() const { return m_startError; }
    [[nodiscard]] std::string url(const std::string& path) const;
    // Connections accepted so far; the next one gets this number.
    [[nodiscard]] std::size_t connectionCount() const;
    [[nodiscard]] std::optional<Clock::time_point> firstByteTime(std::size_t connection) const;
    // The bytes of the response the listener's side has taken so far: those sent, less those
    // still waiting in this side's send queue.
    [[nodiscard]] std::size_t bytesDelivered(std::size_t connection) const;

private:
    void acceptLoop();
    void serve(int fd, std::size_t connection);

    std::filesystem::path m_directory;
    std::map<std::string, std::string> m_bodies;
    std::string m_startError;
    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping {false};
    mutable std::mutex m_mutex;
    std::vector<std::optional<Clock::time_point>> m_firstBytes;
    std::vector<std::size_t> m_delivered;
    std::vector<std::thread> m_threads;
    std::thread m_acceptor;
};

} // namespace Vello
