#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace Vello {

// A catalog document's bytes followed by zeroed padding that the JSON parser may read past
// the end, so the document is parsed where it lies instead of being copied first.
class DocumentBuffer final {
public:
    static constexpr std::size_t padding = 64;

    DocumentBuffer() = default;
    // Room for `size` bytes, not initialised; empty when the memory cannot be had.
    explicit DocumentBuffer(std::size_t size);

    [[nodiscard]] static DocumentBuffer copyOf(std::string_view document);

    [[nodiscard]] bool empty() const { return m_bytes == nullptr; }
    [[nodiscard]] char* data() { return m_bytes.get(); }
    [[nodiscard]] std::size_t size() const { return m_size; }
    // Room for a document without allocating again.
    [[nodiscard]] std::size_t capacity() const { return m_capacity; }
    [[nodiscard]] std::string_view view() const { return {m_bytes.get(), m_size}; }
    // Takes `size` bytes (at most the capacity) as the document and pads after them.
    void setSize(std::size_t size);

private:
    struct Free {
        void operator()(char* bytes) const;
    };

    std::unique_ptr<char[], Free> m_bytes;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

// Memory for `bytes`, given back with std::free, or null when there is none. A block of 2 MB or
// more sits on huge page boundaries and asks for transparent huge pages, as preferHugePages().
[[nodiscard]] void* allocatePreferringHugePages(std::size_t bytes);

// Asks for transparent huge pages under the whole 2 MB pages of a large block that has not been
// touched yet, so that filling it costs one page fault per 2 MB instead of one per 4 KB.
void preferHugePages(void* memory, std::size_t bytes);

} // namespace Vello
