#include "platform/settingspreferences.h"

#include "browserharness.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace Vello {
namespace {

using Strings = std::vector<std::string>;

TEST(SettingsPreferencesTest, ValuesComeBackAsStoredAndAnythingElseReadsAsNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("prefs.ini"));
    for (const Strings& sample : std::vector<Strings> {{}, {"one"},
             {"a,b", "  spaced  ", "@Invalid()", "ünï \"quoted\"", "x", "x", "", "=", "\\back\\slash", "new\nline"}}) {
        SettingsPreferences(path).setStringList("recent", sample);
        EXPECT_EQ(SettingsPreferences(path).stringList("recent"), sample);
    }
    SettingsPreferences(path).setNumber("volume", 0.35);
    SettingsPreferences(path).setFlag("muted", true);
    EXPECT_EQ(SettingsPreferences(path).number("volume"), 0.35);
    EXPECT_EQ(SettingsPreferences(path).flag("muted"), true);
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("favorites"), 42);
        raw.setValue(QStringLiteral("recent"), QVariantList {QStringLiteral("a"), 7});
        raw.setValue(QStringLiteral("volume"), QStringLiteral("loud"));
        raw.setValue(QStringLiteral("muted"), QStringLiteral("yes"));
        raw.setValue(QStringLiteral("nan"), QStringLiteral("nan"));
    }
    const SettingsPreferences preferences(path);
    for (const char* key : {"favorites", "recent", "never written"}) {
        EXPECT_TRUE(preferences.stringList(key).empty()) << key;
    }
    for (const char* key : {"volume", "nan", "missing"}) {
        EXPECT_EQ(preferences.number(key), std::nullopt) << key;
    }
    EXPECT_EQ(preferences.flag("muted"), std::nullopt);
}

TEST(SettingsPreferencesTest, FavouritesAndRecentsSurviveARestartInTheUsersConfigFolder)
{
    QTemporaryDir folder;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit().constData(), 1), 0);
    {
        SettingsPreferences preferences;
        BrowserHarness first(&preferences);
        first.start(makeStations(5));
        first.controller->toggleFavorite(first.controller->allStations()[3]);
        first.controller->toggleFavorite(first.controller->allStations()[1]);
        first.controller->play(first.controller->allStations()[2]);
        first.controller->play(first.controller->allStations()[4]);
    }
    QSettings written(folder.filePath(QStringLiteral("PembaVello/PembaVello.conf")), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("favorites")).toStringList(),
        (QStringList {QStringLiteral("s1"), QStringLiteral("s3")}));

    SettingsPreferences preferences;
    BrowserHarness second(&preferences);
    second.start(makeStations(5));
    EXPECT_EQ(second.controller->favorites(), (FavoriteSet {"s1", "s3"}));
    second.controller->chooseListMode(ListMode::Recent);
    EXPECT_EQ(second.listed(), (Strings {"s4", "s2"}));
}

} // namespace
} // namespace Vello
