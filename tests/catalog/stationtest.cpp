#include "catalog/station.h"

#include "catalog/textrules.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace Vello {
namespace {

// What the list shows of a station, and how it ranks: names, places, tags, the address, the id,
// the name cut to a length in whole characters, and a score that saturates.
TEST(Station, DerivedValuesTrimLeaveOutBlanksAndSaturate)
{
    using Derived = std::function<std::string(const Station&)>;
    const Derived radio = [](const Station& station) { return station.radioURL().value_or("<none>"); };
    const Derived score = [](const Station& station) { return std::to_string(station.score()); };
    const Derived stored = [](const Station& station) { return std::string(station.name().value_or("<none>")); };
    const auto limited = [](std::int64_t limit) {
        return Derived([limit](const Station& station) { return station.limitedDisplayName(limit); });
    };
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    std::string accented;
    for (int i = 0; i < 48; ++i) {
        accented += "e\u0301";
    }
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t quarter = std::int64_t {1} << 61;
    struct Case {
        const char* name;
        StationFields station;
        Derived derived;
        std::string expected;
    };
    const std::vector<Case> cases {
        {"a blank name", {.name = " \n\t\u00a0\r\n"}, &Station::displayName, "Unnamed station"},
        {"a padded name", {.name = "\u00a0 Radio \u00dcber \n"}, &Station::displayName, "Radio \u00dcber"},
        // What a terminal or the desktop would act on goes; spaces stay, line breaks become spaces.
        {"controls and direction overrides", {.name = " \x1B]0;x\x07Ra\bdio\u202E\u2066FM\u2069\u200B\tOne\r\n2\u0085"},
            stored, " ]0;xRadioFM One  2 "},
        {"ill-formed bytes kept", {.name = "a\xC2\x1B\xFF"}, stored, "a\xC2\xFF"},
        {"joiners and direction marks kept", {.name = "\u0645\u06CC\u200C\u200F" + family}, stored,
            "\u0645\u06CC\u200C\u200F" + family},
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
        {"the resolved address first", {.url = "http://a", .url_resolved = " http://b\n"}, radio, "http://b"},
        {"any text will do", {.url = " not a url ", .url_resolved = "  "}, radio, "not a url"},
        {"no address", {.url = "\u00a0"}, radio, "<none>"},
        {"one too many", {.name = std::string(48, 'a') + "b"}, limited(48), std::string(47, 'a') + "\u2026"},
        {"the smallest cut", {.name = "abc"}, limited(2), "a\u2026"},
        {"no room for a cut", {.name = "abc"}, limited(1), "abc"},
        {"48 characters in 144 bytes", {.name = accented}, limited(48), accented},
        {"a cluster kept whole", {.name = std::string(46, 'a') + "e\u0301bcd"}, limited(48),
            std::string(46, 'a') + "e\u0301\u2026"},
        {"a family dropped whole", {.name = std::string(47, 'a') + family + family}, limited(48),
            std::string(47, 'a') + "\u2026"},
        {"saturates up", {.votes = max, .clickcount = max}, score, std::to_string(max)},
        {"saturates down", {.votes = min, .clickcount = max}, score, std::to_string(min)},
        // Exact wherever the true total fits, even when 4 × votes alone would not.
        {"fits at the top", {.votes = quarter, .clickcount = -1}, score, std::to_string(max)},
        {"one below the top", {.votes = quarter, .clickcount = -2}, score, std::to_string(max - 1)},
        {"votes just under", {.votes = quarter - 1, .clickcount = 3}, score, std::to_string(max)},
        {"clicks pull back", {.votes = quarter + 1, .clickcount = min}, score, "4"},
        {"fits at the bottom", {.votes = -quarter, .clickcount = 0}, score, std::to_string(min)},
        {"one above the bottom", {.votes = -quarter, .clickcount = 1}, score, std::to_string(min + 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.derived(Station(c.station)), c.expected);
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
        {"the same text as the homepage", {.tags = "x"}, {.homepage = "x"}},
        {"counts swapped", {.votes = 1, .clickcount = 2}, {.votes = 2, .clickcount = 1}},
        {"letter case", {.name = "radio"}, {.name = "Radio"}},
    };
    for (const Case& c : different) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(Station(c.a), Station(c.b));
    }

    // Whatever ICU makes of stray bytes, a station equals itself.
    for (const std::string& odd : {std::string("\xff") + "Cafe\u0301", std::string("Caf\xc3")}) {
        EXPECT_EQ(Station(StationFields {.name = odd}), Station(StationFields {.name = odd}));
    }
}

TEST(Station, CopiesAndMovesKeepEveryFieldAndLeaveTheMovedFromEmpty)
{
    const StationFields fields {.stationuuid = "u", .name = "", .favicon = "f", .tags = "t", .votes = 0};
    Station original = fields;
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
                stations.emplace_back(
                    Station::Texts {std::nullopt, nameOf(i), "http://a"}, Station::Counts {i}, &arena);
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
