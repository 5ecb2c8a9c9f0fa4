#pragma once

#include "favoritesfile.h"

#include <cstddef>

namespace Vello {

class OwnStations;
class StationLibrary;

// What an import of favourites added, and how many of the file's entries it skipped and why.
// An own station added as a favourite counts as both.
struct ImportSummary final {
    std::size_t favorites = 0;
    std::size_t ownStations = 0;
    // Favourites, and own stations, already here (or named twice in the file).
    std::size_t alreadyThere = 0;
    // Entries that are no station, or own stations the form would refuse.
    std::size_t notStations = 0;
    // Own stations that could not be kept: there is no room for more, or they cannot be changed.
    std::size_t notSaved = 0;

    friend bool operator==(const ImportSummary&, const ImportSummary&) = default;
};

// Adds what `file` holds that is not here yet: its own stations to `own` (when there is one) under
// their identifiers, saved once, and its favourites to `library`, saved once. An own station
// already here keeps the person's own edits.
[[nodiscard]] ImportSummary mergeImported(
    const FavoritesFile::Contents& file, StationLibrary& library, OwnStations* own);

} // namespace Vello
