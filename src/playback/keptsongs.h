#pragma once

#include "ports/recorder.h"

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

// Which songs of the playing stream are still kept and can be saved whole, from what its
// recorder reports. A new station starts a new list.
class KeptSongs final {
public:
    // Takes in a recorder's `SongKept` and `KeptFrom`; other events change nothing.
    void take(const RecorderEvent& event);
    void clear();

    // The song the player showed as `shownTitle` (for the station known by `ownTexts`) when it was
    // heard at `heardAt`, when it can still be saved whole: it began at a title change, and its
    // beginning is still kept.
    [[nodiscard]] std::optional<std::uint64_t> savable(std::string_view shownTitle,
        std::chrono::system_clock::time_point heardAt, std::initializer_list<std::string_view> ownTexts) const;

    // The song kept that plays at `time` in the stream's own time; none before the first kept.
    [[nodiscard]] const RecordedSong* songAt(std::chrono::milliseconds time) const;
    // When the song after `songId` starts, when it is kept.
    [[nodiscard]] std::optional<std::chrono::milliseconds> startAfter(std::uint64_t songId) const;

private:
    std::vector<RecordedSong> m_songs;
    std::chrono::milliseconds m_keptFrom {0};
};

} // namespace Vello
