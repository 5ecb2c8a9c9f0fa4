#include "catalog/stationdetails.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

TEST(StationDetails, RowTextsAndFiltersReadTheStreamFields)
{
    using namespace std::chrono;
    const auto now = sys_days(year(2026) / 1 / 10) + 12h;
    struct Case {
        const char* name;
        StationFields station;
        std::string details;
        std::string checked;
        bool https;
        bool rich;
    };
    const std::vector<Case> cases {
        {"both known, two days",
            {.url = "https://a", .codec = "MP3", .bitrate = 128, .lastcheckoktime = "2026-01-08 12:00:00"},
            "MP3 \u00b7 128 kbps", "Checked working 2 days ago", true, true},
        {"the codec alone, a minute short of a day",
            {.url = "http://a", .codec = " AAC+ ", .bitrate = 0, .lastcheckoktime = "2026-01-09 12:01:00"}, "AAC+",
            "Checked working 23 hours ago", false, false},
        {"the rate alone, exactly an hour",
            {.url = "http://a",
                .url_resolved = " HTTPS://b",
                .codec = "UNKNOWN",
                .bitrate = 127,
                .lastcheckoktime = "2026-01-10 11:00:00"},
            "127 kbps", "Checked working 1 hour ago", true, false},
        {"neither, 59 minutes", {.codec = "", .lastcheckoktime = "2026-01-10 11:01:00"}, "",
            "Checked working 59 minutes ago", false, false},
        {"checked this very second", {.bitrate = 320, .lastcheckoktime = "2026-01-10 12:00:00"}, "320 kbps",
            "Checked working 1 minute ago", false, true},
        {"checked ahead of the clock", {.lastcheckoktime = "2026-01-11 00:00:00"}, "", "Checked working 1 minute ago",
            false, false},
        {"no such day", {.lastcheckoktime = "2026-02-30 10:00:00"}, "", "", false, false},
        {"not the directory's form", {.lastcheckoktime = "2026-01-08T12:00:00Z"}, "", "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Station station = c.station;
        EXPECT_EQ(streamDetails(station).english(), c.details);
        EXPECT_EQ(lastCheckedWorking(station, now).value_or(Text()).english(), c.checked);
        EXPECT_EQ(playsOverHttps(station), c.https);
        EXPECT_EQ(hasBitrateOfAtLeast(station), c.rich);
    }
}

} // namespace
} // namespace Vello
