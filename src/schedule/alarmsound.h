#pragma once

#include "alarm.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace Vello {

class Cancellable;
class MainQueue;

// How an alarm is heard: its station, rising from silence to the alarm's volume over its rise
// time. Should the station give no sound within stationWait (unreachable, refused, silent), the
// built-in tone plays in its place, rising the same way: an alarm is never silent. It only
// decides; what plays is up to its owner, through the hooks. GUI thread only.
class AlarmSound final {
public:
    static constexpr std::chrono::seconds stationWait {20};
    static constexpr std::chrono::milliseconds riseStep {250};

    struct Hooks {
        // Plays the station, not yet heard: the volume follows.
        std::function<void(const std::string& stationId)> playStation;
        // Lets the station go and plays the built-in tone, not yet heard: the volume follows.
        std::function<void()> playTone;
        // The volume to play the station or the tone at, on the mixer's scale from 0 to 1.
        std::function<void(double volume)> setVolume;
        // Stops the station or the tone.
        std::function<void()> silence;
    };

    AlarmSound(MainQueue& queue, Hooks hooks);
    ~AlarmSound();

    AlarmSound(const AlarmSound&) = delete;
    AlarmSound& operator=(const AlarmSound&) = delete;

    // Rings `alarm`, in place of any ringing now.
    void start(const Alarm& alarm);
    // The station is heard.
    void stationSounds();
    // The station gives no sound (it opens, buffers or reconnects): unless it is heard within
    // stationWait, the tone plays.
    void stationSilent();
    // The station cannot be played (refused, unreachable, given up): the tone plays at once.
    void stationFailed();
    // Silences the alarm, as Stop and Snooze do.
    void stop();

    [[nodiscard]] bool isRinging() const { return m_ringing; }
    [[nodiscard]] bool isOnTone() const { return m_onTone; }

private:
    // Silence, then one step up every riseStep to the volume at the end of the rise time.
    void startRising();
    void riseOneStep();
    void playTone();
    static void cancel(std::shared_ptr<Cancellable>& pending);

    MainQueue& m_queue;
    Hooks m_hooks;
    double m_volume = 0;
    int m_riseSteps = 0;
    int m_stepsDone = 0;
    bool m_ringing = false;
    bool m_onTone = false;
    std::shared_ptr<Cancellable> m_rising;
    std::shared_ptr<Cancellable> m_waitingForStation;
};

} // namespace Vello
