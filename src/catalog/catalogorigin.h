#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

// What the copy of the catalog on disk is: where and when it was downloaded, and what the
// server said about it. Kept beside the copy, as lines of "key value".
struct CatalogOrigin final {
    // The catalog source's name (CatalogSource::name()).
    std::string source;
    // The last good download, counted from the Unix epoch.
    std::optional<std::chrono::system_clock::time_point> downloaded;
    // The validators the server sent, to ask next time whether the document changed.
    std::string etag;
    std::string lastModified;
    // The directory's servers that worked last, the one that answered first.
    std::vector<std::string> servers;
    // The last download of the directory's whole list; the copy has been brought up to date
    // through its change feed since, up to the change `lastChange`, made at `lastChangeTime`.
    std::optional<std::chrono::system_clock::time_point> fullDownload {};
    std::string lastChange {};
    std::string lastChangeTime {};

    // Nothing when the file is missing or unreadable; unknown lines are skipped.
    [[nodiscard]] static std::optional<CatalogOrigin> read(const std::filesystem::path& file);
    // Replaces the file as a whole. False when it could not.
    bool write(const std::filesystem::path& file) const;

    friend bool operator==(const CatalogOrigin&, const CatalogOrigin&) = default;
};

} // namespace Vello
