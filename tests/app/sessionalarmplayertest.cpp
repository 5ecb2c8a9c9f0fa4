// The alarm's station through the listening session: at the alarm's volume, the person's left as
// it was, and what becomes of the station read off the session, whoever pauses it.

#include "app/sessionalarmplayer.h"

#include "windowharness.h"

#include "desktop/sessionmprisplayer.h"

namespace Vello {
namespace {

TEST(SessionAlarmPlayerTest, PlaysAtTheAlarmsVolumeAndTellsWhatBecomesOfTheStation)
{
    using Sound = AlarmPlayer::Sound;
    // What happens after the alarm's station is asked for, and what the alarm is told. The steps:
    // "sounds" (the station is heard), "tone" (the alarm takes up its tone), "pause", "pause over
    // MPRIS", "play another" and "play or pause".
    struct Case {
        const char* name;
        std::string station;
        std::vector<std::string> steps;
        std::vector<Sound> told;
        // The catalog comes only after the alarm asks for its station.
        bool stationsLate = false;
        // What the alarm does when told: the tone taken up at once stops the station.
        std::optional<Sound> toneOn = std::nullopt;
    };
    for (const Case& c :
        std::initializer_list<Case> {
            {"heard, then paused by the person", "s1", {"sounds", "pause"}, {Sound::Heard, Sound::Interrupted}},
            {"heard, then paused over MPRIS", "s1", {"sounds", "pause over MPRIS"}, {Sound::Heard, Sound::Interrupted}},
            {"paused over MPRIS while the tone rings", "s1", {"tone", "pause over MPRIS"}, {Sound::Interrupted}},
            {"another station played by the person", "s1", {"play another"}, {Sound::Interrupted}},
            {"a station played while the tone rings", "s1", {"tone", "play or pause"}, {Sound::Interrupted}},
            {"the tone taken up inside the notice of the station's sound", "s1", {"sounds"}, {Sound::Heard}, false,
                Sound::Heard},
            {"the stations still loading, then in", "s1", {}, {Sound::Silent}, true},
            {"a station not in the list", "none", {}, {Sound::Failed}},
        }) {
        SCOPED_TRACE(c.name);
        WindowHarness h;
        if (!c.stationsLate) {
            h.deliver(makeStations(3));
        }
        h.session.setVolume(0.8);
        h.session.setMuted(true);
        SessionAlarmPlayer player(h.session, h.browser);
        SessionMprisPlayer mpris(
            h.session, [] {}, [] {});
        std::vector<Sound> told;
        player.setSoundHandler([&](Sound sound) {
            told.push_back(sound);
            if (c.toneOn == sound) {
                player.stop();
            }
        });
        player.setVolume(0.0);
        player.playStation(c.station);
        h.settle();
        if (c.stationsLate) {
            EXPECT_TRUE(h.media.players.empty());
            h.deliver(makeStations(3));
        }
        if (c.station == "s1") {
            // Unmuted, rising from silence, the person's volume kept.
            ASSERT_EQ(h.media.players.back()->url, "http://stream.example/s1");
            EXPECT_EQ(h.media.players.back()->volume, 0.0);
            EXPECT_FALSE(h.media.players.back()->muted);
            player.setVolume(0.3);
            EXPECT_DOUBLE_EQ(h.media.players.back()->volume, 0.3);
            EXPECT_DOUBLE_EQ(h.session.volume(), 0.8);
        }
        for (const std::string& step : c.steps) {
            if (step == "sounds") {
                h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
            } else if (step == "tone") {
                player.stop();
            } else if (step == "pause") {
                h.session.pause();
            } else if (step == "pause over MPRIS") {
                mpris.pause();
            } else if (step == "play another") {
                h.session.play(h.browser.allStations()[2]);
            } else {
                ASSERT_EQ(step, "play or pause");
                h.session.playPause();
            }
            h.settle();
        }
        EXPECT_EQ(told, c.told);
        player.end();
        // The person's own volume is back on what plays.
        EXPECT_DOUBLE_EQ(h.media.players.empty() ? 0.8 : h.media.players.back()->volume, 0.8);
    }
}

} // namespace
} // namespace Vello
