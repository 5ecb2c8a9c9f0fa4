#include "manualwallclock.h"

#include "schedule/alarmsound.h"
#include "schedule/scheduledocument.h"
#include "schedule/scheduler.h"
#include "storage/listdocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;
using Act = std::function<void(const std::string&)>;

constexpr ListFormat format {ScheduleDocument::key, ScheduleDocument::version, ScheduleDocument::maxBytes};
constexpr auto weekdays = static_cast<std::uint8_t>(everyDay & ~(dayBit(Saturday) | dayBit(Sunday)));

// Runs each step, "what value", as `acts` says.
void play(const std::vector<std::string>& steps, const std::map<std::string, Act>& acts)
{
    for (const std::string& step : steps) {
        const std::size_t space = std::min(step.find(' '), step.size());
        acts.at(step.substr(0, space))(step.substr(std::min(space + 1, step.size())));
    }
}

// "90m", "7h", "20s".
seconds length(const std::string& text)
{
    return seconds {std::stoi(text) * (text.ends_with('h') ? 3600 : text.ends_with('m') ? 60 : 1)};
}

// Each case is one alarm "a" (or, with an end, one recording) on a manual clock that starts at
// `start` in `zone`, then the steps: "wait" runs the main queue's clock and the wall clock
// together, "jump" moves the wall clock alone (a sleep, the time set by hand) and tells of it,
// "add" puts a new one "b" in the place of "a", "off" turns "a" off. What happens reads
// "what <the clock now> (<when it fell due, or a recording's end>)".
TEST(SchedulerTest, FallsDueByTheLocalClockThroughSummerTimeZonesSleepAndSnooze)
{
    struct Case {
        const char* name;
        const char* zone;
        const char* start;
        Recurrence when;
        std::vector<std::string> steps;
        std::vector<std::string> happened;
        std::optional<minutes> recordingEnd = std::nullopt;
        // Last checked this long before the start: the player was not running.
        minutes unchecked {0};
    };
    const char* berlin = "Europe/Berlin";
    const char* newYork = "America/New_York";
    const Case cases[] = {
        {"weekdays skip the weekend", berlin, "2024-03-29 12:00", {7h, weekdays}, {"wait 96h"},
            {"ring 04-01 07:00", "ring 04-02 07:00"}},
        {"once rings on its date only", berlin, "2024-05-01 06:00", {7h, 0, local_days {2024y / May / 2}}, {"wait 72h"},
            {"ring 05-02 07:00"}},
        {"a time the spring change skips rings at the next minute shown", berlin, "2024-03-30 22:00",
            {2h + 30min, everyDay}, {"wait 48h"}, {"ring 03-31 03:00", "ring 04-01 02:30"}},
        {"the same in New York", newYork, "2024-03-09 22:00", {2h + 15min, everyDay}, {"wait 24h"},
            {"ring 03-10 03:00"}},
        {"a time the autumn change repeats rings the first time", berlin, "2024-10-26 22:00", {2h + 30min, everyDay},
            {"wait 5h"}, {"ring 10-27 02:30"}},
        {"it rings once, in New York too", newYork, "2024-11-02 22:00", {1h + 30min, everyDay}, {"wait 24h"},
            {"ring 11-03 01:30"}},
        {"a change of zone westward rings by the new zone's clock only", berlin, "2024-06-10 06:55", {7h, everyDay},
            {"wait 4m", "zone America/New_York", "wait 7h"}, {"ring 06-10 07:00"}},
        {"a change of zone eastward past the time misses it", newYork, "2024-06-10 06:00", {7h, everyDay},
            {"zone Europe/Berlin", "wait 24h"}, {"missed 06-10 12:00 (06-10 07:00)", "ring 06-11 07:00"}},
        {"missed by 5 minutes asleep rings at wake-up, by 30 does not", berlin, "2024-06-10 23:00", {7h, everyDay},
            {"jump 485m", "wait 23h", "jump 85m", "wait 24h"},
            {"ring 06-11 07:05 (06-11 07:00)", "missed 06-12 07:30 (06-12 07:00)", "ring 06-13 07:00"}},
        {"missed while the player was not running is told at the start", berlin, "2024-06-11 07:30", {7h, everyDay}, {},
            {"missed 06-11 07:30 (06-11 07:00)"}, std::nullopt, 10h},
        {"snooze rings again 10 minutes on, stop drops it", berlin, "2024-06-10 06:50", {7h, everyDay},
            {"wait 10m", "snooze", "wait 10m", "snooze", "wait 5m", "stop", "wait 1h"},
            {"ring 06-10 07:00", "ring 06-10 07:10"}},
        {"an alarm put in the place of a snoozed one counts from then, and the snooze goes", berlin, "2024-06-10 06:50",
            {7h, everyDay}, {"wait 10m", "snooze", "add", "wait 12h"}, {"ring 06-10 07:00"}},
        {"a recording starts and ends past midnight", berlin, "2024-06-10 23:00",
            {23h + 30min, 0, local_days {2024y / June / 10}}, {"wait 2h"},
            {"starts 06-10 23:30 (06-11 00:30)", "ends 06-11 00:30"}, 30min},
        {"a recording slept into records the rest, one slept through is missed", berlin, "2024-06-10 19:00",
            {20h, everyDay}, {"jump 90m", "wait 1h", "jump 24h"},
            {"starts 06-10 20:30 (06-10 21:00)", "ends 06-10 21:00", "recording missed 06-11 21:30 (06-11 20:00)"},
            21h},
        {"an alarm turned off does not ring", berlin, "2024-06-10 06:00", {7h, everyDay}, {"off", "wait 24h"}, {}},
        {"a recording taken out of the list ends at once, one put in its place counts from then", berlin,
            "2024-06-10 19:00", {20h, everyDay}, {"wait 90m", "add", "wait 1h"},
            {"starts 06-10 20:00 (06-10 21:00)", "ends 06-10 20:30"}, 21h},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualMainQueue queue;
        ManualWallClock clock(queue, c.zone, c.start);
        std::vector<std::string> happened;
        // The alarm or recording as the lists were last given to be kept: "a on".
        std::string kept;
        const auto keep = [&](const auto& list) { kept = list.at(0).id + (list.at(0).enabled ? " on" : " off"); };
        Scheduler scheduler(queue, clock,
            {[&](const ScheduleEvent& event) {
                 const char* kinds[] = {"ring", "missed", "starts", "ends", "recording missed"};
                 const std::string at = clock.shows(event.at);
                 happened.push_back(kinds[static_cast<int>(event.kind)] + (" " + clock.shows())
                     + (at == clock.shows() ? "" : " (" + at + ")"));
             },
                [&](const auto& alarms, const auto& recordings) { c.recordingEnd ? keep(recordings) : keep(alarms); }});
        const Alarm alarm {"a", c.when, "s", 50, 2min, true, floor<seconds>(clock.now()) - c.unchecked};
        const ScheduledRecording recording {"a", "s", c.when, c.recordingEnd.value_or(0min), true, alarm.checkedUntil};
        c.recordingEnd ? scheduler.restore({}, {recording}) : scheduler.restore({alarm}, {});
        const auto set = [&](const char* id, bool on) {
            c.recordingEnd ? scheduler.setRecordings({{id, "s", c.when, recording.end, on, {}}})
                           : scheduler.setAlarms({{id, c.when, "s", 50, 2min, on, {}}});
        };
        play(c.steps,
            {{"wait", [&](const std::string& value) { queue.advance(length(value)); }},
                {"jump", [&](const std::string& value) { clock.jump(length(value)); }},
                {"zone", [&](const std::string& value) { clock.setZone(value); }},
                {"snooze", [&](const std::string&) { scheduler.snooze("a"); }},
                {"stop", [&](const std::string&) { scheduler.stop("a"); }},
                {"add", [&](const std::string&) { set("b", true); }},
                {"off", [&](const std::string&) { set("a", false); }}});
        EXPECT_EQ(happened, c.happened);
        const auto has = [&c](const char* step) { return std::ranges::find(c.steps, step) != c.steps.end(); };
        EXPECT_EQ(kept, (has("add") ? "b" : "a") + std::string(c.when.days != 0 && !has("off") ? " on" : " off"))
            << "what is kept is what there is, and a once turns itself off";
    }
}

// An alarm rising to 80 % over 2 minutes. Steps: "wait", what the station does, "stop",
// "start", and "volume", which notes the volume set last. What is heard reads "<second> what".
TEST(AlarmSoundTest, TheStationRisesAndTheToneTakesOverWhenItGivesNoSound)
{
    struct Case {
        const char* name;
        std::vector<std::string> steps;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"a station heard rises from silence over the rise time; silent for 20 s it gives way to the tone",
            {"volume", "wait 5s", "sounds", "silent", "wait 19s", "sounds", "wait 36s", "volume", "wait 60s", "volume",
                "wait 60s", "volume", "silent", "silent", "wait 20s"},
            {"0 station s", "0 volume 0", "60 volume 40", "120 volume 80", "180 volume 80", "200 tone"}},
        {"no sound within 20 s: the tone, rising the same way",
            {"wait 19s", "volume", "wait 1s", "volume", "wait 60s", "volume"},
            {"0 station s", "19 volume 13", "20 tone", "20 volume 0", "80 volume 40"}},
        {"refused: the tone at once; stop silences it, ends the rise; it rings again as it did",
            {"failed", "wait 10s", "volume", "stop", "silent", "wait 30s", "volume", "start", "failed"},
            {"0 station s", "0 tone", "10 volume 7", "10 silence", "40 volume 7", "40 station s", "40 tone"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualMainQueue queue;
        std::vector<std::string> heard;
        double volume = -1;
        const auto note = [&](const std::string& what) {
            heard.push_back(std::to_string(queue.now().count() / 1000) + " " + what);
        };
        AlarmSound sound(queue,
            {[&](const std::string& id) { note("station " + id); }, [&] { note("tone"); },
                [&](double set) { volume = set; }, [&] { note("silence"); }});
        const Alarm alarm {"a", {}, "s", 80, 2min, true, {}};
        sound.start(alarm);
        play(c.steps,
            {{"wait", [&](const std::string& value) { queue.advance(length(value)); }},
                {"volume", [&](const std::string&) { note("volume " + std::to_string(std::lround(volume * 100))); }},
                {"sounds", [&](const std::string&) { sound.stationSounds(); }},
                {"silent", [&](const std::string&) { sound.stationSilent(); }},
                {"failed", [&](const std::string&) { sound.stationFailed(); }},
                {"start", [&](const std::string&) { sound.start(alarm); }},
                {"stop", [&](const std::string&) { sound.stop(); }}});
        EXPECT_EQ(heard, c.heard);
    }
}

// What the reader takes of a document, the others being left in it as they are.
std::vector<ScheduleDocument::Entry> readDocument(const std::string& bytes)
{
    std::vector<ScheduleDocument::Entry> taken;
    (void)ListDocument::read(bytes, format, [&taken](const ListEntry& entry) {
        const auto read = ScheduleDocument::read(entry);
        read ? taken.push_back(*read) : void();
        return read ? EntryTaken::Yes : EntryTaken::LeftOut;
    });
    return taken;
}

TEST(ScheduleDocumentTest, KeepsAlarmsAndRecordingsAndLeavesOutWhatItCannotUse)
{
    // At the ends of their ranges.
    const Alarm alarm {"a", {23h + 59min, everyDay}, "s", 100, 1h, false, sys_seconds {1'700'000'000s}};
    const ScheduledRecording recording {
        "r", "t", {0min, 0, local_days {2024y / June / 10}}, 23h + 59min, true, sys_seconds {1'700'000'001s}};
    ListDocument out {format};
    ScheduleDocument::write(alarm, out);
    ScheduleDocument::write(recording, out);
    const std::string written = out.finish();
    EXPECT_EQ(readDocument(written), (std::vector<ScheduleDocument::Entry> {alarm, recording}));
    for (const auto& [member, wrong] : std::initializer_list<std::pair<std::string, std::string>> {
             {"\"kind\": \"alarm\"", "\"kind\": \"timer\""}, {"\"id\": \"a\"", "\"id\": \"\""},
             {"\"station\": \"s\"", "\"station\": true"}, {"\"time\": 1439", "\"time\": 1440"},
             {"\"days\": 127", "\"days\": 128"}, {"\"volume\": 100", "\"volume\": 101"},
             {"\"rise\": 3600", "\"rise\": -1"}, {"\"enabled\": false", "\"enabled\": 0"},
             {"\"checked\": 1700000000", "\"checked\": \"soon\""}, {"\"end\": 1439", "\"end\": 1440"}}) {
        SCOPED_TRACE(wrong);
        std::string damaged = written;
        EXPECT_EQ(readDocument(damaged.replace(damaged.find(member), member.size(), wrong)).size(), 1U);
    }
}

} // namespace
} // namespace Vello
