#include "catalogcache.h"

#include "catalogparts.h"
#include "displayorder.h"
#include "ports/httpclient.h"
#include "stationchanges.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <deque>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace Vello {

namespace {

// Temporary copies are named "<file>.tmp.<pid>.<random>", so that a later start can tell the
// leftovers of a dead process from a write still running in a live one.
constexpr std::string_view temporaryMark = ".tmp.";

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool flushToDisk(int descriptor)
{
#ifdef F_FULLFSYNC
    // On macOS fsync only reaches the drive's cache.
    if (::fcntl(descriptor, F_FULLFSYNC) == 0) {
        return true;
    }
#endif
    return ::fsync(descriptor) == 0;
}

// A new temporary file beside `file`, open for writing, and its name; -1 when none can be made.
std::pair<int, std::string> makeTemporary(const std::filesystem::path& file)
{
    std::string name = file.string() + std::string(temporaryMark) + std::to_string(::getpid()) + ".XXXXXX";
    const int descriptor = ::mkstemp(name.data());
    return {descriptor, std::move(name)};
}

// Makes the changes of the folder's entries survive a power cut, in the order they were made.
void syncFolder(const std::filesystem::path& folder)
{
    const int folderDescriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
}

// A temporary whose writer is gone. One with a name no writer makes is stale too: nothing else
// writes here.
bool isLeftover(std::string_view name)
{
    name.remove_prefix(name.find(temporaryMark) + temporaryMark.size());
    const std::string_view pidText = name.substr(0, name.find('.'));
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    if (error != std::errc() || end != pidText.data() + pidText.size() || pid <= 0) {
        return true;
    }
    if (pid == ::getpid()) {
        return false;
    }
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// A regular file of at most `maxBytes`, mapped for reading as it stood when opened.
class MappedFile final {
public:
    MappedFile(const std::filesystem::path& file, std::size_t maxBytes)
    {
        // Without waiting: a FIFO would block the open until a writer came; it is refused below.
        const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) {
            return;
        }
        struct stat status { };
        if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0
            && static_cast<std::uintmax_t>(status.st_size) <= maxBytes) {
            void* mapped
                = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
            if (mapped != MAP_FAILED) {
                m_bytes = std::string_view(static_cast<const char*>(mapped), static_cast<std::size_t>(status.st_size));
            }
        }
        ::close(descriptor);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile()
    {
        if (m_bytes) {
            ::munmap(const_cast<char*>(m_bytes->data()), m_bytes->size());
        }
    }

    [[nodiscard]] const std::optional<std::string_view>& bytes() const { return m_bytes; }

private:
    std::optional<std::string_view> m_bytes;
};

} // namespace

// The body kept in memory, in blocks mapped one by one and read once from the front. A block is
// given back to the system as soon as it has been read: a freed heap block may stay with the
// allocator, and the stations decoded from the body would then come on top of all of it.
struct DownloadedBody::Blocks {
    static constexpr std::size_t blockBytes = std::size_t {1} << 20U;

    struct Unmap {
        void operator()(char* block) const { ::munmap(block, blockBytes); }
    };

    std::deque<std::unique_ptr<char, Unmap>> blocks;
    // Bytes kept, read, and given back with the blocks dropped from the front.
    std::size_t size = 0;
    std::size_t read = 0;
    std::size_t dropped = 0;
    // A block could not be had: the body is incomplete.
    bool lost = false;

    void append(std::string_view piece)
    {
        while (!piece.empty() && !lost) {
            if (size == dropped + blocks.size() * blockBytes) {
                void* block = ::mmap(nullptr, blockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                lost = block == MAP_FAILED;
                if (lost) {
                    blocks.clear();
                    return;
                }
                blocks.emplace_back(static_cast<char*>(block));
            }
            const std::size_t at = (size - dropped) % blockBytes;
            const std::size_t taken = std::min(piece.size(), blockBytes - at);
            std::memcpy(blocks.back().get() + at, piece.data(), taken);
            size += taken;
            piece.remove_prefix(taken);
        }
    }

    std::ptrdiff_t readInto(char* into, std::size_t bytes)
    {
        if (lost) {
            return -1;
        }
        std::size_t copied = 0;
        while (copied < bytes && read < size) {
            const std::size_t at = read - dropped;
            const std::size_t taken = std::min(bytes - copied, std::min(blockBytes, size - dropped) - at);
            std::memcpy(into + copied, blocks.front().get() + at, taken);
            copied += taken;
            read += taken;
            if (read - dropped == blockBytes) {
                blocks.pop_front();
                dropped += blockBytes;
            }
        }
        return static_cast<std::ptrdiff_t>(copied);
    }
};

DownloadedBody::DownloadedBody(const std::filesystem::path& file)
    : m_memory(std::make_shared<Blocks>())
{
    auto [descriptor, name] = makeTemporary(file);
    if (descriptor >= 0) {
        m_descriptor = descriptor;
        m_temporary = std::move(name);
    }
}

DownloadedBody::~DownloadedBody()
{
    discard();
}

void DownloadedBody::discard()
{
    moveToMemory(false);
    m_memory = std::make_shared<Blocks>();
}

void DownloadedBody::add(std::string_view piece)
{
    if (m_descriptor >= 0 && !writeAll(m_descriptor, piece)) {
        moveToMemory(true);
    }
    if (m_descriptor >= 0) {
        m_written += piece.size();
    } else {
        m_memory->append(piece);
    }
}

std::optional<std::filesystem::path> DownloadedBody::takeFile()
{
    if (m_descriptor >= 0 && !flushToDisk(m_descriptor)) {
        moveToMemory(true);
    }
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    return std::exchange(m_temporary, std::nullopt);
}

DocumentStream DownloadedBody::takeMemory()
{
    const std::shared_ptr<Blocks> blocks = std::exchange(m_memory, std::make_shared<Blocks>());
    return DocumentStream {
        [blocks](char* into, std::size_t bytes) { return blocks->readInto(into, bytes); }, blocks->size};
}

void DownloadedBody::moveToMemory(bool keep)
{
    if (m_descriptor >= 0) {
        if (keep) {
            std::vector<char> chunk(std::min(m_written, Blocks::blockBytes));
            std::size_t got = 0;
            while (got < m_written) {
                const ssize_t read = ::pread(
                    m_descriptor, chunk.data(), std::min(chunk.size(), m_written - got), static_cast<off_t>(got));
                if (read < 0 && errno == EINTR) {
                    continue;
                }
                if (read <= 0) {
                    break;
                }
                m_memory->append({chunk.data(), static_cast<std::size_t>(read)});
                got += static_cast<std::size_t>(read);
            }
        }
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    if (m_temporary) {
        ::unlink(m_temporary->c_str());
        m_temporary.reset();
    }
}

Result<std::vector<Station>> decodeDownloadedBody(DownloadedBody& body, const std::filesystem::path& file,
    const DownloadCheck& check, std::optional<FileIdentity>* kept)
{
    const auto temporary = body.takeFile();
    Result<std::vector<Station>> decoded;
    FileIdentity identity;
    if (temporary) {
        decoded = decodeCatalogFile(*temporary, HttpClient::defaultMaxBodyBytes, &identity);
    } else {
        auto memory = std::make_shared<std::optional<DocumentStream>>(body.takeMemory());
        decoded = decodeCatalogInParts([memory] { return std::exchange(*memory, std::nullopt); });
    }
    if (auto* stations = std::get_if<std::vector<Station>>(&decoded)) {
        keepListable(*stations);
        if (auto refusal = check(*stations)) {
            decoded = std::move(*refusal);
        }
    }
    if (temporary && std::holds_alternative<std::vector<Station>>(decoded)) {
        // Before the answer, so whoever hears of the new catalog finds it on disk.
        if (putInPlace(*temporary, file) && kept != nullptr) {
            *kept = identity;
        }
    } else if (temporary) {
        ::unlink(temporary->c_str());
    }
    return decoded;
}

std::optional<std::filesystem::path> writeTemporaryBeside(
    const std::filesystem::path& file, std::string_view bytes, FileReaders readers)
{
    const auto [descriptor, temporary] = makeTemporary(file);
    if (descriptor < 0) {
        return std::nullopt;
    }
    // The temporary file is made readable by its owner only.
    constexpr mode_t readableByAll = 0644;
    const bool written = (readers == FileReaders::owner || ::fchmod(descriptor, readableByAll) == 0)
        && writeAll(descriptor, bytes) && flushToDisk(descriptor);
    ::close(descriptor);
    if (!written) {
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    return temporary;
}

bool putInPlace(const std::filesystem::path& temporary, const std::filesystem::path& file)
{
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(file.parent_path());
    return true;
}

bool removeFile(const std::filesystem::path& file)
{
    if (::unlink(file.c_str()) != 0) {
        return errno == ENOENT;
    }
    syncFolder(file.parent_path());
    return true;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes, FileReaders readers)
{
    const auto temporary = writeTemporaryBeside(file, bytes, readers);
    return temporary && putInPlace(*temporary, file);
}

void removeLeftoverTemporaries(const std::filesystem::path& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> leftovers;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.find(temporaryMark) != std::string::npos && isLeftover(name)) {
            leftovers.push_back(entry->path());
        }
    }
    for (const auto& leftover : leftovers) {
        std::filesystem::remove(leftover, error);
    }
}

void keepListable(std::vector<Station>& stations)
{
    std::erase_if(stations, [](const Station& station) {
        const auto uuid = station.stationuuid();
        return !station.hasRadioURL() || (uuid && uuid->starts_with(ownStationIdPrefix));
    });
}

Result<std::vector<Station>> applyChangesToCopy(const StationChanges& changes, const std::filesystem::path& file,
    const DownloadCheck& check, std::optional<FileIdentity>* kept)
{
    const MappedFile copy(file, HttpClient::defaultMaxBodyBytes);
    if (!copy.bytes()) {
        return Error {unreadableCatalog};
    }
    DownloadedBody body(file);
    if (!changes.applyTo(*copy.bytes(), [&body](std::string_view piece) { body.add(piece); })) {
        return Error {unreadableCatalog};
    }
    return decodeDownloadedBody(body, file, check, kept);
}

std::optional<std::vector<Station>> readCachedStations(
    const std::filesystem::path& file, const std::filesystem::path& orderFile)
{
    FileIdentity copy;
    Result<std::vector<Station>> decoded = decodeCatalogFile(file, HttpClient::defaultMaxBodyBytes, &copy);
    auto* stations = std::get_if<std::vector<Station>>(&decoded);
    if (stations == nullptr) {
        return std::nullopt;
    }
    keepListable(*stations);
    if (stations->empty()) {
        return std::nullopt;
    }
    const std::string locale = userCollationLocale();
    if (const auto order = readCachedOrder(orderFile, copy, locale, stations->size())) {
        std::vector<Station> ordered = inOrder(std::move(*stations), *order);
        // Only the names were left to collation: the scores tell a kept order that went wrong.
        if (std::ranges::is_sorted(ordered, std::ranges::greater(), &Station::score)) {
            return ordered;
        }
        return sortedForDisplay(std::move(ordered), locale);
    }
    return inDisplayOrder(std::move(*stations), copy, orderFile);
}

std::vector<Station> inDisplayOrder(
    std::vector<Station> stations, const std::optional<FileIdentity>& copy, const std::filesystem::path& orderFile)
{
    const std::string locale = userCollationLocale();
    const std::vector<std::uint32_t> order = displayOrder(stations, locale);
    if (copy) {
        writeCachedOrder(orderFile, *copy, locale, order);
    }
    return inOrder(std::move(stations), order);
}

} // namespace Vello
