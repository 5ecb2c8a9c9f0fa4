// The alarm's station through the window's own transport: at the alarm's volume, the person's left
// as it was, and what becomes of the station read off the window.

#include "app/browseralarmplayer.h"

#include "windowharness.h"

#include "browser/browsercontroller.h"

namespace Vello {
namespace {

TEST(BrowserAlarmPlayerTest, PlaysAtTheAlarmsVolumeAndTellsWhatBecomesOfTheStation)
{
    using Sound = AlarmPlayer::Sound;
    // What happens after the alarm's station is asked for, and what the alarm is told.
    struct Case {
        const char* name;
        std::string station;
        std::function<void(WindowHarness&, AlarmPlayer&)> then;
        std::vector<Sound> told;
    };
    const auto sounds = [](WindowHarness& h) {
        h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
        h.settle();
    };
    for (const Case& c : std::initializer_list<Case> {
             {"heard, then paused by the person", "s1",
                 [&](WindowHarness&h, AlarmPlayer&) {
                     sounds(h);
                     h.window->browser().pause();
                     h.settle();
                 },
                 {Sound::Heard, Sound::Interrupted}},
             {"another station played by the person", "s1",
                 [](WindowHarness&h, AlarmPlayer&) {
                     h.window->browser().play(h.window->browser().allStations()[2]);
                     h.settle();
                 },
                 {Sound::Interrupted}},
             {"a station played while the tone rings", "s1",
                 [&](WindowHarness&h, AlarmPlayer&player) {
                     player.stop();
                     h.settle();
                     h.window->browser().playPause();
                     h.settle();
                 },
                 {Sound::Interrupted}},
             {"a station not in the list", "none", [](WindowHarness&, AlarmPlayer&) {}, {Sound::Failed}},
         }) {
        SCOPED_TRACE(c.name);
        WindowHarness h;
        h.deliver(makeStations(3));
        h.window->browser().setVolume(0.8);
        h.window->browser().setMuted(true);
        BrowserAlarmPlayer player(h.window->browser(), *h.window);
        std::vector<Sound> told;
        player.setSoundHandler([&told](Sound sound) { told.push_back(sound); });
        player.setVolume(0.0);
        player.playStation(c.station);
        h.settle();
        if (c.station == "s1") {
            // Unmuted, rising from silence, the person's volume kept.
            ASSERT_EQ(h.media.players.back()->url, "http://stream.example/s1");
            EXPECT_EQ(h.media.players.back()->volume, 0.0);
            EXPECT_FALSE(h.media.players.back()->muted);
            player.setVolume(0.3);
            EXPECT_DOUBLE_EQ(h.media.players.back()->volume, 0.3);
            EXPECT_DOUBLE_EQ(h.window->browser().volume(), 0.8);
        }
        c.then(h, player);
        EXPECT_EQ(told, c.told);
        player.end();
        // The person's own volume is back on what plays.
        EXPECT_DOUBLE_EQ(h.media.players.empty() ? 0.8 : h.media.players.back()->volume, 0.8);
    }
}

} // namespace
} // namespace Vello
