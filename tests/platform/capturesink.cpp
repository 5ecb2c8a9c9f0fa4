#include "capturesink.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace Vello {
namespace {

using Handle = std::shared_ptr<CaptureSink>;

GstFlowReturn takeSample(GstAppSink* sink, gpointer data)
{
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (sample == nullptr) {
        return GST_FLOW_EOS;
    }
    GstMapInfo map;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (buffer != nullptr && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        (*static_cast<Handle*>(data))->append(reinterpret_cast<const float*>(map.data), map.size / sizeof(float));
        gst_buffer_unmap(buffer, &map);
    }
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

GstFlowReturn takePreroll(GstAppSink* sink, gpointer data)
{
    if (GstSample* sample = gst_app_sink_pull_preroll(sink)) {
        gst_sample_unref(sample);
    }
    (*static_cast<Handle*>(data))->notePreroll();
    return GST_FLOW_OK;
}

} // namespace

std::shared_ptr<CaptureSink> CaptureSink::create()
{
    return std::shared_ptr<CaptureSink>(new CaptureSink);
}

GstElement* CaptureSink::makeElement()
{
    GstElement* bin = gst_parse_bin_from_description(
        "audioconvert ! audioresample ! audio/x-raw,format=F32LE,channels=1,rate=44100 ! appsink name=capture", TRUE,
        nullptr);
    if (bin == nullptr) {
        return nullptr;
    }
    GstElement* appsink = gst_bin_get_by_name(GST_BIN(bin), "capture");
    GstAppSinkCallbacks callbacks {};
    callbacks.new_sample = takeSample;
    callbacks.new_preroll = takePreroll;
    gst_app_sink_set_callbacks(GST_APP_SINK(appsink), &callbacks, new Handle(shared_from_this()),
        [](gpointer data) { delete static_cast<Handle*>(data); });
    gst_object_unref(appsink);
    return bin;
}

bool CaptureSink::prerolled() const
{
    std::lock_guard lock(m_mutex);
    return m_prerolled;
}

std::size_t CaptureSink::sampleCount() const
{
    std::lock_guard lock(m_mutex);
    return m_samples.size();
}

std::vector<float> CaptureSink::samplesFrom(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    return {m_samples.begin() + static_cast<std::ptrdiff_t>(index), m_samples.end()};
}

std::size_t CaptureSink::loudSamplesFrom(std::size_t index) const
{
    const std::vector<float> samples = samplesFrom(index);
    return static_cast<std::size_t>(std::ranges::count_if(samples, [](float s) { return std::abs(s) > loudness; }));
}

std::optional<std::chrono::steady_clock::time_point> CaptureSink::firstLoudSampleTime(
    std::chrono::steady_clock::time_point since) const
{
    std::lock_guard lock(m_mutex);
    const auto found = std::ranges::upper_bound(m_loudTimes, since);
    return found == m_loudTimes.end() ? std::nullopt : std::optional(*found);
}

void CaptureSink::append(const float* samples, std::size_t count)
{
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(m_mutex);
    if (std::any_of(samples, samples + count, [](float s) { return std::abs(s) > loudness; })) {
        m_loudTimes.push_back(now);
    }
    m_samples.insert(m_samples.end(), samples, samples + count);
}

void CaptureSink::notePreroll()
{
    std::lock_guard lock(m_mutex);
    m_prerolled = true;
}

double dominantFrequency(const std::vector<float>& samples, int sampleRate)
{
    double best = 0;
    double bestEnergy = -1;
    for (double frequency = 100; frequency <= 2000; frequency += 1.0) {
        // Goertzel: the energy of one frequency, without a full transform.
        const double coefficient = 2.0 * std::cos(2.0 * std::numbers::pi * frequency / sampleRate);
        double previous = 0;
        double beforePrevious = 0;
        for (const float sample : samples) {
            beforePrevious = std::exchange(previous, sample + coefficient * previous - beforePrevious);
        }
        const double energy
            = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
        if (energy > bestEnergy) {
            bestEnergy = energy;
            best = frequency;
        }
    }
    return best;
}

} // namespace Vello
