#include "waitfor.h"

#include "platform/qtwallclock.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

#include <gtest/gtest.h>

#include <vector>

namespace Vello {
namespace {

using namespace std::chrono;

// Berlin's clock shows no 02:30 on 31 March 2024 and two on 27 October; New York's is five hours
// behind UTC in winter. A private bus stands in for the system bus, with a stand-in logind on it.
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
    int jumps = 0;
    {
        QtWallClock clock(QDBusConnection::connectToBus(address, QStringLiteral("system")), 50ms);
        clock.setJumpHandler([&] { ++jumps; });
        const sys_days autumn {2024y / October / 27};
        EXPECT_EQ(clock.instantsAt(local_days {2024y / March / 31} + 2h + 30min), std::vector<sys_seconds> {});
        EXPECT_EQ(clock.instantsAt(local_days {2024y / October / 27} + 2h + 30min),
            (std::vector<sys_seconds> {autumn + 30min, autumn + 1h + 30min}));
        QTest::qWait(300);
        EXPECT_EQ(jumps, 0) << "a clock that runs as it should does not jump";

        qputenv("TZ", "America/New_York");
        ASSERT_TRUE(waitFor([&] { return jumps == 1; }));
        EXPECT_EQ(clock.offsetAt(sys_days {2024y / January / 15}), -5h);
        logind.send(QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"))
            << false);
        EXPECT_TRUE(waitFor([&] { return jumps == 2; }));
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
    QDBusConnection::disconnectFromBus(QStringLiteral("system"));
    daemon.kill();
    daemon.waitForFinished();
    if (zone.isNull()) {
        qunsetenv("TZ");
    } else {
        qputenv("TZ", zone);
    }
}

} // namespace
} // namespace Vello
