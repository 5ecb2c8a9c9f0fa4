#include "playback/streamaddress.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace Vello {
namespace {

TEST(StreamAddressTest, OnlyWebHomepagesAreOffered)
{
    EXPECT_EQ(homepageAddress(" https://radio.example/a\n"), "https://radio.example/a");
    EXPECT_EQ(homepageAddress("http://radio.example/"), "http://radio.example/");
    EXPECT_EQ(homepageAddress("HTTPS://RADIO.EXAMPLE"), "HTTPS://RADIO.EXAMPLE");
    for (const std::optional<std::string_view> refused : {std::optional<std::string_view>("javascript:alert(1)"),
             {"JavaScript://radio.example/%0aalert(1)"}, {"file:///etc/passwd"}, {"ftp://radio.example/"},
             {"radio.example"}, {"https://radio.example/a b"}, {""}, {"   "}, {std::nullopt}}) {
        EXPECT_EQ(homepageAddress(refused), std::nullopt) << refused.value_or("<absent>");
    }
}

} // namespace
} // namespace Vello
