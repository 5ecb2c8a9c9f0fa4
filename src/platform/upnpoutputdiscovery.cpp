#include "upnpoutputdiscovery.h"

#include "platform/upnpoutput.h"

#include <QAbstractEventDispatcher>

#include <libgupnp/gupnp.h>

#include <algorithm>
#include <utility>

namespace Vello {
namespace {

Error cannotLook(const std::string& why)
{
    return Error {Text(VELLO_TR("Core", "Speakers on the network cannot be found: %1"), {Text::verbatim(why)})};
}

} // namespace

UpnpOutputDiscovery::UpnpOutputDiscovery(std::string interfaceName)
    : m_interface(std::move(interfaceName))
{
}

UpnpOutputDiscovery::~UpnpOutputDiscovery()
{
    if (m_manager != nullptr) {
        g_signal_handlers_disconnect_by_data(m_manager, this);
        g_object_unref(m_manager);
    }
    for (GUPnPControlPoint* controlPoint : m_controlPoints) {
        g_signal_handlers_disconnect_by_data(controlPoint, this);
        g_object_unref(controlPoint);
    }
    for (const auto& [udn, devices] : m_devices) {
        std::ranges::for_each(devices, g_object_unref);
    }
}

std::optional<Error> UpnpOutputDiscovery::start(EventHandler handler)
{
    // GUPnP's sockets and timers are sources on the GLib main context; without a GLib event
    // loop on this thread nothing would ever run them.
    const QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher == nullptr || !dispatcher->inherits("QEventDispatcherGlib")) {
        return cannotLook("the event loop does not run GLib");
    }
    m_handler = std::move(handler);
    if (m_interface.empty()) {
        m_manager = gupnp_context_manager_create_full(GSSDP_UDA_VERSION_1_0, G_SOCKET_FAMILY_IPV4, 0);
        g_signal_connect(m_manager, "context-available", G_CALLBACK(&UpnpOutputDiscovery::contextAvailable), this);
        g_signal_connect(m_manager, "context-unavailable", G_CALLBACK(&UpnpOutputDiscovery::contextUnavailable), this);
        return std::nullopt;
    }
    GError* error = nullptr;
    GUPnPContext* context = gupnp_context_new_full(m_interface.c_str(), nullptr, 0, GSSDP_UDA_VERSION_1_0, &error);
    if (context == nullptr) {
        const std::string why = error != nullptr ? error->message : m_interface;
        g_clear_error(&error);
        return cannotLook(why);
    }
    watch(context);
    g_object_unref(context);
    return std::nullopt;
}

std::unique_ptr<Output> UpnpOutputDiscovery::open(const std::string& id)
{
    const auto found = m_devices.find(id);
    if (found == m_devices.end()) {
        return nullptr;
    }
    auto* device = GUPNP_DEVICE_INFO(found->second.front());
    GUPnPServiceInfo* transport = gupnp_device_info_get_service(device, "urn:schemas-upnp-org:service:AVTransport:1");
    if (transport == nullptr) {
        return nullptr;
    }
    GUPnPServiceInfo* rendering
        = gupnp_device_info_get_service(device, "urn:schemas-upnp-org:service:RenderingControl:1");
    return std::make_unique<UpnpOutput>(
        GUPNP_SERVICE_PROXY(transport), rendering != nullptr ? GUPNP_SERVICE_PROXY(rendering) : nullptr);
}

void UpnpOutputDiscovery::contextAvailable(GUPnPContextManager* manager, GUPnPContext* context, void* self)
{
    auto* discovery = static_cast<UpnpOutputDiscovery*>(self);
    discovery->watch(context);
    gupnp_context_manager_manage_control_point(manager, discovery->m_controlPoints.back());
}

void UpnpOutputDiscovery::contextUnavailable(GUPnPContextManager*, GUPnPContext* context, void* self)
{
    auto* discovery = static_cast<UpnpOutputDiscovery*>(self);
    discovery->forget(nullptr, context);
    std::erase_if(discovery->m_controlPoints, [&](GUPnPControlPoint* controlPoint) {
        if (gupnp_control_point_get_context(controlPoint) != context) {
            return false;
        }
        g_signal_handlers_disconnect_by_data(controlPoint, discovery);
        g_object_unref(controlPoint);
        return true;
    });
}

void UpnpOutputDiscovery::watch(GUPnPContext* context)
{
    GUPnPControlPoint* controlPoint = gupnp_control_point_new(context, rendererType);
    g_signal_connect(controlPoint, "device-proxy-available", G_CALLBACK(&UpnpOutputDiscovery::deviceAvailable), this);
    g_signal_connect(
        controlPoint, "device-proxy-unavailable", G_CALLBACK(&UpnpOutputDiscovery::deviceUnavailable), this);
    gssdp_resource_browser_set_active(GSSDP_RESOURCE_BROWSER(controlPoint), TRUE);
    m_controlPoints.push_back(controlPoint);
}

void UpnpOutputDiscovery::deviceAvailable(GUPnPControlPoint*, GUPnPDeviceProxy* device, void* self)
{
    auto* discovery = static_cast<UpnpOutputDiscovery*>(self);
    auto* info = GUPNP_DEVICE_INFO(device);
    const char* udn = gupnp_device_info_get_udn(info);
    if (udn == nullptr) {
        return;
    }
    std::vector<GUPnPDeviceProxy*>& seenAs = discovery->m_devices[udn];
    seenAs.push_back(GUPNP_DEVICE_PROXY(g_object_ref(device)));
    if (seenAs.size() > 1) {
        return;
    }
    char* name = gupnp_device_info_get_friendly_name(info);
    OutputInfo output {udn, name != nullptr ? name : ""};
    g_free(name);
    discovery->m_handler(OutputFound {std::move(output)});
}

void UpnpOutputDiscovery::deviceUnavailable(GUPnPControlPoint*, GUPnPDeviceProxy* device, void* self)
{
    static_cast<UpnpOutputDiscovery*>(self)->forget(device, nullptr);
}

void UpnpOutputDiscovery::forget(GUPnPDeviceProxy* device, GUPnPContext* context)
{
    std::vector<std::string> gone;
    for (auto& [udn, seenAs] : m_devices) {
        std::erase_if(seenAs, [&](GUPnPDeviceProxy* seen) {
            const bool forgotten = device != nullptr
                ? seen == device
                : gupnp_device_info_get_context(GUPNP_DEVICE_INFO(seen)) == context;
            if (forgotten) {
                g_object_unref(seen);
            }
            return forgotten;
        });
        if (seenAs.empty()) {
            gone.push_back(udn);
        }
    }
    for (const std::string& udn : gone) {
        m_devices.erase(udn);
        m_handler(OutputLost {udn});
    }
}

} // namespace Vello
