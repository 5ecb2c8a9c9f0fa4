#pragma once

#include "station.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// The stations in display order: highest score first; where scores tie, display names in the
// collation of the user's locale with letter case ignored and accents kept. Stations that tie
// on both keep their relative order. Never fails; safe to call from any thread.
[[nodiscard]] std::vector<Station> sortedForDisplay(std::vector<Station> stations);

// The same order under the collation of the ICU locale `localeName` ("" for the root collation).
[[nodiscard]] std::vector<Station> sortedForDisplay(std::vector<Station> stations, std::string_view localeName);

// That order as the positions of the stations: the station shown i-th is stations[order[i]].
[[nodiscard]] std::vector<std::uint32_t> displayOrder(
    const std::vector<Station>& stations, std::string_view localeName);

// `stations` put in `order`, which holds each of their positions once (as displayOrder() gives).
[[nodiscard]] std::vector<Station> inOrder(std::vector<Station> stations, const std::vector<std::uint32_t>& order);

// The ICU locale whose collation the user expects, from the POSIX variables in their order of
// precedence: the first of LC_ALL, LC_COLLATE and LANG that is set and not empty, without its
// encoding (".UTF-8") or modifier ("@euro"). "C", "POSIX" and nothing at all give "" (root).
[[nodiscard]] std::string collationLocaleName(
    std::string_view lcAll, std::string_view lcCollate, std::string_view lang);

// collationLocaleName() of this process's environment.
[[nodiscard]] std::string userCollationLocale();

} // namespace Vello
