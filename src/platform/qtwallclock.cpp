#include "qtwallclock.h"

#include <QDBusConnection>
#include <QDateTime>

namespace Vello {

using namespace std::chrono;

QtWallClock::QtWallClock(const QDBusConnection& systemBus, milliseconds checkEvery)
    : m_zone(QTimeZone::systemTimeZone())
{
    markTime();
    m_timer.setInterval(checkEvery);
    connect(&m_timer, &QTimer::timeout, this, &QtWallClock::check);
    m_timer.start();
    if (systemBus.isConnected()) {
        QDBusConnection(systemBus).connect(QStringLiteral("org.freedesktop.login1"),
            QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
            QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
    }
}

system_clock::time_point QtWallClock::now() const
{
    return system_clock::now();
}

seconds QtWallClock::offsetAt(sys_seconds instant) const
{
    return seconds {m_zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), Qt::UTC))};
}

void QtWallClock::setJumpHandler(JumpHandler handler)
{
    m_handler = std::move(handler);
}

void QtWallClock::onPrepareForSleep(bool sleeping)
{
    if (!sleeping) {
        markTime();
        if (m_handler) {
            m_handler();
        }
    }
}

void QtWallClock::markTime()
{
    m_wallMark = system_clock::now();
    m_steadyMark = steady_clock::now();
}

void QtWallClock::check()
{
    // The monotonic clock stands still while the machine sleeps and is never set: the wall clock
    // moving other than with it has jumped.
    const auto drift = (system_clock::now() - m_wallMark) - (steady_clock::now() - m_steadyMark);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const bool moved = zone.id() != m_zone.id() || abs(drift) > jumpTolerance;
    m_zone = zone;
    markTime();
    if (moved && m_handler) {
        m_handler();
    }
}

} // namespace Vello
