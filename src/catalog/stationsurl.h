#pragma once

#include <string_view>

namespace Vello {

// The catalog endpoint, chosen at build time with the CMake option VELLO_STATIONS_URL.
inline constexpr std::string_view stationsURL = VELLO_STATIONS_URL;

static_assert(stationsURL.starts_with("https://") && stationsURL.ends_with("/stations_filtered.json"),
    "VELLO_STATIONS_URL must be an https address ending in /stations_filtered.json");

} // namespace Vello
