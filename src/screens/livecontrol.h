#pragma once

#include "base/listeners.h"

#include <QTimer>
#include <QWidget>

namespace Vello {

class ElidedLabel;
class PlaybackSession;
class VelloButton;

// While what is heard is behind live (paused live, or moved back in what is kept): how far
// ("−2:13") and "Go Live". Hidden while live. It follows the session on its own.
class LiveControl final : public QWidget {
    Q_OBJECT

public:
    explicit LiveControl(PlaybackSession& session, QWidget* parent = nullptr);

    [[nodiscard]] ElidedLabel* behind() const { return m_behind; }
    [[nodiscard]] VelloButton* goLive() const { return m_goLive; }

private:
    void showTimeShift();
    void showBehind();

    PlaybackSession& m_session;
    ElidedLabel* m_behind;
    VelloButton* m_goLive;
    // While paused live the distance grows by itself; while replaying it holds, and a step
    // moves it.
    QTimer m_tick;
    Subscription m_followed;
};

} // namespace Vello
