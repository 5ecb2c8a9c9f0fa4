#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include <stdlib.h>

namespace Vello {

// A folder of its own for a test, under the temporary folder, removed with all it holds.
struct ScratchFolder {
    std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vello-test-XXXXXX").string();
        return ::mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern) : std::filesystem::path();
    }();
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

inline void writeFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// What `file` holds; nothing when it is no regular file.
inline std::optional<std::string> readFile(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::filesystem::is_regular_file(file)
        ? std::optional<std::string>({std::istreambuf_iterator<char>(stream), {}})
        : std::nullopt;
}

} // namespace Vello
