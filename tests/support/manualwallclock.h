#pragma once

#include "manualmainqueue.h"

#include "ports/wallclock.h"

#include <unicode/timezone.h>

#include <ctime>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

// A wall clock that moves with a fresh ManualMainQueue's clock, in a real time zone (ICU's rules).
class ManualWallClock final : public WallClock {
public:
    // Starts where the clock of `zone` first shows `local` ("2024-03-31 01:30").
    ManualWallClock(ManualMainQueue& queue, const std::string& zone, const std::string& local)
        : m_queue(queue)
        , m_zone(named(zone))
    {
        std::tm shown {};
        strptime(local.c_str(), "%Y-%m-%d %H:%M", &shown);
        m_start = instantsAt(std::chrono::local_seconds {std::chrono::seconds {timegm(&shown)}}).at(0);
    }

    [[nodiscard]] std::chrono::system_clock::time_point now() const override { return m_start + m_queue.now(); }
    [[nodiscard]] std::chrono::seconds offsetAt(std::chrono::sys_seconds instant) const override
    {
        int32_t raw = 0;
        int32_t summer = 0;
        UErrorCode status = U_ZERO_ERROR;
        m_zone->getOffset(static_cast<UDate>(instant.time_since_epoch().count()) * 1000, false, raw, summer, status);
        return std::chrono::seconds {(raw + summer) / 1000};
    }
    void setJumpHandler(JumpHandler handler) override { m_handler = std::move(handler); }

    // Moves the wall clock by `by` while the queue's clock stands still (a machine asleep, the time
    // set by hand), or moves it to another zone, and tells of the jump.
    void jump(std::chrono::seconds by) { m_start += by, m_handler(); }
    void setZone(const std::string& zone) { m_zone = named(zone), m_handler(); }

    // The date and time the clock shows at `instant` ("03-31 03:00"); now by default.
    [[nodiscard]] std::string shows(std::optional<std::chrono::sys_seconds> instant = {}) const
    {
        const std::time_t local
            = localTime(instant.value_or(floor<std::chrono::seconds>(now()))).time_since_epoch().count();
        std::tm shown {};
        gmtime_r(&local, &shown);
        char text[16];
        std::strftime(text, sizeof text, "%m-%d %H:%M", &shown);
        return text;
    }

private:
    static std::unique_ptr<icu::TimeZone> named(const std::string& zone)
    {
        return std::unique_ptr<icu::TimeZone>(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone)));
    }

    ManualMainQueue& m_queue;
    std::unique_ptr<icu::TimeZone> m_zone;
    std::chrono::sys_seconds m_start {};
    JumpHandler m_handler;
};

} // namespace Vello
