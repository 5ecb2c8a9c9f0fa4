#include "wallclock.h"

#include <algorithm>

namespace Vello {

using namespace std::chrono;

local_seconds WallClock::localTime(sys_seconds instant) const
{
    return local_seconds {(instant + offsetAt(instant)).time_since_epoch()};
}

std::vector<sys_seconds> WallClock::instantsAt(local_seconds local) const
{
    // The offsets in force a day either side are the only ones `local` can be read with; each
    // reading that the zone's rules confirm is an instant the clock shows it.
    const sys_seconds asUtc {local.time_since_epoch()};
    std::vector<sys_seconds> found;
    for (const seconds offset : {offsetAt(asUtc - days {1}), offsetAt(asUtc + days {1})}) {
        const sys_seconds instant = asUtc - offset;
        if (offsetAt(instant) == offset && std::ranges::find(found, instant) == found.end()) {
            found.push_back(instant);
        }
    }
    std::ranges::sort(found);
    return found;
}

} // namespace Vello
