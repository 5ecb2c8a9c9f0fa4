#include "catalog/station.h"

#include "catalog/textrules.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

Station named(std::string name)
{
    return StationFields {.name = std::move(name)};
}

TEST(Station, DerivedTextsAndTheAddressTrimAndLeaveOutBlanks)
{
    using Text = std::string (Station::*)() const;
    struct Case {
        const char* name;
        StationFields station;
        Text derived;
        std::string expected;
    };
    const std::vector<Case> cases {
        {"a blank name", {.name = " \n\t\u00a0\r\n"}, &Station::displayName, "Unnamed station"},
        {"a padded name", {.name = "\u00a0 Radio \u00dcber \n"}, &Station::displayName, "Radio \u00dcber"},
        {"a blank state", {.country = "Germany", .state = " \t"}, &Station::location, "Germany"},
        {"both", {.country = " Germany\n", .state = "Bavaria"}, &Station::location, "Bavaria, Germany"},
        {"blank tags first", {.tags = ",, rock ,pop"}, &Station::primaryTag, "rock"},
        {"only blank tags", {.tags = " , ,, "}, &Station::primaryTag, ""},
        {"nothing to show", {}, &Station::subtitle, "Live station"},
        {"a language of spaces", {.language = "   "}, &Station::subtitle, "   "},
        {"all three", {.country = "France", .language = "french", .tags = "news,talk"}, &Station::subtitle,
            "France | french | news"},
        {"no language", {.state = "Tyrol", .tags = " ,pop"}, &Station::subtitle, "Tyrol | pop"},
        {"uuid as it is", {.stationuuid = " u1 ", .url = "http://a"}, &Station::id, " u1 "},
        {"else the address", {.name = "Radio", .url_resolved = "  http://b  "}, &Station::id, "http://b"},
        {"else the name", {.name = " Radio ", .url = " "}, &Station::id, "Radio"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((Station(c.station).*c.derived)(), c.expected);
    }
    EXPECT_EQ(Station(StationFields {.url = "http://a", .url_resolved = " http://b\n"}).radioURL(), "http://b");
    EXPECT_EQ(Station(StationFields {.url = " not a url ", .url_resolved = "  "}).radioURL(), "not a url");
    EXPECT_EQ(Station(StationFields {.url = "\u00a0"}).radioURL(), std::nullopt);
}

TEST(Station, LimitedDisplayNameCutsWholeCharacters)
{
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    std::string accented;
    for (int i = 0; i < 48; ++i) {
        accented += "e\u0301";
    }
    struct Case {
        const char* name;
        std::string text;
        std::int64_t limit;
        std::string expected;
    };
    const std::vector<Case> cases {
        {"one too many", std::string(48, 'a') + "b", 48, std::string(47, 'a') + "\u2026"},
        {"the smallest cut", "abc", 2, "a\u2026"},
        {"no room for a cut", "abc", 1, "abc"},
        {"48 characters in 144 bytes", accented, 48, accented},
        {"a cluster kept whole", std::string(46, 'a') + "e\u0301bcd", 48, std::string(46, 'a') + "e\u0301\u2026"},
        {"a family dropped whole", std::string(47, 'a') + family + family, 48, std::string(47, 'a') + "\u2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(named(c.text).limitedDisplayName(c.limit), c.expected);
    }
}

TEST(Station, ScoreWeighsVotesFourTimesAndSaturates)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t quarter = std::int64_t {1} << 61;
    struct Case {
        std::optional<std::int64_t> votes;
        std::optional<std::int64_t> clickcount;
        std::int64_t expected;
    };
    const std::vector<Case> cases {
        {2, 5, 13},
        {-2, 1, -7},
        {max, max, max},
        {min, max, min},
        // Exact wherever the true total fits, even when 4 × votes alone would not.
        {quarter, -1, max},
        {quarter, -2, max - 1},
        {quarter - 1, 3, max},
        {quarter + 1, min, 4},
        {-quarter, 0, min},
        {-quarter, 1, min + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(Station(StationFields {.votes = c.votes, .clickcount = c.clickcount}).score(), c.expected);
    }
}

TEST(Station, EqualityIsFieldByFieldUnderCanonicalEquivalence)
{
    const Station composed = StationFields {.name = "Caf\u00e9", .tags = "\u00c5"};
    const Station decomposed = StationFields {.name = "Cafe\u0301", .tags = "\u212B"};
    EXPECT_EQ(composed, decomposed);

    struct Case {
        const char* name;
        StationFields a;
        StationFields b;
    };
    const std::vector<Case> different {
        {"absent and empty", {}, {.name = ""}},
        {"the same text in another field", {.name = "x"}, {.url = "x"}},
        {"counts swapped", {.votes = 1, .clickcount = 2}, {.votes = 2, .clickcount = 1}},
        {"letter case", {.name = "radio"}, {.name = "Radio"}},
    };
    for (const Case& c : different) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(Station(c.a), Station(c.b));
    }

    // Whatever ICU makes of stray bytes, a station equals itself.
    for (const std::string& odd : {std::string("\xff") + "Cafe\u0301", std::string("Caf\xc3")}) {
        EXPECT_EQ(named(odd), named(odd));
    }
}

TEST(Station, CopiesAndMovesKeepEveryFieldAndLeaveTheMovedFromEmpty)
{
    const StationFields fields {.stationuuid = "u", .name = "", .favicon = "f", .tags = "t", .votes = 0};
    Station original = fields;
    EXPECT_EQ(std::tuple(original.stationuuid(), original.name(), original.url(), original.tags(), original.votes(),
                  original.clickcount()),
        std::tuple("u", "", std::nullopt, "t", 0, std::nullopt));
    EXPECT_EQ(Station(original.fields()), original);
    Station copy = original;
    Station moved = std::move(original);
    EXPECT_EQ(moved, copy);
    EXPECT_EQ(original, Station {}); // NOLINT(bugprone-use-after-move)
    copy = copy;
    EXPECT_EQ(copy, moved);
}

// Under AddressSanitizer a block freed while a station still reads from it fails here.
TEST(Station, StationsFromAnArenaOutliveItAndACopyOutlivesThem)
{
    const auto nameOf = [](int i) { return std::to_string(i) + std::string(i == 7 ? 300'000 : 1'000, 'n'); };
    std::optional<Station> kept;
    {
        std::vector<Station> stations;
        {
            StationTextArena arena;
            for (int i = 0; i < 5'000; ++i) {
                stations.emplace_back(Station::Texts {std::nullopt, nameOf(i), "http://a"}, i, std::nullopt, &arena);
            }
        }
        for (const int i : {0, 7, 4'999}) {
            EXPECT_EQ(stations[static_cast<std::size_t>(i)].name(), nameOf(i));
            EXPECT_EQ(stations[static_cast<std::size_t>(i)].url(), "http://a");
        }
        kept = stations.back();
    }
    EXPECT_EQ(kept->name(), nameOf(4'999));
}

} // namespace
} // namespace Vello
