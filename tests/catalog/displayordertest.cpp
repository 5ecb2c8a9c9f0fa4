#include "catalog/displayorder.h"

#include <gtest/gtest.h>
#include <unicode/coll.h>

#include <memory>
#include <string>
#include <vector>

namespace Vello {
namespace {

Station station(std::optional<std::string> name, std::int64_t votes, std::int64_t clickcount = 0,
    std::optional<std::string> uuid = std::nullopt)
{
    return StationFields {
        .stationuuid = std::move(uuid), .name = std::move(name), .votes = votes, .clickcount = clickcount};
}

using Ids = std::vector<std::string>;

Ids uuidsOf(const std::vector<Station>& stations)
{
    Ids uuids;
    for (const Station& s : stations) {
        uuids.emplace_back(s.stationuuid().value_or("?"));
    }
    return uuids;
}

TEST(DisplayOrder, HighestScoreFirstThenNamesInTheLocalesCollationWithoutCase)
{
    const std::vector<Station> input {
        station("Alpha", 3, 0, "a"), // 12
        station("Zulu", 0, 13, "z"), // 13
        station("radio", 0, 0, "lower"), station("RADIO", 0, 0, "upper"), station("Minus", -1, 0, "minus"),
        station(std::nullopt, 0, 0, "unnamed"), station("Zebra FM", 0, 0, "zebra"),
        station("   Aardvark", 0, 0, "aardvark"), station("Radio 2", 0, 0, "two"), station("Radio 10", 0, 0, "ten"),
        station("resume", 0, 0, "plain"), station("R\u00e9sum\u00e9", 0, 0, "accented"), station("Alpha", 3, 0, "a"),
        station("Big", 1, -10, "negative"), // -6
    };
    EXPECT_EQ(uuidsOf(sortedForDisplay(input, "en_US")),
        (Ids {"z", "a", "a", "aardvark", "lower", "upper", "ten", "two", "plain", "accented", "unnamed", "zebra",
            "minus", "negative"}));

    const std::vector<Station> nordic {
        station("Zebra", 0, 0, "zebra"), station("\u00d6resund", 0, 0, "oresund"), station("Oslo", 0, 0, "oslo")};
    // Swedish puts Ö after Z; German files it with O.
    EXPECT_EQ(uuidsOf(sortedForDisplay(nordic, "sv_SE")), (Ids {"oslo", "zebra", "oresund"}));
    EXPECT_EQ(uuidsOf(sortedForDisplay(nordic, "de_DE")), (Ids {"oresund", "oslo", "zebra"}));
    // An unknown locale falls back to the root collation instead of failing.
    EXPECT_EQ(uuidsOf(sortedForDisplay(nordic, "xx_NOPE")), (Ids {"oresund", "oslo", "zebra"}));

    // Enough stations to sort on two threads: every neighbour still in order, ties kept in input order.
    std::vector<Station> many;
    many.reserve(12'000);
    for (int i = 0; i < 12'000; ++i) {
        many.push_back(
            station((i % 3 == 0 ? "N" : "n") + std::to_string(i * 7919 % 1000), i % 7, 0, std::to_string(i)));
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale("en_US"), status));
    collator->setStrength(icu::Collator::SECONDARY);
    const std::vector<Station> sorted = sortedForDisplay(many, "en_US");
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const Station& a = sorted[i - 1];
        const Station& b = sorted[i];
        ASSERT_GE(a.score(), b.score());
        if (a.score() == b.score()) {
            const auto order = collator->compareUTF8(std::string(*a.name()), std::string(*b.name()), status);
            ASSERT_NE(order, UCOL_GREATER) << *a.name() << " " << *b.name();
            ASSERT_TRUE(order == UCOL_LESS
                || std::stoi(std::string(*a.stationuuid())) < std::stoi(std::string(*b.stationuuid())));
        }
    }
}

TEST(DisplayOrder, TakesTheLocaleFromThePosixVariables)
{
    EXPECT_EQ(collationLocaleName("sv_SE.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"), "sv_SE");
    EXPECT_EQ(collationLocaleName("", "de_DE.UTF-8@euro", "fr_FR.UTF-8"), "de_DE");
    EXPECT_EQ(collationLocaleName("", "", "fr_FR@euro"), "fr_FR");
    EXPECT_EQ(collationLocaleName("C.UTF-8", "de_DE", "fr_FR"), "");
    EXPECT_EQ(collationLocaleName("", "POSIX", "fr_FR"), "");
    EXPECT_EQ(collationLocaleName("", "", ""), "");
}

} // namespace
} // namespace Vello
