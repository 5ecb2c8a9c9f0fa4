#include "playlist.h"

#include "playback/streamaddress.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace Vello {
namespace {

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string lowerCase(std::string_view text)
{
    std::string result(text);
    std::ranges::transform(result, result.begin(), lower);
    return result;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && lowerCase(text.substr(0, prefix.size())) == prefix;
}

std::string_view trimmed(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view withoutByteOrderMark(std::string_view body)
{
    return body.starts_with("\xEF\xBB\xBF") ? body.substr(3) : body;
}

template <typename Visit> void forEachLine(std::string_view body, Visit visit)
{
    while (!body.empty()) {
        const auto end = body.find('\n');
        if (!visit(trimmed(body.substr(0, end)))) {
            return;
        }
        body = end == std::string_view::npos ? std::string_view {} : body.substr(end + 1);
    }
}

bool looksLikeAddress(std::string_view line)
{
    return startsWithIgnoringCase(line, "http://") || startsWithIgnoringCase(line, "https://");
}

std::string decodeXmlText(std::string_view text)
{
    static const std::map<std::string_view, char> entities {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon != std::string_view::npos && semicolon - i <= 5) {
            if (const auto found = entities.find(text.substr(i + 1, semicolon - i - 1)); found != entities.end()) {
                out.push_back(found->second);
                i = semicolon;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return std::string(trimmed(out));
}

// The values of `attribute` on every `<element ...>` tag, in any case, quoted either way.
std::vector<std::string> xmlAttributes(std::string_view body, std::string_view element, std::string_view attribute)
{
    const std::string lowered = lowerCase(body);
    const std::string open = std::string("<").append(element);
    std::vector<std::string> values;
    for (auto at = lowered.find(open); at != std::string::npos; at = lowered.find(open, at + 1)) {
        const auto close = lowered.find('>', at);
        const std::string_view tag = std::string_view(lowered).substr(at, close - at);
        const auto name = tag.find(std::string(" ").append(attribute));
        const auto equals = name == std::string_view::npos ? name : tag.find('=', name);
        const auto quote = equals == std::string_view::npos ? equals : tag.find_first_of("\"'", equals);
        if (quote == std::string_view::npos) {
            continue;
        }
        const auto end = tag.find(tag[quote], quote + 1);
        if (end != std::string_view::npos) {
            values.push_back(decodeXmlText(body.substr(at + quote + 1, end - quote - 1)));
        }
    }
    return values;
}

// The text inside every `<element>...</element>`, in any case.
std::vector<std::string> xmlTexts(std::string_view body, std::string_view element)
{
    const std::string lowered = lowerCase(body);
    const std::string open = std::string("<").append(element).append(">");
    const std::string close = std::string("</").append(element).append(">");
    std::vector<std::string> values;
    for (auto at = lowered.find(open); at != std::string::npos; at = lowered.find(open, at + 1)) {
        const auto start = at + open.size();
        const auto end = lowered.find(close, start);
        if (end == std::string::npos) {
            break;
        }
        values.push_back(decodeXmlText(body.substr(start, end - start)));
    }
    return values;
}

std::vector<std::string> rawEntries(std::string_view body, PlaylistFormat format)
{
    std::vector<std::string> entries;
    switch (format) {
    case PlaylistFormat::Pls: {
        // "File3=..." lines; a playlist's own numbering orders them, not their place in it.
        std::multimap<long, std::string> numbered;
        forEachLine(body, [&](std::string_view line) {
            if (startsWithIgnoringCase(line, "file")) {
                const auto equals = line.find('=');
                const std::string_view number
                    = trimmed(line.substr(4, equals == std::string_view::npos ? 0 : equals - 4));
                if (!number.empty() && number.size() < 9 && std::ranges::all_of(number, ::isdigit)) {
                    numbered.emplace(std::stol(std::string(number)), std::string(trimmed(line.substr(equals + 1))));
                }
            }
            return true;
        });
        for (auto& [number, entry] : numbered) {
            entries.push_back(std::move(entry));
        }
        break;
    }
    case PlaylistFormat::M3u:
    case PlaylistFormat::Hls:
        forEachLine(body, [&](std::string_view line) {
            if (!line.empty() && line.front() != '#') {
                entries.emplace_back(line);
            }
            return true;
        });
        break;
    case PlaylistFormat::Asx:
        entries = xmlAttributes(body, "ref", "href");
        std::ranges::move(xmlAttributes(body, "entryref", "href"), std::back_inserter(entries));
        break;
    case PlaylistFormat::Xspf:
        entries = xmlTexts(body, "location");
        break;
    case PlaylistFormat::NotAPlaylist:
        break;
    }
    return entries;
}

bool hasCredentials(std::string_view address)
{
    const auto authorityStart = address.find("//");
    if (authorityStart == std::string_view::npos) {
        return false;
    }
    const std::string_view rest = address.substr(authorityStart + 2);
    return rest.substr(0, rest.find_first_of("/?#")).find('@') != std::string_view::npos;
}

// Resolves "." and ".." segments of an absolute path.
std::string withoutDotSegments(std::string_view path)
{
    std::vector<std::string_view> segments;
    std::size_t at = 1;
    while (at <= path.size()) {
        const auto end = std::min(path.find('/', at), path.size());
        const std::string_view segment = path.substr(at, end - at);
        if (segment.empty() && end == path.size()) {
            // What follows a final "/": the directory itself, added back below.
        } else if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (segment != ".") {
            segments.push_back(segment);
        }
        at = end + 1;
    }
    std::string out;
    for (const std::string_view segment : segments) {
        out += "/";
        out += segment;
    }
    const bool endsInDirectory = path.ends_with("/") || path.ends_with("/.") || path.ends_with("/..");
    return out.empty() || endsInDirectory ? out + "/" : out;
}

} // namespace

bool mightBePlaylistAddress(std::string_view address)
{
    std::string_view path = address.substr(0, address.find_first_of("?#"));
    if (const auto scheme = path.find("://"); scheme != std::string_view::npos) {
        path.remove_prefix(scheme + 3);
    }
    const auto slash = path.find('/');
    path = slash == std::string_view::npos ? std::string_view {} : path.substr(slash);
    const std::string lowered = lowerCase(path);
    return std::ranges::any_of(std::array<std::string_view, 5> {{".pls", ".m3u", ".m3u8", ".asx", ".xspf"}},
        [&](std::string_view extension) { return lowered.ends_with(extension); });
}

PlaylistFormat detectPlaylistFormat(std::string_view body, std::string_view contentType)
{
    const std::string_view text = trimmed(withoutByteOrderMark(body));
    if (text.find('\0') != std::string_view::npos) {
        return PlaylistFormat::NotAPlaylist;
    }
    if (startsWithIgnoringCase(text, "[playlist]")) {
        return PlaylistFormat::Pls;
    }
    if (text.starts_with("#EXTM3U") || text.starts_with("#EXT-X-")) {
        return text.find("#EXT-X-") != std::string_view::npos ? PlaylistFormat::Hls : PlaylistFormat::M3u;
    }
    const std::string head = lowerCase(text.substr(0, 1024));
    if (head.starts_with("<")) {
        if (head.find("<asx") != std::string::npos) {
            return PlaylistFormat::Asx;
        }
        if (head.find("<playlist") != std::string::npos && head.find("xspf") != std::string::npos) {
            return PlaylistFormat::Xspf;
        }
    }
    // A bare list of addresses, with or without comments.
    bool firstIsAddress = false;
    forEachLine(text, [&](std::string_view line) {
        if (line.empty() || line.front() == '#') {
            return true;
        }
        firstIsAddress = looksLikeAddress(line);
        return false;
    });
    if (firstIsAddress) {
        return PlaylistFormat::M3u;
    }
    const std::string type = lowerCase(trimmed(contentType.substr(0, contentType.find(';'))));
    if (type == "audio/x-scpls") {
        return PlaylistFormat::Pls;
    }
    if (type == "audio/x-mpegurl" || type == "audio/mpegurl" || type == "text/uri-list") {
        return PlaylistFormat::M3u;
    }
    if (type == "video/x-ms-asf" || type == "video/x-ms-asx" || type == "audio/x-ms-wax") {
        return PlaylistFormat::Asx;
    }
    if (type == "application/xspf+xml") {
        return PlaylistFormat::Xspf;
    }
    return PlaylistFormat::NotAPlaylist;
}

std::vector<std::string> playlistEntries(std::string_view body, PlaylistFormat format, std::string_view baseAddress)
{
    std::vector<std::string> entries;
    for (const std::string& raw : rawEntries(withoutByteOrderMark(body), format)) {
        if (entries.size() == playlistMaxEntries) {
            break;
        }
        const std::string entry = resolveAddress(baseAddress, raw);
        if (isPlayableStreamAddress(entry) && !hasCredentials(entry)
            && std::ranges::find(entries, entry) == entries.end()) {
            entries.push_back(entry);
        }
    }
    return entries;
}

std::string resolveAddress(std::string_view base, std::string_view reference)
{
    const auto colon = reference.find(':');
    const auto delimiter = reference.find_first_of("/?#");
    if (colon != std::string_view::npos && colon > 0 && (delimiter == std::string_view::npos || colon < delimiter)) {
        return std::string(reference); // has a scheme of its own
    }
    const auto schemeEnd = base.find("://");
    if (schemeEnd == std::string_view::npos || reference.empty()) {
        return std::string(reference);
    }
    if (reference.starts_with("//")) {
        return std::string(base.substr(0, schemeEnd + 1)) + std::string(reference);
    }
    const auto pathStart = std::min(base.find_first_of("/?#", schemeEnd + 3), base.size());
    const std::string_view origin = base.substr(0, pathStart);
    std::string_view basePath = base.substr(pathStart);
    basePath = basePath.substr(0, basePath.find_first_of("?#"));
    if (reference.front() == '?' || reference.front() == '#') {
        return std::string(origin) + std::string(basePath.empty() ? "/" : basePath) + std::string(reference);
    }
    const auto queryStart = std::min(reference.find_first_of("?#"), reference.size());
    std::string path;
    if (reference.front() == '/') {
        path = reference.substr(0, queryStart);
    } else {
        const auto lastSlash = basePath.rfind('/');
        path = std::string(lastSlash == std::string_view::npos ? "/" : basePath.substr(0, lastSlash + 1))
            + std::string(reference.substr(0, queryStart));
    }
    return std::string(origin) + withoutDotSegments(path) + std::string(reference.substr(queryStart));
}

} // namespace Vello
