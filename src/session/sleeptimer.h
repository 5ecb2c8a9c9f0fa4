#pragma once

#include "base/text.h"
#include "ports/mainqueue.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace Vello {

// What the person chose in the Sleep Timer menu: nothing, a number of minutes, or the end of
// the song on the air.
struct SleepChoice final {
    enum class Kind { Off, Minutes, EndOfSong };

    Kind kind = Kind::Off;
    // With Kind::Minutes: how long until the fade begins.
    int minutes = 0;

    [[nodiscard]] static SleepChoice off() { return {}; }
    [[nodiscard]] static SleepChoice after(int minutes) { return {Kind::Minutes, minutes}; }
    [[nodiscard]] static SleepChoice endOfSong() { return {Kind::EndOfSong, 0}; }

    friend bool operator==(const SleepChoice&, const SleepChoice&) = default;
};

// Counts down to sleep, then fades the volume out and pauses. It only decides when; what the
// fade and the pause do to the player is up to its owner, through the hooks. GUI thread only.
class SleepTimer final {
public:
    static constexpr std::chrono::milliseconds fadeLength {30'000};
    static constexpr std::chrono::milliseconds fadeStep {500};

    struct Hooks {
        // The share of the person's volume to play at: falls from 1 to 0 during the fade, and
        // is 1 again once the fade ends or is called off.
        std::function<void(double share)> setVolumeShare;
        // The fade has reached silence: pause playback.
        std::function<void()> pause;
        // The choice or the label changed.
        std::function<void()> changed;
    };

    SleepTimer(MainQueue& queue, Hooks hooks);
    ~SleepTimer();

    SleepTimer(const SleepTimer&) = delete;
    SleepTimer& operator=(const SleepTimer&) = delete;

    // Starts the timer afresh with `choice`, or stops it with Off; a fade under way stops and
    // the volume comes back at once. `songNow` is the title on the air as the choice is made.
    void choose(SleepChoice choice, const std::string& songNow);
    // The same as choosing Off.
    void cancel();
    // The title on the air, as the player reports it; empty when the station has not said. The
    // end-of-song choice starts the fade when a new title follows the one it started under.
    void followSong(const std::string& title);

    [[nodiscard]] SleepChoice choice() const { return m_choice; }
    [[nodiscard]] bool isFading() const { return m_fadeStepsDone >= 0; }
    // "Sleep in 23 min" (whole minutes left, rounded up), "Sleep after this song", "Fading out…"
    // during the fade, or empty while off.
    [[nodiscard]] Text label() const;

private:
    void schedule(std::chrono::milliseconds delay, void (SleepTimer::*step)());
    void minutePassed();
    void startFade();
    void fadeOneStep();
    // Back to Off, with nothing scheduled and the full volume share.
    void reset();

    MainQueue& m_queue;
    Hooks m_hooks;
    SleepChoice m_choice;
    // While counting down: whole minutes left; the label changes as each one passes.
    int m_minutesLeft = 0;
    // With the end-of-song choice: the title the current song goes by, once it is known.
    std::string m_song;
    // How many steps of the fade have run; negative while not fading.
    int m_fadeStepsDone = -1;
    std::shared_ptr<Cancellable> m_pending;
};

} // namespace Vello
