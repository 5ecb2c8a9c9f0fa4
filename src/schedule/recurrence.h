#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace Vello {

class WallClock;

// When something happens by the local clock: at a time of day, on some days of the week, or once
// on one date.
struct Recurrence final {
    // Since local midnight, under a day.
    std::chrono::minutes time {0};
    // The days of the week, a bit each (dayBit); none: once, on `date`.
    std::uint8_t days = 0;
    std::chrono::local_days date {};

    friend bool operator==(const Recurrence&, const Recurrence&) = default;
};

inline constexpr std::uint8_t everyDay = 0x7F;

[[nodiscard]] constexpr std::uint8_t dayBit(std::chrono::weekday day)
{
    return static_cast<std::uint8_t>(1U << day.c_encoding());
}

// The first instant at which the local clock shows `local`; where the clock skips it, the first
// minute after it that the clock shows.
[[nodiscard]] std::chrono::sys_seconds firstInstantAt(std::chrono::local_seconds local, const WallClock& clock);

// The first instant after `after` at which `when` happens in the clock's zone. A time the clock
// skips that day happens at the next minute it shows; a time it shows twice happens at the first.
// Nothing for a once that is past.
[[nodiscard]] std::optional<std::chrono::sys_seconds> nextOccurrence(
    const Recurrence& when, std::chrono::sys_seconds after, const WallClock& clock);

} // namespace Vello
