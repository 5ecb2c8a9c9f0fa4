#include "memorydocumentstore.h"

#include "browser/songhistory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;

struct Heard {
    std::string stationId;
    std::string stationName;
    std::string title;
};

// A history on an in-memory store whose clock moves a minute on every reading.
struct HistoryFixture {
    MemoryDocumentStore store;
    std::chrono::system_clock::time_point now = std::chrono::system_clock::time_point(1'780'000'000s);
    SongHistory history {store, [this] { return now += 60s; }};

    [[nodiscard]] std::vector<std::string> titles() const
    {
        std::vector<std::string> result;
        for (const auto& entry : history.entries()) {
            result.push_back(entry.stationId + ":" + entry.title);
        }
        return result;
    }
};

TEST(SongHistoryTest, RecordsOnlyNewSongTitles)
{
    const struct {
        const char* name;
        std::vector<Heard> heard;
        std::vector<std::string> expected;
    } cases[] = {
        {"new titles, newest first", {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", "Two"}}, {"a:Two", "a:One"}},
        {"empty and blank titles", {{"a", "Alpha FM", ""}, {"a", "Alpha FM", "  \t "}}, {}},
        {"repeat of the station's last title", {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", " one "}}, {"a:One"}},
        {"repeat after another station spoke",
            {{"a", "Alpha FM", "One"}, {"b", "Beta", "Two"}, {"a", "Alpha FM", "One"}}, {"b:Two", "a:One"}},
        {"same title on a new station", {{"a", "Alpha FM", "One"}, {"b", "Beta", "One"}}, {"b:One", "a:One"}},
        {"a title heard again after another",
            {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", "Two"}, {"a", "Alpha FM", "One"}},
            {"a:One", "a:Two", "a:One"}},
        {"the station's own name", {{"a", "Alpha FM", "Alpha FM"}, {"a", "Alpha FM", "  ALPHA fm "}}, {}},
        {"another station's name is a title", {{"a", "Alpha FM", "Beta"}}, {"a:Beta"}},
        {"non-ASCII name in other case", {{"z", "Zürich Öffentlich", "ZÜRICH ÖFFENTLICH"}}, {}},
        {"title kept trimmed", {{"a", "Alpha FM", "  Three  "}}, {"a:Three"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        HistoryFixture fixture;
        for (const Heard& song : test.heard) {
            fixture.history.record(song.stationId, song.stationName, song.title);
        }
        EXPECT_EQ(fixture.titles(), test.expected);
    }
}

TEST(SongHistoryTest, KeepsTheNewest500)
{
    HistoryFixture fixture;
    for (int i = 0; i < 503; ++i) {
        fixture.history.record("a", "Alpha FM", "Song " + std::to_string(i));
    }
    ASSERT_EQ(fixture.history.entries().size(), SongHistory::maxEntries);
    EXPECT_EQ(fixture.history.entries().front().title, "Song 502");
    EXPECT_EQ(fixture.history.entries().back().title, "Song 3");

    SongHistory reread(fixture.store);
    reread.restore();
    EXPECT_EQ(reread.entries().size(), SongHistory::maxEntries);
    EXPECT_EQ(reread.entries().back().title, "Song 3");
}

TEST(SongHistoryTest, SavedListIsReadBackByAnotherInstance)
{
    HistoryFixture fixture;
    fixture.history.record("a", "Alpha \"FM\"", "Caf\xC3\xA9 \\ \"Tango\"");
    fixture.history.record("b", "Beta", "Two\nLines");
    ASSERT_TRUE(fixture.store.documents.contains("songs.json"));

    SongHistory reread(fixture.store);
    reread.restore();
    EXPECT_EQ(reread.entries(), fixture.history.entries());
    EXPECT_EQ(reread.entries().back().heard, std::chrono::system_clock::time_point(1'780'000'060s));
    // The repeat rule holds across restarts: the station's current song is not recorded twice.
    EXPECT_FALSE(reread.record("b", "Beta", "Two\nLines"));

    reread.clear();
    SongHistory afterClear(fixture.store);
    afterClear.restore();
    EXPECT_TRUE(afterClear.entries().empty());
}

TEST(SongHistoryTest, DamagedOrForeignDocumentsLeaveTheListEmpty)
{
    const std::string valid
        = R"({"version": 1, "songs": [{"title": "One", "stationId": "a", "station": "A", "heard": 5}]})";
    const struct {
        const char* name;
        std::string document;
    } cases[] = {
        {"cut short", valid.substr(0, valid.size() / 2)},
        {"not JSON", "\x89PNG\r\n"},
        {"a list, not our object", "[1, 2, 3]"},
        {"another version", R"({"version": 2, "songs": []})"},
        {"entry missing its time", R"({"version": 1, "songs": [{"title": "One", "stationId": "a", "station": "A"}]})"},
        {"title of the wrong type",
            R"({"version": 1, "songs": [{"title": 7, "stationId": "a", "station": "A", "heard": 5}]})"},
        {"over the size cap",
            R"({"version": 1, "songs": [], "pad": ")" + std::string(SongHistory::maxDocumentBytes, 'x') + "\"}"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        MemoryDocumentStore store;
        store.documents["songs.json"] = test.document;
        SongHistory history(store);
        history.record("x", "X", "Before");
        store.documents["songs.json"] = test.document;
        history.restore();
        EXPECT_TRUE(history.entries().empty());
    }
    MemoryDocumentStore store;
    store.documents["songs.json"] = valid;
    SongHistory history(store);
    history.restore();
    ASSERT_EQ(history.entries().size(), 1U);
    EXPECT_EQ(history.entries().front().title, "One");
}

} // namespace
} // namespace Vello
