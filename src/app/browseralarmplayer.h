#pragma once

#include "alarmplayer.h"

#include <QObject>

#include <string>

namespace Vello {

class BrowserController;
class MainView;
struct NowPlaying;

// The alarm's station played through the window's own transport, at the alarm's volume, with
// what becomes of it read off the now-playing state the window shows.
class BrowserAlarmPlayer final : public QObject, public AlarmPlayer {
    Q_OBJECT

public:
    BrowserAlarmPlayer(BrowserController& browser, MainView& view);

    void playStation(const std::string& stationId) override;
    void setVolume(double volume) override;
    void stop() override;
    void end() override;
    void setSoundHandler(SoundHandler handler) override { m_handler = std::move(handler); }

private:
    // Plays the station waited for once the stations are in; false while it is not among them.
    bool playWaited();
    void follow(const NowPlaying& nowPlaying);
    // The person paused or played something else.
    void interrupted();
    void report(Sound sound) const;

    BrowserController& m_browser;
    SoundHandler m_handler;
    // The station to play once the catalog has it.
    std::string m_waitingFor;
    // The station played for the alarm, while it rings on it.
    std::string m_playing;
    bool m_heard = false;
    // From playStation() to end(), on the station or the tone.
    bool m_ringing = false;
    // Set while this changes what plays: the state it reports is not the person's doing.
    bool m_acting = false;
};

} // namespace Vello
