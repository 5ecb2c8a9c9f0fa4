#include "streamtap.h"

#include <gst/audio/audio.h>
#include <gst/gst.h>

#include <string_view>

namespace Vello {
namespace {

using TapHandle = std::weak_ptr<StreamTap>;

gpointer newHandle(const std::shared_ptr<StreamTap>& tap)
{
    return new TapHandle(tap);
}

void deleteHandle(gpointer data, GClosure* = nullptr)
{
    delete static_cast<TapHandle*>(data);
}

std::string_view factoryName(GstElement* element)
{
    GstElementFactory* factory = gst_element_get_factory(element);
    return factory != nullptr ? GST_OBJECT_NAME(factory) : "";
}

std::string_view klass(GstElement* element)
{
    GstElementFactory* factory = gst_element_get_factory(element);
    const gchar* text = factory != nullptr ? gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_KLASS) : "";
    return text != nullptr ? text : "";
}

std::string tagString(const GstTagList* tags, const char* name)
{
    gchar* value = nullptr;
    if (!gst_tag_list_get_string(tags, name, &value)) {
        return {};
    }
    std::string result = value;
    g_free(value);
    return result;
}

// What the stream a parser receives can be saved as, untouched.
RecordedFormat formatOf(const GstCaps* caps)
{
    const GstStructure* structure = gst_caps_get_structure(caps, 0);
    const std::string_view name = gst_structure_get_name(structure);
    gint version = 0;
    gst_structure_get_int(structure, "mpegversion", &version);
    if (name == "audio/mpeg" && version == 1) {
        return RecordedFormat::Mp3;
    }
    const gchar* streamFormat = gst_structure_get_string(structure, "stream-format");
    if (name == "audio/mpeg" && streamFormat != nullptr && std::string_view(streamFormat) == "adts") {
        return RecordedFormat::Aac;
    }
    if (name == "audio/x-flac") {
        return RecordedFormat::Flac;
    }
    return RecordedFormat::NotSavable;
}

// Makes the audio going into the output silent. Silence rather than nothing: an output given
// nothing no longer holds the stream to its pace, which then runs ahead as fast as the server has
// audio for it, and on its return would be heard only once its clock caught up.
GstPadProbeReturn silenceAudio(GstPad* pad, GstPadProbeInfo* info, gpointer)
{
    GstCaps* caps = gst_pad_get_current_caps(pad);
    GstAudioInfo audio;
    const bool known = caps != nullptr && gst_audio_info_from_caps(&audio, caps);
    if (caps != nullptr) {
        gst_caps_unref(caps);
    }
    if (!known) {
        return GST_PAD_PROBE_DROP;
    }
    const auto fill = [&](GstBuffer* buffer) {
        GstMapInfo map;
        if (gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
            gst_audio_format_info_fill_silence(audio.finfo, map.data, map.size);
            gst_buffer_unmap(buffer, &map);
        }
    };
    if ((info->type & GST_PAD_PROBE_TYPE_BUFFER) != 0) {
        GstBuffer* buffer = gst_buffer_make_writable(GST_PAD_PROBE_INFO_BUFFER(info));
        GST_PAD_PROBE_INFO_DATA(info) = buffer;
        fill(buffer);
    } else {
        GstBufferList* list = gst_buffer_list_make_writable(GST_PAD_PROBE_INFO_BUFFER_LIST(info));
        GST_PAD_PROBE_INFO_DATA(info) = list;
        for (guint i = 0; i < gst_buffer_list_length(list); ++i) {
            fill(gst_buffer_list_get_writable(list, i));
        }
    }
    return GST_PAD_PROBE_OK;
}

} // namespace

std::shared_ptr<StreamTap> StreamTap::install(GstElement* playbin)
{
    std::shared_ptr<StreamTap> tap(new StreamTap);
    g_signal_connect_data(playbin, "deep-element-added",
        G_CALLBACK(+[](GstBin*, GstBin*, GstElement* element, gpointer data) {
            if (const auto alive = static_cast<TapHandle*>(data)->lock()) {
                alive->elementAdded(element);
            }
        }),
        newHandle(tap), deleteHandle, GConnectFlags {});
    return tap;
}

StreamTap::~StreamTap()
{
    if (m_silencedAt != nullptr) {
        gst_object_unref(m_silencedAt);
    }
}

void StreamTap::setListener(std::shared_ptr<TapListener> listener)
{
    std::unique_lock lock(m_mutex);
    m_listener = std::move(listener);
    if (m_decided && m_listener) {
        const auto listening = m_listener;
        const RecordedFormat format = m_format;
        lock.unlock();
        listening->tappedFormat(format);
    }
}

void StreamTap::silence(GstElement* playbin, bool silenced)
{
    if (silenced == (m_silencedAt != nullptr)) {
        return;
    }
    if (!silenced) {
        gst_pad_remove_probe(m_silencedAt, m_silenceProbe);
        gst_object_unref(m_silencedAt);
        m_silencedAt = nullptr;
        return;
    }
    GstElement* sink = nullptr;
    g_object_get(playbin, "audio-sink", &sink, nullptr);
    if (sink == nullptr) {
        return;
    }
    m_silencedAt = gst_element_get_static_pad(sink, "sink");
    gst_object_unref(sink);
    if (m_silencedAt != nullptr) {
        m_silenceProbe = gst_pad_add_probe(m_silencedAt,
            static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST), silenceAudio,
            nullptr, nullptr);
    }
}

void StreamTap::elementAdded(GstElement* element)
{
    const std::string_view name = factoryName(element);
    const std::string_view kind = klass(element);
    std::unique_lock lock(m_mutex);
    if (name == "icydemux") {
        m_sawIcy = true;
        lock.unlock();
        g_signal_connect_data(element, "pad-added", G_CALLBACK(+[](GstElement*, GstPad* pad, gpointer data) {
            if (const auto alive = static_cast<TapHandle*>(data)->lock()) {
                alive->tapBytesAt(pad);
            }
        }),
            newHandle(shared_from_this()), deleteHandle, GConnectFlags {});
        return;
    }
    if (name == "oggdemux" && !m_tapped && !m_sawOtherDemuxer) {
        // An Ogg stream is kept whole, pages and all: the keeper reads its chains and times.
        m_sawOgg = true;
        lock.unlock();
        GstPad* sinkPad = gst_element_get_static_pad(element, "sink");
        tapBytesAt(sinkPad);
        gst_object_unref(sinkPad);
        return;
    }
    if (name == "mpegaudioparse" || name == "aacparse" || name == "flacparse") {
        if (m_sawOtherDemuxer || m_sawOgg) {
            return;
        }
        const bool tapBytesHere = !m_sawIcy && !m_tapped;
        lock.unlock();
        GstPad* sinkPad = gst_element_get_static_pad(element, "sink");
        GstPad* sourcePad = gst_element_get_static_pad(element, "src");
        if (tapBytesHere) {
            tapBytesAt(sinkPad);
        }
        // The format is read from what the parser is given.
        gst_pad_add_probe(
            sinkPad, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM,
            [](GstPad*, GstPadProbeInfo* info, gpointer data) {
                GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
                const auto alive = static_cast<TapHandle*>(data)->lock();
                if (alive && GST_EVENT_TYPE(event) == GST_EVENT_CAPS) {
                    GstCaps* caps = nullptr;
                    gst_event_parse_caps(event, &caps);
                    alive->decide(formatOf(caps));
                }
                return GST_PAD_PROBE_OK;
            },
            newHandle(shared_from_this()), [](gpointer data) { deleteHandle(data); });
        tapFramesAt(sourcePad);
        gst_object_unref(sinkPad);
        gst_object_unref(sourcePad);
        return;
    }
    // Tag demuxers take a tag off the front and pass the stream on whole.
    const bool demuxer = kind.starts_with("Codec/Demuxer") && kind.find("Metadata") == std::string_view::npos;
    const bool decoder = kind.starts_with("Codec/Decoder");
    if ((demuxer && !m_tapped) || (decoder && !m_tapped && !m_decided)) {
        // HLS, MP4, Ogg and the rest: the parts a demuxer picks out cannot be put back into
        // files without re-encoding or re-muxing them.
        m_sawOtherDemuxer = true;
        lock.unlock();
        decide(RecordedFormat::NotSavable);
    }
}

void StreamTap::tapBytesAt(GstPad* pad)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_tapped) {
            return;
        }
        m_tapped = true;
    }
    gst_pad_add_probe(
        pad,
        static_cast<GstPadProbeType>(
            GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST | GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM),
        [](GstPad*, GstPadProbeInfo* info, gpointer data) {
            const auto alive = static_cast<TapHandle*>(data)->lock();
            if (!alive) {
                return GST_PAD_PROBE_OK;
            }
            const std::shared_ptr<TapListener> listener = alive->listener();
            // Counted with nobody listening too, so that the parser's frame offsets stay in step.
            const auto hand = [&](GstBuffer* buffer) {
                GstMapInfo map;
                if (listener && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
                    listener->tappedBytes(alive->m_tappedBytes, map.data, map.size);
                    gst_buffer_unmap(buffer, &map);
                }
                alive->m_tappedBytes += gst_buffer_get_size(buffer);
            };
            if ((info->type & GST_PAD_PROBE_TYPE_BUFFER) != 0) {
                hand(GST_PAD_PROBE_INFO_BUFFER(info));
            } else if ((info->type & GST_PAD_PROBE_TYPE_BUFFER_LIST) != 0) {
                GstBufferList* list = GST_PAD_PROBE_INFO_BUFFER_LIST(info);
                for (guint i = 0; i < gst_buffer_list_length(list); ++i) {
                    hand(gst_buffer_list_get(list, i));
                }
            } else if (!listener) {
                return GST_PAD_PROBE_OK;
            } else if (GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info); GST_EVENT_TYPE(event) == GST_EVENT_TAG) {
                GstTagList* tags = nullptr;
                gst_event_parse_tag(event, &tags);
                std::string title = tagString(tags, GST_TAG_TITLE);
                if (!title.empty()) {
                    listener->tappedTitle(std::move(title), tagString(tags, GST_TAG_ARTIST));
                }
            } else if (GST_EVENT_TYPE(event) == GST_EVENT_EOS) {
                listener->tappedEnd();
            }
            return GST_PAD_PROBE_OK;
        },
        newHandle(shared_from_this()), [](gpointer data) { deleteHandle(data); });
}

void StreamTap::tapFramesAt(GstPad* pad)
{
    gst_pad_add_probe(
        pad, GST_PAD_PROBE_TYPE_BUFFER,
        [](GstPad*, GstPadProbeInfo* info, gpointer data) {
            GstBuffer* buffer = GST_PAD_PROBE_INFO_BUFFER(info);
            const auto alive = static_cast<TapHandle*>(data)->lock();
            if (!alive || GST_BUFFER_OFFSET(buffer) == GST_BUFFER_OFFSET_NONE || !GST_BUFFER_PTS_IS_VALID(buffer)) {
                return GST_PAD_PROBE_OK;
            }
            const std::shared_ptr<TapListener> listener = alive->listener();
            if (listener) {
                listener->tappedFrame(GST_BUFFER_OFFSET(buffer), static_cast<std::int64_t>(GST_BUFFER_PTS(buffer)));
            }
            return GST_PAD_PROBE_OK;
        },
        newHandle(shared_from_this()), [](gpointer data) { deleteHandle(data); });
}

std::shared_ptr<TapListener> StreamTap::listener()
{
    const std::lock_guard lock(m_mutex);
    return m_listener;
}

void StreamTap::decide(RecordedFormat format)
{
    std::shared_ptr<TapListener> listener;
    {
        std::lock_guard lock(m_mutex);
        if (m_decided) {
            return;
        }
        m_decided = true;
        m_format = format;
        listener = m_listener;
    }
    if (listener) {
        listener->tappedFormat(format);
    }
}

} // namespace Vello
