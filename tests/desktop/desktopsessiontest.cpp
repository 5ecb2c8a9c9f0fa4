#include "desktop/dbusidleinhibitor.h"
#include "desktop/dbussongnotifier.h"
#include "waitfor.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// A desktop service on a connection of its own, so that calls travel over the bus. It notes each
// call with its arguments and the keys of its hints, and answers with the next number, or with
// `capabilities` when asked for them (an error when it has none); while `holding`, only when
// told to.
class StandIn final : public QDBusVirtualObject {
public:
    QStringList calls;
    QStringList capabilities;
    bool holding = false;

    StandIn(const QString& service, const QString& path)
    {
        EXPECT_TRUE(m_bus.registerService(service));
        EXPECT_TRUE(m_bus.registerVirtualObject(path, this));
    }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override
    {
        QStringList words {message.member()};
        for (const QVariant& argument : message.arguments()) {
            words << argument.toString();
        }
        words << qdbus_cast<QVariantMap>(message.arguments().value(6)).keys().join(u' ');
        calls << words.join(u'|');
        message.setDelayedReply(true);
        m_held << message;
        if (!holding) {
            answer();
        }
        return true;
    }
    // Answers the calls held so far, in the order they came.
    void answer()
    {
        for (const QDBusMessage& call : std::exchange(m_held, {})) {
            if (call.member() != u"GetCapabilities") {
                m_bus.send(call.createReply(m_next++));
            } else if (capabilities.isEmpty()) {
                m_bus.send(call.createErrorReply(QDBusError::UnknownMethod, u"not offered"_s));
            } else {
                m_bus.send(call.createReply(capabilities));
            }
        }
    }
    [[nodiscard]] QString introspect(const QString&) const override { return {}; }

private:
    QDBusConnection m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"stand-ins"_s);
    QList<QDBusMessage> m_held;
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

// Each notice replaces the one before, also one that comes before the desktop has answered for
// the last (the newest waiting notice is sent then), and carries the logo when one is kept. The
// desktop is asked once whether it reads the body as markup; if it does, the body is escaped.
TEST(DesktopSessionBusTest, EachSongNoticeReplacesTheLastAndShowsItsTextAsText)
{
    const auto station = u"Rock & <b>Roll</b> <a href=\"http://x\">click</a>"_s;
    const struct {
        QStringList capabilities;
        QString body;
    } cases[] = {
        {{u"body"_s, u"body-markup"_s},
            u"Rock &amp; &lt;b&gt;Roll&lt;/b&gt; &lt;a href=\"http://x\"&gt;click&lt;/a&gt;"_s},
        {{u"body"_s}, station},
    };
    QTemporaryDir folder;
    const QString logo = folder.filePath(u"logo.png"_s);
    QImage(300, 150, QImage::Format_RGB32).save(logo);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.capabilities.join(u' ').toStdString());
        StandIn notifications(u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s);
        notifications.capabilities = c.capabilities;
        notifications.holding = true;
        DBusSongNotifier notifier(QDBusConnection::sessionBus(),
            [&logo](const std::string& favicon) { return favicon == "kept" ? logo : QString(); });
        notifier.notify({"One", "Alpha FM", "kept"});
        ASSERT_TRUE(waitFor([&] { return notifications.calls.size() >= 1; }));
        notifier.notify({"Tom & <i>Jerry</i>", station.toStdString(), "kept"});
        notifications.answer();
        ASSERT_TRUE(waitFor([&] { return notifications.calls.size() >= 2; }));
        notifier.notify({"Three", "Alpha FM", "not kept"});
        notifier.notify({"Four", "Alpha FM", "not kept"});
        notifications.answer();
        ASSERT_TRUE(waitFor([&] { return notifications.calls.size() >= 3; }));
        notifications.answer();
        EXPECT_TRUE(waitFor([&] { return notifier.lastId() == 42; }));
        EXPECT_EQ(notifications.calls.join(u',').toStdString(),
            (u"GetCapabilities|,Notify|Pemba Vello|0|org.pembavello.PembaVello|Tom & <i>Jerry</i>|"_s + c.body
                + u"|||-1|desktop-entry image-data,Notify|Pemba Vello|41|org.pembavello.PembaVello|Four|Alpha FM|||-1|"
                  "desktop-entry"_s)
                .toStdString());
    }
}

// A server that does not say how it reads the body gets it escaped, and is asked again next time.
TEST(DesktopSessionBusTest, AServerThatDoesNotSayGetsTheBodyEscapedAndIsAskedAgain)
{
    StandIn notifications(u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s);
    DBusSongNotifier notifier(QDBusConnection::sessionBus());
    notifier.notify({"One", "A & B", ""});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 41; }));
    notifier.notify({"Two", "A & B", ""});
    ASSERT_TRUE(waitFor([&] { return notifier.lastId() == 42; }));
    EXPECT_EQ(notifications.calls.join(u',').toStdString(),
        "GetCapabilities|,Notify|Pemba Vello|0|org.pembavello.PembaVello|One|A &amp; B|||-1|desktop-entry,"
        "GetCapabilities|,Notify|Pemba Vello|41|org.pembavello.PembaVello|Two|A &amp; B|||-1|desktop-entry");
}

} // namespace
} // namespace Vello
