#pragma once

#include "ports/output.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

typedef struct _GUPnPServiceProxy GUPnPServiceProxy;
typedef struct _GUPnPServiceProxyAction GUPnPServiceProxyAction;
typedef struct _GUPnPLastChangeParser GUPnPLastChangeParser;
typedef struct _GValue GValue;

namespace Vello {

// A UPnP MediaRenderer as an output: its AVTransport and RenderingControl services, driven with
// GUPnP on the GLib main context that the GUI thread's event loop runs, and followed through
// their LastChange events. Each action is cancelled when `actionDeadline` passes unanswered.
// GUPnP drops an event that arrives before the answer to its subscription, and renderers send
// the first one at once, so the state is also asked for every `pollInterval`; a renderer that
// leaves `unansweredPolls` of them in a row unanswered has gone (it may never say goodbye).
class UpnpOutput final : public Output {
public:
    static constexpr std::chrono::milliseconds actionDeadline {8000};
    static constexpr std::chrono::milliseconds pollInterval {2000};
    static constexpr int unansweredPolls = 3;

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
    // The outcome, and on success the values of the outputs asked for, in order.
    using Answer = std::function<void(std::optional<OutputFailure>, const std::vector<std::string>&)>;

    // Sends `action` (adopted) and answers with its `outputs`, unless this output is gone by then.
    void call(
        GUPnPServiceProxy* proxy, GUPnPServiceProxyAction* action, std::vector<const char*> outputs, Answer answer);
    void call(GUPnPServiceProxy* proxy, GUPnPServiceProxyAction* action, Done done);
    void poll();
    static void lastChanged(GUPnPServiceProxy* proxy, const char* variable, GValue* value, void* self);
    void transportChanged(const char* lastChange);
    void renderingChanged(const char* lastChange);
    // Each tells what changed, once, from an event or an answer; false when handling it
    // destroyed this output.
    bool tellTransport(const char* state, const char* status);
    bool tellVolume(const char* volume);
    bool tellMute(const char* mute);
    bool emit(const OutputEvent& event);

    GUPnPServiceProxy* m_avTransport;
    GUPnPServiceProxy* m_renderingControl;
    GUPnPLastChangeParser* m_parser;
    unsigned m_pollSource = 0;
    bool m_polling = false;
    int m_pollsUnanswered = 0;
    // Calls on their way hold it weakly: once this output is gone they report nothing.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    EventHandler m_handler;
    // What was last told, to tell only changes.
    std::string m_state;
    std::string m_status;
    std::string m_volume;
    std::string m_mute;
    std::string m_title;
};

} // namespace Vello
