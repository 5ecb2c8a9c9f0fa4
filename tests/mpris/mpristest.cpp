#include "browserfakes.h"
#include "fakehttpclient.h"
#include "platform/capturesink.h"
#include "platform/icecastserver.h"

#include "browser/browsercontroller.h"
#include "mpris/browsermprisplayer.h"
#include "mpris/mprisservice.h"
#include "platform/gstmediabackend.h"
#include "platform/qtmainqueue.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace Vello {
namespace {

const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString busName = QString::fromLatin1(MprisService::busName);
const QString objectPath = QString::fromLatin1(MprisService::objectPath);

// Three stations in a ring, playing or paused, recording what it is told.
struct FakePlayer final : MprisPlayer {
    int index = 0, raises = 0;
    bool playing = false;
    double level = 1.0;

    MprisState state() const override
    {
        const QString name = QStringLiteral("Station %1").arg(index);
        // Status, id, title, artist, logo, volume, and it can always go next, previous and play.
        return {playing ? QStringLiteral("Playing") : QStringLiteral("Paused"), QStringLiteral("id-%1").arg(index),
            name, name, {}, level, true, true, true, playing};
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

// A client on its own connection, as the desktop's media widget is, noting the properties each
// PropertiesChanged names. Its calls keep the loop turning: the service answers from this thread.
class Client final : public QObject {
    Q_OBJECT

public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));
    QStringList announced;

    Client()
    {
        bus.connect(busName, objectPath, properties, QStringLiteral("PropertiesChanged"), this,
            SLOT(changed(QString, QVariantMap, QStringList)));
    }
    ~Client() override { QDBusConnection::disconnectFromBus(QStringLiteral("client")); }

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
    QVariantMap metadata() { return qdbus_cast<QVariantMap>(property("Metadata")); }

private Q_SLOTS:
    void changed(const QString&, const QVariantMap& values, const QStringList&) { announced += values.keys(); }
};

struct MprisTest : ::testing::Test {
    // One process holds the name the desktop looks for; every test's service answers under it.
    static void SetUpTestSuite()
    {
        ASSERT_EQ(MprisService::claimName(QDBusConnection::sessionBus()), MprisService::Claim::Claimed)
            << "run under dbus-run-session";
    }
};

TEST_F(MprisTest, ClientCallsChangeStatusAndMetadataAndASecondStartRaisesTheFirst)
{
    FakePlayer fake;
    MprisService service(fake, QDBusConnection::sessionBus());
    Client client;
    struct Case {
        const char* method;
        const char* status;
        const char* title;
        const char* announced;
    };
    for (const Case& c : {Case {"PlayPause", "Playing", "Station 0", "PlaybackStatus"},
             Case {"Next", "Playing", "Station 1", "Metadata"}, Case {"Previous", "Playing", "Station 0", "Metadata"},
             Case {"Previous", "Playing", "Station 2", "Metadata"},
             Case {"PlayPause", "Paused", "Station 2", "CanPause"}}) {
        SCOPED_TRACE(c.method);
        client.announced.clear();
        client.call(QString::fromLatin1(c.method));
        EXPECT_EQ(client.property("PlaybackStatus").toString(), QString::fromLatin1(c.status));
        const QVariantMap metadata = client.metadata();
        EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QString::fromLatin1(c.title));
        // Object paths allow no '-': the id's hyphen is spelled out.
        EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
            QStringLiteral("/org/pembavello/PembaVello/station/sid_2d") + QLatin1Char(c.title[8]));
        EXPECT_TRUE(QTest::qWaitFor([&] { return client.announced.contains(QString::fromLatin1(c.announced)); }));
    }

    for (const auto& [volume, held] : {std::pair {2.5, 1.0}, std::pair {0.25, 0.25}}) {
        client.call(QStringLiteral("Set"),
            {playerInterface, QStringLiteral("Volume"), QVariant::fromValue(QDBusVariant(volume))}, properties);
        EXPECT_EQ(client.property("Volume").toDouble(), held);
    }

    QProcess second;
    second.start(QStringLiteral(VELLO_APP_PATH));
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(fake.raises, 1);
}

TEST_F(MprisTest, PlayPauseOnTheRealBackEndIsHeard)
{
    IcecastServer server;
    ASSERT_TRUE(server.startSource("/tone.mp3", IcecastServer::Codec::Mp3, 440)) << server.startError();
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
    const auto statusBecomes = [&](const char16_t* status) {
        return QTest::qWaitFor([&] { return client.property("PlaybackStatus").toString() == status; });
    };

    client.call(QStringLiteral("PlayPause"));
    EXPECT_EQ(client.metadata().value(QStringLiteral("xesam:artist")).toStringList(),
        QStringList {QStringLiteral("Loopback Tone")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return capture->loudSamplesFrom(0) > CaptureSink::sampleRate / 4U; }, 20000));
    EXPECT_NEAR(dominantFrequency(capture->samplesFrom(0), CaptureSink::sampleRate), 440, 5.0);
    EXPECT_TRUE(statusBecomes(u"Playing"));
    client.call(QStringLiteral("PlayPause"));
    EXPECT_TRUE(statusBecomes(u"Paused"));
}

} // namespace
} // namespace Vello

#include "mpristest.moc"
