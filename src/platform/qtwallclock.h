#pragma once

#include "ports/wallclock.h"

#include <QObject>
#include <QTimeZone>
#include <QTimer>

#include <chrono>

class QDBusConnection;

namespace Vello {

// The wall clock on the system's clock and Qt's time zones. A change of zone and a jump of the
// clock against the monotonic clock (a wake from sleep, the time set by hand) are found by a check
// every checkInterval; logind says at once that the machine woke, where there is one.
class QtWallClock final : public QObject, public WallClock {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds checkInterval {15'000};
    // Network time slews the clock by far less than this between two checks.
    static constexpr std::chrono::milliseconds jumpTolerance {2'000};

    // `systemBus` is where logind tells of sleep; an unconnected one leaves it to the checks.
    explicit QtWallClock(const QDBusConnection& systemBus, std::chrono::milliseconds checkEvery = checkInterval);

    [[nodiscard]] std::chrono::system_clock::time_point now() const override;
    [[nodiscard]] std::chrono::seconds offsetAt(std::chrono::sys_seconds instant) const override;
    void setJumpHandler(JumpHandler handler) override;

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    void check();
    // Starts measuring the wall clock against the monotonic clock afresh.
    void markTime();

    QTimer m_timer;
    QTimeZone m_zone;
    std::chrono::system_clock::time_point m_wallMark;
    std::chrono::steady_clock::time_point m_steadyMark;
    JumpHandler m_handler;
};

} // namespace Vello
