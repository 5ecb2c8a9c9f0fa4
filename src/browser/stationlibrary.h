#pragma once

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

class Preferences;

// Favourite station identifiers; ordered so the stored list is stable from one save to the next.
using FavoriteSet = std::set<std::string, std::less<>>;

// The user's favourites and recently played stations, by station identifier, written through
// to the preferences on every change.
class StationLibrary final {
public:
    static constexpr std::size_t maxRecents = 50;

    explicit StationLibrary(Preferences& preferences);

    // Replaces both collections with what the preferences hold; repeated favourites collapse,
    // the recent list is taken as stored.
    void restore();

    [[nodiscard]] const FavoriteSet& favorites() const { return m_favorites; }
    // Newest first.
    [[nodiscard]] const std::vector<std::string>& recentIds() const { return m_recentIds; }
    [[nodiscard]] bool isFavorite(std::string_view id) const;

    // Adds or removes `id` and saves the favourites.
    void toggleFavorite(const std::string& id);
    // Adds every id of `ids` not yet a favourite and saves the favourites once; returns how
    // many were added.
    std::size_t mergeFavorites(const std::vector<std::string>& ids);
    // Moves `id` to the front of the recents, keeps the newest 50 and saves them.
    void recordRecent(const std::string& id);

private:
    Preferences& m_preferences;
    FavoriteSet m_favorites;
    std::vector<std::string> m_recentIds;
};

} // namespace Vello
