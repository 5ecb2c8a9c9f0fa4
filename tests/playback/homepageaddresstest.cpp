// Where a station's homepage link may go.
#include "playback/streamaddress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vello {
namespace {

TEST(StreamAddressTest, OnlyWebHomepagesAreOffered)
{
    const std::vector<std::pair<std::optional<std::string_view>, std::optional<std::string>>> cases {
        {"http://radio.example/", "http://radio.example/"},
        {" https://radio.example/about\n", "https://radio.example/about"},
        {"HTTPS://RADIO.EXAMPLE", "HTTPS://RADIO.EXAMPLE"},
        {"https://radio.example/a b", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
        {"JavaScript://radio.example/%0aalert(1)", std::nullopt},
        {"file:///etc/passwd", std::nullopt},
        {"ftp://radio.example/", std::nullopt},
        {"radio.example", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {std::nullopt, std::nullopt},
    };
    for (const auto& [homepage, expected] : cases) {
        SCOPED_TRACE(std::string(homepage.value_or("<absent>")));
        EXPECT_EQ(homepageAddress(homepage), expected);
    }
}

} // namespace
} // namespace Vello
