#include "gstmediabackend.h"

#include "gstmediaplayer.h"
#include "pipelinereaper.h"

#include <QString>
#include <QUrl>

#include <gst/app/gstappsrc.h>
#include <gst/audio/audio.h>
#include <gst/gst.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Vello {
namespace {

// playbin's GstPlayFlags: audio only, with software volume so that muting is immediate on
// every sink. Leaving out video, subtitles and visualisation keeps playbin from waiting on
// streams a radio player never shows.
constexpr guint playFlagAudio = 0x2;
constexpr guint playFlagSoftVolume = 0x10;

// By default playbin buffers two seconds or two megabytes before it plays a network stream;
// for a live Ogg stream, whose bitrate it cannot estimate, that is the full two megabytes.
// Live radio needs far less: a quarter second holds out over loopback and ordinary networks,
// and the buffering rule still pauses and resumes playback on a real stall.
constexpr gint64 bufferDurationNs = 250 * GST_MSECOND;
constexpr gint bufferSizeBytes = 16 * 1024;

// souphttpsrc waits 15 s for a stalled server by default.
constexpr guint sourceTimeoutSeconds = 10;

std::string strictStreamUri(const std::string& url)
{
    const QUrl parsed(QString::fromStdString(url), QUrl::StrictMode);
    const QString scheme = parsed.scheme();
    if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != u"http" && scheme != u"https")) {
        return {};
    }
    return parsed.toString(QUrl::FullyEncoded).toStdString();
}

void configureSource(GstElement*, GstElement* source, gpointer)
{
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(source), "timeout") != nullptr) {
        g_object_set(source, "timeout", sourceTimeoutSeconds, nullptr);
    }
}

// The alarm's tone: each chime starts softly, dies away and ends in silence, a bell more than a
// beep, with its octave faintly above it.
constexpr int toneRate = 44100;
constexpr std::uint64_t toneBlock = 2048;
constexpr double toneLevel = 0.4;
constexpr double toneAttack = 0.02;
constexpr double toneDecay = 0.35;
constexpr double toneRelease = 0.05;
constexpr double toneOctave = 0.25;

float toneSample(std::uint64_t index)
{
    const double time = static_cast<double>(index) / toneRate;
    const double inChime = std::fmod(time, GstMediaBackend::toneRepeat);
    const double envelope = std::min({1.0, inChime / toneAttack, (GstMediaBackend::toneRepeat - inChime) / toneRelease})
        * std::exp(-inChime / toneDecay);
    const double phase = 2 * std::numbers::pi * GstMediaBackend::toneFrequency * time;
    return static_cast<float>(toneLevel * envelope * (std::sin(phase) + toneOctave * std::sin(2 * phase)));
}

// Runs on the tone's streaming thread, which alone counts its samples.
void pushTone(GstAppSrc* source, guint, gpointer data)
{
    auto& next = *static_cast<std::uint64_t*>(data);
    GstBuffer* buffer = gst_buffer_new_allocate(nullptr, toneBlock * sizeof(float), nullptr);
    GstMapInfo map;
    if (buffer == nullptr || !gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
        gst_app_src_end_of_stream(source);
        return;
    }
    auto* samples = reinterpret_cast<float*>(map.data);
    for (std::uint64_t i = 0; i < toneBlock; ++i) {
        samples[i] = toneSample(next + i);
    }
    gst_buffer_unmap(buffer, &map);
    GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(next, GST_SECOND, toneRate);
    GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(toneBlock, GST_SECOND, toneRate);
    next += toneBlock;
    gst_app_src_push_buffer(source, buffer);
}

void setUpTone(GstElement*, GstElement* source, gpointer)
{
    if (!GST_IS_APP_SRC(source)) {
        return;
    }
    GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, GST_AUDIO_NE(F32), "layout",
        G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, toneRate, "channels", G_TYPE_INT, 1, nullptr);
    g_object_set(source, "caps", caps, "format", GST_FORMAT_TIME, nullptr);
    gst_caps_unref(caps);
    GstAppSrcCallbacks callbacks {};
    callbacks.need_data = pushTone;
    gst_app_src_set_callbacks(GST_APP_SRC(source), &callbacks, new std::uint64_t(0),
        [](gpointer data) { delete static_cast<std::uint64_t*>(data); });
}

} // namespace

GstMediaBackend::GstMediaBackend(MainQueue& mainQueue, AudioSinkFactory audioSinkFactory)
    : m_mainQueue(mainQueue)
    , m_audioSinkFactory(std::move(audioSinkFactory))
    , m_reaper(std::make_shared<PipelineReaper>())
{
    // ICY metadata names no code page. GStreamer reads a title that is not UTF-8 as Windows-1252
    // and drops it whole at a byte that code page leaves undefined (0x81, 0x90). Read as Latin-1,
    // every byte arrives as the code point of its value, and the player's title rules take
    // Windows-1252 from there, dropping only the undefined bytes. Set before GStreamer starts and
    // any stream is read; a value the person set is kept.
    g_setenv("GST_ICY_TAG_ENCODING", "ISO-8859-1", FALSE);
    m_ready = std::async(std::launch::async, [] { return gst_init_check(nullptr, nullptr, nullptr) != FALSE; });
}

GstMediaBackend::~GstMediaBackend() = default;

std::unique_ptr<MediaPlayer> GstMediaBackend::createPlayer(const std::string& url)
{
    const std::string uri = strictStreamUri(url);
    return uri.empty() ? nullptr : createPlaybinPlayer(uri, configureSource);
}

std::unique_ptr<MediaPlayer> GstMediaBackend::createTonePlayer()
{
    return createPlaybinPlayer("appsrc://", setUpTone);
}

std::unique_ptr<MediaPlayer> GstMediaBackend::createPlaybinPlayer(
    const std::string& uri, void (*setUpSource)(GstElement*, GstElement*, void*))
{
    if (!m_ready.get()) {
        return nullptr;
    }
    GstElement* playbin = makePlaybin(uri, setUpSource);
    if (playbin == nullptr) {
        return nullptr;
    }
    // The remade playbin is a replay's, whose appsrc the replay sets up itself.
    return std::make_unique<GstMediaPlayer>(playbin, m_mainQueue, m_reaper,
        [this](const std::string& address) { return makePlaybin(address, configureSource); });
}

GstElement* GstMediaBackend::makePlaybin(
    const std::string& uri, void (*setUpSource)(GstElement*, GstElement*, void*)) const
{
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (playbin == nullptr) {
        return nullptr;
    }
    gst_object_ref_sink(playbin);
    g_object_set(playbin, "uri", uri.c_str(), "flags", playFlagAudio | playFlagSoftVolume, "buffer-duration",
        bufferDurationNs, "buffer-size", bufferSizeBytes, nullptr);
    g_signal_connect(playbin, "source-setup", G_CALLBACK(setUpSource), nullptr);
    // Chosen here rather than left to playbin, so that a player can hold its stream in front of
    // the output (see GstMediaPlayer).
    if (GstElement* sink
        = m_audioSinkFactory ? m_audioSinkFactory() : gst_element_factory_make("autoaudiosink", nullptr)) {
        g_object_set(playbin, "audio-sink", sink, nullptr);
    }
    return playbin;
}

} // namespace Vello
