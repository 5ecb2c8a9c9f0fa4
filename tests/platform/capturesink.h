#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

typedef struct _GstElement GstElement;

namespace Vello {

// Stands in for a loudspeaker: an audio sink that keeps every sample it is given to play (mono,
// 32-bit float, at `sampleRate`), at the moment it would be heard.
class CaptureSink final : public std::enable_shared_from_this<CaptureSink> {
public:
    static constexpr int sampleRate = 44100;
    // Quieter than this is silence (a muted or primed decoder gives exact zeros).
    static constexpr float loudness = 0.01F;

    [[nodiscard]] static std::shared_ptr<CaptureSink> create();

    // A new sink element (a floating reference) that records into this capture.
    [[nodiscard]] GstElement* makeElement();

    // Whether a sink made here has been given its first audio while paused.
    [[nodiscard]] bool prerolled() const;
    [[nodiscard]] std::size_t sampleCount() const;
    [[nodiscard]] std::vector<float> samplesFrom(std::size_t index) const;
    [[nodiscard]] std::size_t loudSamplesFrom(std::size_t index) const;
    // When the first sample louder than silence arrived after `since`, if one has.
    [[nodiscard]] std::optional<std::chrono::steady_clock::time_point> firstLoudSampleTime(
        std::chrono::steady_clock::time_point since = {}) const;

    void append(const float* samples, std::size_t count);
    void notePreroll();

private:
    CaptureSink() = default;

    mutable std::mutex m_mutex;
    bool m_prerolled = false;
    std::vector<float> m_samples;
    // When each batch of samples holding a loud one arrived, in order.
    std::vector<std::chrono::steady_clock::time_point> m_loudTimes;
};

// The frequency with the most energy between 100 Hz and 2 kHz, to within half a hertz.
[[nodiscard]] double dominantFrequency(const std::vector<float>& samples, int sampleRate);

} // namespace Vello
