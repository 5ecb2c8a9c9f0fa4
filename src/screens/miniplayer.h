#pragma once

#include "panel.h"
#include "playerviews.h"

namespace Vello {

class BrowserController;
class ElidedLabel;
class LiveControl;
class PlaybackSession;
class RecordControl;
class TransportControls;
class VolumeControl;
struct NowPlaying;

// The bar floating over the content's bottom while a station is current: its name, song and
// state, the sleep timer's time left, the "Play on" picker, the volume, how far behind live it
// is with "Go Live", Record and the transport buttons. A click on the bar itself opens the Player.
class MiniPlayer final : public Panel {
    Q_OBJECT

public:
    // A click opens the Player through `browser`; the controls drive `session`.
    MiniPlayer(BrowserController& browser, PlaybackSession& session, QWidget* parent = nullptr);

    [[nodiscard]] const ElidedLabel* title() const { return m_title; }
    [[nodiscard]] VolumeControl* volume() const { return m_volume; }
    // "Sleep in 23 min" while the sleep timer runs; hidden otherwise.
    [[nodiscard]] const ElidedLabel* sleepTimer() const { return m_sleepTimer; }

    // The Record button and, while it records, for how long.
    [[nodiscard]] RecordControl* record() const { return m_record; }
    // "−2:13" and "Go Live" while behind live.
    [[nodiscard]] LiveControl* live() const { return m_live; }

    // Shows the station, its song and state and the volume; the bar shows itself when asked to.
    void showNowPlaying(const NowPlaying& nowPlaying);

private:
    ElidedLabel* m_title;
    ElidedLabel* m_sleepTimer;
    NowPlayingLines m_lines;
    VolumeControl* m_volume;
    LiveControl* m_live;
    RecordControl* m_record;
    TransportControls* m_transport;
};

} // namespace Vello
