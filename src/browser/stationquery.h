#pragma once

#include "catalog/station.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace Vello {

// The station a name or identifier given from outside the window (the command line) stands for.
struct StationMatch final {
    // Null when nothing matched.
    const Station* station = nullptr;
    // How many more stations matched the name.
    std::size_t others = 0;
};

// Finds what `named` stands for among the catalog's stations (in display order) and the person's
// own: the station of that exact identifier, the own one first; otherwise the first of the
// stations a search for `named` lists, the catalog's before the own ones. The pointer is into
// `catalog` or `own`.
[[nodiscard]] StationMatch matchStation(
    const std::vector<Station>& catalog, const std::vector<Station>& own, std::string_view named);

// Whether `text` is meant as a stream's address rather than a name: it starts with http:// or
// https://, in any case.
[[nodiscard]] bool namesAddress(std::string_view text);

// A station for the stream or playlist at `address`, named after it, to play for this run only.
[[nodiscard]] Station stationForAddress(std::string_view address);

} // namespace Vello
