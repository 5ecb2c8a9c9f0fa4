#pragma once

#include "screen.h"
#include "stationlibrary.h"

#include "catalog/station.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// The catalog as last delivered, in display order, with each station's identifier and search
// text worked out once, so filtering a large catalog on every keystroke stays cheap.
class SearchableCatalog final {
public:
    SearchableCatalog() = default;
    explicit SearchableCatalog(std::vector<Station> stations);

    [[nodiscard]] const std::vector<Station>& stations() const { return m_stations; }
    [[nodiscard]] bool empty() const { return m_stations.empty(); }

    // The list of the moment: the base list of `mode`, reduced to the stations whose search
    // text contains `query` (already passed through searchQuery(); empty keeps everything).
    // The pointers stay valid until this catalog is replaced or destroyed.
    [[nodiscard]] std::vector<const Station*> filtered(ListMode mode, const FavoriteSet& favorites,
        const std::vector<std::string>& recentIds, std::string_view query) const;

private:
    [[nodiscard]] bool matches(std::size_t index, std::string_view query) const;
    void appendMatches(std::string_view query, std::vector<const Station*>& result) const;

    std::vector<Station> m_stations;
    std::vector<std::string> m_ids;
    // Every station's search text back to back; station i's runs from m_textStart[i] to
    // m_textStart[i + 1].
    std::string m_texts;
    std::vector<std::size_t> m_textStart;
};

} // namespace Vello
