#pragma once

#include "recurrence.h"

#include <chrono>
#include <string>

namespace Vello {

// Waking to a station: at a time, on some days of the week or once, the station plays, rising
// from silence to a volume over a time.
struct Alarm final {
    static constexpr std::chrono::seconds defaultRiseTime {120};
    static constexpr int maxVolume = 100;

    std::string id;
    Recurrence when;
    std::string stationId;
    // The volume it rises to, in hundredths of full on the mixer's scale.
    int volume = maxVolume / 2;
    std::chrono::seconds riseTime = defaultRiseTime;
    // A once turns itself off when it has rung or was missed.
    bool enabled = true;
    // Every time it fell due up to this instant has rung or was reported missed.
    std::chrono::sys_seconds checkedUntil {};

    friend bool operator==(const Alarm&, const Alarm&) = default;
};

} // namespace Vello
