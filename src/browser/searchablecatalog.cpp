#include "searchablecatalog.h"

#include "ownstations.h"
#include "searchtext.h"

#include "catalog/documentbuffer.h"

#include <algorithm>
#include <unordered_map>

namespace Vello {

SearchableCatalog::SearchableCatalog(std::vector<Station> stations)
    : m_stations(std::move(stations))
{
    // Most stations have a uuid, which is their identifier: no copy of it is needed to look.
    std::erase_if(m_stations, [](const Station& station) {
        const auto uuid = station.stationuuid();
        return OwnStations::isOwnId(uuid ? *uuid : station.id());
    });
    // The thread reads the stations' heap block, which stays where it is when the vector moves.
    // Where no thread can be had, the index is built on first use instead.
    m_pending
        = std::async([stations = m_stations.data(), count = m_stations.size()] { return buildIndex(stations, count); });
}

SearchableCatalog::~SearchableCatalog()
{
    finishIndex();
}

SearchableCatalog::SearchableCatalog(SearchableCatalog&& other) noexcept
    : m_stations(std::move(other.m_stations))
    , m_own(std::move(other.m_own))
    , m_ownIds(std::move(other.m_ownIds))
    , m_ownTexts(std::move(other.m_ownTexts))
    , m_pending(std::move(other.m_pending))
    , m_index(std::move(other.m_index))
{
}

SearchableCatalog& SearchableCatalog::operator=(SearchableCatalog&& other) noexcept
{
    if (this != &other) {
        finishIndex();
        m_stations = std::move(other.m_stations);
        m_pending = std::move(other.m_pending);
        m_index = std::move(other.m_index);
        m_own = std::move(other.m_own);
        m_ownIds = std::move(other.m_ownIds);
        m_ownTexts = std::move(other.m_ownTexts);
    }
    return *this;
}

void SearchableCatalog::setOwnStations(std::vector<Station> own)
{
    m_own = std::move(own);
    m_ownIds.clear();
    m_ownTexts.clear();
    for (const Station& station : m_own) {
        m_ownIds.push_back(station.id());
        m_ownTexts.push_back(searchText(station));
    }
}

const Station* SearchableCatalog::find(std::string_view id) const
{
    if (const auto own = std::ranges::find(m_ownIds, id); own != m_ownIds.end()) {
        return &m_own[static_cast<std::size_t>(own - m_ownIds.begin())];
    }
    const auto found = std::ranges::find_if(m_stations, [&](const Station& station) { return station.id() == id; });
    return found == m_stations.end() ? nullptr : &*found;
}

void SearchableCatalog::appendOwn(
    std::string_view query, const FavoriteSet* ids, std::vector<const Station*>& result) const
{
    for (std::size_t i = 0; i < m_own.size(); ++i) {
        if ((ids == nullptr || ids->contains(m_ownIds[i])) && m_ownTexts[i].find(query) != std::string::npos) {
            result.push_back(&m_own[i]);
        }
    }
}

SearchableCatalog::Index SearchableCatalog::buildIndex(const Station* stations, std::size_t count)
{
    Index built;
    built.ids.reserve(count);
    built.textStart.reserve(count + 1);
    // Room for about what the texts take (each holds the name, the location, the language and
    // the first tag, then the country and the tags again), so that the buffer is not copied as
    // it grows: lower-casing seldom changes a text's length.
    const auto size = [](std::optional<std::string_view> text) { return text.value_or(std::string_view()).size(); };
    std::size_t estimate = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Station& station = stations[i];
        estimate += size(station.name()) + size(station.state()) + size(station.language()) + 9
            + 2 * (size(station.country()) + size(station.tags()));
    }
    built.texts.reserve(estimate);
    preferHugePages(built.texts.data(), built.texts.capacity());
    for (std::size_t i = 0; i < count; ++i) {
        built.ids.push_back(stations[i].id());
        built.textStart.push_back(built.texts.size());
        built.texts += searchText(stations[i]);
    }
    built.textStart.push_back(built.texts.size());
    return built;
}

void SearchableCatalog::finishIndex() const
{
    if (m_pending.valid()) {
        m_pending.wait();
    }
}

const SearchableCatalog::Index& SearchableCatalog::index() const
{
    if (!m_index) {
        m_index = m_pending.valid() ? m_pending.get() : buildIndex(m_stations.data(), m_stations.size());
    }
    return *m_index;
}

bool SearchableCatalog::matches(std::size_t station, std::string_view query) const
{
    if (query.empty()) {
        return true;
    }
    const Index& built = index();
    const std::string_view text
        = std::string_view(built.texts)
              .substr(built.textStart[station], built.textStart[station + 1] - built.textStart[station]);
    return text.find(query) != std::string_view::npos;
}

void SearchableCatalog::appendMatches(std::string_view query, std::vector<const Station*>& result) const
{
    // One pass over all texts back to back is several times faster than a search per station;
    // a hit that runs past the end of its station's text is no match, and the search goes on
    // from the next byte.
    const std::vector<std::size_t>& textStart = index().textStart;
    const std::string_view all(index().texts);
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
        for (std::size_t step = 1; past < count && textStart[past] <= hit; step *= 2) {
            station = past;
            past += step;
        }
        past = std::min(past, count);
        const auto next = std::upper_bound(textStart.begin() + static_cast<std::ptrdiff_t>(station) + 1,
            textStart.begin() + static_cast<std::ptrdiff_t>(past) + 1, hit);
        station = static_cast<std::size_t>(next - textStart.begin()) - 1;
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
        appendOwn(query, nullptr, result);
        break;
    case ListMode::Favorites:
        for (std::size_t i = 0; i < m_stations.size(); ++i) {
            if (favorites.find(index().ids[i]) != favorites.end() && matches(i, query)) {
                result.push_back(&m_stations[i]);
            }
        }
        appendOwn(query, &favorites, result);
        break;
    case ListMode::Own:
        appendOwn(query, nullptr, result);
        break;
    case ListMode::Recent: {
        // Identifiers are not unique; the first station in catalog order, the most popular,
        // stands for its identifier.
        const std::vector<std::string>& ids = index().ids;
        std::unordered_map<std::string_view, std::size_t> byId;
        byId.reserve(m_stations.size());
        for (std::size_t i = 0; i < m_stations.size(); ++i) {
            byId.try_emplace(ids[i], i);
        }
        for (const std::string& id : recentIds) {
            if (const auto own = std::ranges::find(m_ownIds, id); own != m_ownIds.end()) {
                const auto at = static_cast<std::size_t>(own - m_ownIds.begin());
                if (m_ownTexts[at].find(query) != std::string::npos) {
                    result.push_back(&m_own[at]);
                }
            } else if (const auto found = byId.find(id); found != byId.end() && matches(found->second, query)) {
                result.push_back(&m_stations[found->second]);
            }
        }
        break;
    }
    case ListMode::Songs:
        // Songs heard are not stations: the list of the moment is empty.
        break;
    }
    return result;
}

} // namespace Vello
