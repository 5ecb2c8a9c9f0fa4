#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace Vello {

// A private PulseAudio server with one null sink, for this process's own sound, and its monitor
// recorded from the outside (parec), as a person's loudspeaker would be heard: what the sink's
// own latency and clock do to the sound is in the figures. Notes when each block of the
// recording holding a loud sample arrived. Stops both when destroyed.
class NullSinkMonitor final {
public:
    using Clock = std::chrono::steady_clock;

    // Points this process's PulseAudio clients (pulsesink) at the private server.
    NullSinkMonitor();
    ~NullSinkMonitor();

    NullSinkMonitor(const NullSinkMonitor&) = delete;
    NullSinkMonitor& operator=(const NullSinkMonitor&) = delete;

    // Empty when the server and the recording run, otherwise what went wrong.
    [[nodiscard]] const std::string& startError() const { return m_startError; }
    // When the first loud block arrived after `since`, if one has.
    [[nodiscard]] std::optional<Clock::time_point> firstLoudAfter(Clock::time_point since) const;

private:
    void record(int fd);

    std::filesystem::path m_directory;
    std::string m_startError;
    int m_server = -1;
    int m_recorder = -1;
    std::atomic<bool> m_stopping {false};
    mutable std::mutex m_mutex;
    // The last minute's, so that a long run's memory stays flat.
    std::deque<Clock::time_point> m_loudTimes;
    std::thread m_reader;
};

} // namespace Vello
