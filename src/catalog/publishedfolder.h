#pragma once

#include "base/error.h"
#include "catalogpublisher.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// The names of the document a deployment publishes for its players, of its gzip copy, and of the
// record of the last week's publications kept beside them.
inline constexpr std::string_view publishedFileName = "stations_filtered.json";
inline constexpr std::string_view publishedGzipFileName = "stations_filtered.json.gz";
inline constexpr std::string_view publishedRunsFileName = ".stations_filtered.runs";
// Where the last run left the directory's list (CatalogOrigin): the next run reads only the
// changes since, as the player does, until a week has gone by.
inline constexpr std::string_view publishedOriginFileName = ".stations_filtered.origin";

struct PublishRules final {
    // A document with fewer stations than this share of the last one published, or of the
    // largest published in the last week, is refused.
    double minShare = 0.8;
    // Publishes a document that shrank all the same, and starts the week's record afresh from it.
    bool force = false;
};

struct Publication final {
    std::size_t stations = 0;
    // The listable stations of the document it replaced, when there was one that decodes.
    std::optional<std::size_t> previous;
    // The most stations published in the last week, when the record names any.
    std::optional<std::size_t> weekLargest;
    // Whether this publication made it into the week's record.
    bool recorded = false;
};

// Puts `catalog` into `folder` as publishedFileName and its gzip copy publishedGzipFileName,
// readable by anyone, and records it; the same catalog always gives the same bytes. Refuses a
// catalog without stations, and one that shrank below `rules` compared with the document already
// there or the largest of the last week's (counted back from `now`); both files then stay as
// they were.
//
// The two files change as one: both are written aside and flushed first, so a full disk changes
// neither; then the old copy goes, the document is renamed into place and its copy last. A web
// server meanwhile, and a run killed at any moment, leave the document alone at worst, which is
// served uncompressed, never beside another document's copy.
[[nodiscard]] Result<Publication> publishCatalog(const FilteredCatalog& catalog, const std::filesystem::path& folder,
    const PublishRules& rules, std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// Makes the gzip copy in `folder` agree with the document again where they do not (a run of an
// older version killed between the two, a copy changed by hand): made afresh from the document,
// or removed when that cannot be done or there is no document. Says what it changed, if anything.
[[nodiscard]] std::optional<std::string> repairPublishedPair(const std::filesystem::path& folder);

} // namespace Vello
