#pragma once

#include "base/text.h"
#include "ports/mediabackend.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace Vello {

// Longer titles are cut (with an ellipsis): no station names a song in more characters.
inline constexpr std::size_t streamTitleMaxCharacters = 200;

// Whether a cleaned title names no song, as stations send instead of one: it is empty, nothing
// but "Unknown"s and dashes ("Unknown - Unknown", " - "), or one of `ownTexts` (the station's
// name, its stream's addresses). Compared trimmed and in any case.
[[nodiscard]] bool isPlaceholderTitle(std::string_view title, std::initializer_list<std::string_view> ownTexts);

// The song a stream's tags name ("Artist - Title" when both are known), made fit to show as
// plain text: bytes that are not valid UTF-8 read as Windows-1252 (those it leaves undefined
// dropped), hidden characters (isHiddenCharacter) dropped, runs of white space made one space,
// trimmed and cut to `streamTitleMaxCharacters`; markup stays as the literal text it is.
// Empty when they name none, or only a placeholder for a station known by `ownTexts`.
[[nodiscard]] std::string streamTitle(const MediaTags& tags, std::initializer_list<std::string_view> ownTexts);

// What the stream is, in one line: "MP3 · 128 kbps · 44.1 kHz". A codec named with its short
// name in brackets goes by that name; the bitrate is rounded to whole kbps and the sample rate
// has as many decimals as it needs (48 kHz, 22.05 kHz). A part not known is left out; empty
// when none is.
[[nodiscard]] Text streamDetailsText(const MediaStreamDetails& details);

// Takes what a stream's `tags` say into the song `title` and the `details` known so far: a new
// title that is no placeholder for the station known by `ownTexts`, and each detail they name.
// True when either changed.
bool takeInTags(const MediaTags& tags, std::initializer_list<std::string_view> ownTexts, std::string& title,
    MediaStreamDetails& details);

} // namespace Vello
