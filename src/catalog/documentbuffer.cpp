#include "documentbuffer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

namespace Vello {

namespace {

constexpr std::size_t hugePage = std::size_t {2} * 1024 * 1024;

} // namespace

// Fresh memory costs a page fault per page on first touch, and on a catalog of tens of
// megabytes those faults cost more than parsing it. Large buffers therefore sit on huge page
// boundaries and ask for transparent huge pages: one fault per 2 MB instead of per 4 KB.
void* allocatePreferringHugePages(std::size_t bytes)
{
    if (bytes < hugePage) {
        return std::malloc(bytes);
    }
    const std::size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void* memory = std::aligned_alloc(hugePage, rounded);
    if (memory != nullptr) {
        preferHugePages(memory, rounded);
    }
    return memory;
}

void DocumentBuffer::Free::operator()(char* bytes) const
{
    std::free(bytes);
}

DocumentBuffer::DocumentBuffer(std::size_t size)
    : m_bytes(static_cast<char*>(allocatePreferringHugePages(size + padding)))
    , m_capacity(m_bytes ? size : 0)
{
    setSize(0);
}

DocumentBuffer DocumentBuffer::copyOf(std::string_view document)
{
    DocumentBuffer buffer(document.size());
    if (!buffer.empty()) {
        std::copy(document.begin(), document.end(), buffer.data());
        buffer.setSize(document.size());
    }
    return buffer;
}

void DocumentBuffer::setSize(std::size_t size)
{
    if (!m_bytes) {
        return;
    }
    m_size = std::min(size, m_capacity);
    std::memset(m_bytes.get() + m_size, 0, padding);
}

void preferHugePages(void* memory, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    // The whole huge pages inside the block, found by offsets from its start.
    const auto address = reinterpret_cast<std::uintptr_t>(memory);
    const std::size_t skip = (hugePage - address % hugePage) % hugePage;
    if (bytes > skip && bytes - skip >= hugePage) {
        ::madvise(static_cast<char*>(memory) + skip, (bytes - skip) / hugePage * hugePage, MADV_HUGEPAGE);
    }
#else
    (void)memory;
    (void)bytes;
#endif
}

} // namespace Vello
