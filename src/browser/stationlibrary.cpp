#include "stationlibrary.h"

#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <algorithm>

namespace Vello {

StationLibrary::StationLibrary(Preferences& preferences)
    : m_preferences(preferences)
{
}

void StationLibrary::restore()
{
    const auto favorites = m_preferences.stringList(PreferenceKey::favorites);
    m_favorites = FavoriteSet(favorites.begin(), favorites.end());
    m_recentIds = m_preferences.stringList(PreferenceKey::recent);
}

bool StationLibrary::isFavorite(std::string_view id) const
{
    return m_favorites.find(id) != m_favorites.end();
}

void StationLibrary::toggleFavorite(const std::string& id)
{
    if (const auto found = m_favorites.find(id); found != m_favorites.end()) {
        m_favorites.erase(found);
    } else {
        m_favorites.insert(id);
    }
    m_preferences.setStringList(
        PreferenceKey::favorites, std::vector<std::string>(m_favorites.begin(), m_favorites.end()));
}

std::size_t StationLibrary::mergeFavorites(const std::vector<std::string>& ids)
{
    std::size_t added = 0;
    for (const std::string& id : ids) {
        if (!id.empty() && m_favorites.insert(id).second) {
            ++added;
        }
    }
    if (added > 0) {
        m_preferences.setStringList(
            PreferenceKey::favorites, std::vector<std::string>(m_favorites.begin(), m_favorites.end()));
    }
    return added;
}

void StationLibrary::recordRecent(const std::string& id)
{
    std::erase(m_recentIds, id);
    m_recentIds.insert(m_recentIds.begin(), id);
    if (m_recentIds.size() > maxRecents) {
        m_recentIds.resize(maxRecents);
    }
    m_preferences.setStringList(PreferenceKey::recent, m_recentIds);
}

} // namespace Vello
