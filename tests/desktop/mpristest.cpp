#include "logoserver.h"

#include "desktop/mprisplayeradaptor.h"
#include "desktop/mprisservice.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <tuple>

namespace Vello {
namespace {

const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString busName = QString::fromLatin1(MprisService::busName);
const QString objectPath = QString::fromLatin1(MprisService::objectPath);

// A client on the session bus, as the desktop's media widget is, noting the properties each
// PropertiesChanged names. Its calls keep the loop turning, so that the signals get in.
class Client final : public QObject {
    Q_OBJECT

public:
    QDBusConnection bus = QDBusConnection::sessionBus();
    QStringList announced;

    Client()
    {
        bus.connect(busName, objectPath, properties, QStringLiteral("PropertiesChanged"), this,
            SLOT(changed(QString, QVariantMap, QStringList)));
    }

    QVariant call(const QString& method, const QVariantList& arguments = {}, const QString& interface = playerInterface)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(busName, objectPath, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = bus.call(message, QDBus::BlockWithGui);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0);
    }
    QVariant property(const char* name)
    {
        return qdbus_cast<QDBusVariant>(
            call(QStringLiteral("Get"), {playerInterface, QString::fromLatin1(name)}, properties))
            .variant();
    }

private Q_SLOTS:
    void changed(const QString&, const QVariantMap& values, const QStringList&) { announced += values.keys(); }
};

// The player itself on the bus, as the desktop's media widget meets it: it hears when the
// catalog's arrival makes Play and Next possible, each call reaches the player and its outcome
// the client, and a second start raises the first instead of running. The transport itself is
// the browser's.
TEST(MprisTest, AClientDrivesTheRunningPlayerAndASecondStartRaisesIt)
{
    Client client; // listening before the player starts
    LogoServer catalog;
    catalog.serve(QStringLiteral("/stations_filtered.json"),
        R"([{"stationuuid": "id-0", "name": "Station 0", "url": "http://127.0.0.1:9/a"},
            {"stationuuid": "id-1", "name": "Station 1", "url": "http://127.0.0.1:9/b"}])",
        "application/json");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        environment.insert(QString::fromLatin1(folder), home.filePath(QString::fromLatin1(folder)));
    }
    QProcess player;
    player.setProcessEnvironment(environment);
    player.start(QStringLiteral(VELLO_APP_PATH),
        {QStringLiteral("--catalog-url"),
            QString::fromStdString(catalog.url(QStringLiteral("/stations_filtered.json")))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.announced.contains(QStringLiteral("CanGoNext")); }, 30000));
    EXPECT_TRUE(client.property("CanPlay").toBool());

    // The call, then the status it leaves, the station it plays and a property it announces.
    // Nothing answers at the stations' port: trying to reach one is playing as far as the
    // desktop can tell.
    using Case = std::tuple<const char*, const char*, std::size_t, const char*>;
    for (const auto& [method, status, index, announced] :
        {Case {"PlayPause", "Playing", 0, "PlaybackStatus"}, Case {"Next", "Playing", 1, "Metadata"},
            Case {"Previous", "Playing", 0, "Metadata"}, Case {"PlayPause", "Paused", 0, "CanPause"}}) {
        SCOPED_TRACE(method);
        client.announced.clear();
        client.call(QString::fromLatin1(method));
        EXPECT_EQ(client.property("PlaybackStatus").toString(), QString::fromLatin1(status));
        const auto metadata = qdbus_cast<QVariantMap>(client.property("Metadata"));
        const QString name = QStringLiteral("Station %1").arg(index);
        EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), name);
        EXPECT_EQ(metadata.value(QStringLiteral("xesam:artist")).toStringList(), QStringList {name});
        // Object paths allow no '-': the id's hyphen is spelled out.
        EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QStringLiteral("/org/pembavello/PembaVello/station/sid_2d%1").arg(index));
        EXPECT_TRUE(QTest::qWaitFor([&] { return client.announced.contains(QString::fromLatin1(announced)); }));
    }

    for (const auto& [volume, held] : {std::pair {2.5, 1.0}, std::pair {0.25, 0.25}}) {
        client.call(QStringLiteral("Set"),
            {playerInterface, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(volume))}, properties);
        EXPECT_EQ(client.property("Volume").toDouble(), held);
    }

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VELLO_APP_PATH));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    player.terminate();
    EXPECT_TRUE(player.waitForFinished(10000)) << "the first player is still running";
}

// Object paths take ASCII letters, digits and underscores only, whatever the locale calls a
// letter: in Latin-1 the bytes of a UTF-8 "é" are letters too.
TEST(MprisTest, TrackPathsStayValidUnderEveryLocale)
{
    QTemporaryDir locales;
    const QString latin1 = QStringLiteral("de_DE.ISO-8859-1");
    ASSERT_EQ(QProcess::execute(QStringLiteral("localedef"),
                  {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("ISO-8859-1"),
                      locales.filePath(latin1)}),
        0);
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    ASSERT_NE(std::setlocale(LC_CTYPE, latin1.toLatin1().constData()), nullptr);
    const QRegularExpression valid(QStringLiteral("^(/[A-Za-z0-9_]+)+$"));
    QStringList paths;
    for (const char* id : {"Café", "Cafe", "Caf_c3_a9", "station 1", "日本"}) {
        MprisState state;
        state.stationId = QString::fromUtf8(id);
        paths += MprisPlayerAdaptor::metadataOf(state)
                     .value(QStringLiteral("mpris:trackid"))
                     .value<QDBusObjectPath>()
                     .path();
        EXPECT_TRUE(valid.match(paths.back()).hasMatch()) << id << " gives " << paths.back().toStdString();
    }
    std::setlocale(LC_CTYPE, "C");
    qunsetenv("LOCPATH");
    EXPECT_EQ(paths.removeDuplicates(), 0);
}

} // namespace
} // namespace Vello

#include "mpristest.moc"
