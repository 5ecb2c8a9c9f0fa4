#include "recurrence.h"

#include "ports/wallclock.h"

namespace Vello {

using namespace std::chrono;

sys_seconds firstInstantAt(local_seconds local, const WallClock& clock)
{
    // No zone has ever skipped more than a day.
    for (local_seconds shown = local; shown < local + days {2}; shown += minutes {1}) {
        if (const auto instants = clock.instantsAt(shown); !instants.empty()) {
            return instants.front();
        }
    }
    const sys_seconds asUtc {local.time_since_epoch()};
    return asUtc - clock.offsetAt(asUtc);
}

std::optional<sys_seconds> nextOccurrence(const Recurrence& when, sys_seconds after, const WallClock& clock)
{
    if (when.days == 0) {
        const sys_seconds at = firstInstantAt(when.date + when.time, clock);
        return at > after ? std::optional(at) : std::nullopt;
    }
    // A week on from today's date is always after `after`, and holds every weekday once.
    const local_days today = floor<days>(clock.localTime(after));
    for (local_days day = today; day <= today + days {7}; day += days {1}) {
        if ((when.days & dayBit(weekday(day))) != 0) {
            if (const sys_seconds at = firstInstantAt(day + when.time, clock); at > after) {
                return at;
            }
        }
    }
    return std::nullopt;
}

} // namespace Vello
