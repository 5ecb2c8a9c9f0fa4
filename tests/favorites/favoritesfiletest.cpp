#include "browserfakes.h"

#include "browser/favoritesfile.h"
#include "browser/stationlibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

namespace Vello {
namespace {

using Entries = std::vector<FavoriteEntry>;

TEST(FavoritesFileTest, WhatIsWrittenReadsBackAndOtherFilesAreRefused)
{
    const Entries saved {{"9617a958-0601-11e8-ae97-52543be04c81", "Radio \"Quote\" \\ Backslash"},
        {"b2", "Ελληνικά 📻 日本語\tTab\x01"}, {"c3", ""}};
    const Result<Entries> again = FavoritesFile::read(FavoritesFile::write(saved));
    ASSERT_TRUE(std::holds_alternative<Entries>(again)) << std::get<Error>(again).description;
    EXPECT_EQ(std::get<Entries>(again), saved);
    EXPECT_EQ(std::get<Entries>(FavoritesFile::read(FavoritesFile::write({}))), Entries {});

    struct Case {
        const char* name;
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"extra keys are ignored", R"([{"id": "a", "name": "A", "country": "NO"}])", nullptr},
        {"empty", "", "not valid JSON"},
        {"truncated", R"([{"id": "a", "name": "A"})", "not valid JSON"},
        {"not JSON", "id,name\na,A\n", "not valid JSON"},
        {"an object", R"({"favorites": [{"id": "a", "name": "A"}]})", "not a list"},
        {"a list of strings", R"(["a", "b"])", "not a list"},
        {"no id", R"([{"name": "A"}])", "not a list"},
        {"an empty id", R"([{"id": "", "name": "A"}])", "not a list"},
        {"a number for an id", R"([{"id": 7, "name": "A"}])", "not a list"},
        {"no name", R"([{"id": "a"}])", "not a list"},
        {"too large", std::string(FavoritesFile::maxBytes + 1, ' '), "too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<Entries> read = FavoritesFile::read(c.text);
        if (c.reason == nullptr) {
            EXPECT_TRUE(std::holds_alternative<Entries>(read));
        } else {
            ASSERT_TRUE(std::holds_alternative<Error>(read));
            EXPECT_NE(std::get<Error>(read).description.find(c.reason), std::string::npos)
                << std::get<Error>(read).description;
        }
    }
}

TEST(FavoritesFileTest, ImportMergesIntoTheFavouritesAndSavesOnce)
{
    MemoryPreferences preferences;
    preferences.values["favorites"] = {"a", "b"};
    StationLibrary library(preferences);
    library.restore();

    EXPECT_EQ(library.mergeFavorites({"b", "c", "c", "", "d"}), 2U);
    EXPECT_EQ(library.favorites(), (FavoriteSet {"a", "b", "c", "d"}));
    EXPECT_EQ(preferences.values["favorites"], (std::vector<std::string> {"a", "b", "c", "d"}));
    EXPECT_EQ(preferences.writes["favorites"], 1);
    EXPECT_EQ(library.mergeFavorites({"a"}), 0U);
    EXPECT_EQ(preferences.writes["favorites"], 1) << "nothing new, nothing written";
}

} // namespace
} // namespace Vello
