#include "browserfakes.h"

#include "browser/stationlibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;

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
    Ids stored = numbered(60);
    stored.insert(stored.begin() + 5, "r30");
    struct Case {
        const char* name;
        Ids stored;
        Ids played;
        Ids first;
        std::size_t size;
    };
    const std::vector<Case> cases {
        {"nothing played", stored, {}, {"r0", "r1"}, 61},
        {"a repeat once", {}, {"x", "x"}, {"x"}, 1},
        {"a stored repeat once", stored, {"r30"}, {"r30", "r0", "r1", "r2", "r3", "r4", "r5"}, 50},
        {"the newest fifty", {"old"}, numbered(50), {"r49", "r48"}, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPreferences preferences;
        preferences.values["recent"] = c.stored;
        StationLibrary library(preferences);
        library.restore();
        for (const std::string& id : c.played) {
            library.recordRecent(id);
        }
        const Ids& recents = library.recentIds();
        ASSERT_EQ(recents.size(), c.size);
        EXPECT_EQ(Ids(recents.begin(), recents.begin() + static_cast<std::ptrdiff_t>(c.first.size())), c.first);
        EXPECT_EQ(std::count(recents.begin(), recents.end(), c.first.front()), 1);
        EXPECT_EQ(preferences.values["recent"], recents);
        EXPECT_EQ(preferences.writes["recent"], static_cast<int>(c.played.size()));
    }
}

} // namespace
} // namespace Vello
