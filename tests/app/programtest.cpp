#include "logoserver.h"

#include "i18n/translation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The test's environment as a terminal without a display has it, in the session language `session`
// ("LANGUAGE=de").
QProcessEnvironment sessionIn(const QString& session)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANGUAGE"_s, u"LANG"_s,
             u"LC_ALL"_s, u"LC_MESSAGES"_s, u"DBUS_SESSION_BUS_ADDRESS"_s}) {
        environment.remove(name);
    }
    environment.insert(session.section(u'=', 0, 0), session.section(u'=', 1));
    return environment;
}

// The usage with its exit statuses, the version, a command line the program cannot follow and
// a status asked of a player that is not running need no display: they answer before any
// window, on a terminal with none, in every language the player speaks.
TEST(Application, AnswersItsCommandLineWithoutADisplayInEveryLanguage)
{
    const QStringList languages = Translations::shippedLanguages();
    ASSERT_TRUE(languages.contains(u"ar"_s) && languages.contains(u"de"_s)) << languages.join(u' ').toStdString();
    QStringList sessions {u"LANG=ar_EG.UTF-8"_s, u"LANGUAGE=ar:de"_s};
    for (const QString& language : languages) {
        sessions += u"LANGUAGE="_s + language;
    }
    // The output of the program run with `arguments` in `session`, after checking how it ended.
    const auto run = [](const QString& session, const QStringList& arguments, int exitCode) {
        QProcess program;
        program.setProcessEnvironment(sessionIn(session));
        program.start(QStringLiteral(VELLO_APP_PATH), arguments);
        EXPECT_TRUE(program.waitForFinished(60'000));
        QByteArray output = program.readAllStandardOutput() + program.readAllStandardError();
        EXPECT_EQ(std::pair(program.exitStatus(), program.exitCode()), std::pair(QProcess::NormalExit, exitCode))
            << output.toStdString();
        return output;
    };
    using Case = std::tuple<QStringList, int, QByteArray>;
    for (const QString& session : sessions) {
        for (const auto& [arguments, exitCode, says] :
            {Case {{u"--help"_s}, 0, "--directory-server"}, Case {{u"--help-all"_s}, 0, "--directory-server"},
                Case {{u"-session"_s, u"10d2e_42"_s, u"--version"_s}, 0, "PembaVello " VELLO_VERSION},
                Case {{u"--catalog-url"_s, u"catalog.json"_s}, 2, "--catalog-url"},
                Case {{u"--help"_s}, 0, "\n  4  --play"}, Case {{u"--volume=x"_s}, 2, "--volume"},
                Case {{u"--status"_s, u"--json"_s}, 3, "Pemba Vello"}}) {
            SCOPED_TRACE((session + u' ' + arguments.join(u' ')).toStdString());
            EXPECT_TRUE(run(session, arguments, exitCode).contains(says));
        }
    }
    // The usage's first words, in English and in the Portuguese a reader in Portugal gets.
    EXPECT_TRUE(run(u"LANGUAGE=en"_s, {u"--help"_s}, 0).startsWith("Usage: " VELLO_APP_PATH " [options]"));
    EXPECT_TRUE(run(u"LANGUAGE=pt_PT"_s, {u"--help"_s}, 0).contains("um player de rádio pela internet."));
}

// Whether the player listening on `socket` shows a station row named `name` where it can be seen.
bool showsRow(const QString& socket, const QString& name)
{
    QLocalSocket inspector;
    inspector.connectToServer(socket);
    if (!inspector.waitForConnected(1000)) {
        return false;
    }
    inspector.write("widgets\n");
    while (!inspector.canReadLine() && inspector.waitForReadyRead(5000)) { }
    const QJsonArray widgets = QJsonDocument::fromJson(inspector.readLine()).object().value(u"widgets"_s).toArray();
    return std::any_of(widgets.begin(), widgets.end(), [&name](const QJsonValue& widget) {
        const QJsonObject row = widget.toObject();
        return row.value(u"class"_s) == u"Vello::StationRow"_s && row.value(u"name"_s) == name;
    });
}

// The program as a desktop starts it, in each language it ships: its window lists the catalog.
TEST(Application, ShowsTheFirstStationInEveryShippedLanguage)
{
    LogoServer catalog;
    catalog.serve(u"/stations_filtered.json"_s,
        R"([{"stationuuid": "id-0", "name": "Radio Alpha", "url": "http://127.0.0.1:9/a", "votes": 9},
            {"stationuuid": "id-1", "name": "Radio Beta", "url": "http://127.0.0.1:9/b", "votes": 3}])",
        "application/json");
    for (const QString& language : Translations::shippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        QTemporaryDir home;
        QProcessEnvironment environment = sessionIn(u"LANGUAGE="_s + language);
        for (const char* folder : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
            environment.insert(QString::fromLatin1(folder), home.filePath(QString::fromLatin1(folder)));
        }
        const QString socket = home.filePath(u"inspect"_s);
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"VELLO_TEST_INSPECT"_s, socket);
        QProcess player;
        player.setProcessEnvironment(environment);
        player.start(QStringLiteral(VELLO_APP_PATH),
            {u"--catalog-url"_s, QString::fromStdString(catalog.url(u"/stations_filtered.json"_s))});
        const bool shown = QTest::qWaitFor(
            [&] { return player.state() == QProcess::NotRunning || showsRow(socket, u"Radio Alpha"_s); }, 60'000);
        ASSERT_TRUE(shown && player.state() == QProcess::Running) << player.readAllStandardError().toStdString();
        player.terminate();
        EXPECT_TRUE(player.waitForFinished(10'000));
    }
}

} // namespace
} // namespace Vello
