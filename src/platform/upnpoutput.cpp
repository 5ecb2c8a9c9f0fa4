#include "upnpoutput.h"

#include <libgupnp-av/gupnp-av.h>
#include <libgupnp/gupnp.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

namespace Vello {
namespace {

// AVTransport's answer to a stream of a type the renderer does not play.
constexpr int illegalMimeType = 714;
// RenderingControl's volume runs from 0 to 100 on the renderers met in practice.
constexpr double volumeSteps = 100;

// The DIDL-Lite item a renderer shows beside the stream: the station as a broadcast.
std::string metadata(const OutputStream& stream)
{
    GUPnPDIDLLiteWriter* writer = gupnp_didl_lite_writer_new(nullptr);
    auto* item = GUPNP_DIDL_LITE_OBJECT(gupnp_didl_lite_writer_add_item(writer));
    gupnp_didl_lite_object_set_id(item, "0");
    gupnp_didl_lite_object_set_parent_id(item, "-1");
    gupnp_didl_lite_object_set_restricted(item, TRUE);
    gupnp_didl_lite_object_set_title(item, stream.title.c_str());
    gupnp_didl_lite_object_set_upnp_class(item, "object.item.audioItem.audioBroadcast");
    if (!stream.artUrl.empty()) {
        gupnp_didl_lite_object_set_album_art(item, stream.artUrl.c_str());
    }
    GUPnPDIDLLiteResource* resource = gupnp_didl_lite_object_add_resource(item);
    gupnp_didl_lite_resource_set_uri(resource, stream.url.c_str());
    GUPnPProtocolInfo* protocol = gupnp_protocol_info_new();
    gupnp_protocol_info_set_protocol(protocol, "http-get");
    gupnp_protocol_info_set_mime_type(protocol, stream.mimeType.empty() ? "*" : stream.mimeType.c_str());
    gupnp_didl_lite_resource_set_protocol_info(resource, protocol);
    char* written = gupnp_didl_lite_writer_get_string(writer);
    std::string didl = written;
    g_free(written);
    g_object_unref(protocol);
    g_object_unref(resource);
    g_object_unref(item);
    g_object_unref(writer);
    return didl;
}

std::optional<OutputTransport> transportFrom(std::string_view state)
{
    if (state == "PLAYING") {
        return OutputTransport::Playing;
    }
    if (state == "TRANSITIONING") {
        return OutputTransport::Starting;
    }
    if (state == "PAUSED_PLAYBACK") {
        return OutputTransport::Paused;
    }
    if (state == "STOPPED" || state == "NO_MEDIA_PRESENT") {
        return OutputTransport::Stopped;
    }
    return std::nullopt; // recording, or a vendor's own state
}

// The title of the first item a DIDL-Lite document describes; empty when there is none.
std::string didlTitle(const char* didl)
{
    std::string title;
    if (didl == nullptr || std::string_view(didl).find("<DIDL-Lite") == std::string_view::npos) {
        return title; // "NOT_IMPLEMENTED", or nothing
    }
    GUPnPDIDLLiteParser* parser = gupnp_didl_lite_parser_new();
    g_signal_connect(parser, "object-available",
        G_CALLBACK(+[](GUPnPDIDLLiteParser*, GUPnPDIDLLiteObject* object, std::string* found) {
            const char* name = gupnp_didl_lite_object_get_title(object);
            if (found->empty() && name != nullptr) {
                *found = name;
            }
        }),
        &title);
    gupnp_didl_lite_parser_parse_didl(parser, didl, nullptr);
    g_object_unref(parser);
    return title;
}

} // namespace

struct UpnpOutput::Call {
    std::weak_ptr<bool> alive;
    std::vector<const char*> outputs;
    Answer answer;
    GCancellable* cancellable = g_cancellable_new();
    unsigned timeout = 0;
    bool timedOut = false;

    ~Call() { g_object_unref(cancellable); }

    static void finished(GObject* source, GAsyncResult* result, void* data);
    [[nodiscard]] std::optional<OutputFailure> failure(const GError* error) const;
};

void UpnpOutput::Call::finished(GObject* source, GAsyncResult* result, void* data)
{
    const std::unique_ptr<Call> call(static_cast<Call*>(data));
    if (call->timeout != 0) {
        g_source_remove(call->timeout);
    }
    GError* error = nullptr;
    GUPnPServiceProxyAction* action
        = gupnp_service_proxy_call_action_finish(GUPNP_SERVICE_PROXY(source), result, &error);
    GList* names = nullptr;
    GList* types = nullptr;
    for (const char* output : call->outputs) {
        names = g_list_append(names, const_cast<char*>(output));
        types = g_list_append(types, GSIZE_TO_POINTER(G_TYPE_STRING));
    }
    GList* values = nullptr;
    if (action != nullptr) {
        gupnp_service_proxy_action_get_result_list(action, names, types, &values, &error);
    }
    std::vector<std::string> texts;
    for (GList* value = values; value != nullptr; value = value->next) {
        const char* text = g_value_get_string(static_cast<GValue*>(value->data));
        texts.emplace_back(text != nullptr ? text : "");
        g_value_unset(static_cast<GValue*>(value->data));
        g_free(value->data);
    }
    g_list_free(values);
    g_list_free(names);
    g_list_free(types);
    const std::optional<OutputFailure> failed = call->failure(error);
    g_clear_error(&error);
    if (!call->alive.expired()) {
        texts.resize(call->outputs.size());
        call->answer(failed, texts);
    }
}

std::optional<OutputFailure> UpnpOutput::Call::failure(const GError* error) const
{
    if (timedOut) {
        return OutputFailure {OutputFailure::Kind::NoAnswer, "no answer in time"};
    }
    if (error == nullptr) {
        return std::nullopt;
    }
    // The renderer's own fault comes in this domain, with its UPnP error code.
    if (error->domain != GUPNP_CONTROL_ERROR) {
        return OutputFailure {OutputFailure::Kind::NoAnswer, error->message};
    }
    return OutputFailure {
        error->code == illegalMimeType ? OutputFailure::Kind::UnsupportedType : OutputFailure::Kind::Refused,
        std::to_string(error->code) + " " + error->message};
}

UpnpOutput::UpnpOutput(GUPnPServiceProxy* avTransport, GUPnPServiceProxy* renderingControl)
    : m_avTransport(avTransport)
    , m_renderingControl(renderingControl)
    , m_parser(gupnp_last_change_parser_new())
{
    for (GUPnPServiceProxy* service : {m_avTransport, m_renderingControl}) {
        if (service != nullptr) {
            gupnp_service_proxy_add_notify(service, "LastChange", G_TYPE_STRING, &UpnpOutput::lastChanged, this);
            gupnp_service_proxy_set_subscribed(service, TRUE);
        }
    }
    poll();
    m_pollSource = g_timeout_add(
        static_cast<unsigned>(pollInterval.count()),
        +[](void* self) -> gboolean {
            static_cast<UpnpOutput*>(self)->poll();
            return G_SOURCE_CONTINUE;
        },
        this);
}

UpnpOutput::~UpnpOutput()
{
    g_source_remove(m_pollSource);
    for (GUPnPServiceProxy* service : {m_avTransport, m_renderingControl}) {
        if (service != nullptr) {
            gupnp_service_proxy_remove_notify(service, "LastChange", &UpnpOutput::lastChanged, this);
            gupnp_service_proxy_set_subscribed(service, FALSE);
            g_object_unref(service);
        }
    }
    g_object_unref(m_parser);
}

void UpnpOutput::setEventHandler(EventHandler handler)
{
    m_handler = std::move(handler);
}

void UpnpOutput::setStream(const OutputStream& stream, Done done)
{
    const std::string didl = metadata(stream);
    call(m_avTransport,
        gupnp_service_proxy_action_new("SetAVTransportURI", "InstanceID", G_TYPE_UINT, 0U, "CurrentURI", G_TYPE_STRING,
            stream.url.c_str(), "CurrentURIMetaData", G_TYPE_STRING, didl.c_str(), nullptr),
        std::move(done));
}

void UpnpOutput::play(Done done)
{
    call(m_avTransport,
        gupnp_service_proxy_action_new("Play", "InstanceID", G_TYPE_UINT, 0U, "Speed", G_TYPE_STRING, "1", nullptr),
        std::move(done));
}

void UpnpOutput::pause(Done done)
{
    call(m_avTransport, gupnp_service_proxy_action_new("Pause", "InstanceID", G_TYPE_UINT, 0U, nullptr),
        std::move(done));
}

void UpnpOutput::stop(Done done)
{
    call(
        m_avTransport, gupnp_service_proxy_action_new("Stop", "InstanceID", G_TYPE_UINT, 0U, nullptr), std::move(done));
}

void UpnpOutput::setVolume(double volume, Done done)
{
    const auto steps = static_cast<unsigned>(std::lround(std::clamp(volume, 0.0, 1.0) * volumeSteps));
    call(m_renderingControl,
        gupnp_service_proxy_action_new("SetVolume", "InstanceID", G_TYPE_UINT, 0U, "Channel", G_TYPE_STRING, "Master",
            "DesiredVolume", G_TYPE_UINT, steps, nullptr),
        std::move(done));
}

void UpnpOutput::setMuted(bool muted, Done done)
{
    call(m_renderingControl,
        gupnp_service_proxy_action_new("SetMute", "InstanceID", G_TYPE_UINT, 0U, "Channel", G_TYPE_STRING, "Master",
            "DesiredMute", G_TYPE_BOOLEAN, static_cast<gboolean>(muted), nullptr),
        std::move(done));
}

void UpnpOutput::call(GUPnPServiceProxy* proxy, GUPnPServiceProxyAction* action, Done done)
{
    call(proxy, action, {},
        [done = std::move(done)](std::optional<OutputFailure> failure, const auto&) { done(std::move(failure)); });
}

void UpnpOutput::call(
    GUPnPServiceProxy* proxy, GUPnPServiceProxyAction* action, std::vector<const char*> outputs, Answer answer)
{
    auto* call = new Call {m_alive, std::move(outputs), std::move(answer)};
    if (proxy == nullptr) {
        gupnp_service_proxy_action_unref(action);
        g_idle_add(
            +[](void* data) -> gboolean {
                const std::unique_ptr<Call> refused(static_cast<Call*>(data));
                if (!refused->alive.expired()) {
                    refused->answer(OutputFailure {OutputFailure::Kind::Refused, "no RenderingControl service"}, {});
                }
                return G_SOURCE_REMOVE;
            },
            call);
        return;
    }
    call->timeout = g_timeout_add(
        static_cast<unsigned>(actionDeadline.count()),
        +[](void* data) -> gboolean {
            auto* late = static_cast<Call*>(data);
            late->timeout = 0;
            late->timedOut = true;
            g_cancellable_cancel(late->cancellable);
            return G_SOURCE_REMOVE;
        },
        call);
    gupnp_service_proxy_call_action_async(proxy, action, call->cancellable, &Call::finished, call);
    gupnp_service_proxy_action_unref(action);
}

void UpnpOutput::poll()
{
    if (m_polling) {
        return; // the last one is still on its way
    }
    m_polling = true;
    call(m_avTransport, gupnp_service_proxy_action_new("GetTransportInfo", "InstanceID", G_TYPE_UINT, 0U, nullptr),
        {"CurrentTransportState", "CurrentTransportStatus"},
        [this](const std::optional<OutputFailure>& failure, const std::vector<std::string>& values) {
            m_polling = false;
            m_pollsUnanswered = failure && failure->kind == OutputFailure::Kind::NoAnswer ? m_pollsUnanswered + 1 : 0;
            if (m_pollsUnanswered == unansweredPolls) {
                emit(OutputFailed {"no answer to " + std::to_string(unansweredPolls) + " questions in a row"});
            } else if (!failure && tellTransport(values[0].c_str(), values[1].c_str())
                && m_renderingControl != nullptr) {
                call(m_renderingControl,
                    gupnp_service_proxy_action_new(
                        "GetVolume", "InstanceID", G_TYPE_UINT, 0U, "Channel", G_TYPE_STRING, "Master", nullptr),
                    {"CurrentVolume"}, [this](const auto& refused, const auto& volume) {
                        if (!refused) {
                            tellVolume(volume[0].c_str());
                        }
                    });
                call(m_renderingControl,
                    gupnp_service_proxy_action_new(
                        "GetMute", "InstanceID", G_TYPE_UINT, 0U, "Channel", G_TYPE_STRING, "Master", nullptr),
                    {"CurrentMute"}, [this](const auto& refused, const auto& mute) {
                        if (!refused) {
                            tellMute(mute[0].c_str());
                        }
                    });
            }
        });
}

void UpnpOutput::lastChanged(GUPnPServiceProxy* proxy, const char*, GValue* value, void* self)
{
    auto* output = static_cast<UpnpOutput*>(self);
    const char* lastChange = g_value_get_string(value);
    if (lastChange == nullptr) {
        return;
    }
    if (proxy == output->m_avTransport) {
        output->transportChanged(lastChange);
    } else {
        output->renderingChanged(lastChange);
    }
}

void UpnpOutput::transportChanged(const char* lastChange)
{
    char* state = nullptr;
    char* status = nullptr;
    char* track = nullptr;
    gupnp_last_change_parser_parse_last_change(m_parser, 0, lastChange, nullptr, "TransportState", G_TYPE_STRING,
        &state, "TransportStatus", G_TYPE_STRING, &status, "CurrentTrackMetaData", G_TYPE_STRING, &track, nullptr);
    const bool tracked = track != nullptr;
    std::string title = didlTitle(track);
    const bool alive = tellTransport(state, status);
    g_free(state);
    g_free(status);
    g_free(track);
    if (alive && tracked && title != m_title) {
        m_title = title;
        emit(OutputTitleChanged {std::move(title)});
    }
}

void UpnpOutput::renderingChanged(const char* lastChange)
{
    char* volume = nullptr;
    char* mute = nullptr;
    gupnp_last_change_parser_parse_last_change(
        m_parser, 0, lastChange, nullptr, "Volume", G_TYPE_STRING, &volume, "Mute", G_TYPE_STRING, &mute, nullptr);
    if (tellVolume(volume)) {
        tellMute(mute);
    }
    g_free(volume);
    g_free(mute);
}

bool UpnpOutput::tellTransport(const char* state, const char* status)
{
    // The error first: it says why the renderer stopped.
    if (status != nullptr && m_status != status) {
        m_status = status;
        if (m_status == "ERROR_OCCURRED" && !emit(OutputFailed {m_status})) {
            return false;
        }
    }
    if (state == nullptr || m_state == state) {
        return true;
    }
    m_state = state;
    const std::optional<OutputTransport> transport = transportFrom(m_state);
    return !transport || emit(OutputTransportChanged {*transport});
}

bool UpnpOutput::tellVolume(const char* volume)
{
    const std::string_view text = volume != nullptr ? volume : "";
    unsigned steps = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), steps).ec != std::errc() || m_volume == text) {
        return true;
    }
    m_volume = text;
    return emit(OutputVolumeChanged {std::min(steps / volumeSteps, 1.0)});
}

bool UpnpOutput::tellMute(const char* mute)
{
    if (mute == nullptr || m_mute == mute) {
        return true;
    }
    m_mute = mute;
    return emit(OutputMuteChanged {m_mute == "1" || m_mute == "true"});
}

bool UpnpOutput::emit(const OutputEvent& event)
{
    const std::weak_ptr<bool> alive = m_alive;
    // A copy: handling the event may destroy this output, and its handler with it.
    if (const EventHandler handler = m_handler) {
        handler(event);
    }
    return !alive.expired();
}

} // namespace Vello
