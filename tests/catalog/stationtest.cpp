#include "catalog/station.h"

#include "catalog/textrules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <unordered_set>
#include <vector>

namespace Vello {
namespace {

Station named(std::string name)
{
    return Station {.name = std::move(name)};
}

TEST(Station, DisplayNameTrimsAndFallsBack)
{
    EXPECT_EQ(Station {}.displayName(), "Unnamed station");
    EXPECT_EQ(named(" \n\t\u00a0\r\n").displayName(), "Unnamed station");
    EXPECT_EQ(named("\u00a0 Radio \u00dcber \n").displayName(), "Radio \u00dcber");
    // The raw name keeps its spaces.
    EXPECT_EQ(*named("  Radio  ").name, "  Radio  ");
}

TEST(Station, LimitedDisplayNameCutsWholeCharacters)
{
    const std::string fortyEight(48, 'a');
    EXPECT_EQ(named(fortyEight).limitedDisplayName(), fortyEight);
    EXPECT_EQ(named(fortyEight + "b").limitedDisplayName(), std::string(47, 'a') + "\u2026");
    EXPECT_EQ(named(std::string(65, 'x')).limitedDisplayName(64), std::string(63, 'x') + "\u2026");
    EXPECT_EQ(named(std::string(64, 'x')).limitedDisplayName(64), std::string(64, 'x'));

    const std::string longName(200, 'z');
    for (std::int64_t limit :
        {std::int64_t {1}, std::int64_t {0}, std::int64_t {-1}, std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(named(longName).limitedDisplayName(limit), longName) << limit;
    }
    EXPECT_EQ(named("abc").limitedDisplayName(2), "a\u2026");

    // Forty-eight characters in far more than 48 bytes are not cut.
    std::string accented;
    for (int i = 0; i < 48; ++i) {
        accented += "e\u0301";
    }
    EXPECT_EQ(named(accented).limitedDisplayName(), accented);

    // The 47th character is a cluster: it is kept whole.
    const std::string clusterAt47 = std::string(46, 'a') + "e\u0301" + "bcd";
    EXPECT_EQ(named(clusterAt47).limitedDisplayName(), std::string(46, 'a') + "e\u0301\u2026");
    // The 48th character is a cluster: it goes whole, leaving no stray accent behind.
    const std::string clusterAt48 = std::string(47, 'a') + "\U0001F1E9\U0001F1EA" + "cd";
    EXPECT_EQ(named(clusterAt48).limitedDisplayName(), std::string(47, 'a') + "\u2026");
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467";
    const std::string cut = named(std::string(47, 'a') + family + family).limitedDisplayName();
    EXPECT_EQ(cut, std::string(47, 'a') + "\u2026");
    EXPECT_EQ(characterCount(cut), 48U);
}

TEST(Station, LocationTagAndSubtitleDropBlanks)
{
    EXPECT_EQ((Station {.country = "Germany", .state = " \t"}).location(), "Germany");
    EXPECT_EQ((Station {.state = " Bavaria "}).location(), "Bavaria");
    EXPECT_EQ((Station {.country = "\u00a0", .state = ""}).location(), "");
    EXPECT_EQ((Station {.country = " Germany\n", .state = "Bavaria"}).location(), "Bavaria, Germany");

    EXPECT_EQ((Station {.tags = ",, rock ,pop"}).primaryTag(), "rock");
    EXPECT_EQ((Station {.tags = " , ,, "}).primaryTag(), "");
    EXPECT_EQ((Station {.tags = "jazz"}).primaryTag(), "jazz");
    EXPECT_EQ(Station {}.primaryTag(), "");

    EXPECT_EQ(Station {}.subtitle(), "Live station");
    EXPECT_EQ((Station {.language = "   "}).subtitle(), "   ");
    EXPECT_EQ((Station {.country = "France", .language = "french", .tags = "news,talk"}).subtitle(),
        "France | french | news");
    EXPECT_EQ((Station {.state = "Tyrol", .tags = " ,pop"}).subtitle(), "Tyrol | pop");
}

TEST(Station, RadioUrlPrefersTheResolvedAddress)
{
    EXPECT_EQ((Station {.url = "http://a", .url_resolved = " http://b\n"}).radioURL(), "http://b");
    EXPECT_EQ((Station {.url = " http://a ", .url_resolved = "  "}).radioURL(), "http://a");
    EXPECT_EQ((Station {.url = "\u00a0", .url_resolved = ""}).radioURL(), std::nullopt);
    EXPECT_EQ(Station {}.radioURL(), std::nullopt);
    // No checks beyond blankness: anything non-blank is an address to try.
    EXPECT_EQ((Station {.url = "not a url"}).radioURL(), "not a url");
}

TEST(Station, IdFallsBackFromUuidToAddressToName)
{
    EXPECT_EQ(Station {}.id(), "Unnamed station");
    EXPECT_EQ((Station {.stationuuid = "", .name = "Radio", .url = "http://a"}).id(), "");
    EXPECT_EQ((Station {.stationuuid = " u1 ", .url = "http://a"}).id(), " u1 ");
    EXPECT_EQ((Station {.name = "Radio", .url_resolved = "  http://b  "}).id(), "http://b");
    EXPECT_EQ((Station {.name = " Radio ", .url = " "}).id(), "Radio");
}

TEST(Station, ScoreWeighsVotesFourTimesAndSaturates)
{
    EXPECT_EQ((Station {.votes = 2, .clickcount = 5}).score(), 13);
    EXPECT_EQ((Station {.votes = 3}).score(), 12);
    EXPECT_EQ((Station {.clickcount = 10}).score(), 10);
    EXPECT_EQ(Station {}.score(), 0);
    EXPECT_EQ((Station {.votes = -2, .clickcount = 1}).score(), -7);

    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ((Station {.votes = max, .clickcount = max}).score(), max);
    EXPECT_EQ((Station {.votes = min, .clickcount = min}).score(), min);
    EXPECT_EQ((Station {.votes = max}).score(), max);
    EXPECT_EQ((Station {.votes = min, .clickcount = max}).score(), min);
    // Exact wherever the true total fits, even when 4 × votes alone would not.
    EXPECT_EQ((Station {.votes = std::int64_t {1} << 61, .clickcount = -1}).score(), max);
    EXPECT_EQ((Station {.votes = (std::int64_t {1} << 61) + 1, .clickcount = min}).score(), 4);
    EXPECT_EQ((Station {.votes = -(std::int64_t {1} << 61), .clickcount = 0}).score(), min);
}

TEST(Station, EqualityIsFieldByFieldUnderCanonicalEquivalence)
{
    const Station composed {.name = "Caf\u00e9", .tags = "\u00c5"};
    const Station decomposed {.name = "Cafe\u0301", .tags = "\u212B"};
    EXPECT_EQ(composed, decomposed);
    EXPECT_EQ(hashValue(composed), hashValue(decomposed));
    EXPECT_EQ(std::hash<Station> {}(composed), hashValue(decomposed));

    EXPECT_NE(Station {}, Station {.name = ""});
    EXPECT_NE(Station {.votes = 0}, Station {});
    EXPECT_NE(hashValue(Station {}), hashValue(Station {.name = ""}));
    // The same text in another field is another station.
    EXPECT_NE(Station {.name = "x"}, Station {.url = "x"});
    EXPECT_NE(hashValue(Station {.name = "x"}), hashValue(Station {.url = "x"}));
    EXPECT_NE((Station {.votes = 1, .clickcount = 2}), (Station {.votes = 2, .clickcount = 1}));
    EXPECT_NE(hashValue(Station {.votes = 1, .clickcount = 2}), hashValue(Station {.votes = 2, .clickcount = 1}));
    // Same id, different station.
    EXPECT_NE((Station {.stationuuid = "u", .name = "a"}), (Station {.stationuuid = "u", .name = "b"}));
    // Case is not canonical equivalence.
    EXPECT_NE(named("radio"), named("Radio"));

    // Whatever ICU makes of stray bytes, equal stations still hash alike.
    const std::vector<std::string> odd {"\xff"
                                        "Cafe\u0301",
        "\xff"
        "Caf\u00e9",
        "Caf\xc3", "Cafe\u0301\xc3"};
    for (const std::string& a : odd) {
        for (const std::string& b : odd) {
            if (named(a) == named(b)) {
                EXPECT_EQ(hashValue(named(a)), hashValue(named(b))) << a << " / " << b;
            }
        }
        EXPECT_EQ(named(a), named(a));
    }

    std::unordered_set<Station> set {composed, decomposed, Station {}, Station {.name = ""}};
    EXPECT_EQ(set.size(), 3U);
    EXPECT_EQ(set.count(Station {.name = "Cafe\u0301", .tags = "\u00c5"}), 1U);
}

} // namespace
} // namespace Vello
