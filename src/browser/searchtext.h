#pragma once

#include <string>
#include <string_view>

namespace Vello {

class Station;

// Full Unicode lower-casing (root locale) in composed form, so that a query matches a station
// whatever the normalisation of either side.
[[nodiscard]] std::string foldedForSearch(std::string_view text);

// The typed query as search compares it: trimmed at both ends, then folded.
[[nodiscard]] std::string searchQuery(std::string_view typed);

// What a query is looked for in: display name, subtitle, country and tags joined by single
// spaces (country and tags as stored, empty when absent), then folded.
[[nodiscard]] std::string searchText(const Station& station);

} // namespace Vello
