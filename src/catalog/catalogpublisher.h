#pragma once

#include "base/error.h"
#include "changefeed.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace Vello {

// The directory's answer reduced to the stations worth sending to players.
struct FilteredCatalog final {
    // A JSON array of the kept stations' objects, each exactly as the answer wrote it.
    std::string document;
    std::size_t stations = 0;
    // The stations dropped: with no stream address, marked broken, or with a uuid already kept.
    std::size_t unplayable = 0;
    std::size_t broken = 0;
    std::size_t repeated = 0;
    // Where the kept stations stand in the directory's change feed (latestChange()).
    FeedPosition latest {};
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

} // namespace Vello
