#pragma once

#include "ports/recorder.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace Vello {

// Longest file name a recording writes, in bytes, extension and number included.
inline constexpr std::size_t recordedFileNameMaxBytes = 200;

// `text` made safe as one file name in any folder of any desktop system: hidden characters (controls,
// direction overrides and isolates) dropped, white space made single spaces, the characters
// systems reserve (/ \ : * ? " < > |) made "_", runs of dots one dot, no dot or space at either
// end, and cut at a character boundary to `maxBytes`. Empty when nothing is left.
[[nodiscard]] std::string safeFileName(std::string_view text, std::size_t maxBytes = recordedFileNameMaxBytes);

// The folder a station's recordings go to: one per station under `base`.
[[nodiscard]] std::string stationFolder(const std::string& base, std::string_view station);

// ".mp3", ".aac", ".ogg", ".opus", ".flac"; empty for a stream that cannot be saved.
[[nodiscard]] std::string_view fileExtension(RecordedFormat format);

// The name of the file for `song` of `station`: "Artist - Title" from its tags as the player shows
// them, or the station's name and the local time it began ("Radio One 2026-05-04 21.07") when
// they name no song; safe (safeFileName), with " (2)" and on for the `attempt`th choice, and the
// format's extension, within `recordedFileNameMaxBytes`.
[[nodiscard]] std::string songFileName(
    const RecordedSong& song, std::string_view station, RecordedFormat format, int attempt);

// The tags a file of `song` carries: the artist and title (split at " - " when the stream sends
// them as one), the station as the album, the day it began.
[[nodiscard]] RecordedTags songTags(const RecordedSong& song, std::string_view station);

} // namespace Vello
