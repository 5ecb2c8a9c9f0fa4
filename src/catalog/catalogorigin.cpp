#include "catalogorigin.h"

#include "catalogcache.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>

namespace Vello {

namespace {

// Far more than the file ever holds: a damaged or foreign file is not read whole.
constexpr std::size_t maxLineBytes = 4096;
constexpr std::size_t maxLines = 64;

// A value that could break the file's lines is never written: a server's validators are only
// worth keeping as they came.
bool isWritable(std::string_view value)
{
    return value.size() < maxLineBytes
        && std::ranges::none_of(value, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

std::optional<std::chrono::system_clock::time_point> timeIn(std::string_view value)
{
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
    if (error != std::errc() || end != value.data() + value.size()) {
        return std::nullopt;
    }
    return std::chrono::system_clock::time_point(std::chrono::seconds(seconds));
}

std::string secondsOf(std::chrono::system_clock::time_point time)
{
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count());
}

} // namespace

std::optional<CatalogOrigin> CatalogOrigin::read(const std::filesystem::path& file)
{
    // Opening a FIFO would wait for a writer that may never come.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream stream(file);
    if (!stream) {
        return std::nullopt;
    }
    CatalogOrigin origin;
    std::string line;
    for (std::size_t count = 0; count < maxLines && std::getline(stream, line); ++count) {
        if (line.size() > maxLineBytes) {
            continue;
        }
        const std::string_view text = line;
        const std::size_t space = text.find(' ');
        const std::string_view key = text.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        if (key == "source") {
            origin.source = value;
        } else if (key == "downloaded") {
            origin.downloaded = timeIn(value);
        } else if (key == "full") {
            origin.fullDownload = timeIn(value);
        } else if (key == "lastchange") {
            origin.lastChange = value;
        } else if (key == "lastchangetime") {
            origin.lastChangeTime = value;
        } else if (key == "etag") {
            origin.etag = value;
        } else if (key == "last-modified") {
            origin.lastModified = value;
        } else if (key == "server" && !value.empty()) {
            origin.servers.emplace_back(value);
        }
    }
    return origin;
}

bool CatalogOrigin::write(const std::filesystem::path& file) const
{
    std::string text;
    const auto add = [&text](std::string_view key, std::string_view value) {
        if (!value.empty() && isWritable(value)) {
            text.append(key).append(" ").append(value).append("\n");
        }
    };
    add("source", source);
    if (downloaded) {
        add("downloaded", secondsOf(*downloaded));
    }
    add("etag", etag);
    add("last-modified", lastModified);
    for (const std::string& server : servers) {
        add("server", server);
    }
    if (fullDownload) {
        add("full", secondsOf(*fullDownload));
    }
    add("lastchange", lastChange);
    add("lastchangetime", lastChangeTime);
    return writeFileAtomically(file, text);
}

} // namespace Vello
