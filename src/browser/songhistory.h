#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace Vello {

class DocumentStore;

// The song titles the stations sent, newest first, with the station and the time each was
// first heard. Kept in a small JSON document of the DocumentStore, written whole on every
// change.
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
    // A saved list of 500 titles of at most 200 characters stays well under this; anything
    // larger is not ours and is not read.
    static constexpr std::size_t maxDocumentBytes = std::size_t {1} << 20;

    explicit SongHistory(DocumentStore& store, Clock clock = &std::chrono::system_clock::now);

    // Replaces the list with the one saved in the store; a missing, damaged or foreign
    // document leaves it empty. Placeholders saved before they were known as such are left out.
    void restore();

    // Records that `stationId` sent `title` (already cleaned for display, placeholders taken
    // out: see streamTitle). Nothing is recorded for an empty title or for the title this
    // station sent last. True when the title was added.
    bool record(std::string_view stationId, std::string_view stationName, std::string_view title);

    // Empties the list and saves the empty list.
    void clear();

    [[nodiscard]] const std::deque<Entry>& entries() const { return m_entries; }

    // The document saved for `entries`, and the entries a document holds (at most maxEntries;
    // nothing when it is not such a document).
    [[nodiscard]] static std::string toDocument(const std::deque<Entry>& entries);
    [[nodiscard]] static std::deque<Entry> fromDocument(std::string_view document);

private:
    void save();

    DocumentStore& m_store;
    Clock m_clock;
    std::deque<Entry> m_entries;
};

} // namespace Vello
