#include "personalstations.h"

#include "stationlibrary.h"

#include <utility>

namespace Vello {

PersonalStations::PersonalStations(StationLibrary& library, Find find, Changed changed)
    : m_library(library)
    , m_find(std::move(find))
    , m_changed(std::move(changed))
    , m_random(std::random_device {}())
{
}

const std::vector<Station>& PersonalStations::ownStations() const
{
    static const std::vector<Station> none;
    return m_own ? m_own->stations() : none;
}

std::optional<Text> PersonalStations::keepOwnStationsIn(DocumentStore& documents)
{
    m_own = std::make_unique<OwnStations>(documents, [this] {
        static constexpr std::string_view digits = "0123456789abcdef";
        std::string id;
        for (int i = 0; i < 32; ++i) {
            id += digits[m_random() % digits.size()];
        }
        return id;
    });
    std::optional<Text> notice = m_own->restore();
    m_changed(nullptr);
    return notice;
}

Result<Station> PersonalStations::saveOwnStation(const StationDraft& draft, std::string_view id)
{
    if (!m_own) {
        return Error {VELLO_TR("Core", "Stations of your own cannot be kept here.")};
    }
    Result<Station> saved = id.empty() ? m_own->add(draft) : m_own->update(id, draft);
    if (const auto* station = std::get_if<Station>(&saved)) {
        m_changed(station);
    }
    return saved;
}

void PersonalStations::removeOwnStation(const std::string& id)
{
    if (!m_own || !m_own->remove(id)) {
        return;
    }
    if (m_library.isFavorite(id)) {
        m_library.toggleFavorite(id);
    }
    m_changed(nullptr);
}

std::vector<FavoriteEntry> PersonalStations::favoritesToExport() const
{
    std::vector<FavoriteEntry> entries;
    for (const std::string& id : m_library.favorites()) {
        const Station* station = m_find(id);
        entries.push_back(FavoriteEntry {id, station != nullptr ? station->displayName() : std::string()});
        if (station != nullptr && OwnStations::isOwnId(id)) {
            entries.back().own = OwnStations::draftOf(*station);
        }
    }
    for (const Station& station : ownStations()) {
        if (!m_library.isFavorite(station.id())) {
            entries.push_back(
                FavoriteEntry {station.id(), station.displayName(), OwnStations::draftOf(station), false});
        }
    }
    return entries;
}

ImportSummary PersonalStations::importFavorites(const FavoritesFile::Contents& file)
{
    const ImportSummary imported = mergeImported(file, m_library, m_own.get());
    if (imported.ownStations > 0 || imported.favorites > 0) {
        m_changed(nullptr);
    }
    return imported;
}

} // namespace Vello
