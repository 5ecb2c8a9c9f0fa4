#include "logoserver.h"

#include "widgets/translation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The test's environment as a terminal without a display has it, in the session language `variable`=`value`.
QProcessEnvironment sessionIn(const QString& variable, const QString& value)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANGUAGE"_s, u"LANG"_s,
             u"LC_ALL"_s, u"LC_MESSAGES"_s, u"DBUS_SESSION_BUS_ADDRESS"_s}) {
        environment.remove(name);
    }
    environment.insert(variable, value);
    return environment;
}

// The usage, the version and a command line the program cannot follow need no display: they
// answer before any window, on a terminal with none, in every language the player speaks.
TEST(Application, AnswersItsCommandLineWithoutADisplayInEveryLanguage)
{
    const QStringList languages = Translations::shippedLanguages();
    ASSERT_TRUE(languages.contains(u"ar"_s) && languages.contains(u"de"_s)) << languages.join(u' ').toStdString();
    std::vector<std::pair<QString, QString>> sessions;
    for (const QString& language : languages) {
        sessions.emplace_back(u"LANGUAGE"_s, language);
    }
    sessions.emplace_back(u"LANG"_s, u"ar_EG.UTF-8"_s);
    sessions.emplace_back(u"LANGUAGE"_s, u"ar:de"_s);
    struct Case {
        QStringList arguments;
        int exitCode;
        QByteArray says;
    };
    const Case cases[] = {
        {{u"--help"_s}, 0, "--directory-server"},
        {{u"--help-all"_s}, 0, "--directory-server"},
        {{u"-session"_s, u"10d2e_42"_s, u"--version"_s}, 0, "PembaVello " VELLO_VERSION},
        {{u"--catalog-url"_s, u"catalog.json"_s}, 2, "--catalog-url"},
    };
    for (const auto& [variable, value] : sessions) {
        for (const Case& c : cases) {
            SCOPED_TRACE((variable + u'=' + value + u' ' + c.arguments.join(u' ')).toStdString());
            QProcess program;
            program.setProcessEnvironment(sessionIn(variable, value));
            program.start(QStringLiteral(VELLO_APP_PATH), c.arguments);
            ASSERT_TRUE(program.waitForFinished(60'000));
            const QByteArray output = program.readAllStandardOutput() + program.readAllStandardError();
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << output.toStdString();
            EXPECT_EQ(program.exitCode(), c.exitCode) << output.toStdString();
            EXPECT_TRUE(output.contains(c.says)) << output.toStdString();
        }
    }
    // The usage's first words, in English and in the Portuguese a reader in Portugal gets.
    for (const auto& [language, says] : {std::pair {u"en"_s, QByteArray("Usage: " VELLO_APP_PATH " [options]")},
             std::pair {u"pt_PT"_s, QByteArray("Pemba Vello, um player de rádio pela internet.")}}) {
        QProcess program;
        program.setProcessEnvironment(sessionIn(u"LANGUAGE"_s, language));
        program.start(QStringLiteral(VELLO_APP_PATH), {u"--help"_s});
        ASSERT_TRUE(program.waitForFinished(60'000));
        EXPECT_TRUE(program.readAllStandardOutput().contains(says)) << language.toStdString();
    }
}

TEST(Translations, TheClosestShippedLanguageComesBeforeEnglish)
{
    const QStringList shipped {u"ar"_s, u"de"_s, u"en"_s, u"ja"_s, u"pt_BR"_s};
    struct Case {
        QStringList preferred;
        QString chosen;
    };
    const Case cases[] = {
        {{u"de-AT"_s, u"ja"_s}, u"de"_s},
        {{u"pt-PT"_s, u"en"_s}, u"pt_BR"_s},
        {{u"pt_PT"_s}, u"pt_BR"_s},
        {{u"sv-SE"_s, u"ja-JP"_s}, u"ja"_s},
        {{u"en-GB"_s, u"de"_s}, u"en"_s},
        {{u"zh-Hant-TW"_s}, u"en"_s},
        {{}, u"en"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preferred.join(u' ').toStdString());
        EXPECT_EQ(Translations::closestLanguage(c.preferred, shipped), c.chosen);
    }
}

// Whether the player listening on `socket` shows a station row named `name` in its window.
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
        return row.value(u"class"_s) == u"Vello::StationRow"_s && row.value(u"name"_s) == name
            && row.value(u"w"_s).toInt() > 0 && row.value(u"h"_s).toInt() > 0;
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
        QProcessEnvironment environment = sessionIn(u"LANGUAGE"_s, language);
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
