#pragma once

#include "playback/playbackstate.h"

#include <QWidget>

namespace Vello {

class PlaybackSession;
class VelloButton;
class VolumeControl;

// The transport row that the mini player, the Home card and the Player panel all carry:
// Previous, Play, Pause and Next, each driving `session`. The button of the current state is
// marked as chosen: Play while a stream plays or is on its way, Pause while paused.
class TransportControls final : public QWidget {
    Q_OBJECT

public:
    explicit TransportControls(PlaybackSession& session, QWidget* parent = nullptr);

    // Marks the button of `phase`, and none while nothing plays or playing failed.
    void showPhase(PlaybackPhase phase);

    [[nodiscard]] VelloButton* playButton() const { return m_play; }
    [[nodiscard]] VelloButton* pauseButton() const { return m_pause; }

private:
    VelloButton* m_play;
    VelloButton* m_pause;
};

// A volume control that shows `session`'s volume and changes it.
[[nodiscard]] VolumeControl* makeVolumeControl(PlaybackSession& session);

} // namespace Vello
