#include "waitfor.h"

#include "platform/qtwallclock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

#include <gtest/gtest.h>

namespace Vello {
namespace {

using namespace std::chrono;

// Berlin is two hours ahead of UTC in summer, New York five behind in winter. A private bus stands
// in for the system bus, with a stand-in logind on it.
TEST(QtWallClockTest, ReadsTheZoneAndTellsOfAChangeOfZoneAndOfAWake)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(daemon.waitForReadyRead(10'000));
    const QString address = QString::fromUtf8(daemon.readLine()).trimmed();
    QDBusConnection logind = QDBusConnection::connectToBus(address, QStringLiteral("logind"));
    ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    QtWallClock clock(QDBusConnection::connectToBus(address, QStringLiteral("system")), 50ms);
    int jumps = 0;
    clock.setJumpHandler([&] { ++jumps; });
    EXPECT_EQ(clock.offsetAt(sys_days {2024y / July / 1}), 2h);
    QTest::qWait(300);
    EXPECT_EQ(jumps, 0) << "a clock that runs as it should does not jump";

    qputenv("TZ", "America/New_York");
    ASSERT_TRUE(waitFor([&] { return jumps == 1; }));
    EXPECT_EQ(clock.offsetAt(sys_days {2024y / January / 15}), -5h);
    logind.send(QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                    QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"))
        << false);
    EXPECT_TRUE(waitFor([&] { return jumps == 2; }));
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
}

} // namespace
} // namespace Vello
