// The command line against the running player on a private session bus, with its catalog from a
// stand-in on loopback and its streams from a real Icecast, heard through a null sink; and the
// answers it prints.
#include "capturesink.h"
#include "icecastserver.h"
#include "logoserver.h"
#include "nullsinkmonitor.h"
#include "waitfor.h"

#include "desktop/mprisservice.h"
#include "desktop/remoteclient.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>

// Texts in failures as text rather than bytes.
void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// What the status and play answers print, in English: one line of JSON with null for what is
// not there, or lines of text that a song cannot add to.
TEST(RemoteTest, StatusAndPlayAnswersSayWhatHappened)
{
    const RemoteStatus playing {.state = u"playing"_s,
        .stationId = u"id-1"_s,
        .station = u"Tone \"Jazz\""_s,
        .song = u"Line\nState: paused\u2028é"_s,
        .volume = 40};
    using Case = std::tuple<const char*, RemoteStatus, bool, QString>;
    for (const auto& [name, status, json, printed] : {
             Case {"json", playing, true,
                 uR"({"song":"Line\nState: paused)"_s + QChar(0x2028)
                     + uR"(é","state":"playing","station":"Tone \"Jazz\"","stationId":"id-1","volume":40})"_s + u'\n'},
             Case {"json, nothing current",
                 RemoteStatus {.state = u"stopped"_s, .stationId = {}, .station = {}, .song = {}, .volume = 100}, true,
                 uR"({"song":null,"state":"stopped","station":null,"stationId":null,"volume":100})"_s + u'\n'},
             Case {"text", playing, false,
                 u"State: Playing\nStation: Tone \"Jazz\"\nSong: Line State: paused é\nVolume: 40\n"_s},
             Case {"text, connecting without a song",
                 RemoteStatus {
                     .state = u"connecting"_s, .stationId = u"x"_s, .station = u"X"_s, .song = {}, .volume = 0},
                 false, u"State: Connecting\nStation: X\nVolume: 0\n"_s},
         }) {
        SCOPED_TRACE(name);
        EXPECT_EQ(statusText(status, json), printed);
    }
    using Play = std::tuple<PlayAnswer, int, QString, QString>;
    for (const auto& [answer, code, output, error] : {
             Play {{u"Tone Jazz"_s, 0}, exitDone, u"Playing Tone Jazz.\n"_s, QString()},
             Play {{}, exitNothingMatched, QString(), u"No station matches \"jaz\".\n"_s},
         }) {
        const RemoteReply reply = playReply(u"jaz"_s, answer);
        EXPECT_EQ(std::tuple(reply.exitCode, reply.output, reply.error), std::tuple(code, output, error));
    }
}

// A run of the program as a script would make it.
struct Outcome {
    int exitCode = -1;
    QString output;
    QString error;
};

class RemoteSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(monitor.emplace().startError(), "");
        ASSERT_EQ(icecast.emplace().startError(), "");
        ASSERT_TRUE(icecast->startSource("/tone.mp3", IcecastServer::Codec::Mp3, 440));
        ASSERT_TRUE(icecast->startSource("/open.mp3", IcecastServer::Codec::Mp3, 660));
        const QString tone = QString::fromStdString(icecast->url("/tone.mp3"));
        QJsonArray stations;
        for (const auto& [id, name] :
            {std::pair {"id-0", "Tone Radio"}, std::pair {"id-1", "Tone Jazz"}, std::pair {"id-2", "Other Jazz"}}) {
            stations.append(QJsonObject {
                {u"stationuuid"_s, QString::fromLatin1(id)}, {u"name"_s, QString::fromLatin1(name)}, {u"url"_s, tone}});
        }
        catalog.serve(u"/stations.json"_s, QJsonDocument(stations).toJson(), "application/json");
        // PULSE_SERVER and the rest that reach the null sink are set in this process already.
        environment = QProcessEnvironment::systemEnvironment();
        for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            environment.insert(QString::fromLatin1(folder), home.filePath(QString::fromLatin1(folder)));
        }
    }
    void TearDown() override
    {
        if (player.state() != QProcess::NotRunning) {
            player.terminate();
            EXPECT_TRUE(player.waitForFinished(10000)) << "the player is still running";
        }
    }

    Outcome run(const QStringList& arguments)
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELLO_APP_PATH), arguments);
        EXPECT_TRUE(program.waitForFinished(60000)) << arguments.join(u' ').toStdString();
        return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
            QString::fromLocal8Bit(program.readAllStandardError())};
    }
    QJsonObject status()
    {
        const Outcome answer = run({u"--status"_s, u"--json"_s});
        EXPECT_EQ(answer.exitCode, exitDone) << answer.error.toStdString();
        return QJsonDocument::fromJson(answer.output.toUtf8()).object();
    }
    // Waits until --status says `station` plays, and is heard.
    bool playsAndIsHeard(const QString& station)
    {
        return QTest::qWaitFor(
            [&] {
                const QJsonObject now = status();
                return now.value(u"station"_s).toString() == station && now.value(u"state"_s).toString() == u"playing";
            },
            30000);
    }
    double heardFrequency()
    {
        const std::size_t from = monitor->sampleCount();
        const auto wanted = static_cast<std::size_t>(NullSinkMonitor::sampleRate);
        EXPECT_TRUE(QTest::qWaitFor([&] { return monitor->sampleCount() >= from + wanted; }, 20000));
        return dominantFrequency(monitor->samplesFrom(from), NullSinkMonitor::sampleRate);
    }
    QString catalogUrl() const { return QString::fromStdString(catalog.url(u"/stations.json"_s)); }

    std::optional<NullSinkMonitor> monitor;
    std::optional<IcecastServer> icecast;
    LogoServer catalog;
    QTemporaryDir home;
    QProcessEnvironment environment;
    QProcess player;
};

// None running, --status says so; --play starts the player, which plays the first match once
// its catalog is in. Then each command reaches it from another process, and what it did shows
// in --status. An address plays for this run only, from the command line and from OpenUri.
TEST_F(RemoteSessionTest, TheCommandLineDrivesTheRunningPlayer)
{
    for (const QStringList& asked : {QStringList {u"--status"_s}, QStringList {u"--json"_s, u"--status"_s}}) {
        const Outcome none = run(asked);
        EXPECT_EQ(std::tuple(none.exitCode, none.output, none.error),
            std::tuple(exitNotRunning, QString(), u"Pemba Vello is not running.\n"_s));
    }

    player.setProcessEnvironment(environment);
    player.start(QStringLiteral(VELLO_APP_PATH), {u"--catalog-url"_s, catalogUrl(), u"--play"_s, u"jazz"_s});
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.bytesAvailable() > 0; }, 60000))
        << player.readAllStandardError().toStdString();
    EXPECT_EQ(
        QString::fromLocal8Bit(player.readAllStandardOutput()), u"Playing Other Jazz; 1 more station matches.\n"_s);
    ASSERT_TRUE(playsAndIsHeard(u"Other Jazz"_s));
    EXPECT_EQ(status().value(u"stationId"_s).toString(), u"id-2"_s);
    EXPECT_NEAR(heardFrequency(), 440, 5);

    const QString address = QString::fromStdString(icecast->url("/open.mp3"));
    // The arguments, then the exit status, what it printed, and the status that follows.
    using Case = std::tuple<QStringList, int, QString, const char*, QVariant>;
    for (const auto& [arguments, code, printed, field, value] : {
             Case {{u"--play"_s, u"id-1"_s}, exitDone, u"Playing Tone Jazz.\n"_s, "stationId", u"id-1"_s},
             Case {{u"--play"_s, u"TONE radio"_s}, exitDone, u"Playing Tone Radio.\n"_s, "station", u"Tone Radio"_s},
             Case {{u"--play"_s, u"Classical"_s}, exitNothingMatched, u"No station matches \"Classical\".\n"_s,
                 "station", u"Tone Radio"_s},
             Case {{u"--volume"_s, u"30"_s}, exitDone, QString(), "volume", 30},
             Case {{u"--volume"_s, u"300"_s}, exitBadUsage, QString(), "volume", 30},
             Case {{u"--pause"_s}, exitDone, QString(), "state", u"paused"_s},
             Case {{u"--play"_s, address}, exitDone, u"Playing "_s + address + u".\n"_s, "station", address},
         }) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const Outcome answer = run(arguments);
        EXPECT_EQ(answer.exitCode, code) << answer.error.toStdString();
        EXPECT_EQ(answer.output + (code == exitDone ? QString() : answer.error.section(u'\n', 0, 0) + u'\n'),
            code == exitBadUsage ? answer.error.section(u'\n', 0, 0) + u'\n' : printed);
        EXPECT_EQ(status().value(QString::fromLatin1(field)).toVariant(), value);
    }
    ASSERT_TRUE(playsAndIsHeard(address));
    EXPECT_NEAR(heardFrequency(), 660, 5);

    // Back on the catalog's tone, the desktop opens the other stream; what it cannot play it ignores.
    ASSERT_EQ(run({u"--play"_s, u"id-0"_s}).exitCode, exitDone);
    ASSERT_TRUE(playsAndIsHeard(u"Tone Radio"_s));
    const QString busName = QString::fromLatin1(MprisService::busName);
    const QString objectPath = QString::fromLatin1(MprisService::objectPath);
    QDBusInterface controls(busName, objectPath, u"org.mpris.MediaPlayer2.Player"_s);
    QDBusInterface properties(busName, objectPath, u"org.freedesktop.DBus.Properties"_s);
    QSignalSpy seeked(&controls, SIGNAL(Seeked(qlonglong)));
    QSignalSpy changed(&properties, SIGNAL(PropertiesChanged(QString, QVariantMap, QStringList)));
    for (const QString& uri : {u"file:///dev/zero"_s, address}) {
        QProcess send;
        send.start(u"dbus-send"_s,
            {u"--session"_s, u"--print-reply"_s, u"--dest="_s + QString::fromLatin1(MprisService::busName),
                QString::fromLatin1(MprisService::objectPath), u"org.mpris.MediaPlayer2.Player.OpenUri"_s,
                u"string:"_s + uri});
        ASSERT_TRUE(send.waitForFinished(20000));
        EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(playsAndIsHeard(address));
    EXPECT_NEAR(heardFrequency(), 660, 5);
    const QDBusMessage schemes = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QString::fromLatin1(MprisService::busName),
            QString::fromLatin1(MprisService::objectPath), u"org.freedesktop.DBus.Properties"_s, u"Get"_s)
        << u"org.mpris.MediaPlayer2"_s << u"SupportedUriSchemes"_s);
    EXPECT_EQ(qdbus_cast<QDBusVariant>(schemes.arguments().value(0)).variant().toStringList(),
        (QStringList {u"http"_s, u"https"_s}));

    // Kept as it plays, the stream moves from the desktop too, which hears where it went: back,
    // then to the live end however far past it, then to the oldest kept however far before it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return controls.property("Position").toLongLong() > 15'000'000; }, 30000));
    EXPECT_TRUE(std::ranges::any_of(changed, [](const QList<QVariant>& signal) {
        return qdbus_cast<QVariantMap>(signal.value(1)).value(u"CanSeek"_s).toBool();
    }));
    const qlonglong live = controls.property("Position").toLongLong();
    const auto track = qdbus_cast<QVariantMap>(controls.property("Metadata")).value(u"mpris:trackid"_s);
    const auto moved = [&](const QString& method, const QVariantList& arguments) {
        controls.callWithArgumentList(QDBus::Block, method, arguments);
        return QTest::qWaitFor([&] { return !seeked.isEmpty(); }) ? seeked.takeFirst().value(0).toLongLong() : -1;
    };
    const qlonglong back = moved(u"Seek"_s, {qlonglong {-5'000'000}});
    EXPECT_NEAR(back, live - 5'000'000, 1'500'000);
    controls.call(u"SetPosition"_s, QVariant::fromValue(QDBusObjectPath(u"/elsewhere"_s)), qlonglong {0});
    EXPECT_GT(moved(u"SetPosition"_s, {track, std::numeric_limits<qlonglong>::max()}), back + 4'000'000)
        << "ignored for another track, then live";
    EXPECT_LT(moved(u"Seek"_s, {std::numeric_limits<qlonglong>::min()}), back - 2'000'000);

    player.terminate();
    ASSERT_TRUE(player.waitForFinished(10000));
    const QSettings kept(home.filePath(u"XDG_CONFIG_HOME/PembaVello/PembaVello.conf"_s), QSettings::IniFormat);
    EXPECT_EQ(kept.value(u"recent"_s).toStringList(), (QStringList {u"id-0"_s, u"id-1"_s, u"id-2"_s}))
        << "an address played for this run is not remembered";
}

} // namespace
} // namespace Vello
