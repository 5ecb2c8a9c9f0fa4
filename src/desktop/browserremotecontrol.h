#pragma once

#include "remotecontrol.h"

#include <functional>
#include <vector>

namespace Vello {

class BrowserController;
class PlaybackSession;

// The command line's control over the listening session and the browser's catalog.
class BrowserRemoteControl final : public RemoteControl {
public:
    // Both must outlive this object.
    BrowserRemoteControl(BrowserController& browser, PlaybackSession& session);

    [[nodiscard]] RemoteStatus status() const override;
    void whenReady(std::function<void()> task) override;
    // A name or identifier plays as a click on its row does; an address as a station of its own
    // that is neither remembered nor counted.
    void play(const QString& named, std::function<void(const PlayAnswer&)> answered) override;
    // The list of the moment may read differently: runs the tasks waiting for the stations once
    // they are there.
    void listChanged();

private:
    BrowserController& m_browser;
    PlaybackSession& m_session;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace Vello
