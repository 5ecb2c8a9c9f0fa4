#include "browserfakes.h"
#include "fakehttpclient.h"
#include "platform/capturesink.h"
#include "platform/icecastserver.h"

#include "browser/browsercontroller.h"
#include "mpris/browsermprisplayer.h"
#include "mpris/mprisservice.h"
#include "platform/gstmediabackend.h"
#include "platform/qtmainqueue.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace Vello {
namespace {

const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

// Three stations in a ring, playing or paused, recording what it is told.
class FakePlayer final : public MprisPlayer {
public:
    int index = 0;
    bool playing = false;
    int raises = 0;
    double level = 1.0;

    MprisState state() const override
    {
        MprisState state;
        state.playbackStatus = playing ? QStringLiteral("Playing") : QStringLiteral("Paused");
        state.stationId = QStringLiteral("id-%1").arg(index);
        state.title = QStringLiteral("Station %1").arg(index);
        state.artist = state.title;
        state.volume = level;
        state.canPause = playing;
        state.canPlay = state.canGoNext = state.canGoPrevious = true;
        return state;
    }
    void playPause() override { playing = !playing; }
    void play() override { playing = true; }
    void pause() override { playing = false; }
    void stop() override { playing = false; }
    void next() override { index = (index + 1) % 3; }
    void previous() override { index = (index + 2) % 3; }
    void setVolume(double volume) override { level = volume; }
    void raise() override { ++raises; }
    void quit() override { }
};

// A client on its own connection, as the desktop's media widget is.
class Client {
public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));

    ~Client() { QDBusConnection::disconnectFromBus(QStringLiteral("client")); }

    // Blocking calls keep the loop turning: the service answers from this same thread.
    QDBusMessage send(const QString& interface, const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(QString::fromLatin1(MprisService::busName),
            QString::fromLatin1(MprisService::objectPath), interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = bus.call(message, QDBus::BlockWithGui, 10000);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply;
    }

    void call(const QString& method) { send(playerInterface, method); }

    QVariant property(const QString& name)
    {
        const QDBusMessage reply = send(properties, QStringLiteral("Get"), {playerInterface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    void setProperty(const QString& name, const QVariant& value)
    {
        send(properties, QStringLiteral("Set"), {playerInterface, name, QVariant::fromValue(QDBusVariant(value))});
    }

    QVariantMap metadata()
    {
        QVariantMap map;
        property(QStringLiteral("Metadata")).value<QDBusArgument>() >> map;
        return map;
    }
};

// Collects the names of the player's properties each PropertiesChanged announces.
class Announcements final : public QObject {
    Q_OBJECT

public:
    QStringList names;

public Q_SLOTS:
    void changed(const QString& interface, const QVariantMap& changedProperties, const QStringList&)
    {
        if (interface == playerInterface) {
            names += changedProperties.keys();
        }
    }
};

// The service and its client, on the bus the test runs under.
struct MprisTest : ::testing::Test {
    void SetUp() override
    {
        ASSERT_EQ(MprisService::claimName(QDBusConnection::sessionBus()), MprisService::Claim::Claimed)
            << "run under dbus-run-session";
    }
    void TearDown() override
    {
        QDBusConnection::sessionBus().unregisterService(QString::fromLatin1(MprisService::busName));
    }
};

TEST_F(MprisTest, TransportCallsChangeStatusAndMetadataAndAreAnnounced)
{
    FakePlayer fake;
    MprisService service(fake, QDBusConnection::sessionBus());
    Client client;
    Announcements announcements;
    ASSERT_TRUE(client.bus.connect(QString::fromLatin1(MprisService::busName),
        QString::fromLatin1(MprisService::objectPath), properties, QStringLiteral("PropertiesChanged"), &announcements,
        SLOT(changed(QString, QVariantMap, QStringList))));

    struct Case {
        const char* method;
        const char* status;
        const char* title;
        const char* announced;
    };
    const Case cases[] = {
        {"PlayPause", "Playing", "Station 0", "PlaybackStatus"},
        {"Next", "Playing", "Station 1", "Metadata"},
        {"Previous", "Playing", "Station 0", "Metadata"},
        {"Previous", "Playing", "Station 2", "Metadata"},
        {"PlayPause", "Paused", "Station 2", "CanPause"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        announcements.names.clear();
        client.call(QString::fromLatin1(c.method));
        EXPECT_EQ(client.property(QStringLiteral("PlaybackStatus")).toString(), QString::fromLatin1(c.status));
        const QVariantMap metadata = client.metadata();
        EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QString::fromLatin1(c.title));
        EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QStringLiteral("/org/pembavello/PembaVello/station/sid_2d") + QLatin1Char(c.title[8]));
        EXPECT_TRUE(QTest::qWaitFor([&] { return announcements.names.contains(QString::fromLatin1(c.announced)); }))
            << announcements.names.join(u' ').toStdString();
    }

    client.setProperty(QStringLiteral("Volume"), 2.5);
    EXPECT_EQ(fake.level, 1.0) << "a volume past full is held at full";
    client.setProperty(QStringLiteral("Volume"), 0.25);
    EXPECT_EQ(client.property(QStringLiteral("Volume")).toDouble(), 0.25);
}

TEST_F(MprisTest, ASecondStartRaisesTheFirstAndExits)
{
    FakePlayer fake;
    MprisService service(fake, QDBusConnection::sessionBus());
    QProcess second;
    second.start(QStringLiteral(VELLO_APP_PATH), {});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(fake.raises, 1);
}

TEST_F(MprisTest, PlayPauseOnTheRealBackEndIsHeard)
{
    gst_init(nullptr, nullptr);
    IcecastServer server;
    ASSERT_TRUE(server.startError().empty()) << server.startError();
    ASSERT_TRUE(server.startSource("/tone.mp3", IcecastServer::Codec::Mp3, 440));

    std::shared_ptr<CaptureSink> capture = CaptureSink::create();
    QtMainQueue queue;
    GstMediaBackend media(queue, [&] { return capture->makeElement(); });
    RecordingView view;
    FakeStationSource source;
    FakeHttpClient http;
    MemoryPreferences preferences;
    BrowserController browser(view, source, media, http, preferences, queue);
    browser.viewDidLoad();
    Station station = makeStation("tone", "Loopback Tone");
    station.url_resolved = server.url("/tone.mp3");
    source.answer(std::vector<Station> {station});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser.allStations().empty(); }));

    QWidget window;
    BrowserMprisPlayer player(browser, window);
    MprisService service(player, QDBusConnection::sessionBus());
    Client client;
    client.call(QStringLiteral("PlayPause"));
    EXPECT_EQ(client.metadata().value(QStringLiteral("xesam:artist")).toStringList(),
        QStringList {QStringLiteral("Loopback Tone")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return capture->loudSamplesFrom(0) > CaptureSink::sampleRate / 4U; }, 20000));
    EXPECT_NEAR(dominantFrequency(capture->samplesFrom(0), CaptureSink::sampleRate), 440, 5.0);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return client.property(QStringLiteral("PlaybackStatus")).toString() == u"Playing"; }));
    client.call(QStringLiteral("PlayPause"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return client.property(QStringLiteral("PlaybackStatus")).toString() == u"Paused"; }));
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

#include "mpristest.moc"
