#include "keptsongs.h"

#include "streamtitle.h"

#include <algorithm>
#include <iterator>

namespace Vello {
namespace {

// A title reaches the tap, where the song is cut, before its audio is heard and shown: it may be
// shown a few seconds after the cut, never before it.
constexpr auto shownAfterCut = std::chrono::seconds(2);

} // namespace

void KeptSongs::take(const RecorderEvent& event)
{
    if (const auto* kept = std::get_if<SongKept>(&event)) {
        const auto same = std::ranges::find(m_songs, kept->song.id, &RecordedSong::id);
        if (same != m_songs.end()) {
            *same = kept->song;
        } else {
            m_songs.push_back(kept->song);
        }
    } else if (const auto* from = std::get_if<KeptFrom>(&event)) {
        m_keptFrom = from->oldest;
        std::erase_if(m_songs, [&](const RecordedSong& song) { return song.streamTime < m_keptFrom; });
    }
}

void KeptSongs::clear()
{
    m_songs.clear();
    m_keptFrom = {};
}

std::optional<std::uint64_t> KeptSongs::savable(std::string_view shownTitle,
    std::chrono::system_clock::time_point heardAt, std::initializer_list<std::string_view> ownTexts) const
{
    // The latest song of that title cut before it was heard.
    for (auto song = m_songs.rbegin(); song != m_songs.rend(); ++song) {
        if (song->id > 1 && song->startedAt <= heardAt + shownAfterCut
            && streamTitle(MediaTags {song->title, song->artist, {}}, ownTexts) == shownTitle) {
            return song->id;
        }
    }
    return std::nullopt;
}

const RecordedSong* KeptSongs::songAt(std::chrono::milliseconds time) const
{
    const auto after = std::ranges::find_if(m_songs, [&](const RecordedSong& song) { return song.streamTime > time; });
    return after == m_songs.begin() ? nullptr : &*std::prev(after);
}

std::optional<std::chrono::milliseconds> KeptSongs::startAfter(std::uint64_t songId) const
{
    const auto next = std::ranges::find(m_songs, songId + 1, &RecordedSong::id);
    return next == m_songs.end() ? std::nullopt : std::optional(next->streamTime);
}

} // namespace Vello
