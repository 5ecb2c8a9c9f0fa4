#pragma once

#include "remotecontrol.h"

#include <functional>
#include <vector>

namespace Vello {

class BrowserController;

// The command line's control over the window's own transport and catalog.
class BrowserRemoteControl final : public RemoteControl {
public:
    // `browser` must outlive this object.
    explicit BrowserRemoteControl(BrowserController& browser);

    [[nodiscard]] RemoteStatus status() const override;
    void whenReady(std::function<void()> task) override;
    // A name or identifier plays as a click on its row does; an address as a station of its own
    // that is neither remembered nor counted.
    void play(const QString& named, std::function<void(const PlayAnswer&)> answered) override;
    // The window shows a new list: runs the tasks waiting for the stations once they are there.
    void listChanged();

private:
    BrowserController& m_browser;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace Vello
