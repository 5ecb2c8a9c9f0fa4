#include "catalog/stationchanges.h"

#include <gtest/gtest.h>

#include <string>

namespace Vello {
namespace {

// An empty "stationuuid" names no station: its change is left out, and a station of the
// document without one is never taken for it. The shortest that names one is a single letter.
TEST(StationChanges, AChangeWithAnEmptyUuidIsLeftOut)
{
    StationChanges changes;
    changes.add(R"({"stationuuid": "", "url": "http://e"})");
    changes.add(R"( {"stationuuid": "a", "url": "http://a"} )");
    EXPECT_EQ(changes.size(), 1U);
    std::string written;
    EXPECT_TRUE(changes.applyTo(
        R"([{"stationuuid": "", "url": "http://x"}])", [&written](std::string_view piece) { written += piece; }));
    EXPECT_EQ(written,
        "[{\"stationuuid\": \"\", \"url\": \"http://x\"},\n{\"stationuuid\": \"a\", \"url\": \"http://a\"}]\n");
}

} // namespace
} // namespace Vello
