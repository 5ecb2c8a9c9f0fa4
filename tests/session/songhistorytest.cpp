#include "manualmainqueue.h"
#include "memoryports.h"

#include "session/songhistory.h"

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
    ManualMainQueue queue;
    std::chrono::system_clock::time_point now = std::chrono::system_clock::time_point(1'780'000'000s);
    SongHistory history {store, queue, [this] { return now += 60s; }};

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

TEST(SongHistoryTest, TheNewest500AreReadBackByAnotherInstanceWhateverTheStationsName)
{
    HistoryFixture fixture;
    // A station's name is kept to a length the document is always read back with.
    const std::string hostileName(4096, '\x01');
    for (int i = 0; i < 500; ++i) {
        fixture.history.record("a", hostileName, "Song " + std::to_string(i));
    }
    fixture.history.record("b", "Beta \"FM\"", "Caf\xC3\xA9 \\ \"Tango\"\nLive");
    ASSERT_EQ(fixture.history.entries().size(), SongHistory::maxEntries);
    EXPECT_EQ(fixture.history.entries().back().title, "Song 1");
    EXPECT_EQ(fixture.history.entries().back().stationName.size(), SongHistory::maxTextBytes);
    fixture.queue.advance(SongHistory::saveInterval);

    SongHistory reread(fixture.store, fixture.queue);
    EXPECT_EQ(reread.restore(), std::nullopt);
    EXPECT_EQ(reread.entries(), fixture.history.entries());
    // Placeholders kept by an older version are left out of the list, and kept in the document.
    fixture.store.documents["songs.json"] = R"({"version": 1, "songs": [{"title": "a", "stationId": "a",
        "station": "A", "heard": 5}, {"title": "Unknown", "stationId": "a", "station": "A", "heard": 5},
        {"title": "One", "stationId": "a", "station": "A", "heard": 5}]})";
    EXPECT_EQ(reread.restore(), std::nullopt);
    EXPECT_EQ(reread.entries().size(), 1U);
    reread.record("b", "B", "Two");
    EXPECT_NE(fixture.store.documents["songs.json"].find(R"({"title":"Unknown","stationId":"a")"), std::string::npos);

    reread.clear();
    SongHistory afterClear(fixture.store, fixture.queue);
    EXPECT_EQ(afterClear.restore(), std::nullopt);
    EXPECT_TRUE(afterClear.entries().empty());
    EXPECT_EQ(fixture.store.documents["songs.json"].find("Unknown"), std::string::npos);
}

// A station changing its title ten times a second costs one write a second, and the last
// titles are written when the history goes.
TEST(SongHistoryTest, TheListIsWrittenAtMostOnceASecondAndAtTheEnd)
{
    HistoryFixture fixture;
    {
        SongHistory history(fixture.store, fixture.queue);
        for (int i = 0; i < 25; ++i) {
            history.record("a", "A", "Song " + std::to_string(i));
            fixture.queue.advance(100ms);
        }
        EXPECT_EQ(fixture.store.writes["songs.json"], 3) << "at 0 s, 1 s and 2 s";
    }
    EXPECT_EQ(fixture.store.writes["songs.json"], 4);
    SongHistory reread(fixture.store, fixture.queue);
    (void)reread.restore();
    EXPECT_EQ(reread.entries().size(), 25U);
}

} // namespace
} // namespace Vello
