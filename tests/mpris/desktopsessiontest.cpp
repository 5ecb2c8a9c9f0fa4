#include "mpris/dbusidleinhibitor.h"
#include "mpris/dbussongnotifier.h"
#include "waitfor.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// A desktop service on a connection of its own, so that calls travel over the bus. It notes each
// call with its arguments and the keys of its hints, and answers with the next number.
class StandIn final : public QDBusVirtualObject {
public:
    QStringList calls;

    StandIn(const QString& service, const QString& path)
    {
        EXPECT_TRUE(m_bus.registerService(service));
        EXPECT_TRUE(m_bus.registerVirtualObject(path, this));
    }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QStringList words {message.member()};
        for (const QVariant& argument : message.arguments()) {
            words << argument.toString();
        }
        words << qdbus_cast<QVariantMap>(message.arguments().value(6)).keys().join(u' ');
        calls << words.join(u'|');
        connection.send(message.createReply(m_next++));
        return true;
    }
    [[nodiscard]] QString introspect(const QString&) const override { return {}; }

private:
    QDBusConnection m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"stand-ins"_s);
    uint m_next = 41;
};

// The lock is given back with the cookie it was granted under: once granted when let go before
// the answer came, and when the player quits holding it.
TEST(DesktopSessionBusTest, TheIdleLockIsGivenBackWithItsCookie)
{
    StandIn saver(u"org.freedesktop.ScreenSaver"_s, u"/org/freedesktop/ScreenSaver"_s);
    auto inhibitor = std::make_unique<DBusIdleInhibitor>(QDBusConnection::sessionBus());
    inhibitor->setInhibited(true);
    inhibitor->setInhibited(false);
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 2; }));
    inhibitor->setInhibited(true);
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 3; }));
    inhibitor.reset();
    ASSERT_TRUE(waitFor([&] { return saver.calls.size() == 4; }));
    EXPECT_EQ(saver.calls.join(u','),
        u"Inhibit|Pemba Vello|Playing a radio stream|,UnInhibit|41|,Inhibit|Pemba Vello|Playing a radio stream|,"
        "UnInhibit|43|"_s);
}

// Each notice replaces the one before, and carries the logo when one is kept.
TEST(DesktopSessionBusTest, EachSongNoticeReplacesTheLast)
{
    StandIn notifications(u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s);
    QTemporaryDir folder;
    const QString logo = folder.filePath(u"logo.png"_s);
    QImage(300, 150, QImage::Format_RGB32).save(logo);
    DBusSongNotifier notifier(QDBusConnection::sessionBus(),
        [&logo](const std::string& favicon) { return favicon == "kept" ? logo : QString(); });
    notifier.notify({"One", "Alpha FM", "kept"});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 41; }));
    notifier.notify({"Two", "Alpha FM", "not kept"});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 42; }));
    EXPECT_EQ(notifications.calls.join(u','),
        u"Notify|Pemba Vello|0|org.pembavello.PembaVello|One|Alpha FM|||-1|desktop-entry image-data,"
        "Notify|Pemba Vello|41|org.pembavello.PembaVello|Two|Alpha FM|||-1|desktop-entry"_s);
}

} // namespace
} // namespace Vello
