#include "browserfakes.h"

#include "browser/favoritesfile.h"
#include "browser/stationlibrary.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

using Entries = std::vector<FavoriteEntry>;
using Contents = FavoritesFile::Contents;

TEST(FavoritesFileTest, WhatIsWrittenReadsBackAndOtherFilesAreRefused)
{
    for (const Entries& saved : {Entries {},
             Entries {{"9617a958-0601-11e8-ae97-52543be04c81", "\"Quote\" \\ Slash"},
                 {"b2", "Ελληνικά 📻 日本語\tTab\x01"}, {"c3", ""}}}) {
        EXPECT_EQ(FavoritesFile::read(FavoritesFile::write(saved)), Result<Contents>(Contents {saved}));
    }
    EXPECT_EQ(FavoritesFile::read(R"([{"id": "a", "name": "A", "country": "NO"}, "b", {"id": ""}])"),
        Result<Contents>(Contents {{{"a", "A"}}, 2}));
    EXPECT_EQ(FavoritesFile::read("[]" + std::string(FavoritesFile::maxBytes - 2, ' ')), Result<Contents>(Contents {}));

    struct Case {
        const char* name;
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"truncated", R"([{"id": "a", "name": "A"})", "not valid JSON"},
        {"an object", R"({"favorites": [{"id": "a", "name": "A"}]})", "not a list"},
        {"a list of strings", R"(["a", "b"])", "not a list"},
        {"an empty id", R"([{"id": "", "name": "A"}])", "not a list"},
        {"a number for an id", R"([{"id": 7, "name": "A"}])", "not a list"},
        {"no name", R"([{"id": "a"}])", "not a list"},
        {"too large", std::string(FavoritesFile::maxBytes + 1, ' '), "too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<Contents> read = FavoritesFile::read(c.text);
        ASSERT_TRUE(std::holds_alternative<Error>(read));
        EXPECT_NE(std::get<Error>(read).description.english().find(c.reason), std::string::npos);
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
    EXPECT_EQ(library.mergeFavorites({"a"}), 0U);
    EXPECT_EQ(preferences.writes["favorites"], 1) << "once for the new ones, not for nothing new";
}

} // namespace
} // namespace Vello
