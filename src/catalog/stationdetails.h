#pragma once

#include "base/text.h"
#include "station.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace Vello {

// What a row says of a station's stream before it is played: "MP3 · 128 kbps", the codec or
// the rate alone where only one is known, nothing where neither is. A blank codec, "UNKNOWN"
// and a rate of 0 are not known.
[[nodiscard]] Text streamDetails(const Station& station);

// When the directory last found the stream working, counted back from `now` in whole minutes,
// hours or days: "Checked working 2 days ago". Nothing when the catalog does not say or its time
// is not one (lastcheckoktime() is "YYYY-MM-DD HH:MM:SS", UTC); a time up to a minute ago, or
// ahead of `now`, reads as a minute ago.
[[nodiscard]] std::optional<Text> lastCheckedWorking(const Station& station, std::chrono::system_clock::time_point now);

// lastcheckoktime() as a time, when it is one.
[[nodiscard]] std::optional<std::chrono::system_clock::time_point> directoryTime(std::string_view text);

// The optional filters of Browse: a stream address that is https, and a rate of at least
// `kbps` kbit/s (an unknown rate is not).
[[nodiscard]] bool playsOverHttps(const Station& station);
[[nodiscard]] bool hasBitrateOfAtLeast(const Station& station, std::int64_t kbps = 128);

} // namespace Vello
