#pragma once

#include "base/listeners.h"

#include <QList>

class QAction;
class QWidget;

namespace Vello {

class PlaybackSession;

// Play/Pause, Next, Previous, a random station, the volume keys, Back and Forward 15 s within what
// is kept, Go Live and Record, with their shortcuts, on
// the window they are installed in; the Playback menu and the tray's menu show the same actions.
class PlaybackActions final {
public:
    // Adds the actions to `window`, which owns them; `session` must outlive it.
    PlaybackActions(PlaybackSession& session, QWidget& window);

    // Play/Pause first, Record last.
    [[nodiscard]] const QList<QAction*>& actions() const { return m_actions; }

private:
    QList<QAction*> m_actions;
    Subscription m_followed;
};

} // namespace Vello
