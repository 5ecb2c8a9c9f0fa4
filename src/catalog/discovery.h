#pragma once

#include "base/text.h"
#include "station.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// The three ways into a catalog besides search.
enum class Facet { country, language, genre };

// One entry of a facet: a country, a language or a genre, with its number of stations.
struct DiscoveryEntry final {
    // A country's ISO 3166-1 alpha-2 code ("DE") or a language's ISO 639 code ("de"), for the
    // window to name in the reader's language. Empty where none is known.
    std::string code;
    // Where there is no code, the catalog's own word: a genre's tag or a language as the catalog
    // writes it, trimmed and lower-cased. A country entry without either is "Other".
    std::string name;
    std::size_t stations = 0;

    friend bool operator==(const DiscoveryEntry&, const DiscoveryEntry&) = default;
};

// What the country entry of the stations with no known country code is called.
inline constexpr const char* otherCountriesText = VELLO_TR("Core", "Other");

// How many genres a list shows until the person filters them.
inline constexpr std::size_t genresShownByDefault = 100;

// A catalog's countries, languages and genres, each with its number of stations, most first
// (ties by code, then name); the countries' "Other" comes last whatever its count. A station
// counts once in each entry it belongs to, however often its fields name it:
// - its country by `countrycode`, trimmed and upper-cased; a code ISO 3166-1 does not know, or
//   none, puts it under "Other";
// - its languages by `languagecodes` where one of them is a known ISO 639 code (three-letter
//   codes are given their two-letter form), else by the names in `language` (comma-separated),
//   each given its code when it is a language's English or own name ("German", "deutsch"),
//   else kept as written;
// - its genres by `tags`: comma-separated, trimmed, runs of white space made one space,
//   lower-cased.
struct Discovery final {
    std::vector<DiscoveryEntry> countries;
    std::vector<DiscoveryEntry> languages;
    std::vector<DiscoveryEntry> genres;

    [[nodiscard]] const std::vector<DiscoveryEntry>& entries(Facet facet) const;
};

// Counts the facets of `stations`. Pure and safe on any thread: meant for the thread that
// answers each new catalog, to follow it.
[[nodiscard]] Discovery discover(const std::vector<Station>& stations);

// The positions in `stations` of those that belong to `entry` of `facet`, in their order.
[[nodiscard]] std::vector<std::uint32_t> stationsOf(
    const std::vector<Station>& stations, Facet facet, const DiscoveryEntry& entry);

// The genres a list shows: the first genresShownByDefault of `genres` while `filter` is blank,
// else every one whose tag holds `filter` (trimmed, lower-cased).
[[nodiscard]] std::vector<DiscoveryEntry> shownGenres(
    const std::vector<DiscoveryEntry>& genres, std::string_view filter);

} // namespace Vello
