#include "cachedorder.h"

#include "catalogcache.h"

#include <unicode/uvernum.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <sys/stat.h>

namespace Vello {

namespace {

// What the order holds good for, as its first line: the copy, the collation and the count.
std::string header(const FileIdentity& cache, std::string_view locale, std::size_t count)
{
    return "PembaVello display order 1 icu " U_ICU_VERSION " locale " + std::string(locale) + " copy "
        + std::to_string(cache.device) + " " + std::to_string(cache.inode) + " " + std::to_string(cache.size) + " "
        + std::to_string(cache.modifiedNanoseconds) + " stations " + std::to_string(count) + "\n";
}

} // namespace

std::optional<FileIdentity> identityOf(int descriptor)
{
    struct stat status { };
    if (::fstat(descriptor, &status) != 0) {
        return std::nullopt;
    }
#ifdef __APPLE__
    const timespec modified = status.st_mtimespec;
#else
    const timespec modified = status.st_mtim;
#endif
    return FileIdentity {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::uint64_t>(status.st_size),
        static_cast<std::int64_t>(modified.tv_sec) * 1'000'000'000 + modified.tv_nsec};
}

bool writeCachedOrder(const std::filesystem::path& file, const FileIdentity& cache, std::string_view locale,
    const std::vector<std::uint32_t>& order)
{
    std::string bytes = header(cache, locale, order.size());
    const std::size_t start = bytes.size();
    bytes.resize(start + order.size() * sizeof(std::uint32_t));
    if (!order.empty()) {
        std::memcpy(bytes.data() + start, order.data(), order.size() * sizeof(std::uint32_t));
    }
    return writeFileAtomically(file, bytes);
}

std::optional<std::vector<std::uint32_t>> readCachedOrder(
    const std::filesystem::path& file, const FileIdentity& cache, std::string_view locale, std::size_t count)
{
    const std::string expected = header(cache, locale, count);
    // Opening a FIFO would wait for a writer that may never come.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    std::string line;
    if (!stream || !std::getline(stream, line) || line + "\n" != expected) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> order(count);
    const auto bytes = static_cast<std::streamsize>(count * sizeof(std::uint32_t));
    if (!stream.read(reinterpret_cast<char*>(order.data()), bytes) || stream.peek() != std::char_traits<char>::eof()) {
        return std::nullopt;
    }
    std::vector<bool> seen(count, false);
    for (const std::uint32_t position : order) {
        if (position >= count || seen[position]) {
            return std::nullopt;
        }
        seen[position] = true;
    }
    return order;
}

} // namespace Vello
