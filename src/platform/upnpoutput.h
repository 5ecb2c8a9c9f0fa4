#pragma once

#include "ports/output.h"

#include <chrono>
#include <memory>
#include <string>

typedef struct _GUPnPServiceProxy GUPnPServiceProxy;
typedef struct _GUPnPServiceProxyAction GUPnPServiceProxyAction;
typedef struct _GUPnPLastChangeParser GUPnPLastChangeParser;
typedef struct _GValue GValue;

namespace Vello {

// A UPnP MediaRenderer as an output: its AVTransport and RenderingControl services, driven with
// GUPnP on the GLib main context that the GUI thread's event loop runs, and followed through
// their LastChange events. Each action is cancelled when `actionDeadline` passes unanswered.
class UpnpOutput final : public Output {
public:
    static constexpr std::chrono::milliseconds actionDeadline {8000};

    // Adopts a reference on each service; `renderingControl` may be null, and then volume and
    // mute are refused.
    UpnpOutput(GUPnPServiceProxy* avTransport, GUPnPServiceProxy* renderingControl);
    ~UpnpOutput() override;

    UpnpOutput(const UpnpOutput&) = delete;
    UpnpOutput& operator=(const UpnpOutput&) = delete;

    void setEventHandler(EventHandler handler) override;
    void setStream(const OutputStream& stream, Done done) override;
    void play(Done done) override;
    void pause(Done done) override;
    void stop(Done done) override;
    void setVolume(double volume, Done done) override;
    void setMuted(bool muted, Done done) override;

private:
    struct Call;

    // Sends `action` (adopted) and runs `done` with its outcome, unless this output is gone.
    void call(GUPnPServiceProxy* proxy, GUPnPServiceProxyAction* action, Done done);
    static void lastChanged(GUPnPServiceProxy* proxy, const char* variable, GValue* value, void* self);
    static void subscriptionLost(GUPnPServiceProxy* proxy, void* error, void* self);
    void transportChanged(const char* lastChange);
    void renderingChanged(const char* lastChange);
    // Hands `event` on; false when handling it destroyed this output.
    bool emit(const OutputEvent& event);

    GUPnPServiceProxy* m_avTransport;
    GUPnPServiceProxy* m_renderingControl;
    GUPnPLastChangeParser* m_parser;
    // Calls on their way hold it weakly: once this output is gone they report nothing.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    EventHandler m_handler;
    std::string m_title;
};

} // namespace Vello
