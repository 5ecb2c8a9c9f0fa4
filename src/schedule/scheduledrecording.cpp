#include "scheduledrecording.h"

#include "ports/wallclock.h"

namespace Vello {

using namespace std::chrono;

sys_seconds endOf(const ScheduledRecording& recording, sys_seconds started, const WallClock& clock)
{
    const local_days day = floor<days>(clock.localTime(started)) + days {recording.end <= recording.start.time ? 1 : 0};
    return firstInstantAt(day + recording.end, clock);
}

} // namespace Vello
