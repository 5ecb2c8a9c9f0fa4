#include "recordingnames.h"

#include "streamtitle.h"

#include "catalog/textrules.h"

#include <ctime>
#include <filesystem>

namespace Vello {
namespace {

constexpr std::string_view reserved = "/\\:*?\"<>|";
constexpr std::string_view trimmedAtEnds = ". ";

// The local time as "2026-05-04 21.07" (colons are reserved on some systems), or its day alone.
std::string localTime(std::chrono::system_clock::time_point time, const char* format)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char text[32] {};
    return {text, std::strftime(text, sizeof text, format, &local)};
}

std::string_view trimmedEnds(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(trimmedAtEnds);
    return first == std::string_view::npos ? std::string_view {}
                                           : text.substr(first, text.find_last_not_of(trimmedAtEnds) - first + 1);
}

// The longest run of whole characters from the start of `text` within `maxBytes`.
std::string_view cutToBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t low = 0;
    std::size_t high = maxBytes;
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (leadingCharacters(text, middle).size() <= maxBytes) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return leadingCharacters(text, low);
}

} // namespace

std::string safeFileName(std::string_view text, std::size_t maxBytes)
{
    // streamTitle's rules make any bytes valid UTF-8 without hidden characters or line breaks.
    const std::string clean = streamTitle(MediaTags {std::string(text), {}, {}}, {});
    std::string out;
    for (const char c : clean) {
        if (reserved.find(c) != std::string_view::npos) {
            out.push_back('_');
        } else if (c != '.' || out.empty() || out.back() != '.') {
            out.push_back(c);
        }
    }
    // A name cut short may end in a dot or a space again.
    return std::string(trimmedEnds(cutToBytes(trimmedEnds(out), maxBytes)));
}

std::string stationFolder(const std::string& base, std::string_view station)
{
    const std::string name = safeFileName(station);
    return (std::filesystem::path(base) / (name.empty() ? std::string("Radio") : name)).string();
}

std::string_view fileExtension(RecordedFormat format)
{
    switch (format) {
    case RecordedFormat::Mp3:
        return ".mp3";
    case RecordedFormat::Aac:
        return ".aac";
    case RecordedFormat::OggVorbis:
    case RecordedFormat::OggFlac:
        return ".ogg";
    case RecordedFormat::OggOpus:
        return ".opus";
    case RecordedFormat::Flac:
        return ".flac";
    case RecordedFormat::NotSavable:
        break;
    }
    return "";
}

std::string songFileName(const RecordedSong& song, std::string_view station, RecordedFormat format, int attempt)
{
    const std::string number = attempt > 1 ? " (" + std::to_string(attempt) + ")" : "";
    const std::string_view extension = fileExtension(format);
    const std::size_t maxBytes = recordedFileNameMaxBytes - number.size() - extension.size();
    std::string stem = safeFileName(streamTitle(MediaTags {song.title, song.artist, {}}, {station}), maxBytes);
    // A title with nothing safe left in it names no song either.
    for (const std::string& fallback : {std::string(station) + " ", std::string()}) {
        if (stem.empty()) {
            stem = safeFileName(fallback + localTime(song.startedAt, "%Y-%m-%d %H.%M"), maxBytes);
        }
    }
    return stem + number + std::string(extension);
}

RecordedTags songTags(const RecordedSong& song, std::string_view station)
{
    RecordedTags tags;
    const std::string title = streamTitle(MediaTags {song.title, {}, {}}, {station});
    tags.artist = streamTitle(MediaTags {song.artist, {}, {}}, {station});
    tags.title = title;
    if (const std::size_t dash = title.find(" - "); tags.artist.empty() && dash != std::string::npos) {
        tags.artist = title.substr(0, dash);
        tags.title = title.substr(dash + 3);
    }
    tags.album = station;
    tags.date = localTime(song.startedAt, "%Y-%m-%d");
    return tags;
}

} // namespace Vello
