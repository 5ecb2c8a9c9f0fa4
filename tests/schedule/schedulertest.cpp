#include "manualwallclock.h"

#include "schedule/scheduledocument.h"
#include "schedule/scheduler.h"
#include "schedule/storedfields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

constexpr auto weekdays = static_cast<std::uint8_t>(everyDay & ~(dayBit(Saturday) | dayBit(Sunday)));

// "90m", "-10m", "7h", "2d".
seconds length(const std::string& text)
{
    int count = 0;
    char unit = 'm';
    (void)std::sscanf(text.c_str(), "%d%c", &count, &unit);
    return seconds {count * (unit == 'd' ? 86'400 : unit == 'h' ? 3600 : 60)};
}

// Each case is one alarm "a" (or, with an end, one recording) on a manual clock that starts at
// `start` in `zone`, then the steps: "wait" runs the main queue's clock and the wall clock
// together, "jump" moves the wall clock alone (a sleep, the time set by hand) and tells of it,
// "look" notes what the clock shows, "add" puts a new one "b" in the place of "a", "off" turns
// "a" off.
// What happens reads "what <the clock now> (<when it fell due, or a recording's end>)".
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
        {"weekdays skip the weekend", berlin, "2024-03-29 12:00", {7h, weekdays}, {"wait 4d"},
            {"ring 04-01 07:00", "ring 04-02 07:00"}},
        {"once rings on its date only", berlin, "2024-05-01 06:00", {7h, 0, local_days {2024y / May / 2}}, {"wait 3d"},
            {"ring 05-02 07:00"}},
        {"a time the spring change skips rings at the next minute shown", berlin, "2024-03-30 22:00",
            {2h + 30min, everyDay}, {"wait 2d"}, {"ring 03-31 03:00", "ring 04-01 02:30"}},
        {"the same in New York", newYork, "2024-03-09 22:00", {2h + 15min, everyDay}, {"wait 1d"},
            {"ring 03-10 03:00"}},
        {"a time the autumn change repeats rings once, the first time", berlin, "2024-10-26 22:00",
            {2h + 30min, everyDay}, {"wait 5h", "look", "wait 25h"},
            {"ring 10-27 02:30", "at 10-27 02:00", "ring 10-28 02:30"}},
        {"the same in New York", newYork, "2024-11-02 22:00", {1h + 30min, everyDay}, {"wait 1d"},
            {"ring 11-03 01:30"}},
        {"a change of zone westward rings by the new zone's clock only", berlin, "2024-06-10 06:55", {7h, everyDay},
            {"wait 4m", "zone America/New_York", "wait 7h"}, {"ring 06-10 07:00"}},
        {"a change of zone eastward past the time misses it", newYork, "2024-06-10 06:00", {7h, everyDay},
            {"zone Europe/Berlin", "wait 1d"}, {"missed 06-10 12:00 (06-10 07:00)", "ring 06-11 07:00"}},
        {"missed by 5 minutes asleep rings at wake-up", berlin, "2024-06-10 23:00", {7h, everyDay}, {"jump 485m"},
            {"ring 06-11 07:05 (06-11 07:00)"}},
        {"missed by 30 minutes asleep does not ring", berlin, "2024-06-10 23:00", {7h, everyDay},
            {"jump 510m", "wait 1d"}, {"missed 06-11 07:30 (06-11 07:00)", "ring 06-12 07:00"}},
        {"missed while the player was not running is told at the start", berlin, "2024-06-11 07:30", {7h, everyDay}, {},
            {"missed 06-11 07:30 (06-11 07:00)"}, std::nullopt, 10h},
        {"snooze rings again 10 minutes on, stop drops it", berlin, "2024-06-10 06:50", {7h, everyDay},
            {"wait 10m", "snooze", "wait 10m", "snooze", "wait 5m", "stop", "wait 1h"},
            {"ring 06-10 07:00", "ring 06-10 07:10"}},
        {"the clock set back before the time rings it again", berlin, "2024-06-10 06:50", {7h, everyDay},
            {"wait 15m", "jump -10m", "wait 10m"}, {"ring 06-10 07:00", "ring 06-10 07:00"}},
        {"an alarm put in the place of a snoozed one counts from then, and the snooze goes", berlin, "2024-06-10 06:50",
            {7h, everyDay}, {"wait 10m", "snooze", "add", "wait 12h"}, {"ring 06-10 07:00"}},
        {"a recording starts and ends past midnight", berlin, "2024-06-10 23:00",
            {23h + 30min, 0, local_days {2024y / June / 10}}, {"wait 2h"},
            {"starts 06-10 23:30 (06-11 00:30)", "ends 06-11 00:30"}, 30min},
        {"a recording slept into records the rest, one slept through is missed", berlin, "2024-06-10 19:00",
            {20h, everyDay}, {"jump 90m", "wait 1h", "jump 1d"},
            {"starts 06-10 20:30 (06-10 21:00)", "ends 06-10 21:00", "recording missed 06-11 21:30 (06-11 20:00)"},
            21h},
        {"an alarm turned off does not ring", berlin, "2024-06-10 06:00", {7h, everyDay}, {"off", "wait 1d"}, {}},
        {"a recording turned off does not start", berlin, "2024-06-10 19:00", {20h, everyDay}, {"off", "wait 1d"}, {},
            21h},
        {"a recording taken out of the list ends at once, one put in its place counts from then", berlin,
            "2024-06-10 19:00", {20h, everyDay}, {"wait 90m", "add", "wait 1h"},
            {"starts 06-10 20:00 (06-10 21:00)", "ends 06-10 20:30"}, 21h},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualMainQueue queue;
        ManualWallClock clock(queue, c.zone, c.start);
        std::vector<std::string> happened;
        // Which alarm or recording there was as the lists were last given to be kept, and whether on.
        std::string kept;
        const Scheduler* self = nullptr;
        Scheduler scheduler(queue, clock,
            {.happened =
                    [&](const ScheduleEvent& event) {
                        const char* kinds[] = {"ring", "missed", "starts", "ends", "recording missed"};
                        const std::string at = clock.shows(event.at);
                        happened.push_back(kinds[static_cast<int>(event.kind)] + (" " + clock.shows())
                            + (at == clock.shows() ? "" : " (" + at + ")"));
                    },
                .changed =
                    [&] {
                        const auto keep
                            = [&](const auto& list) { kept = list.at(0).id + (list.at(0).enabled ? " on" : " off"); };
                        c.recordingEnd ? keep(self->recordings()) : keep(self->alarms());
                    }});
        self = &scheduler;
        const sys_seconds checked = floor<seconds>(clock.now()) - c.unchecked;
        const Alarm alarm {"a", c.when, "s", 50, 2min, true, checked};
        if (c.recordingEnd) {
            scheduler.restore({}, {{"a", "s", c.when, *c.recordingEnd, true, checked}});
        } else {
            scheduler.restore({alarm}, {});
        }
        for (const std::string& step : c.steps) {
            const std::string what = step.substr(0, step.find(' '));
            const std::string value = step.substr(std::min(step.size(), what.size() + 1));
            if (what == "wait") {
                queue.advance(length(value));
            } else if (what == "jump") {
                clock.jump(length(value));
            } else if (what == "zone") {
                clock.setZone(value);
            } else if (what == "look") {
                happened.push_back("at " + clock.shows());
            } else if (what == "snooze") {
                scheduler.snooze("a");
            } else if (what == "stop") {
                scheduler.stop("a");
            } else if (const bool add = what == "add"; c.recordingEnd) {
                scheduler.setRecordings({{add ? "b" : "a", "s", c.when, *c.recordingEnd, add, {}}});
            } else {
                scheduler.setAlarms({Alarm {add ? "b" : "a", c.when, "s", 50, 2min, add, {}}});
            }
        }
        EXPECT_EQ(happened, c.happened);
        const auto has = [&c](const char* step) { return std::ranges::find(c.steps, step) != c.steps.end(); };
        EXPECT_EQ(kept, (has("add") ? "b" : "a") + std::string(c.when.days != 0 && !has("off") ? " on" : " off"))
            << "what is kept is what there is, and a once turns itself off";
    }
}

// One entry of a list document as a map of its members, written and read.
class MapEntry final : public StoredFields, public FieldWriter {
public:
    using Value = std::variant<std::string, std::int64_t, bool>;

    [[nodiscard]] std::optional<std::string_view> text(std::string_view key) const override
    {
        return get<std::string, std::string_view>(key);
    }
    [[nodiscard]] std::optional<std::int64_t> integer(std::string_view key) const override
    {
        return get<std::int64_t>(key);
    }
    [[nodiscard]] std::optional<bool> flag(std::string_view key) const override { return get<bool>(key); }
    void beginEntry() override { members.clear(); }
    void addText(std::string_view key, std::string_view value) override
    {
        members[std::string(key)] = std::string(value);
    }
    void addInteger(std::string_view key, std::int64_t value) override { members[std::string(key)] = value; }
    void addFlag(std::string_view key, bool value) override { members[std::string(key)] = value; }

    std::map<std::string, Value, std::less<>> members;

private:
    template <typename T, typename Read = T> [[nodiscard]] std::optional<Read> get(std::string_view key) const
    {
        const auto found = members.find(key);
        const T* value = found == members.end() ? nullptr : std::get_if<T>(&found->second);
        return value != nullptr ? std::optional<Read>(*value) : std::nullopt;
    }
};

TEST(ScheduleDocumentTest, KeepsAlarmsAndRecordingsAndLeavesOutWhatItCannotUse)
{
    const Alarm alarm {"a", {6h + 45min, weekdays}, "s", 70, 90s, false, sys_seconds {1'700'000'000s}};
    const ScheduledRecording recording {
        "r", "s", {20h, 0, local_days {2024y / June / 10}}, 21h, true, sys_seconds {1'700'000'000s}};
    MapEntry written;
    ScheduleDocument::write(alarm, written);
    EXPECT_EQ(ScheduleDocument::read(written), ScheduleDocument::Entry(alarm));
    MapEntry recorded;
    ScheduleDocument::write(recording, recorded);
    EXPECT_EQ(ScheduleDocument::read(recorded), ScheduleDocument::Entry(recording));
    struct Case {
        const char* key;
        MapEntry::Value value;
    };
    for (const auto& [key, value] : {Case {"kind", std::string("timer")}, Case {"id", std::string()},
             Case {"station", false}, Case {"time", std::int64_t {1440}}, Case {"days", std::int64_t {128}},
             Case {"volume", std::int64_t {101}}, Case {"rise", std::int64_t {-1}}, Case {"enabled", std::int64_t {1}},
             Case {"checked", std::string("soon")}}) {
        SCOPED_TRACE(key);
        MapEntry damaged = written;
        damaged.members[key] = value;
        EXPECT_EQ(ScheduleDocument::read(damaged), std::nullopt);
    }
    recorded.members["end"] = std::int64_t {24 * 60};
    EXPECT_EQ(ScheduleDocument::read(recorded), std::nullopt);
}

} // namespace
} // namespace Vello
