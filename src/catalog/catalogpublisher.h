#pragma once

#include "ports/error.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// The names of the document a deployment publishes for its players, and of its gzip copy.
inline constexpr std::string_view publishedFileName = "stations_filtered.json";
inline constexpr std::string_view publishedGzipFileName = "stations_filtered.json.gz";

// The directory's answer reduced to the stations worth sending to players.
struct FilteredCatalog final {
    // A JSON array of the kept stations' objects, each exactly as the answer wrote it.
    std::string document;
    std::size_t stations = 0;
    // The stations dropped: with no stream address, marked broken, or with a uuid already kept.
    std::size_t unplayable = 0;
    std::size_t broken = 0;
    std::size_t repeated = 0;
};

// Keeps the stations of `answer`, a catalog document from the directory, that the player keeps
// (those with a stream address) except those the directory's last check found broken
// ("lastcheckok" 0 or false) and those whose stationuuid an earlier kept station has. The kept
// objects go out byte for byte and in their order, as "[" + the objects joined by ",\n" + "]\n".
// Fails when the answer does not decode as the player decodes it, or the result does not decode
// back to the kept stations.
[[nodiscard]] Result<FilteredCatalog> filterCatalog(std::string_view answer);

// Reads a whole catalog document from `file`, which must be a regular file of at most `maxBytes`.
[[nodiscard]] Result<std::string> readCatalogDocument(const std::filesystem::path& file, std::size_t maxBytes);

struct PublishRules final {
    // A document with fewer stations than this share of the last one published is refused.
    double minShare = 0.8;
    // Publishes a document that shrank all the same.
    bool force = false;
};

struct Publication final {
    std::size_t stations = 0;
    // The playable stations of the document it replaced, when there was one that decodes.
    std::optional<std::size_t> previous;
};

// Puts `catalog` into `folder` as publishedFileName and its gzip copy publishedGzipFileName,
// readable by anyone, each replaced as a whole, the copy first; the same catalog always gives the
// same bytes. Refuses
// a catalog without stations, and one that shrank below `rules` compared with the document already
// there; both files then stay as they were.
[[nodiscard]] Result<Publication> publishCatalog(
    const FilteredCatalog& catalog, const std::filesystem::path& folder, const PublishRules& rules);

} // namespace Vello
