#include "searchablecatalog.h"

#include "searchtext.h"

#include <unordered_map>

namespace Vello {

SearchableCatalog::SearchableCatalog(std::vector<Station> stations)
    : m_stations(std::move(stations))
{
    m_ids.reserve(m_stations.size());
    m_textStart.reserve(m_stations.size() + 1);
    for (const Station& station : m_stations) {
        m_ids.push_back(station.id());
        m_textStart.push_back(m_texts.size());
        m_texts += searchText(station);
    }
    m_textStart.push_back(m_texts.size());
    m_texts.shrink_to_fit();
}

bool SearchableCatalog::matches(std::size_t index, std::string_view query) const
{
    if (query.empty()) {
        return true;
    }
    const std::string_view text
        = std::string_view(m_texts).substr(m_textStart[index], m_textStart[index + 1] - m_textStart[index]);
    return text.find(query) != std::string_view::npos;
}

std::vector<const Station*> SearchableCatalog::filtered(ListMode mode, const FavoriteSet& favorites,
    const std::vector<std::string>& recentIds, std::string_view query) const
{
    std::vector<const Station*> result;
    switch (mode) {
    case ListMode::Top:
    case ListMode::Search:
        result.reserve(m_stations.size());
        for (std::size_t i = 0; i < m_stations.size(); ++i) {
            if (matches(i, query)) {
                result.push_back(&m_stations[i]);
            }
        }
        break;
    case ListMode::Favorites:
        for (std::size_t i = 0; i < m_stations.size(); ++i) {
            if (favorites.find(m_ids[i]) != favorites.end() && matches(i, query)) {
                result.push_back(&m_stations[i]);
            }
        }
        break;
    case ListMode::Recent: {
        // Identifiers are not unique; the first station in catalog order, the most popular,
        // stands for its identifier.
        std::unordered_map<std::string_view, std::size_t> byId;
        byId.reserve(m_stations.size());
        for (std::size_t i = 0; i < m_stations.size(); ++i) {
            byId.try_emplace(m_ids[i], i);
        }
        for (const std::string& id : recentIds) {
            const auto found = byId.find(id);
            if (found != byId.end() && matches(found->second, query)) {
                result.push_back(&m_stations[found->second]);
            }
        }
        break;
    }
    }
    return result;
}

} // namespace Vello
