#include "favoritesimport.h"

#include "ownstations.h"
#include "stationlibrary.h"

#include <string>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

namespace Vello {

ImportSummary mergeImported(const FavoritesFile::Contents& file, StationLibrary& library, OwnStations* own)
{
    ImportSummary summary {.notStations = file.notStations};
    // The own stations to add, by their place in the file.
    std::vector<std::pair<StationDraft, std::string>> drafts;
    std::vector<std::size_t> draftAt(file.entries.size(), file.entries.size());
    std::unordered_set<std::string_view> drafted;
    for (std::size_t i = 0; i < file.entries.size(); ++i) {
        const FavoriteEntry& entry = file.entries[i];
        if (entry.own && own != nullptr && own->find(entry.id) == nullptr && drafted.insert(entry.id).second) {
            draftAt[i] = drafts.size();
            drafts.emplace_back(*entry.own, entry.id);
        }
    }
    const std::vector<Result<Station>> added = own != nullptr ? own->addAll(drafts) : std::vector<Result<Station>> {};
    std::vector<std::string> favorites;
    for (std::size_t i = 0; i < file.entries.size(); ++i) {
        const FavoriteEntry& entry = file.entries[i];
        if (draftAt[i] == file.entries.size()) {
            if (entry.favorite) {
                favorites.push_back(entry.id);
            } else {
                ++(own != nullptr ? summary.alreadyThere : summary.notSaved);
            }
        } else if (const auto* station = std::get_if<Station>(&added[draftAt[i]])) {
            ++summary.ownStations;
            if (entry.favorite) {
                favorites.push_back(station->id());
            }
        } else {
            ++(OwnStations::problems(*entry.own).any() ? summary.notStations : summary.notSaved);
        }
    }
    summary.favorites = library.mergeFavorites(favorites);
    summary.alreadyThere += favorites.size() - summary.favorites;
    return summary;
}

} // namespace Vello
