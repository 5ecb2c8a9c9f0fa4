#include "browserfakes.h"

#include "browser/stationlibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace Vello {
namespace {

std::vector<std::string> numbered(const std::string& prefix, int count)
{
    std::vector<std::string> ids;
    for (int i = 0; i < count; ++i) {
        ids.push_back(prefix + std::to_string(i));
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
    EXPECT_EQ(preferences.values["favorites"], (std::vector<std::string> {"a", "b", "c"}));
    library.toggleFavorite("c");
    EXPECT_FALSE(library.isFavorite("c"));
    EXPECT_EQ(library.favorites(), (FavoriteSet {"a", "b"}));
    EXPECT_EQ(preferences.values["favorites"], (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(preferences.writes["favorites"], 2);
    EXPECT_EQ(preferences.writes["recent"], 0);
}

TEST(StationLibraryTest, RecentsKeepTheNewestFiftyOnceEach)
{
    MemoryPreferences preferences;
    StationLibrary library(preferences);
    library.restore();
    EXPECT_TRUE(library.recentIds().empty());

    library.recordRecent("x");
    library.recordRecent("x");
    EXPECT_EQ(library.recentIds(), (std::vector<std::string> {"x"}));

    for (const std::string& id : numbered("n", 51)) {
        library.recordRecent(id);
    }
    ASSERT_EQ(library.recentIds().size(), 50U);
    EXPECT_EQ(library.recentIds().front(), "n50");
    EXPECT_EQ(library.recentIds().back(), "n1") << "the oldest of the 51 (and x) are dropped";
    EXPECT_EQ(preferences.values["recent"], library.recentIds());
}

TEST(StationLibraryTest, AStoredRecentListIsUsedAsStoredUntilTheNextPlay)
{
    MemoryPreferences preferences;
    std::vector<std::string> stored = numbered("r", 60);
    stored.insert(stored.begin() + 5, "r30");
    preferences.values["recent"] = stored;
    StationLibrary library(preferences);
    library.restore();
    EXPECT_EQ(library.recentIds(), stored);
    EXPECT_EQ(preferences.writes["recent"], 0);

    library.recordRecent("r30");
    ASSERT_EQ(library.recentIds().size(), 50U);
    EXPECT_EQ(library.recentIds().front(), "r30");
    EXPECT_EQ(std::count(library.recentIds().begin(), library.recentIds().end(), "r30"), 1);
    EXPECT_EQ(library.recentIds()[1], "r0");
}

} // namespace
} // namespace Vello
