#pragma once

#include <chrono>
#include <functional>
#include <vector>

namespace Vello {

// The time as people read it off a clock: the instant now, and the rules of the local time zone
// that turn an instant into a date and time on the clock and back.
class WallClock {
public:
    using JumpHandler = std::function<void()>;

    virtual ~WallClock() = default;

    // Now, in UTC.
    [[nodiscard]] virtual std::chrono::system_clock::time_point now() const = 0;
    // How far the local clock is ahead of UTC at `instant`, summer time included.
    [[nodiscard]] virtual std::chrono::seconds offsetAt(std::chrono::sys_seconds instant) const = 0;
    // Calls `handler` on the GUI thread each time the local time zone changes or the clock jumps
    // (the machine wakes from sleep, the time is set by hand): whatever is timed by the wall clock
    // must be worked out again. Takes the place of the handler before.
    virtual void setJumpHandler(JumpHandler handler) = 0;

    // What the local clock shows at `instant`.
    [[nodiscard]] std::chrono::local_seconds localTime(std::chrono::sys_seconds instant) const;
    // The instants at which the local clock shows `local`, earliest first: none where the clock
    // skips it (the spring change), two where it shows it twice (the autumn change), otherwise one.
    // Zones change their offset at most once in any two days, as all do today.
    [[nodiscard]] std::vector<std::chrono::sys_seconds> instantsAt(std::chrono::local_seconds local) const;
};

} // namespace Vello
