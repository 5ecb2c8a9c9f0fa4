#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Vello {

// A private PulseAudio server with one null sink, for this process's own sound, and its monitor
// recorded from the outside (parec), as a person's loudspeaker would be heard: what the sink's
// own latency and clock do to the sound is in the figures. Notes when each block of the
// recording holding a loud sample arrived, and keeps the last `keptSamples` samples. Other
// programs started from this process after it play there too. Stops both when destroyed.
class NullSinkMonitor final {
public:
    using Clock = std::chrono::steady_clock;

    // Mono, 16 bits; twenty seconds are kept.
    static constexpr int sampleRate = 44100;
    static constexpr std::size_t keptSamples = 20 * sampleRate;

    // Points this process's PulseAudio clients (pulsesink) at the private server.
    NullSinkMonitor();
    ~NullSinkMonitor();

    NullSinkMonitor(const NullSinkMonitor&) = delete;
    NullSinkMonitor& operator=(const NullSinkMonitor&) = delete;

    // Empty when the server and the recording run, otherwise what went wrong.
    [[nodiscard]] const std::string& startError() const { return m_startError; }
    // When the first loud block arrived after `since`, if one has.
    [[nodiscard]] std::optional<Clock::time_point> firstLoudAfter(Clock::time_point since) const;
    // Samples recorded so far, counted from the start.
    [[nodiscard]] std::size_t sampleCount() const;
    // The samples from `index` on that are still kept, from -1 to 1.
    [[nodiscard]] std::vector<float> samplesFrom(std::size_t index) const;

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
    std::deque<std::int16_t> m_samples;
    // Samples no longer kept.
    std::size_t m_dropped = 0;
    std::thread m_reader;
};

} // namespace Vello
