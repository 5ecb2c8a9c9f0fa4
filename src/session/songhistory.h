#pragma once

#include "storage/storedlist.h"

#include "base/text.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

class Cancellable;
class DocumentStore;
class MainQueue;

// The song titles the stations sent, newest first, with the station and the time each was
// first heard. Kept in a small JSON document of the DocumentStore, written whole at most once
// every saveInterval while songs come in, and at the end.
class SongHistory final {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    struct Entry {
        std::string title;
        std::string stationId;
        std::string stationName;
        std::chrono::system_clock::time_point heard;

        friend bool operator==(const Entry&, const Entry&) = default;
    };

    static constexpr std::size_t maxEntries = 500;
    static constexpr std::string_view documentName = "songs.json";
    // Each text is kept to this many bytes, cut where a character ends: a title has at most 200
    // characters, and no station needs a longer name or identifier.
    static constexpr std::size_t maxTextBytes = 1024;
    // The document of maxEntries entries whose texts are all as long as kept, every byte escaped
    // at its longest: what the player writes, it reads back.
    static constexpr std::size_t maxDocumentBytes = maxEntries * (3 * 6 * maxTextBytes + 128) + 64;
    static constexpr std::chrono::milliseconds saveInterval {1000};

    // `queue` times the writes.
    SongHistory(DocumentStore& store, MainQueue& queue, Clock clock = &std::chrono::system_clock::now);
    // Writes what is not written yet.
    ~SongHistory();

    SongHistory(const SongHistory&) = delete;
    SongHistory& operator=(const SongHistory&) = delete;

    // Replaces the list with the one saved in the store; entries not of this version's kind
    // (placeholders saved before they were known as such, say) are left out of the list but kept
    // in the document. What the person is told, once, when the document could not be read in
    // full (StoredList).
    [[nodiscard]] std::optional<Text> restore();

    // Records that `stationId` sent `title` (already cleaned for display, placeholders taken
    // out: see streamTitle). Nothing is recorded for an empty title or for the title this
    // station sent last. True when the title was added.
    bool record(std::string_view stationId, std::string_view stationName, std::string_view title);

    // Empties the list and saves the empty list at once.
    void clear();

    [[nodiscard]] const std::deque<Entry>& entries() const { return m_entries; }

    // The document saved for `entries`.
    [[nodiscard]] static std::string toDocument(const std::deque<Entry>& entries);

private:
    static void write(ListDocument& document, const std::deque<Entry>& entries);
    // Saves now unless a save was made within saveInterval; then once that interval ends.
    void saveSoon();
    void endSaveInterval();

    MainQueue& m_queue;
    Clock m_clock;
    std::deque<Entry> m_entries;
    StoredList m_list;
    // While set, a save was made less than saveInterval ago.
    std::shared_ptr<Cancellable> m_saveInterval;
    bool m_unsaved = false;
};

} // namespace Vello
