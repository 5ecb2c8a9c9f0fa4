#include "gstmediaplayer.h"

#include "pipelinereaper.h"

#include "playback/mainqueue.h"

#include <gst/gst.h>

#include <mutex>

namespace Vello {

struct GstMediaPlayer::Core {
    GstElement* playbin = nullptr;
    bool wantsToPlay = false;
    bool waitsToMinimizeStalling = false;
    bool buffering = false;
    bool live = false;
    bool ended = false;
    GstState state = GST_STATE_NULL;

    void applyTargetState() const
    {
        if (ended) {
            return;
        }
        const bool holdForData = buffering && waitsToMinimizeStalling && !live;
        // Asking for PLAYING while the pipeline is still prerolling, then pausing it again for
        // buffering, can leave it waiting for ever on a preroll that has already happened; so
        // PLAYING is asked for only once it has prerolled (live pipelines do not preroll).
        const bool prerolled = live || state == GST_STATE_PAUSED || state == GST_STATE_PLAYING;
        const bool playNow = wantsToPlay && !holdForData && prerolled;
        gst_element_set_state(playbin, playNow ? GST_STATE_PLAYING : GST_STATE_PAUSED);
    }

    void handle(GstMessage* message)
    {
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_STATE_CHANGED:
            if (GST_MESSAGE_SRC(message) == GST_OBJECT_CAST(playbin)) {
                gst_message_parse_state_changed(message, nullptr, &state, nullptr);
                if (state == GST_STATE_PAUSED && wantsToPlay) {
                    applyTargetState();
                }
            }
            break;
        case GST_MESSAGE_BUFFERING: {
            // The usual rule for network streams: hold playback while the buffer refills, go
            // on once it is full. Live pipelines cannot be held, so they are left alone.
            gint percent = 0;
            gst_message_parse_buffering(message, &percent);
            const bool wasBuffering = buffering;
            buffering = percent < 100;
            if (buffering != wasBuffering && waitsToMinimizeStalling && !live) {
                applyTargetState();
            }
            break;
        }
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_ERROR:
            // The server closed the stream or it failed: the player stays silent until it is
            // replaced; a person starts the station again to reconnect.
            ended = true;
            break;
        default:
            break;
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
        return true;
    default:
        return false;
    }
}

} // namespace

GstMediaPlayer::GstMediaPlayer(GstElement* playbin, MainQueue& mainQueue, std::shared_ptr<PipelineReaper> reaper)
    : m_core(std::make_shared<Core>())
    , m_busLink(std::make_shared<BusLink>())
    , m_reaper(std::move(reaper))
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
            if (!isWanted(message)) {
                return GST_BUS_DROP;
            }
            std::lock_guard lock(link->mutex);
            if (link->open) {
                std::shared_ptr<GstMessage> held(gst_message_ref(message), gst_message_unref);
                link->mainQueue->post([core = link->core, held] {
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
    // Muting takes effect on the next buffer, while stopping the pipeline may have to wait for
    // a stalled source: the old stream must not be heard even for that long.
    g_object_set(m_core->playbin, "mute", TRUE, nullptr);
    m_reaper->release(m_core->playbin);
    m_core->playbin = nullptr;
}

void GstMediaPlayer::setAutomaticallyWaitsToMinimizeStalling(bool waits)
{
    m_core->waitsToMinimizeStalling = waits;
}

void GstMediaPlayer::play()
{
    Core& core = *m_core;
    core.wantsToPlay = true;
    if (core.state == GST_STATE_NULL && !core.ended) {
        // A live source cannot pre-roll; knowing that up front keeps buffering from holding it.
        core.live = gst_element_set_state(core.playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_NO_PREROLL;
    }
    core.applyTargetState();
}

void GstMediaPlayer::pause()
{
    m_core->wantsToPlay = false;
    m_core->applyTargetState();
}

TimeControlStatus GstMediaPlayer::timeControlStatus() const
{
    const Core& core = *m_core;
    if (!core.wantsToPlay || core.ended) {
        return TimeControlStatus::Paused;
    }
    if (core.state == GST_STATE_PLAYING && !core.buffering) {
        return TimeControlStatus::Playing;
    }
    return TimeControlStatus::WaitingToPlay;
}

} // namespace Vello
