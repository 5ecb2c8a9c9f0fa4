#include "catalog/jsonnumber.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace Vello {
namespace {

TEST(JsonNumber, ReadsEveryWrittenFormExactly)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    const auto whole = [](std::int64_t value) { return NumberReading {NumberKind::whole, value}; };
    constexpr NumberReading fraction {NumberKind::fraction};
    constexpr NumberReading outOfRange {NumberKind::outOfRange};
    constexpr NumberReading malformed {};
    struct Case {
        std::string token;
        NumberReading expected;
    };
    const Case cases[] {
        {"12", whole(12)},
        {"-5", whole(-5)},
        {"0", whole(0)},
        {"-0", whole(0)},
        {"12 \r\n\t", whole(12)},
        {"12.0", whole(12)},
        {"1e3", whole(1000)},
        {"1E+2", whole(100)},
        {"1.5e1", whole(15)},
        {"1500e-2", whole(15)},
        {"0.0e-7", whole(0)},
        {"0e99999999999999999999", whole(0)},
        {"1e18", whole(1'000'000'000'000'000'000)},
        {"9223372036854775807", whole(max)},
        {"-9223372036854775808", whole(min)},
        {"9.223372036854775807e18", whole(max)},
        {"-92233720368547758.08e2", whole(min)},
        {"12.5", fraction},
        {"1e-1", fraction},
        {"1.0000000000000000001", fraction},
        {"1e-99999999999", fraction},
        {"9223372036854775808", outOfRange},
        {"-9223372036854775809", outOfRange},
        {"18446744073709551616", outOfRange},
        {"1e19", outOfRange},
        {"1e99999999999999999999", outOfRange},
        {std::string(60, '7'), outOfRange},
        {"01", malformed},
        {"1.", malformed},
        {".5", malformed},
        {"+1", malformed},
        {"1e", malformed},
        {"1e+", malformed},
        {"-", malformed},
        {"0x10", malformed},
        {"1.5.2", malformed},
        {"", malformed},
        {" 1", malformed},
        {"1 2", malformed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        EXPECT_EQ(readJsonNumber(c.token), c.expected);
        EXPECT_EQ(isJsonNumber(c.token), c.expected.kind != NumberKind::malformed);
    }
}

} // namespace
} // namespace Vello
