#pragma once

#include "storage/storedlist.h"

#include "base/error.h"
#include "base/text.h"
#include "catalog/station.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vello {

class DocumentStore;

// What a person types for a station of their own: a name, the stream's or playlist's address,
// and optionally a logo's address and tags ("jazz, live").
struct StationDraft final {
    std::string name;
    std::string address;
    std::string logo;
    std::string tags;

    friend bool operator==(const StationDraft&, const StationDraft&) = default;
};

// What is wrong with each field of a draft, in words for the form; nothing where it is fine.
struct DraftProblems final {
    std::optional<Text> name;
    std::optional<Text> address;
    std::optional<Text> logo;

    [[nodiscard]] bool any() const { return name || address || logo; }
};

// The stations a person added by hand: private, paid, local and LAN streams no directory lists.
// Kept in a small JSON document of the DocumentStore, apart from the catalog, so that no download
// touches them; written whole on every change (StoredList). Each is a Station whose identifier
// starts with idPrefix, which no catalog identifier does (SearchableCatalog drops any that would).
class OwnStations final {
public:
    // Makes the random part of a new identifier.
    using IdSource = std::function<std::string()>;

    static constexpr std::string_view idPrefix = ownStationIdPrefix;
    static constexpr std::string_view documentName = "own-stations.json";
    // Nobody types this many stations. A change that would make the document larger than it may
    // be read back is refused.
    static constexpr std::size_t maxStations = 10'000;
    static constexpr std::size_t maxDocumentBytes = std::size_t {8} << 20;

    OwnStations(DocumentStore& store, IdSource newId);

    // Replaces the list with the one saved in the store. A station the form would refuse now, or
    // not of this version's kind, is left out of the list but kept in the document. What the
    // person is told, once, when the document could not be read (StoredList).
    [[nodiscard]] std::optional<Text> restore();

    [[nodiscard]] const std::vector<Station>& stations() const { return m_stations; }
    [[nodiscard]] const Station* find(std::string_view id) const;

    // Adds a station made from `draft` under a new identifier, or under `id` when it is an own
    // identifier not yet used (an imported station keeps its own). The station added, or what
    // is wrong with the draft.
    Result<Station> add(const StationDraft& draft, std::string_view id = {});
    // Adds a station for each draft as add() does, under the identifier it comes with, and saves
    // once. What became of each, in order.
    std::vector<Result<Station>> addAll(const std::vector<std::pair<StationDraft, std::string>>& drafts);
    // Replaces the station `id` with one made from `draft`, keeping the identifier.
    Result<Station> update(std::string_view id, const StationDraft& draft);
    // False when there was no such station.
    bool remove(std::string_view id);

    [[nodiscard]] static bool isOwnId(std::string_view id) { return id.starts_with(idPrefix); }
    // The form's checks, as the person types: a name that is not blank, an http or https
    // address the player may open, and a logo address of the same kind or none.
    [[nodiscard]] static DraftProblems problems(const StationDraft& draft);
    // The draft a station was made from, to edit or export it.
    [[nodiscard]] static StationDraft draftOf(const Station& station);

private:
    // Appends a station made from `draft`, unsaved; or says why not.
    std::optional<Error> append(const StationDraft& draft, std::string_view id);
    // Saves the list. Why the change just made must be undone: the document would be too large
    // to read back, or nothing is written to it in this run. A write the store could not make
    // keeps the change: the list in memory is still right and the next change tries again.
    std::optional<Error> save();
    static void write(ListDocument& document, const std::vector<Station>& stations);
    // Drops the stations after the first `count`.
    void keepOnly(std::size_t count);

    IdSource m_newId;
    std::vector<Station> m_stations;
    // Where each identifier is in m_stations.
    std::map<std::string, std::size_t, std::less<>> m_places;
    StoredList m_list;
};

} // namespace Vello
