#include "gstmediaplayer.h"

#include "gstrecorder.h"
#include "pipelinereaper.h"
#include "streamtap.h"

#include "ports/mainqueue.h"

#include <QtGlobal>

#include <gst/audio/streamvolume.h>
#include <gst/base/gstbasesrc.h>
#include <gst/gst.h>
#include <gst/pbutils/missing-plugins.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>

namespace Vello {
namespace {

static_assert(MediaErrorCode::resourceNotFound == GST_RESOURCE_ERROR_NOT_FOUND);
static_assert(MediaErrorCode::resourceBusy == GST_RESOURCE_ERROR_BUSY);
static_assert(MediaErrorCode::resourceOpenRead == GST_RESOURCE_ERROR_OPEN_READ);
static_assert(MediaErrorCode::resourceRead == GST_RESOURCE_ERROR_READ);
static_assert(MediaErrorCode::resourceNotAuthorized == GST_RESOURCE_ERROR_NOT_AUTHORIZED);
static_assert(MediaErrorCode::streamTypeNotFound == GST_STREAM_ERROR_TYPE_NOT_FOUND);
static_assert(MediaErrorCode::streamWrongType == GST_STREAM_ERROR_WRONG_TYPE);
static_assert(MediaErrorCode::streamCodecNotFound == GST_STREAM_ERROR_CODEC_NOT_FOUND);
static_assert(MediaErrorCode::streamDecode == GST_STREAM_ERROR_DECODE);
static_assert(MediaErrorCode::streamDemux == GST_STREAM_ERROR_DEMUX);
static_assert(MediaErrorCode::streamFormat == GST_STREAM_ERROR_FORMAT);

std::string takeString(gchar* text)
{
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

MediaPipelineState pipelineState(GstState state)
{
    switch (state) {
    case GST_STATE_READY:
        return MediaPipelineState::Ready;
    case GST_STATE_PAUSED:
        return MediaPipelineState::Paused;
    case GST_STATE_PLAYING:
        return MediaPipelineState::Playing;
    default:
        return MediaPipelineState::Null;
    }
}

MediaErrorDomain errorDomain(GQuark domain)
{
    if (domain == GST_CORE_ERROR) {
        return MediaErrorDomain::Core;
    }
    if (domain == GST_LIBRARY_ERROR) {
        return MediaErrorDomain::Library;
    }
    if (domain == GST_RESOURCE_ERROR) {
        return MediaErrorDomain::Resource;
    }
    if (domain == GST_STREAM_ERROR) {
        return MediaErrorDomain::Stream;
    }
    return MediaErrorDomain::Other;
}

// The person sees a sentence; the log keeps what GStreamer said, for whoever has to dig.
MediaError readError(GstMessage* message, bool wasPlaying)
{
    GError* error = nullptr;
    gchar* debug = nullptr;
    gst_message_parse_error(message, &error, &debug);
    MediaError result;
    result.domain = errorDomain(error->domain);
    result.code = error->code;
    const GstStructure* details = nullptr;
    gst_message_parse_error_details(message, &details);
    guint status = 0;
    if (details != nullptr && gst_structure_get_uint(details, "http-status-code", &status) && status >= 400) {
        result.httpStatus = static_cast<int>(status);
    }
    // souphttpsrc reports a refused connection or a dropped one only as a flow error of its
    // streaming thread; said in the framework's own terms, that is a failed open or read.
    if (error->domain == GST_STREAM_ERROR && error->code == GST_STREAM_ERROR_FAILED
        && GST_IS_BASE_SRC(GST_MESSAGE_SRC(message))) {
        result.domain = MediaErrorDomain::Resource;
        result.code = wasPlaying ? MediaErrorCode::resourceRead : MediaErrorCode::resourceOpenRead;
    }
    const std::string text = error->message != nullptr ? error->message : "";
    const std::string detail = takeString(debug);
    for (const char* sign : {"TLS", "certificate", "Secure connection", "SSL"}) {
        if (text.find(sign) != std::string::npos || detail.find(sign) != std::string::npos) {
            result.secureConnectionFailed = true;
        }
    }
    const std::string source = takeString(gst_object_get_path_string(GST_MESSAGE_SRC(message)));
    qWarning("Stream error from %s: %s (%s)", source.c_str(), text.c_str(), detail.c_str());
    g_error_free(error);
    return result;
}

std::string tagString(const GstTagList* tags, const char* name)
{
    gchar* value = nullptr;
    return gst_tag_list_get_string(tags, name, &value) ? takeString(value) : std::string {};
}

unsigned tagNumber(const GstTagList* tags, const char* name)
{
    guint value = 0;
    return gst_tag_list_get_uint(tags, name, &value) ? value : 0;
}

// The sample rate of the decoded audio on its way to the sink; 0 while it is not known.
unsigned decodedSampleRate(GstElement* playbin)
{
    // Only playbin (not playbin3) offers its streams' pads.
    if (g_signal_lookup("get-audio-pad", G_OBJECT_TYPE(playbin)) == 0) {
        return 0;
    }
    GstPad* pad = nullptr;
    g_signal_emit_by_name(playbin, "get-audio-pad", 0, &pad);
    if (pad == nullptr) {
        return 0;
    }
    GstCaps* caps = gst_pad_get_current_caps(pad);
    gst_object_unref(pad);
    gint rate = 0;
    if (caps != nullptr) {
        gst_structure_get_int(gst_caps_get_structure(caps, 0), "rate", &rate);
        gst_caps_unref(caps);
    }
    return rate > 0 ? static_cast<unsigned>(rate) : 0;
}

} // namespace

struct GstMediaPlayer::Core {
    GstElement* playbin = nullptr;
    bool wantsToPlay = false;
    bool waitsForBuffering = false;
    bool buffering = false;
    bool live = false;
    bool ended = false;
    bool opened = false;
    GstState state = GST_STATE_NULL;
    EventHandler onEvent;
    // The audio output's input, while a stream opened paused waits in front of it.
    GstPad* heldAt = nullptr;
    gulong holdProbe = 0;

    // Starts the stream on the first play or pause; paused, it waits, silent, with its first
    // audio decoded.
    void open()
    {
        if (opened || ended) {
            return;
        }
        opened = true;
        if (!wantsToPlay) {
            holdBeforeOutput();
        }
        // A live source cannot pre-roll; knowing that up front keeps buffering from holding it.
        live = gst_element_set_state(playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_NO_PREROLL;
    }

    // A stream opened paused waits in front of the audio output, not in it. An output that has
    // been given its format opens its stream on the sound server, and that stream's clock runs
    // on while it waits (PulseAudio moves it as the server shortens its latency for the new
    // stream): its first sound would come as much later, up to a second or more. Opened at the
    // first play, the output starts in step with the stream.
    void holdBeforeOutput()
    {
        GstElement* sink = nullptr;
        g_object_get(playbin, "audio-sink", &sink, nullptr);
        if (sink == nullptr) {
            return;
        }
        heldAt = gst_element_get_static_pad(sink, "sink");
        gst_object_unref(sink);
        if (heldAt != nullptr) {
            holdProbe = gst_pad_add_probe(
                heldAt, GST_PAD_PROBE_TYPE_BLOCK_DOWNSTREAM,
                [](GstPad*, GstPadProbeInfo*, gpointer) { return GST_PAD_PROBE_OK; }, nullptr, nullptr);
        }
    }

    // With `letThrough`, what waited in front of the output goes on into it; without, it stays
    // held until the pipeline is shut down.
    void endHold(bool letThrough)
    {
        if (heldAt == nullptr) {
            return;
        }
        if (letThrough) {
            gst_pad_remove_probe(heldAt, holdProbe);
        }
        gst_object_unref(heldAt);
        heldAt = nullptr;
    }

    void applyTargetState() const
    {
        if (ended) {
            return;
        }
        const bool holdForData = buffering && waitsForBuffering && !live;
        // Asking for PLAYING while the pipeline is still prerolling, then pausing it again for
        // buffering, can leave it waiting for ever on a preroll that has already happened; so
        // PLAYING is asked for only once it has prerolled (live pipelines do not preroll).
        const bool prerolled = live || state == GST_STATE_PAUSED || state == GST_STATE_PLAYING;
        const bool playNow = wantsToPlay && !holdForData && prerolled;
        gst_element_set_state(playbin, playNow ? GST_STATE_PLAYING : GST_STATE_PAUSED);
    }

    // Reports to the owner last: it may destroy the player, after which nothing here may touch
    // the pipeline.
    void report(const MediaEvent& event) const
    {
        if (onEvent) {
            const EventHandler handler = onEvent;
            handler(event);
        }
    }

    void handle(GstMessage* message)
    {
        if (playbin == nullptr) {
            return;
        }
        std::optional<MediaEvent> event = update(message);
        // The decoded audio's format is settled once the stream plays; read before reporting,
        // as the report may end the player.
        std::optional<MediaEvent> format;
        if (event && std::holds_alternative<MediaStateChanged>(*event) && state == GST_STATE_PLAYING) {
            MediaTags found;
            found.details.sampleRate = decodedSampleRate(playbin);
            if (found.details.sampleRate != 0) {
                format = found;
            }
        }
        if (event) {
            report(*event);
        }
        if (format) {
            report(*format);
        }
    }

    // Whether `element` buffers the stream itself: the source, or the queue that the stream's
    // decoding bin put behind it. Elements inside those (a demuxer's own downloads, say) report
    // on buffers of their own, which say nothing about whether the stream can play.
    [[nodiscard]] bool isStreamBuffer(GstObject* element) const
    {
        GstElement* source = nullptr;
        g_object_get(playbin, "source", &source, nullptr);
        const bool isSource = source != nullptr && GST_OBJECT_CAST(source) == element;
        if (source != nullptr) {
            gst_object_unref(source);
        }
        if (isSource) {
            return true;
        }
        GstObject* parent = gst_object_get_parent(element);
        if (parent == nullptr) {
            return false;
        }
        const std::string_view parentType = G_OBJECT_TYPE_NAME(parent);
        gst_object_unref(parent);
        return parentType == "GstURIDecodeBin" || parentType == "GstDecodeBin";
    }

    std::optional<MediaEvent> update(GstMessage* message)
    {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_STATE_CHANGED:
            if (GST_MESSAGE_SRC(message) != GST_OBJECT_CAST(playbin)) {
                return std::nullopt;
            }
            gst_message_parse_state_changed(message, nullptr, &state, nullptr);
            if (state == GST_STATE_PAUSED && wantsToPlay) {
                applyTargetState();
            }
            return MediaStateChanged {pipelineState(state)};
        case GST_MESSAGE_BUFFERING: {
            if (!isStreamBuffer(GST_MESSAGE_SRC(message))) {
                return std::nullopt;
            }
            // The usual rule for network streams: hold playback while the buffer refills, go
            // on once it is full. Live pipelines cannot be held, so they are left alone.
            gint percent = 0;
            gst_message_parse_buffering(message, &percent);
            const bool wasBuffering = buffering;
            buffering = percent < 100;
            if (buffering != wasBuffering && waitsForBuffering && !live) {
                applyTargetState();
            }
            return MediaBuffering {percent};
        }
        case GST_MESSAGE_CLOCK_LOST:
            // The element that gave the clock is gone (the audio device was switched or
            // unplugged): going through PAUSED makes the pipeline choose a new one; without it
            // the stream may sit silent while it says it plays.
            if (state == GST_STATE_PLAYING && wantsToPlay && !ended) {
                gst_element_set_state(playbin, GST_STATE_PAUSED);
                applyTargetState();
            }
            return std::nullopt;
        case GST_MESSAGE_EOS:
            // The server closed the stream: the player stays silent until it is replaced.
            ended = true;
            return MediaEndOfStream {};
        case GST_MESSAGE_ERROR:
            ended = true;
            return readError(message, state == GST_STATE_PLAYING);
        case GST_MESSAGE_TAG: {
            GstTagList* tags = nullptr;
            gst_message_parse_tag(message, &tags);
            MediaTags found {tagString(tags, GST_TAG_TITLE), tagString(tags, GST_TAG_ARTIST)};
            found.details.codec = tagString(tags, GST_TAG_AUDIO_CODEC);
            found.details.bitrate = tagNumber(tags, GST_TAG_NOMINAL_BITRATE);
            if (found.details.bitrate == 0) {
                found.details.bitrate = tagNumber(tags, GST_TAG_BITRATE);
            }
            gst_tag_list_unref(tags);
            if (found.title.empty() && found.artist.empty() && found.details == MediaStreamDetails {}) {
                return std::nullopt;
            }
            return found;
        }
        case GST_MESSAGE_ELEMENT: {
            MediaMissingPlugin missing {takeString(gst_missing_plugin_message_get_description(message)),
                takeString(gst_missing_plugin_message_get_installer_detail(message))};
            qWarning("Missing media plug-in: %s (%s)", missing.description.c_str(), missing.installerDetail.c_str());
            return missing;
        }
        default:
            return std::nullopt;
        }
    }
};

// What the bus's sync handler needs, shared with the bus so that it stays valid for as long
// as a streaming thread may call the handler.
struct GstMediaPlayer::BusLink {
    std::mutex mutex;
    bool open = true;
    MainQueue* mainQueue = nullptr;
    std::weak_ptr<Core> core;
};

namespace {

bool isWanted(GstMessage* message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_STATE_CHANGED:
    case GST_MESSAGE_BUFFERING:
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR:
    case GST_MESSAGE_TAG:
    case GST_MESSAGE_CLOCK_LOST:
        return true;
    case GST_MESSAGE_ELEMENT:
        return gst_is_missing_plugin_message(message) != FALSE;
    default:
        return false;
    }
}

} // namespace

GstMediaPlayer::GstMediaPlayer(
    GstElement* playbin, MainQueue& mainQueue, std::shared_ptr<PipelineReaper> reaper, PlaybinFactory makePlaybin)
    : m_core(std::make_shared<Core>())
    , m_busLink(std::make_shared<BusLink>())
    , m_reaper(std::move(reaper))
    , m_makePlaybin(std::move(makePlaybin))
    , m_tap(StreamTap::install(playbin))
{
    m_core->playbin = playbin;
    m_busLink->mainQueue = &mainQueue;
    m_busLink->core = m_core;

    using LinkHandle = std::shared_ptr<BusLink>;
    GstBus* bus = gst_element_get_bus(playbin);
    gst_bus_set_sync_handler(
        bus,
        [](GstBus*, GstMessage* message, gpointer data) -> GstBusSyncReply {
            auto& link = *static_cast<LinkHandle*>(data);
            // A message dropped here is ours to release: each one holds the element that sent it,
            // so one kept would keep the whole pipeline.
            std::shared_ptr<GstMessage> held(message, gst_message_unref);
            if (!isWanted(message)) {
                return GST_BUS_DROP;
            }
            std::lock_guard lock(link->mutex);
            if (link->open) {
                link->mainQueue->post([core = link->core, held = std::move(held)] {
                    if (const auto alive = core.lock()) {
                        alive->handle(held.get());
                    }
                });
            }
            return GST_BUS_DROP;
        },
        new LinkHandle(m_busLink), [](gpointer data) { delete static_cast<LinkHandle*>(data); });
    gst_object_unref(bus);
}

GstMediaPlayer::~GstMediaPlayer()
{
    {
        std::lock_guard lock(m_busLink->mutex);
        m_busLink->open = false;
    }
    m_core->onEvent = nullptr;
    // Muting takes effect on the next buffer, while stopping the pipeline may have to wait for
    // a stalled source: the old stream must not be heard even for that long.
    g_object_set(m_core->playbin, "mute", TRUE, nullptr);
    m_core->endHold(false);
    m_reaper->release(m_core->playbin);
    m_core->playbin = nullptr;
}

void GstMediaPlayer::setWaitsForBuffering(bool waits)
{
    m_core->waitsForBuffering = waits;
}

void GstMediaPlayer::play()
{
    m_core->wantsToPlay = true;
    m_core->open();
    m_core->endHold(true);
    m_core->applyTargetState();
}

void GstMediaPlayer::pause()
{
    m_core->wantsToPlay = false;
    m_core->open();
    m_core->applyTargetState();
}

PlayerActivity GstMediaPlayer::activity() const
{
    const Core& core = *m_core;
    if (!core.wantsToPlay || core.ended) {
        return PlayerActivity::Paused;
    }
    if (core.state == GST_STATE_PLAYING && !core.buffering) {
        return PlayerActivity::Playing;
    }
    return PlayerActivity::WaitingToPlay;
}

} // namespace Vello

namespace Vello {

void GstMediaPlayer::setEventHandler(EventHandler handler)
{
    m_core->onEvent = std::move(handler);
}

void GstMediaPlayer::setVolume(double volume)
{
    gst_stream_volume_set_volume(
        GST_STREAM_VOLUME(m_core->playbin), GST_STREAM_VOLUME_FORMAT_CUBIC, std::clamp(volume, 0.0, 1.0));
}

void GstMediaPlayer::setMuted(bool muted)
{
    gst_stream_volume_set_mute(GST_STREAM_VOLUME(m_core->playbin), muted ? TRUE : FALSE);
}

std::unique_ptr<Recorder> GstMediaPlayer::createRecorder(const std::string& folder, std::chrono::milliseconds length)
{
    return std::make_unique<GstRecorder>(
        m_tap, m_core->playbin, *m_busLink->mainQueue, m_reaper, m_makePlaybin, folder, length);
}

} // namespace Vello
