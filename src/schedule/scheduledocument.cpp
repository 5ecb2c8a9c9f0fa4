#include "scheduledocument.h"

#include "storage/listdocument.h"

namespace Vello::ScheduleDocument {

using namespace std::chrono;

namespace {

constexpr std::int64_t minutesInDay = 24 * 60;
// Far beyond any date or instant the player meets, and far from overflowing the clocks' counts.
constexpr std::int64_t farDays = 1'000'000;
constexpr std::int64_t longestRise = 3600;

std::optional<std::int64_t> within(
    const ListEntry& entry, std::string_view key, std::int64_t lowest, std::int64_t highest)
{
    const auto value = entry.integer(key);
    return value && *value >= lowest && *value <= highest ? value : std::nullopt;
}

// What alarms and recordings have in common, or nothing when part of it is missing or wrong.
struct Common {
    std::string id;
    std::string stationId;
    Recurrence when;
    bool enabled = false;
    sys_seconds checkedUntil;
};

std::optional<Common> readCommon(const ListEntry& entry)
{
    const auto id = entry.text("id");
    const auto station = entry.text("station");
    const auto time = within(entry, "time", 0, minutesInDay - 1);
    const auto days = within(entry, "days", 0, everyDay);
    const auto date = within(entry, "date", -farDays, farDays);
    const auto enabled = entry.flag("enabled");
    const auto checked = within(entry, "checked", -farDays * 86'400, farDays * 86'400);
    if (!id || id->empty() || !station || station->empty() || !time || !days || !date || !enabled || !checked) {
        return std::nullopt;
    }
    return Common {std::string(*id), std::string(*station),
        Recurrence {minutes {*time}, static_cast<std::uint8_t>(*days), local_days {std::chrono::days {*date}}},
        *enabled, sys_seconds {seconds {*checked}}};
}

void writeCommon(std::string_view kind, const std::string& id, const std::string& stationId, const Recurrence& when,
    bool enabled, sys_seconds checkedUntil, ListDocument& out)
{
    out.beginEntry();
    out.addText("kind", kind);
    out.addText("id", id);
    out.addText("station", stationId);
    out.addInteger("time", when.time.count());
    out.addInteger("days", when.days);
    out.addInteger("date", when.date.time_since_epoch().count());
    out.addFlag("enabled", enabled);
    out.addInteger("checked", checkedUntil.time_since_epoch().count());
}

} // namespace

std::optional<Entry> read(const ListEntry& entry)
{
    const auto kind = entry.text("kind");
    const auto common = readCommon(entry);
    if (!kind || !common) {
        return std::nullopt;
    }
    if (*kind == "alarm") {
        const auto volume = within(entry, "volume", 0, Alarm::maxVolume);
        const auto rise = within(entry, "rise", 0, longestRise);
        if (!volume || !rise) {
            return std::nullopt;
        }
        return Alarm {common->id, common->when, common->stationId, static_cast<int>(*volume), seconds {*rise},
            common->enabled, common->checkedUntil};
    }
    if (*kind == "recording") {
        const auto end = within(entry, "end", 0, minutesInDay - 1);
        if (!end) {
            return std::nullopt;
        }
        return ScheduledRecording {
            common->id, common->stationId, common->when, minutes {*end}, common->enabled, common->checkedUntil};
    }
    return std::nullopt;
}

void write(const Alarm& alarm, ListDocument& out)
{
    writeCommon("alarm", alarm.id, alarm.stationId, alarm.when, alarm.enabled, alarm.checkedUntil, out);
    out.addInteger("volume", alarm.volume);
    out.addInteger("rise", alarm.riseTime.count());
}

void write(const ScheduledRecording& recording, ListDocument& out)
{
    writeCommon("recording", recording.id, recording.stationId, recording.start, recording.enabled,
        recording.checkedUntil, out);
    out.addInteger("end", recording.end.count());
}

} // namespace Vello::ScheduleDocument
