#include "publishedfolder.h"

#include "catalogcache.h"
#include "catalogparts.h"
#include "ports/httpclient.h"
#include "station.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include <unistd.h>

namespace Vello {

namespace {

constexpr std::chrono::hours week {7 * 24};

// The listable stations of the document published last, or nothing when there is none that
// decodes: a document players cannot use is nothing to keep.
std::optional<std::size_t> publishedStations(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return std::nullopt;
    }
    auto decoded = decodeCatalogFile(file, HttpClient::defaultMaxBodyBytes);
    auto* stations = std::get_if<std::vector<Station>>(&decoded);
    if (stations == nullptr) {
        return std::nullopt;
    }
    keepListable(*stations);
    return stations->size();
}

// A gzip copy, in one piece that is never filled in advance: only the pages it takes are ever
// touched.
struct GzipCopy {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;

    [[nodiscard]] std::string_view view() const { return {bytes.get(), size}; }
};

// A gzip copy of `document` that says nothing of when or from what file it was made, so that the
// same document always gives the same bytes; nothing when zlib fails.
std::optional<GzipCopy> gzipCopy(std::string_view document)
{
    z_stream stream {};
    constexpr int gzipWindowBits = 15 + 16;
    constexpr int memoryLevel = 9;
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, gzipWindowBits, memoryLevel, Z_DEFAULT_STRATEGY)
        != Z_OK) {
        return std::nullopt;
    }
    const std::shared_ptr<z_stream> ender(&stream, [](z_stream* ended) { deflateEnd(ended); });
    gz_header header {};
    // Zlib otherwise names the system it was built for.
    constexpr int unknownSystem = 255;
    header.os = unknownSystem;
    if (deflateSetHeader(&stream, &header) != Z_OK) {
        return std::nullopt;
    }
    // Room for the worst case, so that it is compressed in a single pass.
    const uLong room = deflateBound(&stream, static_cast<uLong>(document.size()));
    GzipCopy copy {std::make_unique_for_overwrite<char[]>(room)};
    stream.next_out = reinterpret_cast<Bytef*>(copy.bytes.get());
    stream.avail_out = static_cast<uInt>(room);
    constexpr std::size_t piece = std::size_t {1} << 20U;
    int status = Z_OK;
    while (status == Z_OK) {
        const std::size_t input = std::min(document.size(), piece);
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): zlib's input is never written.
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(document.data()));
        stream.avail_in = static_cast<uInt>(input);
        status = deflate(&stream, input == document.size() ? Z_FINISH : Z_NO_FLUSH);
        document.remove_prefix(input - stream.avail_in);
    }
    if (status != Z_STREAM_END) {
        return std::nullopt;
    }
    copy.size = stream.total_out;
    return copy;
}

// Whether `gzip` is a whole gzip file of exactly `document`, inflated a piece at a time.
bool inflatesTo(std::string_view gzip, std::string_view document)
{
    z_stream stream {};
    constexpr int gzipWindowBits = 15 + 16;
    if (inflateInit2(&stream, gzipWindowBits) != Z_OK) {
        return false;
    }
    const std::shared_ptr<z_stream> ender(&stream, [](z_stream* ended) { inflateEnd(ended); });
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-const-cast): zlib's input is never written.
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
    stream.avail_in = static_cast<uInt>(gzip.size());
    std::array<char, 64 * 1024> piece {};
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(piece.data());
        stream.avail_out = static_cast<uInt>(piece.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t made = piece.size() - stream.avail_out;
        if ((status != Z_OK && status != Z_STREAM_END) || made > document.size()
            || std::string_view(piece.data(), made) != document.substr(0, made)) {
            return false;
        }
        document.remove_prefix(made);
    }
    return status == Z_STREAM_END && document.empty() && stream.avail_in == 0;
}

struct Run {
    std::int64_t seconds;
    std::size_t stations;
};

std::int64_t secondsOf(std::chrono::system_clock::time_point time)
{
    return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

// The publications of the week before `now` that the record holds, one "<time> <stations>" a
// line; a line that does not read so, and one from further back or the future, is left out.
std::vector<Run> weekRuns(const std::filesystem::path& file, std::chrono::system_clock::time_point now)
{
    constexpr std::size_t recordBytes = std::size_t {1} << 20U;
    const auto text = readCatalogDocument(file, recordBytes);
    std::vector<Run> runs;
    std::istringstream lines(std::holds_alternative<std::string>(text) ? std::get<std::string>(text) : "");
    const std::int64_t newest = secondsOf(now);
    const std::int64_t oldest = secondsOf(now - week);
    for (std::string line; std::getline(lines, line);) {
        Run run {};
        const char* const end = line.data() + line.size();
        const auto [timeEnd, timeError] = std::from_chars(line.data(), end, run.seconds);
        if (timeError != std::errc() || timeEnd == end || *timeEnd != ' ') {
            continue;
        }
        const auto [countEnd, countError] = std::from_chars(timeEnd + 1, end, run.stations);
        if (countError == std::errc() && countEnd == end && run.seconds >= oldest && run.seconds <= newest) {
            runs.push_back(run);
        }
    }
    return runs;
}

// Writes the runs, oldest first, less those that can never again be the week's largest: a run
// with no more stations than a later one, which leaves the week after it. The record stays small
// however often the program runs.
bool writeRuns(const std::filesystem::path& file, const std::vector<Run>& runs)
{
    std::vector<Run> kept;
    for (const Run& run : runs) {
        while (!kept.empty() && kept.back().stations <= run.stations) {
            kept.pop_back();
        }
        kept.push_back(run);
    }
    std::string text;
    for (const Run& run : kept) {
        text += std::to_string(run.seconds) + ' ' + std::to_string(run.stations) + '\n';
    }
    return writeFileAtomically(file, text);
}

std::string share(double fraction)
{
    std::array<char, 32> text {};
    std::snprintf(text.data(), text.size(), "%g %%", fraction * 100);
    return text.data();
}

Error notPublished(const std::string& why)
{
    return Error {Text::verbatim(why + "; nothing was published")};
}

} // namespace

Result<Publication> publishCatalog(const FilteredCatalog& catalog, const std::filesystem::path& folder,
    const PublishRules& rules, std::chrono::system_clock::time_point now)
{
    if (catalog.stations == 0) {
        return notPublished("the catalog has no playable station");
    }
    const auto file = folder / publishedFileName;
    const auto gzipFile = folder / publishedGzipFileName;
    const auto runsFile = folder / publishedRunsFileName;
    Publication publication {.stations = catalog.stations, .previous = publishedStations(file), .weekLargest = {}};
    std::vector<Run> runs = weekRuns(runsFile, now);
    for (const Run& run : runs) {
        publication.weekLargest = std::max(publication.weekLargest.value_or(0), run.stations);
    }
    if (!rules.force) {
        // Each day's answer may be a little smaller than the last for ever: the week's largest
        // stops a slow slide as well as a sudden fall.
        const std::size_t last = publication.previous.value_or(0);
        const std::size_t largest = std::max(last, publication.weekLargest.value_or(0));
        if (static_cast<double>(catalog.stations) < rules.minShare * static_cast<double>(largest)) {
            return notPublished("the catalog has " + std::to_string(catalog.stations) + " stations, fewer than "
                + share(rules.minShare) + " of the " + std::to_string(largest)
                + (largest == last ? " in " + file.string() : " published in the last 7 days")
                + " (--force publishes it all the same)");
        }
    }
    const auto gzip = gzipCopy(catalog.document);
    if (!gzip) {
        return notPublished("could not compress the catalog");
    }
    const auto document = writeTemporaryBeside(file, catalog.document, FileReaders::everyone);
    const auto copy = document ? writeTemporaryBeside(gzipFile, gzip->view(), FileReaders::everyone) : std::nullopt;
    if (!copy) {
        if (document) {
            ::unlink(document->c_str());
        }
        return notPublished("could not write the catalog into " + folder.string());
    }
    if (!removeFile(gzipFile)) {
        ::unlink(document->c_str());
        ::unlink(copy->c_str());
        return notPublished("could not remove " + gzipFile.string());
    }
    if (!putInPlace(*document, file)) {
        ::unlink(copy->c_str());
        return notPublished("could not rename the catalog to " + file.string() + " (the next run makes its "
            + gzipFile.filename().string() + " again)");
    }
    if (!putInPlace(*copy, gzipFile)) {
        return Error {
            Text::verbatim("published " + file.string() + " without its gzip copy, which the next run makes again")};
    }
    if (rules.force) {
        runs.clear();
    }
    runs.push_back({secondsOf(now), catalog.stations});
    publication.recorded = writeRuns(runsFile, runs);
    return publication;
}

std::optional<std::string> repairPublishedPair(const std::filesystem::path& folder)
{
    const auto file = folder / publishedFileName;
    const auto gzipFile = folder / publishedGzipFileName;
    std::error_code error;
    const bool hasCopy = std::filesystem::exists(std::filesystem::symlink_status(gzipFile, error));
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        if (!hasCopy) {
            return std::nullopt;
        }
        return removeFile(gzipFile) ? "removed " + gzipFile.string() + ", which had no document beside it"
                                    : "could not remove " + gzipFile.string() + ", which has no document beside it";
    }
    const auto document = readCatalogDocument(file, HttpClient::defaultMaxBodyBytes);
    const auto* text = std::get_if<std::string>(&document);
    if (text != nullptr && hasCopy) {
        const auto copy = readCatalogDocument(gzipFile, HttpClient::defaultMaxBodyBytes);
        const auto* bytes = std::get_if<std::string>(&copy);
        if (bytes != nullptr && inflatesTo(*bytes, *text)) {
            return std::nullopt;
        }
    }
    const std::string what = hasCopy ? "disagreed with" : "was missing beside";
    const auto gzip = text != nullptr ? gzipCopy(*text) : std::nullopt;
    if (gzip && writeFileAtomically(gzipFile, gzip->view(), FileReaders::everyone)) {
        return "made " + gzipFile.string() + " again: it " + what + " " + file.string();
    }
    if (!hasCopy) {
        return "could not make " + gzipFile.string() + ", which was missing beside " + file.string();
    }
    return removeFile(gzipFile) ? "removed " + gzipFile.string() + ": it " + what + " " + file.string()
                                : "could not remove " + gzipFile.string() + ", which disagrees with " + file.string();
}

} // namespace Vello
