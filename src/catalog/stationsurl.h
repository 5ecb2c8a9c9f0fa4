#pragma once

#include <string_view>

namespace Vello {

// A deployment's own catalog document, chosen at build time with the CMake option
// VELLO_STATIONS_URL. Empty: the public radio directory.
inline constexpr std::string_view stationsURL = VELLO_STATIONS_URL;

static_assert(
    stationsURL.empty() || (stationsURL.starts_with("https://") && stationsURL.ends_with("/stations_filtered.json")),
    "VELLO_STATIONS_URL must be empty or an https address ending in /stations_filtered.json");

} // namespace Vello
