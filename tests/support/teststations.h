#pragma once

#include "catalog/station.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

// A playable station; `id` is its uuid, its stream address derives from it.
[[nodiscard]] Station makeStation(const std::string& id, const std::string& name,
    std::optional<std::string> country = std::nullopt, std::optional<std::string> tags = std::nullopt);
// `count` playable stations "s0", "s1", ... named "Station 0", "Station 1", ...
[[nodiscard]] std::vector<Station> makeStations(std::size_t count);
// The identifiers of `stations`, in order.
[[nodiscard]] std::vector<std::string> idsOf(const std::vector<const Station*>& stations);

} // namespace Vello
