#include "mpris/dbusidleinhibitor.h"
#include "mpris/dbussongnotifier.h"
#include "waitfor.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace Vello {
namespace {

// The desktop's services, stood in for on a connection of their own, so that the player's
// calls travel over the bus. Each notes the calls it answers.
QDBusConnection standInBus()
{
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("stand-ins"));
}

class StandInScreenSaver final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList calls;
    StandInScreenSaver()
    {
        EXPECT_TRUE(standInBus().registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
        EXPECT_TRUE(standInBus().registerObject(
            QStringLiteral("/org/freedesktop/ScreenSaver"), this, QDBusConnection::ExportAllSlots));
    }

public Q_SLOTS:
    uint Inhibit(const QString& application, const QString&)
    {
        calls << QStringLiteral("Inhibit %1").arg(application);
        return ++m_cookie;
    }
    void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }

private:
    uint m_cookie = 40;
};

class StandInNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList calls;
    StandInNotifications()
    {
        EXPECT_TRUE(standInBus().registerService(QStringLiteral("org.freedesktop.Notifications")));
        EXPECT_TRUE(standInBus().registerObject(
            QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots));
    }

public Q_SLOTS:
    // Notes the summary, body, replaced id and the image's size and completeness.
    uint Notify(const QString&, uint replaces, const QString&, const QString& summary, const QString& body,
        const QStringList&, const QVariantMap& hints, int)
    {
        int width = 0;
        int height = 0;
        int stride = 0;
        bool alpha = false;
        int bits = 0;
        int channels = 0;
        QByteArray data;
        if (hints.contains(QStringLiteral("image-data"))) {
            const auto image = hints.value(QStringLiteral("image-data")).value<QDBusArgument>();
            image.beginStructure();
            image >> width >> height >> stride >> alpha >> bits >> channels >> data;
            image.endStructure();
        }
        calls << QStringLiteral("%1|%2|%3|%4x%5|%6")
                     .arg(summary, body)
                     .arg(replaces)
                     .arg(width)
                     .arg(height)
                     .arg(alpha && bits == 8 && channels == 4 && data.size() == stride * height);
        return ++m_id;
    }

private:
    uint m_id = 6;
};

// The lock is given back with the cookie it was granted under: at once when let go before the
// answer came, and when the player quits holding it.
TEST(DesktopSessionBusTest, TheIdleLockIsGivenBackWithItsCookie)
{
    StandInScreenSaver saver;
    auto inhibitor = std::make_unique<DBusIdleInhibitor>(QDBusConnection::sessionBus());
    inhibitor->setInhibited(true);
    inhibitor->setInhibited(false);
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 2; }));
    inhibitor->setInhibited(true);
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 3; }));
    inhibitor.reset();
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 4; }));
    EXPECT_EQ(
        saver.calls.join(u','), QStringLiteral("Inhibit Pemba Vello,UnInhibit 41,Inhibit Pemba Vello,UnInhibit 42"));
}

// Each notice replaces the one before, and carries the logo when one is kept, scaled down.
TEST(DesktopSessionBusTest, EachSongNoticeReplacesTheLast)
{
    StandInNotifications notifications;
    QTemporaryDir folder;
    const QString logo = folder.filePath(QStringLiteral("logo.png"));
    QImage(300, 150, QImage::Format_RGB32).save(logo);
    DBusSongNotifier notifier(QDBusConnection::sessionBus(),
        [&logo](const std::string& favicon) { return favicon == "kept" ? logo : QString(); });
    notifier.notify({"One", "Alpha FM", "kept"});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 7; }));
    notifier.notify({"Two", "Alpha FM", "not kept"});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 8; }));
    EXPECT_EQ(notifications.calls.join(u','), QStringLiteral("One|Alpha FM|0|128x64|1,Two|Alpha FM|7|0x0|0"));
}

} // namespace
} // namespace Vello

#include "desktopsessiontest.moc"
