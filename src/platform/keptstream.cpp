#include "keptstream.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace Vello {
namespace {

// About 32 files for the whole length at 128 kbit/s, and never tiny or huge ones.
std::uint64_t fileSizeFor(std::chrono::milliseconds length)
{
    constexpr std::uint64_t bytesPerSecond = 16000;
    const auto wanted = static_cast<std::uint64_t>(length.count()) * bytesPerSecond / 1000 / 32;
    return std::clamp<std::uint64_t>(wanted, 16 * 1024, 4 * 1024 * 1024);
}

// Frames closer together than this share an index entry.
constexpr std::int64_t indexStepNs = 100'000'000;
// However its times run, the ring holds no more than this per second kept (CD-quality FLAC
// needs 176 kB).
constexpr std::uint64_t maxBytesPerSecond = 200'000;
// A new file is begun only with this much left free on the disk.
constexpr std::uintmax_t minimumFreeBytes = 200'000'000;

} // namespace

KeptStream::KeptStream(std::filesystem::path folder, std::chrono::milliseconds length)
    : m_folder(std::move(folder))
    , m_length(length)
    , m_fileSize(fileSizeFor(length))
    , m_maxBytes(std::max<std::uint64_t>(2 * m_fileSize,
          static_cast<std::uint64_t>(std::chrono::ceil<std::chrono::seconds>(length).count()) * maxBytesPerSecond))
{
    // A folder left by an earlier run under the same name is not appended to.
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
    std::filesystem::create_directories(m_folder, error);
    m_failed = static_cast<bool>(error);
}

KeptStream::~KeptStream()
{
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

std::filesystem::path KeptStream::fileFor(std::uint64_t index) const
{
    return m_folder / std::to_string(index);
}

bool KeptStream::append(const std::uint8_t* data, std::size_t size)
{
    std::uint64_t at = 0;
    {
        std::lock_guard lock(m_mutex);
        if (m_failed) {
            return false;
        }
        at = m_newest;
    }
    std::size_t done = 0;
    while (done < size) {
        const std::uint64_t index = (at + done) / m_fileSize;
        const std::size_t part = std::min<std::uint64_t>(size - done, (index + 1) * m_fileSize - (at + done));
        std::error_code error;
        if ((at + done) % m_fileSize == 0 && std::filesystem::space(m_folder, error).available < minimumFreeBytes) {
            std::lock_guard lock(m_mutex);
            m_failed = true;
            m_grown.notify_all();
            return false;
        }
        std::ofstream file(fileFor(index), std::ios::binary | std::ios::app);
        file.write(reinterpret_cast<const char*>(data + done), static_cast<std::streamsize>(part));
        file.close();
        if (!file) {
            std::lock_guard lock(m_mutex);
            m_failed = true;
            m_grown.notify_all();
            return false;
        }
        done += part;
    }
    std::lock_guard lock(m_mutex);
    m_newest = at + size;
    while (m_newest - m_oldest > m_maxBytes) {
        dropOldestFile();
    }
    m_grown.notify_all();
    return true;
}

void KeptStream::dropOldestFile()
{
    std::error_code error;
    std::filesystem::remove(fileFor(m_oldest / m_fileSize), error);
    m_oldest = (m_oldest / m_fileSize + 1) * m_fileSize;
    while (!m_frames.empty() && m_frames.front().first < m_oldest) {
        m_frames.pop_front();
    }
}

bool KeptStream::noteFrame(std::uint64_t offset, std::int64_t timeNs)
{
    std::lock_guard lock(m_mutex);
    if (!m_frames.empty() && (offset <= m_frames.back().first || timeNs - m_frames.back().second < indexStepNs)) {
        return false;
    }
    m_frames.emplace_back(offset, timeNs);
    const std::uint64_t before = m_oldest;
    dropOld();
    return m_oldest != before;
}

void KeptStream::dropOld()
{
    const std::int64_t newestTime = m_frames.back().second;
    const std::int64_t keepFrom = newestTime - std::chrono::nanoseconds(m_length).count();
    // A file goes once everything after it is enough to keep.
    for (;;) {
        const std::uint64_t nextFile = (m_oldest / m_fileSize + 1) * m_fileSize;
        const auto first = std::ranges::find_if(m_frames, [&](const auto& frame) { return frame.first >= nextFile; });
        if (first == m_frames.end() || first->second > keepFrom) {
            return;
        }
        dropOldestFile();
    }
}

void KeptStream::setHeaders(std::uint64_t offset, std::string headers)
{
    std::lock_guard lock(m_mutex);
    m_headers[offset] = std::move(headers);
    // Only the headers of what is still kept are needed.
    while (m_headers.size() > 1 && std::next(m_headers.begin())->first <= m_oldest) {
        m_headers.erase(m_headers.begin());
    }
}

std::string KeptStream::headersFor(std::uint64_t offset) const
{
    std::lock_guard lock(m_mutex);
    const auto after = m_headers.upper_bound(offset);
    return after == m_headers.begin() ? std::string() : std::prev(after)->second;
}

void KeptStream::close()
{
    std::lock_guard lock(m_mutex);
    m_closed = true;
    m_grown.notify_all();
}

std::size_t KeptStream::read(std::uint64_t offset, std::uint8_t* out, std::size_t size) const
{
    {
        std::lock_guard lock(m_mutex);
        if (offset < m_oldest || offset >= m_newest) {
            return 0;
        }
        size = std::min<std::uint64_t>(size, m_newest - offset);
    }
    std::size_t done = 0;
    while (done < size) {
        const std::uint64_t at = offset + done;
        const std::size_t part = std::min<std::uint64_t>(size - done, (at / m_fileSize + 1) * m_fileSize - at);
        std::ifstream file(fileFor(at / m_fileSize), std::ios::binary);
        file.seekg(static_cast<std::streamoff>(at % m_fileSize));
        file.read(reinterpret_cast<char*>(out + done), static_cast<std::streamsize>(part));
        const auto got = static_cast<std::size_t>(file.gcount());
        done += got;
        if (got < part) {
            break;
        }
    }
    return done;
}

void KeptStream::waitForMore(std::uint64_t offset, std::chrono::steady_clock::time_point deadline) const
{
    std::unique_lock lock(m_mutex);
    m_grown.wait_until(lock, deadline, [&] { return m_newest > offset || m_closed || m_failed; });
}

std::uint64_t KeptStream::oldest() const
{
    std::lock_guard lock(m_mutex);
    return m_oldest;
}

std::uint64_t KeptStream::newest() const
{
    std::lock_guard lock(m_mutex);
    return m_newest;
}

bool KeptStream::failed() const
{
    std::lock_guard lock(m_mutex);
    return m_failed;
}

std::optional<std::pair<std::uint64_t, std::int64_t>> KeptStream::frameAt(std::int64_t timeNs) const
{
    std::lock_guard lock(m_mutex);
    if (m_frames.empty()) {
        return std::nullopt;
    }
    auto after = std::ranges::upper_bound(m_frames, timeNs, {}, [](const auto& frame) { return frame.second; });
    return after == m_frames.begin() ? m_frames.front() : *std::prev(after);
}

std::optional<std::int64_t> KeptStream::timeAt(std::uint64_t offset) const
{
    std::lock_guard lock(m_mutex);
    const auto found = std::ranges::lower_bound(m_frames, offset, {}, [](const auto& frame) { return frame.first; });
    return found == m_frames.end() ? std::nullopt : std::optional(found->second);
}

std::pair<std::int64_t, std::int64_t> KeptStream::timeSpan() const
{
    std::lock_guard lock(m_mutex);
    return m_frames.empty() ? std::pair<std::int64_t, std::int64_t> {0, 0}
                            : std::pair {m_frames.front().second, m_frames.back().second};
}

} // namespace Vello
