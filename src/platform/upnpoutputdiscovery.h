#pragma once

#include "ports/output.h"

#include <map>
#include <string>
#include <vector>

typedef struct _GUPnPContext GUPnPContext;
typedef struct _GUPnPContextManager GUPnPContextManager;
typedef struct _GUPnPControlPoint GUPnPControlPoint;
typedef struct _GUPnPDeviceProxy GUPnPDeviceProxy;

namespace Vello {

// Finds UPnP MediaRenderers over SSDP with GUPnP control points, one for each IPv4 network this
// computer is on (GUPnPContextManager follows them as they come and go), or one on a given
// interface. A renderer seen on several networks is one output, gone once it is gone from all.
// GUPnP runs on the GLib main context, which the GUI thread's event loop runs where Qt is built
// with GLib (Linux); elsewhere start() says that it cannot look. GUI thread only.
class UpnpOutputDiscovery final : public OutputDiscovery {
public:
    static constexpr const char* rendererType = "urn:schemas-upnp-org:device:MediaRenderer:1";

    // Looks on every network, or only on `interfaceName` when one is given.
    explicit UpnpOutputDiscovery(std::string interfaceName = {});
    ~UpnpOutputDiscovery() override;

    UpnpOutputDiscovery(const UpnpOutputDiscovery&) = delete;
    UpnpOutputDiscovery& operator=(const UpnpOutputDiscovery&) = delete;

    [[nodiscard]] std::optional<Error> start(EventHandler handler) override;
    [[nodiscard]] std::unique_ptr<Output> open(const std::string& id) override;

private:
    static void contextAvailable(GUPnPContextManager* manager, GUPnPContext* context, void* self);
    static void contextUnavailable(GUPnPContextManager* manager, GUPnPContext* context, void* self);
    static void deviceAvailable(GUPnPControlPoint* controlPoint, GUPnPDeviceProxy* device, void* self);
    static void deviceUnavailable(GUPnPControlPoint* controlPoint, GUPnPDeviceProxy* device, void* self);
    // Looks for renderers on `context`; the control point is kept here and, with a manager, there.
    void watch(GUPnPContext* context);
    // Forgets `device` (or, with no device, every one seen on `context`); reports the outputs
    // left with no way to reach them.
    void forget(GUPnPDeviceProxy* device, GUPnPContext* context);

    std::string m_interface;
    EventHandler m_handler;
    GUPnPContextManager* m_manager = nullptr;
    std::vector<GUPnPControlPoint*> m_controlPoints;
    // Each renderer by its UDN, with the device proxies it was found as (one per network).
    std::map<std::string, std::vector<GUPnPDeviceProxy*>> m_devices;
};

} // namespace Vello
