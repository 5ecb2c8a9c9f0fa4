#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

// Which file a copy on disk is, as it stood when it was read: a file written anew or changed is
// another.
struct FileIdentity final {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the open file `descriptor`, when it can be had.
[[nodiscard]] std::optional<FileIdentity> identityOf(int descriptor);

// Keeps beside the catalog the display order of the listable stations of the copy `cache`,
// sorted under the collation of `locale` (as displayOrder() gives it), so that a start can show
// the copy without comparing a name. False when it could not be written.
bool writeCachedOrder(const std::filesystem::path& file, const FileIdentity& cache, std::string_view locale,
    const std::vector<std::uint32_t>& order);

// The order kept for the copy `cache` of `count` listable stations under `locale` and this
// build's collation rules; nothing when none was kept for exactly that, or the file is damaged.
[[nodiscard]] std::optional<std::vector<std::uint32_t>> readCachedOrder(
    const std::filesystem::path& file, const FileIdentity& cache, std::string_view locale, std::size_t count);

} // namespace Vello
