#include "gstmediabackend.h"

#include "gstmediaplayer.h"
#include "pipelinereaper.h"

#include <QString>
#include <QUrl>

#include <gst/gst.h>

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
    if (uri.empty() || !m_ready.get()) {
        return nullptr;
    }
    GstElement* playbin = makePlaybin(uri);
    if (playbin == nullptr) {
        return nullptr;
    }
    return std::make_unique<GstMediaPlayer>(
        playbin, m_mainQueue, m_reaper, [this](const std::string& address) { return makePlaybin(address); });
}

GstElement* GstMediaBackend::makePlaybin(const std::string& uri) const
{
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    if (playbin == nullptr) {
        return nullptr;
    }
    gst_object_ref_sink(playbin);
    g_object_set(playbin, "uri", uri.c_str(), "flags", playFlagAudio | playFlagSoftVolume, "buffer-duration",
        bufferDurationNs, "buffer-size", bufferSizeBytes, nullptr);
    g_signal_connect(playbin, "source-setup", G_CALLBACK(configureSource), nullptr);
    // Chosen here rather than left to playbin, so that a player can hold its stream in front of
    // the output (see GstMediaPlayer).
    if (GstElement* sink
        = m_audioSinkFactory ? m_audioSinkFactory() : gst_element_factory_make("autoaudiosink", nullptr)) {
        g_object_set(playbin, "audio-sink", sink, nullptr);
    }
    return playbin;
}

} // namespace Vello
