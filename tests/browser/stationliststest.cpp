// The lists a screen shows: the catalog searched and filtered, the favourites and the recents.
#include "browser/searchablecatalog.h"
#include "browser/searchtext.h"
#include "browser/stationlibrary.h"
#include "browser/stationquery.h"
#include "browserfakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;

TEST(SearchableCatalogTest, QueryIsTrimmedFoldedAndMatchedWithinOneStationsFields)
{
    const SearchableCatalog catalog({makeStation("jazz", "Smooth Jazz FM", "France", "jazz,lounge"),
        makeStation("double", "Smooth  Jazz Radio"), makeStation("bare", "Blue Note"),
        makeStation("accented", "École Radio", "Belgique"), makeStation("berlin", "Radio FM", "Berlin", "news")});
    const std::vector<std::pair<const char*, Ids>> cases {
        {"", {"jazz", "double", "bare", "accented", "berlin"}},
        {"  SMOOTH JAZZ\n", {"jazz"}},
        {"jazz france", {"jazz"}},
        {"lounge", {"jazz"}},
        {"blue note live", {"bare"}},
        {"ÉCOLE", {"accented"}},
        {"e\u0301cole", {"accented"}},
        // Each field ends where the next begins, and each station where the next one begins.
        {"fmberlin", {}},
        {"newsberlin", {}},
        {"berlinnews", {}},
        {"loungesmooth", {}},
        {"station  jazz", {}},
    };
    for (const auto& [typed, expected] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(idsOf(catalog.filtered(ListMode::Search, {}, {}, searchQuery(typed))), expected);
    }
}

// What the command line names: an identifier exactly, the own stations' first; else the first of
// what a search lists, the catalog's before the own ones, and how many more matched.
TEST(SearchableCatalogTest, TheCommandLineNamesAStationByIdentifierElseAsSearchDoes)
{
    const std::vector<Station> catalog {makeStation("jazz", "Smooth Jazz FM", "France", "jazz,lounge"),
        makeStation("own:1", "Claims An Own Id"), makeStation("e\u0301cole", "Radio Smooth"),
        makeStation("accented", "École Radio", "Belgique"), makeStation("news", "Radio FM", "Berlin", "news")};
    const std::vector<Station> own {makeStation("own:1", "My Smooth Stream"), makeStation("own:2", "jazz")};
    // What is named, the station played and how many more matched.
    using Case = std::tuple<const char*, const char*, std::size_t>;
    for (const auto& [named, station, others] :
        {Case {"jazz", "jazz", 0}, Case {"own:1", "own:1", 0}, Case {"own:2", "own:2", 0}, Case {" SMOOTH ", "jazz", 2},
            Case {"e\u0301cole", "e\u0301cole", 0}, Case {"ÉCOLE", "accented", 0}, Case {"berlin", "news", 0},
            Case {"stream", "own:1", 0}, Case {"Jazz", "jazz", 1}, Case {"radio", "e\u0301cole", 2},
            Case {"classical", "", 0}, Case {" ", "", 0}, Case {"", "", 0}}) {
        SCOPED_TRACE(named);
        const StationMatch match = matchStation(catalog, own, named);
        EXPECT_EQ(match.station != nullptr ? match.station->id() : "", station);
        EXPECT_EQ(match.others, others);
        if (match.station != nullptr && std::string_view(station).starts_with("own:")) {
            EXPECT_EQ(match.station, &own[std::string_view(station) == "own:1" ? 0 : 1]) << "not the own station";
        }
    }
    for (const auto& [text, address] :
        {std::pair {"HTTPS://example.org/live.pls", true}, std::pair {"http://127.0.0.1:8000/tone.mp3", true},
            std::pair {"http:/example.org", false}, std::pair {"httpx://example.org", false},
            std::pair {"ftp://example.org/a.mp3", false}, std::pair {"jazz http://", false}}) {
        EXPECT_EQ(namesAddress(text), address) << text;
    }
}

TEST(SearchableCatalogTest, EachModeStartsFromItsOwnBaseList)
{
    // "a" is there twice: the first stands for it among the recents, both are favourites.
    const SearchableCatalog catalog({makeStation("a", "Alpha Rock"), makeStation("b", "Beta Pop"),
        makeStation("c", "Gamma Rock"), makeStation("d", "Delta Rock"), makeStation("a", "Alpha Again")});
    const FavoriteSet favorites {"c", "a", "gone"};
    const Ids recents {"d", "gone", "a", "c"};
    const std::vector<std::tuple<const char*, ListMode, std::string, Ids>> cases {
        {"top", ListMode::Top, "", {"a", "b", "c", "d", "a"}},
        {"favourites in catalog order", ListMode::Favorites, "", {"a", "c", "a"}},
        {"recents in their own order", ListMode::Recent, "", {"d", "a", "c"}},
        {"searched favourites", ListMode::Favorites, "delta", {}},
        {"searched recents", ListMode::Recent, "rock", {"d", "a", "c"}},
        {"searched recents, none left", ListMode::Recent, "pop", {}},
        {"the first of a shared identifier", ListMode::Recent, "again", {}},
    };
    for (const auto& [name, mode, query, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(idsOf(catalog.filtered(mode, favorites, recents, query)), expected);
    }
    EXPECT_TRUE(SearchableCatalog().filtered(ListMode::Top, favorites, recents, "").empty());
}

Ids numbered(int count)
{
    Ids ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back("r" + std::to_string(i));
    }
    return ids;
}

TEST(StationLibraryTest, TogglingTwiceRestoresTheSetAndSavesEachTime)
{
    MemoryPreferences preferences;
    preferences.values["favorites"] = {"b", "a", "b"};
    StationLibrary library(preferences);
    library.restore();
    EXPECT_EQ(library.favorites(), (FavoriteSet {"a", "b"})) << "repeats collapse";

    library.toggleFavorite("c");
    EXPECT_TRUE(library.isFavorite("c"));
    EXPECT_EQ(preferences.values["favorites"], (Ids {"a", "b", "c"}));
    library.toggleFavorite("c");
    EXPECT_FALSE(library.isFavorite("c"));
    EXPECT_EQ(preferences.values["favorites"], (Ids {"a", "b"}));
    EXPECT_EQ(preferences.writes["favorites"], 2);
    EXPECT_EQ(preferences.writes["recent"], 0);
}

TEST(StationLibraryTest, APlayMovesItsStationFirstAndKeepsTheNewestFifty)
{
    // A stored list is taken as stored, even past fifty and with a repeat, until the next play.
    Ids longList = numbered(60);
    longList.insert(longList.begin() + 5, "r30");
    const std::vector<std::tuple<const char*, Ids, Ids, Ids, std::size_t>> cases {
        {"nothing played", longList, {}, {"r0", "r1"}, 61},
        {"a repeat once", {}, {"x", "x"}, {"x"}, 1},
        {"a stored repeat once", longList, {"r30"}, {"r30", "r0", "r1", "r2", "r3", "r4", "r5"}, 50},
        {"the newest fifty", {"old"}, numbered(50), {"r49", "r48"}, 50},
    };
    for (const auto& [name, stored, played, first, size] : cases) {
        SCOPED_TRACE(name);
        MemoryPreferences preferences;
        preferences.values["recent"] = stored;
        StationLibrary library(preferences);
        library.restore();
        for (const std::string& id : played) {
            library.recordRecent(id);
        }
        const Ids& recents = library.recentIds();
        ASSERT_EQ(recents.size(), size);
        EXPECT_EQ(Ids(recents.begin(), recents.begin() + static_cast<std::ptrdiff_t>(first.size())), first);
        EXPECT_EQ(std::count(recents.begin(), recents.end(), first.front()), 1);
        EXPECT_EQ(preferences.values["recent"], recents);
        EXPECT_EQ(preferences.writes["recent"], static_cast<int>(played.size()));
    }
}

} // namespace
} // namespace Vello
