#include "songhistory.h"

#include "jsontext.h"

#include "ports/documentstore.h"

#include "catalog/textrules.h"
#include "playback/streamtitle.h"

#include <simdjson.h>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace Vello {

namespace {

constexpr std::int64_t documentVersion = 1;

bool sameText(std::string_view a, std::string_view b)
{
    return lowercased(trimmed(a)) == lowercased(trimmed(b));
}

} // namespace

SongHistory::SongHistory(DocumentStore& store, Clock clock)
    : m_store(store)
    , m_clock(std::move(clock))
{
}

void SongHistory::restore()
{
    m_entries.clear();
    if (const auto document = m_store.read(documentName)) {
        m_entries = fromDocument(*document);
    }
}

bool SongHistory::record(std::string_view stationId, std::string_view stationName, std::string_view title)
{
    const std::string_view song = trimmed(title);
    if (song.empty()) {
        return false;
    }
    const auto previous = std::find_if(
        m_entries.begin(), m_entries.end(), [&](const Entry& entry) { return entry.stationId == stationId; });
    if (previous != m_entries.end() && sameText(previous->title, song)) {
        return false;
    }
    m_entries.push_front(Entry {std::string(song), std::string(stationId), std::string(stationName), m_clock()});
    if (m_entries.size() > maxEntries) {
        m_entries.resize(maxEntries);
    }
    save();
    return true;
}

void SongHistory::clear()
{
    m_entries.clear();
    save();
}

void SongHistory::save()
{
    // A failed write keeps the old document; the list in memory is still right and the next
    // change tries again.
    (void)m_store.write(documentName, toDocument(m_entries));
}

std::string SongHistory::toDocument(const std::deque<Entry>& entries)
{
    std::string out = "{\"version\": " + std::to_string(documentVersion) + ", \"songs\": [";
    bool first = true;
    for (const Entry& entry : entries) {
        out += first ? "\n  {\"title\": " : ",\n  {\"title\": ";
        first = false;
        appendJsonString(out, entry.title);
        out += ", \"stationId\": ";
        appendJsonString(out, entry.stationId);
        out += ", \"station\": ";
        appendJsonString(out, entry.stationName);
        out += ", \"heard\": ";
        out += std::to_string(std::chrono::duration_cast<std::chrono::seconds>(entry.heard.time_since_epoch()).count());
        out += '}';
    }
    out += entries.empty() ? "]}\n" : "\n]}\n";
    return out;
}

std::deque<SongHistory::Entry> SongHistory::fromDocument(std::string_view document)
{
    if (document.size() > maxDocumentBytes) {
        return {};
    }
    simdjson::dom::parser parser;
    simdjson::dom::element root;
    std::int64_t version = 0;
    simdjson::dom::array songs;
    if (parser.parse(simdjson::padded_string(document)).get(root) != simdjson::SUCCESS
        || root["version"].get_int64().get(version) != simdjson::SUCCESS || version != documentVersion
        || root["songs"].get_array().get(songs) != simdjson::SUCCESS) {
        return {};
    }
    std::deque<Entry> entries;
    for (const simdjson::dom::element item : songs) {
        std::string_view title;
        std::string_view stationId;
        std::string_view station;
        std::int64_t heard = 0;
        // One entry not of ours makes the whole document foreign.
        if (!item.is_object() || item["title"].get_string().get(title) != simdjson::SUCCESS || trimmed(title).empty()
            || item["stationId"].get_string().get(stationId) != simdjson::SUCCESS
            || item["station"].get_string().get(station) != simdjson::SUCCESS
            || item["heard"].get_int64().get(heard) != simdjson::SUCCESS) {
            return {};
        }
        if (entries.size() < maxEntries && !isPlaceholderTitle(title, {station})) {
            entries.push_back(Entry {std::string(title), std::string(stationId), std::string(station),
                std::chrono::system_clock::time_point(std::chrono::seconds(heard))});
        }
    }
    return entries;
}

} // namespace Vello
