#include "streamtitle.h"

#include "catalog/textrules.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace Vello {
namespace {

// Windows-1252's 0x80 to 0x9F; zero where the code page leaves a byte undefined.
constexpr std::array<char32_t, 32> windows1252High {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
    0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
    0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// The next code point of well-formed UTF-8 (no overlongs, surrogates or values past U+10FFFF).
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1FU, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0FU, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07U, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0U) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6U) | (byte(at + i) & 0x3FU);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    at += length;
    return value;
}

std::u32string decode(std::string_view raw)
{
    std::u32string text;
    std::size_t at = 0;
    while (at < raw.size()) {
        const std::optional<char32_t> next = nextCodePoint(raw, at);
        if (!next) {
            // Not UTF-8: the whole title is read again as Windows-1252, the usual code page of
            // stations that do not send UTF-8.
            text.clear();
            for (const char c : raw) {
                const auto value = static_cast<unsigned char>(c);
                text.push_back(value >= 0x80 && value < 0xA0 ? windows1252High[value - 0x80] : value);
            }
            return text;
        }
        // C1 controls in UTF-8 are Windows-1252 bytes that were read as Latin-1 on the way.
        text.push_back(*next >= 0x80 && *next < 0xA0 ? windows1252High[*next - 0x80] : *next);
    }
    return text;
}

void append(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6U)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12U)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18U)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3FU)));
    }
}

std::string cleanStreamTitle(std::string_view raw)
{
    std::string out;
    std::size_t characters = 0;
    bool pendingSpace = false;
    for (const char32_t c : decode(raw)) {
        if (isTrimmedCharacter(c)) {
            pendingSpace = characters > 0;
            continue;
        }
        if (isHiddenCharacter(c)) {
            continue;
        }
        if (characters + (pendingSpace ? 1 : 0) >= streamTitleMaxCharacters) {
            out += "…";
            break;
        }
        if (pendingSpace) {
            out.push_back(' ');
            ++characters;
            pendingSpace = false;
        }
        append(out, c);
        ++characters;
    }
    return out;
}

// What a placeholder's words are separated by: "Unknown - Unknown".
constexpr std::string_view placeholderSeparators = " -";

} // namespace

bool isPlaceholderTitle(std::string_view title, std::initializer_list<std::string_view> ownTexts)
{
    // Word by word, so that a band called "Unknown Mortal Orchestra" is still a song.
    bool onlyUnknown = true;
    for (std::size_t at = title.find_first_not_of(placeholderSeparators); onlyUnknown && at != std::string_view::npos;
         at = title.find_first_not_of(placeholderSeparators, at)) {
        const std::size_t end = std::min(title.find_first_of(placeholderSeparators, at), title.size());
        onlyUnknown = lowercased(title.substr(at, end - at)) == "unknown";
        at = end;
    }
    if (onlyUnknown) {
        return true;
    }
    const std::string song = lowercased(trimmed(title));
    return std::ranges::any_of(ownTexts, [&song](std::string_view own) { return lowercased(trimmed(own)) == song; });
}

std::string streamTitle(const MediaTags& tags, std::initializer_list<std::string_view> ownTexts)
{
    std::string title = cleanStreamTitle(tags.title);
    const std::string artist = cleanStreamTitle(tags.artist);
    if (!artist.empty() && title.find(artist) == std::string::npos) {
        title = title.empty() ? artist : artist + " - " + title;
    }
    return isPlaceholderTitle(title, ownTexts) ? std::string() : title;
}

Text streamDetailsText(const MediaStreamDetails& details)
{
    std::vector<Text> parts;
    std::string_view codec = details.codec;
    if (const std::size_t open = codec.rfind('(');
        open != std::string_view::npos && codec.ends_with(')') && open + 2 < codec.size()) {
        codec = codec.substr(open + 1, codec.size() - open - 2);
    }
    if (!codec.empty()) {
        parts.push_back(Text::verbatim(std::string(codec)));
    }
    if (const unsigned kbps = (details.bitrate + 500) / 1000; kbps > 0) {
        parts.push_back({VELLO_TR("Core", "%1 kbps"), {Text::number(static_cast<std::int64_t>(kbps))}});
    }
    if (details.sampleRate > 0) {
        // 44.1 kHz, 48 kHz: as many decimals as the rate needs.
        std::int64_t hertz = details.sampleRate;
        int decimals = 3;
        while (decimals > 0 && hertz % 10 == 0) {
            hertz /= 10;
            --decimals;
        }
        parts.push_back({VELLO_TR("Core", "%1 kHz"), {Text::number(hertz, decimals)}});
    }
    if (parts.empty()) {
        return {};
    }
    Text text = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        text = {VELLO_TR("Core", "%1 · %2"), {std::move(text), parts[i]}};
    }
    return text;
}

bool takeInTags(const MediaTags& tags, std::initializer_list<std::string_view> ownTexts, std::string& title,
    MediaStreamDetails& details)
{
    const MediaStreamDetails before = details;
    const MediaStreamDetails& found = tags.details;
    details.codec = found.codec.empty() ? details.codec : found.codec;
    details.bitrate = found.bitrate == 0 ? details.bitrate : found.bitrate;
    details.sampleRate = found.sampleRate == 0 ? details.sampleRate : found.sampleRate;
    std::string named = streamTitle(tags, ownTexts);
    const bool newTitle = !named.empty() && named != title;
    if (newTitle) {
        title = std::move(named);
    }
    return newTitle || details != before;
}

} // namespace Vello
