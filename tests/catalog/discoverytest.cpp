#include "catalog/discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

TEST(Discovery, CountsEachFacetByItsRulesAndListsEachEntrysStations)
{
    struct Case {
        const char* name;
        std::vector<StationFields> catalog;
        Facet facet;
        std::vector<DiscoveryEntry> expected;
        // The stations of the last entry, in the catalog's order.
        std::vector<std::uint32_t> lastEntryStations;
    };
    const std::vector<Case> cases {
        {"countries by code in any case; an unknown or missing code is Other, listed last",
            {{.countrycode = "DE"}, {.countrycode = " de "}, {.countrycode = "fr"}, {.countrycode = "ZZ"},
                {.countrycode = "DEU"}, {.country = "Germany", .countrycode = ""}, {}},
            Facet::country, {{"DE", "", 2}, {"FR", "", 1}, {"", "", 4}}, {3, 4, 5, 6}},
        {"languages by a known code, else by name, each spelling of one language once",
            {{.language = "Pirate", .languagecodes = "de"}, {.language = "deutsch"}, {.language = " GERMAN ,English"},
                {.languagecodes = " DEU , xx"}, {.language = "english,en", .languagecodes = "xx"},
                {.language = "pirate  talk"}, {.language = " , "}},
            Facet::language, {{"de", "", 4}, {"en", "", 2}, {"", "pirate talk", 1}}, {5}},
        {"genres trimmed, lower-cased and composed, white space made one",
            {{.tags = "Jazz, jazz ,JAZZ"}, {.tags = " Smooth \t Jazz,rock"}, {.tags = "smooth jazz"}, {.tags = ", ,"},
                {.tags = "M\u00daSICA"}, {.tags = "mu\u0301sica"}},
            Facet::genre, {{"", "m\u00fasica", 2}, {"", "smooth jazz", 2}, {"", "jazz", 1}, {"", "rock", 1}}, {1}},
        {"a new catalog, new counts", {{.tags = "rock"}, {.tags = "Rock"}}, Facet::genre, {{"", "rock", 2}}, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Station> stations(c.catalog.begin(), c.catalog.end());
        const Discovery discovery = discover(stations);
        EXPECT_EQ(discovery.entries(c.facet), c.expected);
        EXPECT_EQ(stationsOf(stations, c.facet, c.expected.back()), c.lastEntryStations);
    }

    std::vector<DiscoveryEntry> genres;
    for (int i = 0; i <= 100; ++i) {
        genres.push_back({"", (i < 10 ? "g00" : i < 100 ? "g0" : "g") + std::to_string(i), std::size_t(200 - i)});
    }
    const auto shown = shownGenres(genres, " \t");
    ASSERT_EQ(shown.size(), genresShownByDefault);
    EXPECT_EQ(shown.back().name, "g099");
    EXPECT_EQ(shownGenres(genres, " G10"), std::vector {genres.back()}) << "past the first hundred";
}

} // namespace
} // namespace Vello
