#include "browserfakes.h"

#include "browser/searchablecatalog.h"
#include "browser/searchtext.h"

#include <gtest/gtest.h>

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

TEST(SearchableCatalogTest, MatchesWhatTheSearchTextWorkedOutAfreshMatches)
{
    const std::vector<std::string> names {"Rádio Ünïcode", "ΣΟΦΙΑ FM", "  padded  ", "İstanbul Hits", "STRASSE",
        "日本の音楽", "Café\u0301 Bleu", "Ελλάδα", " Deutschland ", "Türkiye", "Rock,POP", ",, jazz ,", "x"};
    std::vector<Station> stations;
    for (std::size_t i = 0; i < 40; ++i) {
        stations.push_back(makeStation(std::to_string(i), names[i % names.size()], names[(i * 7) % names.size()],
            i % 3 == 0 ? std::nullopt : std::optional(names[i / 3 % names.size()])));
    }
    const SearchableCatalog catalog(stations);
    for (const std::string typed : {"a", "RO", "σοφια", "é", "i̇stanbul", "ss", "| x", "音", "pop türkiye", "none"}) {
        SCOPED_TRACE(typed);
        const std::string query = searchQuery(typed);
        Ids expected;
        for (const Station& station : stations) {
            if (searchText(station).find(query) != std::string::npos) {
                expected.push_back(station.id());
            }
        }
        EXPECT_EQ(idsOf(catalog.filtered(ListMode::Search, {}, {}, query)), expected);
    }
}

} // namespace
} // namespace Vello
