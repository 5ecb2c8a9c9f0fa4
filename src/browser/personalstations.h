#pragma once

#include "favoritesfile.h"
#include "favoritesimport.h"
#include "ownstations.h"

#include "base/error.h"
#include "catalog/station.h"

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

class DocumentStore;
class StationLibrary;

// What the person made of the stations beyond the library's favourites and recents: the stations
// added by hand, and the favourites file exported and imported with both. Whoever lists stations
// hears of each change. GUI thread only.
class PersonalStations final {
public:
    // The station listed under `id`, if any, for the names an export writes.
    using Find = std::function<const Station*(std::string_view id)>;
    // The own stations or the favourites changed; `saved` is the own station just added or
    // edited, if any.
    using Changed = std::function<void(const Station* saved)>;

    // Both arguments' referents must outlive this.
    PersonalStations(StationLibrary& library, Find find, Changed changed);

    // The stations the person added by hand, in the order added; empty until keepOwnStationsIn().
    [[nodiscard]] const std::vector<Station>& ownStations() const;
    // Keeps the stations added by hand in `documents` from now on, starting from the list saved
    // there; what the person is told, once, when it could not be read in full.
    [[nodiscard]] std::optional<Text> keepOwnStationsIn(DocumentStore& documents);
    // Adds a station of the person's own made from `draft`, or, given the identifier of one,
    // changes that one. The station saved, or what is wrong with the draft.
    Result<Station> saveOwnStation(const StationDraft& draft, std::string_view id = {});
    // Removes the own station `id`, and its place among the favourites.
    void removeOwnStation(const std::string& id);

    // What an export file holds: every favourite, and every own station with what it is made of.
    [[nodiscard]] std::vector<FavoriteEntry> favoritesToExport() const;
    // Adds the own stations of `file` not yet here, under their identifiers, and the favourites
    // among them not yet favourites; says what was added and what was skipped.
    ImportSummary importFavorites(const FavoritesFile::Contents& file);

private:
    StationLibrary& m_library;
    Find m_find;
    Changed m_changed;
    std::unique_ptr<OwnStations> m_own;
    std::mt19937_64 m_random;
};

} // namespace Vello
