#include "manualwallclock.h"

#include <cstdio>

namespace Vello {

using namespace std::chrono;

ManualWallClock::ManualWallClock(ManualMainQueue& queue, const std::string& zone, const std::string& local)
    : m_queue(queue)
    , m_zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone)))
{
    int year = 0;
    unsigned month = 0, day = 0, hour = 0, minute = 0;
    std::sscanf(local.c_str(), "%d-%u-%u %u:%u", &year, &month, &day, &hour, &minute);
    m_start = instantsAt(local_days {std::chrono::year {year} / month / day} + hours {hour} + minutes {minute}).at(0)
        - duration_cast<seconds>(m_queue.now());
}

system_clock::time_point ManualWallClock::now() const
{
    return m_start + m_jumped + m_queue.now();
}

seconds ManualWallClock::offsetAt(sys_seconds instant) const
{
    int32_t raw = 0;
    int32_t summer = 0;
    UErrorCode status = U_ZERO_ERROR;
    m_zone->getOffset(static_cast<UDate>(instant.time_since_epoch().count()) * 1000, false, raw, summer, status);
    return duration_cast<seconds>(milliseconds {raw + summer});
}

void ManualWallClock::jump(seconds by)
{
    m_jumped += by;
    m_handler();
}

void ManualWallClock::setZone(const std::string& zone)
{
    m_zone.reset(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone)));
    m_handler();
}

std::string ManualWallClock::shows(std::optional<sys_seconds> instant) const
{
    const local_seconds local = localTime(instant.value_or(floor<seconds>(now())));
    const year_month_day date {floor<days>(local)};
    const hh_mm_ss time {local - floor<days>(local)};
    char text[32];
    std::snprintf(text, sizeof text, "%02u-%02u %02ld:%02ld", static_cast<unsigned>(date.month()),
        static_cast<unsigned>(date.day()), static_cast<long>(time.hours().count()),
        static_cast<long>(time.minutes().count()));
    return text;
}

} // namespace Vello
