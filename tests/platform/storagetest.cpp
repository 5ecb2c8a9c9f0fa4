#include "platform/settingspreferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/folderdocumentstore.h"
#include <QFile>
#include <csignal>
#include <optional>
#include <string>
#include <sys/resource.h>
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

TEST(FolderDocumentStoreTest, WritesWholeDocumentsAndReadsOnlyItsOwn)
{
    QTemporaryDir root;
    // The folder is made on the first write.
    FolderDocumentStore store(root.filePath(QStringLiteral("config/PembaVello")));
    EXPECT_EQ(store.read("songs.json"), std::nullopt);

    const std::string first = "{\"songs\": [\"caf\xC3\xA9\"]}\n";
    ASSERT_TRUE(store.write("songs.json", first));
    EXPECT_EQ(store.read("songs.json"), first);

    // A write that cannot finish leaves the old document as it was. Files may grow only to
    // 4 KiB meanwhile, root or not, and writing past that fails instead of stopping the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit fileSize {};
    getrlimit(RLIMIT_FSIZE, &fileSize);
    const rlimit saved = fileSize;
    fileSize.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &fileSize);
    EXPECT_FALSE(store.write("songs.json", std::string(64 * 1024, 'x')));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(store.read("songs.json"), first);

    // A file over the limit is not read (sparse: it takes no room on the disk).
    QFile huge(root.filePath(QStringLiteral("config/PembaVello/huge.json")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(FolderDocumentStore::maxBytes + 1));
    huge.close();
    EXPECT_EQ(store.read("huge.json"), std::nullopt);
}

} // namespace
} // namespace Vello
