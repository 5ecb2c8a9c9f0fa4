#include "songhistory.h"

#include "ports/mainqueue.h"

#include "catalog/textrules.h"
#include "playback/streamtitle.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace Vello {

namespace {

constexpr ListFormat documentFormat {"songs", 1, SongHistory::maxDocumentBytes};

bool sameText(std::string_view a, std::string_view b)
{
    return lowercased(trimmed(a)) == lowercased(trimmed(b));
}

// `text` cut to at most maxTextBytes, at the end of a character.
std::string kept(std::string_view text)
{
    if (text.size() <= SongHistory::maxTextBytes) {
        return std::string(text);
    }
    std::size_t end = SongHistory::maxTextBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        --end;
    }
    return std::string(text.substr(0, end));
}

} // namespace

SongHistory::SongHistory(DocumentStore& store, MainQueue& queue, Clock clock)
    : m_queue(queue)
    , m_clock(std::move(clock))
    , m_list(store, documentName, documentFormat, [this](ListDocument& document) { write(document, m_entries); })
{
}

SongHistory::~SongHistory()
{
    if (m_saveInterval) {
        m_saveInterval->cancel();
    }
    if (m_unsaved) {
        (void)m_list.save();
    }
}

std::optional<Text> SongHistory::restore()
{
    m_entries.clear();
    return m_list.restore([this](const ListEntry& item) {
        const auto title = item.text("title");
        const auto stationId = item.text("stationId");
        const auto station = item.text("station");
        const auto heard = item.integer("heard");
        if (!title || trimmed(*title).empty() || !stationId || !station || !heard
            || isPlaceholderTitle(*title, {*station})) {
            return EntryTaken::LeftOut;
        }
        if (m_entries.size() == maxEntries) {
            return EntryTaken::NoRoom;
        }
        m_entries.push_back(Entry {kept(*title), kept(*stationId), kept(*station),
            std::chrono::system_clock::time_point(std::chrono::seconds(*heard))});
        return EntryTaken::Yes;
    });
}

bool SongHistory::record(std::string_view stationId, std::string_view stationName, std::string_view title)
{
    const std::string_view song = trimmed(title);
    if (song.empty()) {
        return false;
    }
    const std::string station = kept(stationId);
    const auto previous = std::find_if(
        m_entries.begin(), m_entries.end(), [&](const Entry& entry) { return entry.stationId == station; });
    if (previous != m_entries.end() && sameText(previous->title, song)) {
        return false;
    }
    m_entries.push_front(Entry {kept(song), station, kept(stationName), m_clock()});
    if (m_entries.size() > maxEntries) {
        m_entries.resize(maxEntries);
    }
    saveSoon();
    return true;
}

void SongHistory::clear()
{
    m_entries.clear();
    m_list.forgetLeftOut();
    m_unsaved = false;
    (void)m_list.save();
}

void SongHistory::saveSoon()
{
    if (m_saveInterval) {
        m_unsaved = true;
        return;
    }
    // A failed write keeps the old document; the list in memory is still right and the next
    // change tries again.
    (void)m_list.save();
    m_saveInterval = m_queue.postAfter(saveInterval, [this] { endSaveInterval(); });
}

void SongHistory::endSaveInterval()
{
    m_saveInterval.reset();
    if (m_unsaved) {
        m_unsaved = false;
        saveSoon();
    }
}

void SongHistory::write(ListDocument& document, const std::deque<Entry>& entries)
{
    for (const Entry& entry : entries) {
        document.beginEntry();
        document.addText("title", entry.title);
        document.addText("stationId", entry.stationId);
        document.addText("station", entry.stationName);
        document.addInteger(
            "heard", std::chrono::duration_cast<std::chrono::seconds>(entry.heard.time_since_epoch()).count());
    }
}

std::string SongHistory::toDocument(const std::deque<Entry>& entries)
{
    ListDocument document(documentFormat);
    write(document, entries);
    return document.finish();
}

} // namespace Vello
