#pragma once

#include "recurrence.h"

#include <chrono>
#include <string>

namespace Vello {

class WallClock;

// A programme to record: a station from a start to an end, once or on some days of the week.
struct ScheduledRecording final {
    std::string id;
    std::string stationId;
    Recurrence start;
    // The time of day it ends; at or before the start's, on the day after.
    std::chrono::minutes end {0};
    // A once turns itself off when it has started or was missed.
    bool enabled = true;
    // Every start up to this instant has been made or reported missed.
    std::chrono::sys_seconds checkedUntil {};

    friend bool operator==(const ScheduledRecording&, const ScheduledRecording&) = default;
};

// When the recording that started at `started` ends, by the clock's zone (a time the clock skips
// ends at the next minute it shows).
[[nodiscard]] std::chrono::sys_seconds endOf(
    const ScheduledRecording& recording, std::chrono::sys_seconds started, const WallClock& clock);

} // namespace Vello
