#include "sessionharness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

namespace Vello {
namespace {

using namespace std::chrono_literals;

constexpr double setting = 0.8;

// A station playing at the person's volume of 0.8.
struct Sleeper : SessionHarness {
    Sleeper()
    {
        session->setVolume(setting);
        session->play(list[0]);
        playing();
    }
    // The current stream reports that it plays.
    void playing()
    {
        media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
        queue.runPending();
    }
    void song(const std::string& title)
    {
        media.players.back()->emit(MediaTags {title, ""});
        queue.runPending();
    }
    // The stream drops and the player opens it again.
    void reconnect()
    {
        media.players.back()->emit(MediaEndOfStream {});
        queue.advance(1s);
        playing();
    }
    // What the back end plays at.
    [[nodiscard]] double heard() const { return media.players.back()->volume; }
    [[nodiscard]] PlaybackPhase phase() const { return session->playbackState().phase; }
    [[nodiscard]] std::string label() const { return now().sleepLabel.english(); }
};

// The mini player counts down in whole minutes rounded up; then the volume the back end plays
// at falls to silence over 30 s while the person's own volume stays, then the stream pauses and
// the back end gets that volume back, so the next Play is not silent.
TEST(SleepTimerTest, CountsDownThenFadesToSilenceAndPauses)
{
    Sleeper h;
    h.session->setSleepTimer(SleepChoice::after(15));
    h.queue.advance(59'999ms);
    EXPECT_EQ(h.label(), "Sleep in 15 min");
    h.queue.advance(840'000ms);
    EXPECT_EQ(h.label(), "Sleep in 1 min");
    EXPECT_EQ(h.heard(), setting) << "the fade starts only when the time is up";
    h.queue.advance(1ms);
    EXPECT_EQ(h.label(), "Fading out…");
    h.queue.advance(SleepTimer::fadeLength - SleepTimer::fadeStep);
    EXPECT_EQ(h.phase(), PlaybackPhase::Playing);
    EXPECT_NEAR(h.heard(), setting / 60, 1e-9) << "the last step before silence";
    EXPECT_EQ(h.now().volume, setting) << "the person's volume shows where it was set";

    h.queue.advance(SleepTimer::fadeStep);
    EXPECT_EQ(h.phase(), PlaybackPhase::Paused);
    EXPECT_EQ(h.heard(), setting);
    EXPECT_EQ(h.now().sleepTimer, SleepChoice::off());
}

TEST(SleepTimerTest, APauseByHandCancelsAReconnectDoesNot)
{
    struct Case {
        const char* name;
        // Time from choosing 30 minutes to the interruption; 30 min + 10 s is mid-fade.
        std::chrono::milliseconds at;
        std::function<void(Sleeper&)> interrupt;
        bool cancels;
        double heardAfter;
    };
    const Case cases[] = {
        {"a pause by hand mid-fade gives the volume back", 30min + 10s, [](Sleeper& h) { h.session->pause(); }, true,
            setting},
        {"a reconnect mid-fade keeps fading", 30min + 10s, [](Sleeper& h) { h.reconnect(); }, false, setting * 38 / 60},
        {"another station", 10min, [](Sleeper& h) { h.session->playNext(); }, false, setting},
    };
    for (const auto& [name, at, interrupt, cancels, heardAfter] : cases) {
        SCOPED_TRACE(name);
        Sleeper h;
        h.session->setSleepTimer(SleepChoice::after(30));
        h.queue.advance(at);
        interrupt(h);
        h.queue.runPending();
        EXPECT_NEAR(h.heard(), heardAfter, 1e-9);
        EXPECT_EQ(h.session->sleepTimer(), cancels ? SleepChoice::off() : SleepChoice::after(30));

        // Playing on: a cancelled timer never pauses; one still set pauses by 31 minutes in.
        if (h.phase() == PlaybackPhase::Paused) {
            h.session->playSelected();
        }
        h.playing();
        h.queue.advance(31min - at);
        EXPECT_EQ(h.phase(), cancels ? PlaybackPhase::Playing : PlaybackPhase::Paused);
    }
}

TEST(SleepTimerTest, TheEndOfTheSongIsTheNextTitle)
{
    struct Case {
        const char* name;
        // The title on the air when the choice is made; empty when the station has not said.
        std::string before;
        std::function<void(Sleeper&)> then;
        bool fades;
    };
    const Case cases[] = {
        {"a new title", "A", [](Sleeper& h) { h.song("B"); }, true},
        {"the same title again", "A", [](Sleeper& h) { h.song("A"); }, false},
        {"a reconnect", "A", [](Sleeper& h) { h.reconnect(); }, false},
        {"the first title names the song on", "", [](Sleeper& h) { h.song("A"); }, false},
        {"the song after the first title", "",
            [](Sleeper& h) {
                h.song("A");
                h.song("B");
            },
            true},
    };
    for (const auto& [name, before, then, fades] : cases) {
        SCOPED_TRACE(name);
        Sleeper h;
        if (!before.empty()) {
            h.song(before);
        }
        h.session->setSleepTimer(SleepChoice::endOfSong());
        then(h);
        EXPECT_EQ(h.label(), fades ? "Fading out…" : "Sleep after this song");
        h.queue.advance(SleepTimer::fadeLength);
        EXPECT_EQ(h.phase(), fades ? PlaybackPhase::Paused : PlaybackPhase::Playing);
    }
}

} // namespace
} // namespace Vello
