#include "manualmainqueue.h"
#include "platform/folderdocumentstore.h"
#include "platform/gstrecorder.h"
#include "platform/settingspreferences.h"
#include "scratchfolder.h"

#include "browser/ownstations.h"
#include "session/songhistory.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
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

// The streams kept in the cache folder: at start, what ended runs left goes; a player still
// running (nothing stops a second one without a session bus) keeps its own.
TEST(KeptStreamsTest, OnlyWhatNoRunningPlayerKeepsIsRemoved)
{
    const ScratchFolder scratch;
    const struct {
        std::string name;
        bool stays;
    } cases[] = {{std::to_string(::getpid()) + "-1", true}, {std::to_string(::getppid()) + "-2", true},
        {"999999999-1", false}, {"stray", false}};
    for (const auto& c : cases) {
        std::filesystem::create_directories(scratch.path / c.name);
        writeFile(scratch.path / c.name / "0.kept", "audio");
    }
    removeEarlierRunsKept(scratch.path);
    for (const auto& c : cases) {
        EXPECT_EQ(std::filesystem::exists(scratch.path / c.name / "0.kept"), c.stays) << c.name;
    }
}

TEST(FolderDocumentStoreTest, WritesWholeDocumentsAndReadsOnlyItsOwn)
{
    QTemporaryDir root;
    // The folder is made on the first write.
    FolderDocumentStore store(root.filePath(QStringLiteral("config/PembaVello")));
    const auto read = [&store](std::string_view name) {
        const auto bytes = store.read(name, 4096);
        return std::holds_alternative<Error>(bytes) ? "not read: " + std::get<Error>(bytes).description.english()
                                                    : std::get<std::optional<std::string>>(bytes).value_or("none");
    };
    EXPECT_EQ(read("songs.json"), "none");

    const std::string first = "{\"songs\": [\"caf\xC3\xA9\"]}\n";
    ASSERT_TRUE(store.write("songs.json", first));
    EXPECT_EQ(read("songs.json"), first);

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
    EXPECT_EQ(read("songs.json"), first);

    // A file over the size asked for is not read.
    ASSERT_TRUE(store.write("large.json", std::string(4097, ' ')));
    EXPECT_EQ(read("large.json"), "not read: It is larger than the player reads.");
}

namespace fs = std::filesystem;

std::string songsDocument(int count, int version = 1, const std::string& station = "Alpha FM")
{
    std::string out = "{\"version\": " + std::to_string(version) + ", \"songs\": [";
    for (int i = 0; i < count; ++i) {
        out += (i == 0 ? "\n  " : ",\n  ") + std::string("{\"title\": \"Song ") + std::to_string(i)
            + "\", \"stationId\": \"s\", \"station\": \"" + station + "\", \"heard\": " + std::to_string(1000 + i)
            + "}";
    }
    return out + "\n]}\n";
}

std::string ownDocument(int count, bool withCatalogId = false)
{
    std::string out = "{\"version\": 1, \"stations\": [";
    for (int i = 0; i < count; ++i) {
        const std::string id = withCatalogId && i == count - 1 ? "9617a958-catalog" : "own:" + std::to_string(i);
        out += (i == 0 ? "\n  " : ",\n  ") + std::string("{\"id\": \"") + id + "\", \"name\": \"Station "
            + std::to_string(i) + "\", \"url\": \"http://radio.lan/" + std::to_string(i)
            + "\", \"favicon\": \"\", \"tags\": \"\"}";
    }
    return out + "\n]}\n";
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// The person's own files on a real folder, as each kind of file a person may have leaves them:
// what the player lists, what the file holds after one new song, station or favourite, where
// the file it could not read went, and what the person is told.
TEST(PersonalDocumentsTest, AFileThatCannotBeReadIsSetAsideWholeAndNeverWrittenOver)
{
    enum class Kind { Bytes, Fifo, DevZero };
    struct Case {
        const char* name;
        std::string_view file;
        Kind kind;
        std::string bytes;
        std::size_t listed;
        // Entries in the file after one change; npos: the file is left as it was.
        std::size_t after;
        bool setAside;
    };
    const std::string songs50 = songsDocument(50);
    const std::string own50 = ownDocument(50);
    const std::string_view songs = SongHistory::documentName;
    const std::string_view own = OwnStations::documentName;
    const std::string_view settings = "PembaVello.conf";
    const Case cases[] = {
        {"songs cut off", songs, Kind::Bytes, songs50.substr(0, songs50.size() * 7 / 10), 34, 35, true},
        {"songs of a newer version", songs, Kind::Bytes, songsDocument(3, 2), 3, std::string::npos, false},
        {"12,000 songs", songs, Kind::Bytes, songsDocument(12'000, 1, "Alpha FM Classics of Rock and Blues 24/7"), 500,
            500, true},
        {"500 songs of a station with a 4 KB name", songs, Kind::Bytes, songsDocument(500, 1, std::string(4096, 'n')),
            500, 500, false},
        {"songs as a FIFO", songs, Kind::Fifo, "", 0, 1, true},
        {"songs as a link to /dev/zero", songs, Kind::DevZero, "", 0, 1, true},
        {"own stations cut off", own, Kind::Bytes, own50.substr(0, own50.size() * 7 / 10), 35, 36, true},
        {"own stations, one with a catalog's id", own, Kind::Bytes, ownDocument(6, true), 5, 7, false},
        {"12,000 own stations", own, Kind::Bytes, ownDocument(12'000), 10'000, 10'000, true},
        {"own stations as a FIFO", own, Kind::Fifo, "", 0, 1, true},
        {"own stations as a link to /dev/zero", own, Kind::DevZero, "", 0, 1, true},
        {"settings as a FIFO", settings, Kind::Fifo, "", 0, 1, true},
        {"settings as a link to /dev/zero", settings, Kind::DevZero, "", 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScratchFolder folder;
        const fs::path file = folder.path / c.file;
        switch (c.kind) {
        case Kind::Bytes:
            writeFile(file, c.bytes);
            break;
        case Kind::Fifo:
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
            break;
        case Kind::DevZero:
            fs::create_symlink("/dev/zero", file);
            break;
        }
        FolderDocumentStore store(QString::fromStdString(folder.path.string()));
        ManualMainQueue queue;
        std::size_t listed = 0;
        std::optional<Text> notice;
        if (c.file == songs) {
            SongHistory history(store, queue);
            notice = history.restore();
            listed = history.entries().size();
            history.record("z", "Zed", "A new song");
        } else if (c.file == own) {
            OwnStations stations(store, [] { return "new"; });
            notice = stations.restore();
            listed = stations.stations().size();
            (void)stations.add({"New", "http://radio.lan/new", "", ""});
        } else {
            SettingsPreferences preferences(QString::fromStdString(file.string()));
            notice = preferences.notice();
            listed = preferences.stringList("favorites").size();
            preferences.setStringList("favorites", {"s1"});
        }
        EXPECT_EQ(listed, c.listed);
        const std::optional<std::string> now = readFile(file);
        ASSERT_TRUE(now.has_value());
        if (c.after == std::string::npos) {
            EXPECT_EQ(*now, c.bytes);
            ASSERT_TRUE(notice.has_value());
            EXPECT_NE(notice->english().find("newer version"), std::string::npos);
        } else {
            const char* entry = c.file == songs ? "\"heard\"" : c.file == own ? "\"url\"" : "favorites=";
            EXPECT_EQ(occurrences(*now, entry), c.after);
        }
        // The file that could not be read lies beside it, whole, under a name with the date, and
        // the person is told where.
        std::vector<fs::path> beside;
        for (const auto& entry : fs::directory_iterator(folder.path)) {
            if (entry.path() != file) {
                beside.push_back(entry.path());
            }
        }
        ASSERT_EQ(beside.size(), c.setAside ? 1U : 0U);
        if (!c.setAside) {
            EXPECT_EQ(notice.has_value(), c.after == std::string::npos);
            continue;
        }
        const std::string stem = file.stem().string();
        EXPECT_TRUE(std::regex_match(
            beside[0].filename().string(), std::regex(stem + "-\\d{4}-\\d{2}-\\d{2}\\" + file.extension().string())))
            << beside[0];
        switch (c.kind) {
        case Kind::Bytes:
            EXPECT_EQ(readFile(beside[0]), c.bytes);
            break;
        case Kind::Fifo:
            EXPECT_TRUE(fs::is_fifo(beside[0]));
            break;
        case Kind::DevZero:
            EXPECT_EQ(fs::read_symlink(beside[0]), "/dev/zero");
            break;
        }
        ASSERT_TRUE(notice.has_value());
        EXPECT_NE(notice->english().find(beside[0].string()), std::string::npos) << notice->english();
    }
}

} // namespace
} // namespace Vello
