#pragma once

#include "playback/playbackstate.h"
#include "playback/streamfailure.h"
#include "ports/mediabackend.h"

#include <array>
#include <chrono>
#include <functional>
#include <memory>

namespace Vello {

class Cancellable;
class MainQueue;

// Decides what the person is told about the current stream and when to open it again. It
// holds no player: it hears what the person asked for and what the player reported, and asks
// its owner to reopen the stream when a retry falls due. Times come from the main queue, so a
// manual clock drives it in tests. GUI thread only.
class PlaybackMachine final {
public:
    // Waits between tries after a stream drops or fails; the last repeats for ever.
    static constexpr std::array<int, 6> retrySeconds {1, 2, 4, 8, 15, 30};
    // A stream that has not played since the person asked for it is tried this many times more
    // before the failure stands: a dead station should say so, not count down for ever.
    static constexpr std::size_t retriesBeforeFirstSound = 3;

    // `reopen` opens the stream afresh (the machine is already Connecting when it runs);
    // `onChange` runs after every change of state that no call of the owner caused.
    PlaybackMachine(MainQueue& queue, std::function<void()> reopen, std::function<void()> onChange);
    ~PlaybackMachine();

    PlaybackMachine(const PlaybackMachine&) = delete;
    PlaybackMachine& operator=(const PlaybackMachine&) = delete;

    // The person asked for a station (again): a fresh start, with a fresh retry schedule.
    void start();
    void pause();

    void handle(const MediaEvent& event);
    // The stream failed before the player could be asked (a playlist that lists nothing).
    void fail(const StreamFailure& failure);

    [[nodiscard]] const PlaybackState& state() const;

private:
    void setState(PlaybackState state);
    void scheduleRetry(const Text& reason);
    void tick();
    void cancelRetry();

    MainQueue& m_queue;
    std::function<void()> m_reopen;
    std::function<void()> m_onChange;
    PlaybackState m_state;
    std::shared_ptr<Cancellable> m_retryTimer;
    std::size_t m_retryStep = 0;
    bool m_wantsToPlay = false;
    bool m_pipelinePlaying = false;
    bool m_buffering = false;
    // The current stream has played since the person asked for it.
    bool m_hasPlayed = false;
    // The current attempt failed or ended: later reports about it change nothing.
    bool m_attemptOver = false;
};

} // namespace Vello
