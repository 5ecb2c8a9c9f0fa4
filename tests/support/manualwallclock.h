#pragma once

#include "manualmainqueue.h"

#include "ports/wallclock.h"

#include <unicode/timezone.h>

#include <memory>
#include <optional>
#include <string>

namespace Vello {

// A wall clock that moves with a ManualMainQueue's clock, in a real time zone (ICU's rules).
class ManualWallClock final : public WallClock {
public:
    // Starts where the clock of `zone` shows `local` ("2024-03-31 01:30"), the first time it does.
    ManualWallClock(ManualMainQueue& queue, const std::string& zone, const std::string& local);

    [[nodiscard]] std::chrono::system_clock::time_point now() const override;
    [[nodiscard]] std::chrono::seconds offsetAt(std::chrono::sys_seconds instant) const override;
    void setJumpHandler(JumpHandler handler) override { m_handler = std::move(handler); }

    // Moves the wall clock by `by` while the queue's clock stands still (a machine asleep, the time
    // set by hand) and tells of the jump.
    void jump(std::chrono::seconds by);
    // Moves to another zone and tells of the jump.
    void setZone(const std::string& zone);
    // The date and time the clock shows at `instant` ("03-31 03:00"); now by default.
    [[nodiscard]] std::string shows(std::optional<std::chrono::sys_seconds> instant = {}) const;

private:
    ManualMainQueue& m_queue;
    std::unique_ptr<icu::TimeZone> m_zone;
    std::chrono::sys_seconds m_start {};
    std::chrono::seconds m_jumped {0};
    JumpHandler m_handler;
};

} // namespace Vello
