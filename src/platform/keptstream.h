#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>

namespace Vello {

// The last minutes of a stream's encoded bytes, on disk in a folder of its own: a ring of small
// files, the oldest deleted as the newest fill, and by size too whatever times the stream gives.
// It stops rather than leave less than 200 MB free on its disk. Bytes are numbered from the stream's first; a
// frame index maps them to the stream's time. One thread appends; any thread reads.
class KeptStream final {
public:
    // Keeps at least `length` (and at most one file more) in `folder`, which it makes and, when
    // destroyed, deletes.
    KeptStream(std::filesystem::path folder, std::chrono::milliseconds length);
    ~KeptStream();

    KeptStream(const KeptStream&) = delete;
    KeptStream& operator=(const KeptStream&) = delete;

    // False, and nothing kept from then on, when the disk refuses.
    [[nodiscard]] bool append(const std::uint8_t* data, std::size_t size);
    // A frame begins at `offset`, heard at `timeNs`. Returns true when old files were dropped.
    bool noteFrame(std::uint64_t offset, std::int64_t timeNs);
    // The headers a player needs in front of the bytes from `offset` on (an Ogg chain's, or a FLAC
    // stream's), until headers are set at a later offset.
    void setHeaders(std::uint64_t offset, std::string headers);
    [[nodiscard]] std::string headersFor(std::uint64_t offset) const;
    // Ends waits for more bytes: nothing more will come.
    void close();

    // Copies what is kept from `offset` on, up to `size` bytes; 0 when none is (yet, or any more).
    [[nodiscard]] std::size_t read(std::uint64_t offset, std::uint8_t* out, std::size_t size) const;
    // Waits until bytes past `offset` are kept, the stream is closed or `deadline` passes.
    void waitForMore(std::uint64_t offset, std::chrono::steady_clock::time_point deadline) const;

    // The first byte kept, and the one past the last.
    [[nodiscard]] std::uint64_t oldest() const;
    [[nodiscard]] std::uint64_t newest() const;
    [[nodiscard]] bool failed() const;
    // The frame heard at `timeNs` or, past either end, the nearest one kept: its offset and time.
    [[nodiscard]] std::optional<std::pair<std::uint64_t, std::int64_t>> frameAt(std::int64_t timeNs) const;
    // The time of the first frame at or after `offset`; nothing when none is indexed yet.
    [[nodiscard]] std::optional<std::int64_t> timeAt(std::uint64_t offset) const;
    // The times of the first and the last frame kept.
    [[nodiscard]] std::pair<std::int64_t, std::int64_t> timeSpan() const;

private:
    [[nodiscard]] std::filesystem::path fileFor(std::uint64_t index) const;
    void dropOld();
    void dropOldestFile();

    const std::filesystem::path m_folder;
    const std::chrono::milliseconds m_length;
    const std::uint64_t m_fileSize;
    const std::uint64_t m_maxBytes;
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_grown;
    std::uint64_t m_oldest = 0;
    std::uint64_t m_newest = 0;
    bool m_failed = false;
    bool m_closed = false;
    // Frames at least a tenth of a second apart: offset and time.
    std::deque<std::pair<std::uint64_t, std::int64_t>> m_frames;
    std::map<std::uint64_t, std::string> m_headers;
};

} // namespace Vello
