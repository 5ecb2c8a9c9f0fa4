#include "platform/settingspreferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    // Texts with what an INI file reads as a list, a type or an escape must still come back whole.
    for (const std::string sample : {"", "https://h.example/a,b?x=1;y=2", "@Invalid()", "\"quoted\" \\ ünï\nline"}) {
        SettingsPreferences(path).setText("catalogAddress", sample);
        EXPECT_EQ(SettingsPreferences(path).text("catalogAddress"), sample);
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
    for (const char* key : {"recent", "missing"}) {
        EXPECT_EQ(preferences.text(key), std::nullopt) << key;
    }
}

} // namespace
} // namespace Vello
