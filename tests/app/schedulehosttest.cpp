// The schedule at work on a manual wall clock and main queue: alarms ring through a fake transport
// with the tone in its place, recordings run on players of their own, misses are said once.

#include "app/schedulehost.h"

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "manualwallclock.h"

#include "i18n/translation.h"
#include "playback/fakemediabackend.h"
#include "ports/tonesource.h"

#include <gtest/gtest.h>

#include <map>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// What the window's transport was told, in order: "play s1", "volume 0.25", "stop".
struct FakeAlarmPlayer final : AlarmPlayer {
    void playStation(const std::string& stationId) override { calls.push_back("play " + stationId); }
    void setVolume(double level) override { volume = level; }
    void stop() override { calls.emplace_back("stop"); }
    void end() override { calls.emplace_back("end"); }
    void setSoundHandler(SoundHandler handler) override { report = std::move(handler); }
    std::vector<std::string> calls;
    double volume = -1;
    SoundHandler report;
};

struct FakeTone final : ToneSource {
    std::unique_ptr<MediaPlayer> createTonePlayer() override { return backend.createPlayer("tone"); }
    FakeMediaBackend backend;
};

// A host over fakes, its clock in Berlin starting at `local`.
struct Rig {
    explicit Rig(const std::string& local, MemoryDocumentStore* shared = nullptr)
        : clock(queue, "Europe/Berlin", local)
        , store(shared != nullptr ? *shared : ownStore)
        , host({queue, clock, store, media, http, tone, player}, {"/music", "/cache"},
              {.station = [](std::string_view id) -> std::optional<Station> {
                   return id == "s1" ? std::optional(makeStation("s1", "Radio One")) : std::nullopt;
               },
                  .tell = [this](const Text& notice) { told.push_back(translated(notice).toStdString()); },
                  .ringingChanged = [] {},
                  .listsChanged = [] {}})
    {
    }

    ManualMainQueue queue;
    ManualWallClock clock;
    MemoryDocumentStore ownStore;
    MemoryDocumentStore& store;
    FakeMediaBackend media;
    FakeHttpClient http;
    FakeTone tone;
    FakeAlarmPlayer player;
    std::vector<std::string> told;
    ScheduleHost host;
};

// An alarm every day at `time` on s1, rising to 0.5 over a minute.
Alarm dailyAt(std::chrono::minutes time)
{
    return Alarm {"a", {time, everyDay}, "s1", 50, 60s, true, {}};
}

TEST(ScheduleHostTest, RingsRisingAndFallsBackOnTheTone)
{
    // What the station does once it rings, and what is heard a minute and a half later.
    struct Case {
        const char* name;
        std::optional<AlarmPlayer::Sound> station;
        bool tone;
        bool ringing;
    };
    for (const Case& c : std::initializer_list<Case> {
             {"station heard", AlarmPlayer::Sound::Heard, false, true},
             {"station silent", std::nullopt, true, true},
             {"station failed", AlarmPlayer::Sound::Failed, true, true},
             {"the person paused it", AlarmPlayer::Sound::Interrupted, false, false},
         }) {
        SCOPED_TRACE(c.name);
        Rig rig("2024-06-10 06:59");
        rig.host.start();
        rig.host.setAlarms({dailyAt(7h)});
        rig.queue.advance(60s);
        ASSERT_EQ(rig.player.calls, std::vector<std::string> {"play s1"});
        EXPECT_EQ(rig.player.volume, 0.0);
        if (c.station) {
            rig.player.report(*c.station);
        }
        rig.queue.advance(30s);
        EXPECT_EQ(rig.host.ringingAlarm().has_value(), c.ringing);
        const bool toned = !rig.tone.backend.players.empty() && !rig.tone.backend.players[0]->destroyed;
        EXPECT_EQ(toned, c.tone);
        rig.queue.advance(60s);
        // Risen to the alarm's volume, on whatever is heard; stopped, it rises no further.
        const double reached = c.tone ? rig.tone.backend.players[0]->volume : rig.player.volume;
        EXPECT_DOUBLE_EQ(reached, c.ringing ? 0.5 : 0.0);
    }
}

TEST(ScheduleHostTest, SnoozesAndStops)
{
    for (const bool snooze : {true, false}) {
        SCOPED_TRACE(snooze ? "snooze" : "stop");
        Rig rig("2024-06-10 06:59");
        rig.host.start();
        rig.host.setAlarms({dailyAt(7h)});
        rig.queue.advance(61s);
        rig.player.report(AlarmPlayer::Sound::Failed);
        ASSERT_TRUE(rig.host.ringingAlarm());
        snooze ? rig.host.snooze() : rig.host.stopRinging();
        EXPECT_FALSE(rig.host.ringingAlarm());
        EXPECT_TRUE(rig.tone.backend.players.at(0)->destroyed);
        EXPECT_EQ(rig.player.calls.back(), "end");
        rig.queue.advance(10min);
        EXPECT_EQ(rig.host.ringingAlarm().has_value(), snooze);
        EXPECT_EQ(rig.player.calls.back(), snooze ? "play s1" : "end");
    }
}

TEST(ScheduleHostTest, RecordsOnAPlayerOfItsOwnFromStartToEnd)
{
    Rig rig("2024-06-10 06:59");
    rig.host.start();
    rig.host.setRecordings({ScheduledRecording {"r", "s1", {7h, everyDay}, 7h + 30min, true, {}}});
    rig.queue.advance(61s);
    ASSERT_EQ(rig.media.players.size(), 1U);
    const auto& recorded = *rig.media.players[0];
    EXPECT_EQ(recorded.url, "http://stream.example/s1");
    EXPECT_TRUE(recorded.muted);
    EXPECT_TRUE(rig.host.isRecording("r"));
    EXPECT_EQ(recorded.calls, std::vector<std::string> {"play"});
    ASSERT_EQ(recorded.recorders.size(), 1U);
    const auto& recorder = *recorded.recorders[0];
    EXPECT_EQ(recorder.calls, std::vector<std::string> {"startRecording"});
    EXPECT_EQ(recorder.folder, "/music/Radio One");
    // The window's transport is never touched.
    EXPECT_TRUE(rig.player.calls.empty());
    rig.queue.advance(30min);
    EXPECT_FALSE(rig.host.isRecording("r"));
    EXPECT_TRUE(recorded.destroyed);
    EXPECT_EQ(recorder.calls.back(), "stopRecording");
    // A stream that fails stops the recording with a word.
    rig.queue.advance(24h - 30min);
    ASSERT_EQ(rig.media.players.size(), 2U);
    rig.media.players[1]->emit(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotFound, 404});
    rig.queue.runPending();
    EXPECT_FALSE(rig.host.isRecording("r"));
    ASSERT_EQ(rig.told.size(), 1U);
    EXPECT_NE(rig.told[0].find("The recording of Radio One stopped"), std::string::npos);
}

TEST(ScheduleHostTest, SaysAMissedAlarmOnceAndRingsOneJustMissed)
{
    // Kept at 06:00 by a run that ended then; the player starts again at 07:05 or at 07:30.
    for (const auto& [start, rings] : {std::pair {"2024-06-10 07:05", true}, std::pair {"2024-06-10 07:30", false}}) {
        SCOPED_TRACE(start);
        MemoryDocumentStore store;
        {
            Rig before("2024-06-10 06:00", &store);
            before.host.start();
            before.host.setAlarms({dailyAt(7h)});
        }
        for (int run = 0; run < 2; ++run) {
            Rig after(start, &store);
            after.host.start();
            after.queue.runPending();
            EXPECT_EQ(after.host.ringingAlarm().has_value(), rings && run == 0);
            const std::vector<std::string> missed {
                "The alarm at 07:00 was missed: the computer was asleep or Pemba Vello was not running."};
            EXPECT_EQ(after.told, rings || run > 0 ? std::vector<std::string> {} : missed);
        }
    }
}

TEST(ScheduleHostTest, SetsAsideADocumentItCannotRead)
{
    Rig rig("2024-06-10 06:59");
    rig.store.documents["schedule.json"] = "{\"version\": 1, \"schedule\": [{\"kind\": \"ala";
    rig.host.start();
    EXPECT_EQ(rig.store.documents.count("schedule.json set aside"), 1U);
    EXPECT_EQ(rig.told.size(), 1U);
}

} // namespace
} // namespace Vello
