#pragma once

#include "ports/mediabackend.h"
#include "ports/text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace Vello {

// Longer titles are cut (with an ellipsis): no station names a song in more characters.
inline constexpr std::size_t streamTitleMaxCharacters = 200;

// A title as a station sent it, made fit to show as plain text: bytes that are not valid
// UTF-8 read as Windows-1252, control characters dropped, runs of white space made one space,
// trimmed and cut to `streamTitleMaxCharacters`. Markup stays as the literal text it is.
[[nodiscard]] std::string cleanStreamTitle(std::string_view raw);

// The song a stream's tags name ("Artist - Title" when both are known), cleaned; empty when
// they name none.
[[nodiscard]] std::string streamTitle(const MediaTags& tags);

// What the stream is, in one line: "MP3 · 128 kbps · 44.1 kHz". A codec named with its short
// name in brackets goes by that name; the bitrate is rounded to whole kbps and the sample rate
// has as many decimals as it needs (48 kHz, 22.05 kHz). A part not known is left out; empty
// when none is.
[[nodiscard]] Text streamDetailsText(const MediaStreamDetails& details);

} // namespace Vello
