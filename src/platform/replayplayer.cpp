#include "replayplayer.h"

#include "keptstream.h"
#include "pipelinereaper.h"

#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <atomic>
#include <string>
#include <utility>

namespace Vello {
namespace {

constexpr std::size_t blockSize = 16 * 1024;
// How long a read at the live end waits before it looks again whether it should stop.
constexpr auto liveWait = std::chrono::milliseconds(100);

} // namespace

struct ReplayPlayer::Feed {
    std::shared_ptr<const KeptStream> kept;
    std::uint64_t next = 0;
    std::string headers;
    std::atomic<bool> stopped {false};

    // On appsrc's thread: the next block, waiting at the live end for more.
    void give(GstAppSrc* source)
    {
        if (!headers.empty()) {
            const std::string first = std::exchange(headers, {});
            gst_app_src_push_buffer(source, gst_buffer_new_memdup(first.data(), first.size()));
            return;
        }
        while (!stopped.load()) {
            GstBuffer* buffer = gst_buffer_new_allocate(nullptr, blockSize, nullptr);
            GstMapInfo map;
            gst_buffer_map(buffer, &map, GST_MAP_WRITE);
            const std::size_t got = kept->read(next, map.data, blockSize);
            gst_buffer_unmap(buffer, &map);
            if (got > 0) {
                gst_buffer_set_size(buffer, static_cast<gssize>(got));
                next += got;
                gst_app_src_push_buffer(source, buffer);
                return;
            }
            gst_buffer_unref(buffer);
            if (next < kept->oldest() || kept->failed()) {
                // What it was to play has been dropped from the ring or cannot be read.
                break;
            }
            kept->waitForMore(next, std::chrono::steady_clock::now() + liveWait);
        }
        gst_app_src_end_of_stream(source);
    }
};

ReplayPlayer::ReplayPlayer(GstElement* playbin, GstElement* live, std::shared_ptr<const KeptStream> kept,
    std::uint64_t from, std::shared_ptr<PipelineReaper> reaper)
    : m_playbin(playbin)
    , m_feed(std::make_shared<Feed>())
    , m_reaper(std::move(reaper))
{
    m_feed->kept = std::move(kept);
    m_feed->next = from;
    m_feed->headers = m_feed->kept->headersFor(from);
    using FeedHandle = std::shared_ptr<Feed>;
    g_signal_connect_data(
        playbin, "source-setup", G_CALLBACK(+[](GstElement*, GstElement* source, gpointer data) {
            if (!GST_IS_APP_SRC(source)) {
                return;
            }
            g_object_set(source, "format", GST_FORMAT_BYTES, "block", FALSE, nullptr);
            GstAppSrcCallbacks callbacks {};
            callbacks.need_data
                = [](GstAppSrc* appsrc, guint, gpointer feed) { (*static_cast<FeedHandle*>(feed))->give(appsrc); };
            gst_app_src_set_callbacks(GST_APP_SRC(source), &callbacks, new FeedHandle(*static_cast<FeedHandle*>(data)),
                [](gpointer feed) { delete static_cast<FeedHandle*>(feed); });
        }),
        new FeedHandle(m_feed), [](gpointer data, GClosure*) { delete static_cast<FeedHandle*>(data); },
        GConnectFlags {});
    for (const char* property : {"volume", "mute"}) {
        m_bindings.push_back(g_object_bind_property(live, property, playbin, property, G_BINDING_SYNC_CREATE));
    }
    gst_element_set_state(playbin, GST_STATE_PLAYING);
}

ReplayPlayer::~ReplayPlayer()
{
    m_feed->stopped.store(true);
    for (GBinding* binding : m_bindings) {
        g_binding_unbind(binding);
    }
    g_object_set(m_playbin, "mute", TRUE, nullptr);
    m_reaper->release(m_playbin);
}

std::int64_t ReplayPlayer::playedNs() const
{
    gint64 position = 0;
    return gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) && position > 0 ? position : 0;
}

} // namespace Vello
