#include "browserfakes.h"

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
        {"new titles, trimmed, newest first", {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", "  Two  "}},
            {"a:Two", "a:One"}},
        {"empty and blank titles", {{"a", "Alpha FM", ""}, {"a", "Alpha FM", "  \t "}}, {}},
        {"repeat of the station's last title", {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", " one "}}, {"a:One"}},
        {"repeat after another station spoke",
            {{"a", "Alpha FM", "One"}, {"b", "Beta", "Two"}, {"a", "Alpha FM", "One"}}, {"b:Two", "a:One"}},
        {"a title heard again after another",
            {{"a", "Alpha FM", "One"}, {"a", "Alpha FM", "Two"}, {"a", "Alpha FM", "One"}},
            {"a:One", "a:Two", "a:One"}},
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

TEST(SongHistoryTest, TheNewest500AreReadBackByAnotherInstance)
{
    HistoryFixture fixture;
    for (int i = 0; i < 500; ++i) {
        fixture.history.record("a", "Alpha FM", "Song " + std::to_string(i));
    }
    fixture.history.record("b", "Beta \"FM\"", "Caf\xC3\xA9 \\ \"Tango\"\nLive");
    ASSERT_EQ(fixture.history.entries().size(), SongHistory::maxEntries);
    EXPECT_EQ(fixture.history.entries().back().title, "Song 1");

    SongHistory reread(fixture.store);
    reread.restore();
    EXPECT_EQ(reread.entries(), fixture.history.entries());
    // Placeholders kept by an older version are left out.
    fixture.store.documents["songs.json"] = R"({"version": 1, "songs": [{"title": "a", "stationId": "a",
        "station": "A", "heard": 5}, {"title": "Unknown", "stationId": "a", "station": "A", "heard": 5},
        {"title": "One", "stationId": "a", "station": "A", "heard": 5}]})";
    reread.restore();
    EXPECT_EQ(reread.entries().size(), 1U);

    reread.clear();
    SongHistory afterClear(fixture.store);
    afterClear.restore();
    EXPECT_TRUE(afterClear.entries().empty());
}

TEST(SongHistoryTest, DamagedOrForeignDocumentsLeaveTheListEmpty)
{
    const struct {
        const char* name;
        std::string document;
    } cases[] = {
        {"cut short", R"({"version": 1, "songs": [{"title": "On)"},
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
        SongHistory history(store);
        history.record("x", "X", "Before");
        store.documents["songs.json"] = test.document;
        history.restore();
        EXPECT_TRUE(history.entries().empty());
    }
}

} // namespace
} // namespace Vello
