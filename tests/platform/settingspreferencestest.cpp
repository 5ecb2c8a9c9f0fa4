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

TEST(SettingsPreferencesTest, ListsOfAnyLengthComeBackAsStored)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("prefs.ini"));
    const std::vector<Strings> samples {{}, {"one"}, {"a,b", "  spaced  ", "@Invalid()", "ünï \"quoted\""},
        {"x", "x", "", "=", "\\back\\slash", "new\nline"}};
    for (const Strings& sample : samples) {
        SettingsPreferences(path).setStringList("recent", sample);
        EXPECT_EQ(SettingsPreferences(path).stringList("recent"), sample);
    }
    EXPECT_TRUE(SettingsPreferences(path).stringList("favorites").empty());
}

TEST(SettingsPreferencesTest, AValueThatIsNotAListOfStringsReadsAsEmpty)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("prefs.ini"));
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("favorites"), 42);
        raw.setValue(QStringLiteral("recent"), QVariantList {QStringLiteral("a"), 7});
        raw.setValue(QStringLiteral("other"), QVariantMap {{QStringLiteral("k"), QStringLiteral("v")}});
    }
    SettingsPreferences preferences(path);
    EXPECT_TRUE(preferences.stringList("favorites").empty());
    EXPECT_TRUE(preferences.stringList("recent").empty());
    EXPECT_TRUE(preferences.stringList("other").empty());

    preferences.setStringList("favorites", {"kept"});
    EXPECT_EQ(SettingsPreferences(path).stringList("favorites"), (Strings {"kept"}));
}

TEST(SettingsPreferencesTest, TheDefaultStoreLivesUnderTheUsersConfigFolder)
{
    QTemporaryDir folder;
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit().constData(), 1), 0);
    SettingsPreferences().setStringList("favorites", {"f1", "f2"});
    QSettings written(folder.filePath(QStringLiteral("PembaVello/PembaVello.conf")), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("favorites")).toStringList(),
        (QStringList {QStringLiteral("f1"), QStringLiteral("f2")}));
}

TEST(SettingsPreferencesTest, FavouritesAndRecentsSurviveARestart)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("prefs.ini"));
    {
        SettingsPreferences preferences(path);
        BrowserHarness first;
        auto controller = std::make_unique<BrowserController>(
            first.view, first.source, first.media, first.http, preferences, first.queue);
        controller->viewDidLoad();
        first.source.answer(makeStations(5));
        first.queue.runPending();
        controller->toggleFavorite(controller->allStations()[3]);
        controller->toggleFavorite(controller->allStations()[1]);
        controller->play(controller->allStations()[2]);
        controller->play(controller->allStations()[4]);
    }

    SettingsPreferences preferences(path);
    BrowserHarness second;
    auto controller = std::make_unique<BrowserController>(
        second.view, second.source, second.media, second.http, preferences, second.queue);
    controller->viewDidLoad();
    second.source.answer(makeStations(5));
    second.queue.runPending();
    EXPECT_EQ(controller->favorites(), (FavoriteSet {"s1", "s3"}));
    EXPECT_EQ(controller->recentIds(), (Strings {"s4", "s2"}));
    controller->chooseListMode(ListMode::Recent);
    ASSERT_EQ(controller->filteredStations().size(), 2U);
    EXPECT_EQ(controller->filteredStations().front()->id(), "s4");
}

TEST(SettingsPreferencesTest, NumbersAndFlagsComeBackAndAnythingElseReadsAsNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("prefs.ini"));
    SettingsPreferences(path).setNumber("volume", 0.35);
    SettingsPreferences(path).setFlag("muted", true);
    EXPECT_EQ(SettingsPreferences(path).number("volume"), 0.35);
    EXPECT_EQ(SettingsPreferences(path).flag("muted"), true);
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue(QStringLiteral("volume"), QStringLiteral("loud"));
        raw.setValue(QStringLiteral("muted"), QStringLiteral("yes"));
        raw.setValue(QStringLiteral("nan"), QStringLiteral("nan"));
    }
    SettingsPreferences preferences(path);
    EXPECT_EQ(preferences.number("volume"), std::nullopt);
    EXPECT_EQ(preferences.flag("muted"), std::nullopt);
    EXPECT_EQ(preferences.number("nan"), std::nullopt);
    EXPECT_EQ(preferences.number("missing"), std::nullopt);
}

} // namespace
} // namespace Vello
