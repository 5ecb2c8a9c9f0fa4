#include "browserfakes.h"

#include "browser/searchablecatalog.h"
#include "browser/searchtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

std::vector<std::string> idsOf(const std::vector<const Station*>& stations)
{
    std::vector<std::string> ids;
    for (const Station* station : stations) {
        ids.push_back(station->id());
    }
    return ids;
}

std::vector<std::string> search(const SearchableCatalog& catalog, const std::string& typed)
{
    return idsOf(catalog.filtered(ListMode::Search, {}, {}, searchQuery(typed)));
}

TEST(SearchableCatalogTest, QueryIsTrimmedLowerCasedAndMatchedAsOneSubstring)
{
    Station jazz = makeStation("jazz", "Smooth Jazz FM", "France", "jazz,lounge");
    Station doubleSpace = makeStation("double", "Smooth  Jazz Radio");
    Station reversed = makeStation("reversed", "Jazz Smooth");
    Station bare = makeStation("bare", "Blue Note");
    Station accented = makeStation("accented", "École Radio", "Belgique");
    const SearchableCatalog catalog({jazz, doubleSpace, reversed, bare, accented});

    const std::vector<std::string> everything {"jazz", "double", "reversed", "bare", "accented"};
    EXPECT_EQ(search(catalog, ""), everything);
    EXPECT_EQ(search(catalog, " \t\n\u00a0\u2028"), everything) << "white space alone is no query";

    EXPECT_EQ(search(catalog, "SMOOTH JAZZ"), (std::vector<std::string> {"jazz"}));
    EXPECT_EQ(search(catalog, "  smooth jazz\n"), (std::vector<std::string> {"jazz"}));
    // The subtitle ends with the primary tag and the country follows it after one space.
    EXPECT_EQ(search(catalog, "jazz france"), (std::vector<std::string> {"jazz"}));
    // Without country and tags the name and the subtitle ("Live station") still match.
    EXPECT_EQ(search(catalog, "blue note live"), (std::vector<std::string> {"bare"}));
    EXPECT_EQ(search(catalog, "ÉCOLE"), (std::vector<std::string> {"accented"}));
    EXPECT_EQ(search(catalog, "e\u0301cole"), (std::vector<std::string> {"accented"}))
        << "a decomposed accent finds the composed one";
    EXPECT_TRUE(search(catalog, "zzz").empty());
    // The end of one station's text and the start of the next one's are no match together.
    EXPECT_TRUE(search(catalog, "loungesmooth").empty());
    EXPECT_TRUE(search(catalog, "station  jazz").empty());
}

TEST(SearchableCatalogTest, EachModeStartsFromItsOwnBaseList)
{
    const SearchableCatalog catalog({makeStation("a", "Alpha Rock"), makeStation("b", "Beta Pop"),
        makeStation("c", "Gamma Rock"), makeStation("d", "Delta Rock")});
    const FavoriteSet favorites {"d", "a", "gone"};
    const std::vector<std::string> recents {"c", "gone", "a", "d"};

    EXPECT_EQ(idsOf(catalog.filtered(ListMode::Top, favorites, recents, "")),
        (std::vector<std::string> {"a", "b", "c", "d"}));
    EXPECT_EQ(
        idsOf(catalog.filtered(ListMode::Favorites, favorites, recents, "")), (std::vector<std::string> {"a", "d"}))
        << "favourites in catalog order, missing ones left out";
    EXPECT_EQ(
        idsOf(catalog.filtered(ListMode::Recent, favorites, recents, "")), (std::vector<std::string> {"c", "a", "d"}))
        << "recents in their own order, missing ones skipped";
    EXPECT_EQ(idsOf(catalog.filtered(ListMode::Recent, favorites, recents, "rock")),
        (std::vector<std::string> {"c", "a", "d"}));
    EXPECT_EQ(
        idsOf(catalog.filtered(ListMode::Favorites, favorites, recents, "delta")), (std::vector<std::string> {"d"}));
    EXPECT_TRUE(catalog.filtered(ListMode::Recent, favorites, {}, "").empty());
    EXPECT_TRUE(SearchableCatalog().filtered(ListMode::Top, favorites, recents, "").empty());
}

TEST(SearchableCatalogTest, RecentModeListsTheFirstStationOfASharedIdentifier)
{
    Station first = makeStation("same", "First");
    Station second = makeStation("same", "Second");
    const SearchableCatalog catalog({first, second});

    const auto recent = catalog.filtered(ListMode::Recent, {}, {"same"}, "");
    ASSERT_EQ(recent.size(), 1U);
    EXPECT_EQ(recent.front()->displayName(), "First");
    EXPECT_EQ(catalog.filtered(ListMode::Favorites, {"same"}, {}, "").size(), 2U);
}

TEST(SearchableCatalogTest, MatchesWhatTheSearchTextWorkedOutAfreshMatches)
{
    std::vector<Station> stations;
    const std::vector<std::string> names {"Rádio Ünïcode", "ΣΟΦΙΑ FM", "  padded  ", "İstanbul Hits", "STRASSE",
        "Ωmega", "日本の音楽", "Café\u0301 Bleu", "x"};
    const std::vector<std::optional<std::string>> countries {std::nullopt, "Ελλάδα", " Deutschland ", "Türkiye"};
    const std::vector<std::optional<std::string>> tags {std::nullopt, "Rock,POP", ",, jazz ,", "クラシック"};
    for (std::size_t i = 0; i < names.size() * 4; ++i) {
        Station station = makeStation("id" + std::to_string(i), names[i % names.size()],
            countries[i % countries.size()], tags[(i / 2) % tags.size()]);
        if (i % 3 == 0) {
            station.language = "Greek";
            station.state = "Attica";
        }
        stations.push_back(station);
    }
    const SearchableCatalog catalog(stations);

    for (const std::string typed : {"a", "RO", "σοφια", "é", "i̇stanbul", "ss", "| greek", "音", "live station", "  ",
             "pop türkiye", "nothing here"}) {
        const std::string query = searchQuery(typed);
        std::vector<std::string> expected;
        for (const Station& station : stations) {
            if (searchText(station).find(query) != std::string::npos) {
                expected.push_back(station.id());
            }
        }
        EXPECT_EQ(search(catalog, typed), expected) << typed;
    }
}

} // namespace
} // namespace Vello
