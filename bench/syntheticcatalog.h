#pragma once

#include <cstddef>
#include <string>

namespace Vello {

// A catalog document shaped like a real station directory's export: each station an object of
// 37 keys (the twelve the player reads, homepage among them, and the rest it skips: codec,
// bitrate, coordinates, timestamps, check results, ...), about 1.2 KB each. It holds what real
// directories hold: names in many scripts, some with emoji or combining marks, some with tabs,
// line breaks or no-break spaces at their ends, duplicate names, blank and null values,
// favicons that are the text "null", lack a scheme or are data: addresses, stream addresses
// thousands of characters long, an empty url_resolved beside a usable url for a large share,
// and about 5 % stations with no playable address at all. The same arguments always give the
// same bytes.
[[nodiscard]] std::string makeSyntheticCatalog(std::size_t stationCount, unsigned seed = 1);

} // namespace Vello
