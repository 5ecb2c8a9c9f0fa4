#include "searchablecatalog.h"

#include "searchtext.h"

#include <algorithm>
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

void SearchableCatalog::appendMatches(std::string_view query, std::vector<const Station*>& result) const
{
    // One pass over all texts back to back is several times faster than a search per station;
    // a hit that runs past the end of its station's text is no match, and the search goes on
    // from the next byte.
    const std::string_view all(m_texts);
    const std::size_t count = m_stations.size();
    std::size_t station = 0;
    std::size_t from = 0;
    while (from < all.size()) {
        const std::size_t hit = all.find(query, from);
        if (hit == std::string_view::npos) {
            return;
        }
        // Hits are mostly near the last one: gallop forward, then bisect.
        std::size_t past = station + 1;
        for (std::size_t step = 1; past < count && m_textStart[past] <= hit; step *= 2) {
            station = past;
            past += step;
        }
        past = std::min(past, count);
        const auto next = std::upper_bound(m_textStart.begin() + static_cast<std::ptrdiff_t>(station) + 1,
            m_textStart.begin() + static_cast<std::ptrdiff_t>(past) + 1, hit);
        station = static_cast<std::size_t>(next - m_textStart.begin()) - 1;
        if (hit + query.size() <= *next) {
            result.push_back(&m_stations[station]);
            from = *next;
        } else {
            from = hit + 1;
        }
    }
}

std::vector<const Station*> SearchableCatalog::filtered(ListMode mode, const FavoriteSet& favorites,
    const std::vector<std::string>& recentIds, std::string_view query) const
{
    std::vector<const Station*> result;
    switch (mode) {
    case ListMode::Top:
    case ListMode::Search:
        if (query.empty()) {
            result.reserve(m_stations.size());
            for (const Station& station : m_stations) {
                result.push_back(&station);
            }
        } else {
            result.reserve(m_stations.size());
            appendMatches(query, result);
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
