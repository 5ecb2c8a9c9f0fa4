#pragma once

#include "screen.h"
#include "stationlibrary.h"

#include "catalog/station.h"

#include <cstddef>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// The catalog as last delivered, in display order, with each station's identifier and search
// text worked out once, so filtering a large catalog on every keystroke stays cheap. That work
// runs on a thread of its own: the first frame shows the most popular stations, which needs
// none of it, and only a search, Favorites or Recent wait for it.
//
// The person's own stations come after the catalog's, as they have no popularity to rank by.
class SearchableCatalog final {
public:
    SearchableCatalog() = default;
    // A catalog station that claims an own station's identifier is left out, so that the two
    // never mix up.
    explicit SearchableCatalog(std::vector<Station> stations);
    ~SearchableCatalog();
    SearchableCatalog(SearchableCatalog&& other) noexcept;
    SearchableCatalog& operator=(SearchableCatalog&& other) noexcept;
    SearchableCatalog(const SearchableCatalog&) = delete;
    SearchableCatalog& operator=(const SearchableCatalog&) = delete;

    // The catalog's stations, without the person's own.
    [[nodiscard]] const std::vector<Station>& stations() const { return m_stations; }
    [[nodiscard]] bool empty() const { return m_stations.empty(); }
    // Replaces the person's own stations.
    void setOwnStations(std::vector<Station> own);
    // The station with identifier `id`: an own station, else the first in catalog order.
    [[nodiscard]] const Station* find(std::string_view id) const;

    // The list of the moment: the base list of `mode`, reduced to the stations whose search
    // text contains `query` (already passed through searchQuery(); empty keeps everything).
    // The pointers stay valid until this catalog is replaced or destroyed.
    [[nodiscard]] std::vector<const Station*> filtered(ListMode mode, const FavoriteSet& favorites,
        const std::vector<std::string>& recentIds, std::string_view query) const;

private:
    struct Index {
        std::vector<std::string> ids;
        // Every station's search text back to back; station i's runs from textStart[i] to
        // textStart[i + 1].
        std::string texts;
        std::vector<std::size_t> textStart;
    };

    [[nodiscard]] static Index buildIndex(const Station* stations, std::size_t count);
    // The index, waiting for it to be built first.
    [[nodiscard]] const Index& index() const;
    // Lets the thread building the index finish before the stations it reads can go.
    void finishIndex() const;
    [[nodiscard]] bool matches(std::size_t station, std::string_view query) const;
    void appendMatches(std::string_view query, std::vector<const Station*>& result) const;
    // The own stations whose search text contains `query` (and, unless null, whose identifier
    // is among `ids`), in the order they were added.
    void appendOwn(std::string_view query, const FavoriteSet* ids, std::vector<const Station*>& result) const;

    std::vector<Station> m_stations;
    std::vector<Station> m_own;
    std::vector<std::string> m_ownIds;
    std::vector<std::string> m_ownTexts;
    mutable std::future<Index> m_pending;
    mutable std::optional<Index> m_index;
};

} // namespace Vello
