#include "stationstore.h"

#include "catalogdecoder.h"
#include "catalogparts.h"
#include "displayorder.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace Vello {

namespace {

constexpr std::string_view cacheFileName = "stations.json";
// Temporary copies are named "stations.json.tmp.<pid>.<random>", so that a later start can
// tell the leftovers of a dead process from a write still running in a live one.
constexpr std::string_view temporaryPrefix = "stations.json.tmp.";

void keepPlayable(std::vector<Station>& stations)
{
    std::erase_if(stations, [](const Station& station) { return !station.radioURL().has_value(); });
}

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

// After a crash the file is either the old or the new document, never a mixture: the bytes
// reach the disk under a temporary name first (DownloadedBody) and only a rename, which is
// atomic, puts them in place (putInPlace). Failures leave the old copy untouched.
//
// A download's body goes to that temporary file as it arrives (it has to reach the disk anyway),
// so that the body, the parser's working memory, the new stations and the list on screen are
// never all in memory at once. Without room on disk the body is kept in memory instead, with
// whatever had reached the file, and decoded there; the copy on disk then stays as it was.
class DownloadedBody final {
public:
    explicit DownloadedBody(const std::filesystem::path& file)
    {
        std::string temporary
            = (file.parent_path() / (std::string(temporaryPrefix) + std::to_string(::getpid()) + ".XXXXXX")).string();
        m_descriptor = ::mkstemp(temporary.data());
        if (m_descriptor >= 0) {
            m_temporary = std::move(temporary);
        }
    }
    DownloadedBody(const DownloadedBody&) = delete;
    DownloadedBody& operator=(const DownloadedBody&) = delete;
    ~DownloadedBody() { discard(); }

    // Removes the temporary file and forgets the body.
    void discard()
    {
        moveToMemory(false);
        m_memory = {};
    }

    void add(std::string_view piece)
    {
        if (m_descriptor >= 0 && !writeAll(m_descriptor, piece)) {
            moveToMemory(true);
        }
        if (m_descriptor >= 0) {
            m_written += piece.size();
        } else {
            m_memory += piece;
        }
    }

    // The temporary file holding the whole body, flushed to the disk and closed; it is then the
    // caller's. Nothing when the body is in memory: takeMemory() has it.
    std::optional<std::filesystem::path> takeFile()
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

    std::string takeMemory() { return std::exchange(m_memory, {}); }

private:
    // Drops the file, first reading back what reached it when `keep` is set.
    void moveToMemory(bool keep)
    {
        if (m_descriptor >= 0) {
            if (keep) {
                m_memory.resize(m_written);
                std::size_t got = 0;
                while (got < m_written) {
                    const ssize_t read
                        = ::pread(m_descriptor, m_memory.data() + got, m_written - got, static_cast<off_t>(got));
                    if (read <= 0 && !(read < 0 && errno == EINTR)) {
                        break;
                    }
                    got += static_cast<std::size_t>(std::max<ssize_t>(read, 0));
                }
                m_memory.resize(got);
            }
            ::close(m_descriptor);
            m_descriptor = -1;
        }
        if (m_temporary) {
            ::unlink(m_temporary->c_str());
            m_temporary.reset();
        }
    }

    int m_descriptor = -1;
    std::optional<std::string> m_temporary;
    std::size_t m_written = 0;
    std::string m_memory;
};

void putInPlace(const std::filesystem::path& temporary, const std::filesystem::path& file)
{
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return;
    }
    // Makes the rename itself survive a power cut.
    const int folderDescriptor = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor >= 0) {
        ::fsync(folderDescriptor);
        ::close(folderDescriptor);
    }
}

// A temporary whose writer is gone. One with a name this store never makes is stale too:
// nothing else writes here.
bool isLeftover(std::string_view name)
{
    name.remove_prefix(temporaryPrefix.size());
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

void removeLeftoverTemporaries(const std::filesystem::path& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> leftovers;
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with(temporaryPrefix) && isLeftover(name)) {
            leftovers.push_back(entry->path());
        }
    }
    for (const auto& leftover : leftovers) {
        std::filesystem::remove(leftover, error);
    }
}

void answerDownload(HttpResult download, DownloadedBody& body, bool cacheAnswered,
    const std::filesystem::path& cacheURL, const StationSource::Completion& completion)
{
    if (const auto* failure = std::get_if<Error>(&download)) {
        // With a list already on screen the copy on disk stands in silently; without one, the
        // caller would otherwise wait for ever.
        body.discard();
        if (!cacheAnswered) {
            completion(*failure);
        }
        return;
    }
    // The status is deliberately not looked at: whatever decodes as a catalog is one.
    //
    // A client that does not hand the body over as it arrives gives it whole here.
    body.add(std::exchange(std::get<HttpResponse>(download).body, {}));
    Result<std::vector<Station>> decoded = Error {};
    if (const auto temporary = body.takeFile()) {
        decoded = decodeCatalogFile(*temporary, HttpClient::defaultMaxBodyBytes);
        if (std::holds_alternative<std::vector<Station>>(decoded)) {
            // Before the answer, so whoever hears of the new catalog finds it on disk.
            putInPlace(*temporary, cacheURL);
        } else {
            ::unlink(temporary->c_str());
        }
    } else {
        decoded = decodeCatalog(body.takeMemory());
    }
    if (auto* failure = std::get_if<Error>(&decoded)) {
        completion(std::move(*failure));
        return;
    }
    auto& stations = std::get<std::vector<Station>>(decoded);
    keepPlayable(stations);
    completion(sortedForDisplay(std::move(stations)));
}

// The playable stations of the copy on disk in display order, or nothing when there is no
// copy, it does not decode or nothing in it can be played.
std::optional<std::vector<Station>> cacheAnswer(const std::filesystem::path& cacheURL)
{
    Result<std::vector<Station>> decoded = decodeCatalogFile(cacheURL, HttpClient::defaultMaxBodyBytes);
    auto* stations = std::get_if<std::vector<Station>>(&decoded);
    if (stations == nullptr) {
        return std::nullopt;
    }
    keepPlayable(*stations);
    if (stations->empty()) {
        return std::nullopt;
    }
    return sortedForDisplay(std::move(*stations));
}

} // namespace

StationStore::StationStore(HttpClient& http, std::string stationsUrl, std::filesystem::path cacheFolder)
    : m_http(http)
    , m_stationsUrl(std::move(stationsUrl))
    , m_cacheURL(cacheFolder / cacheFileName)
{
    std::error_code error;
    std::filesystem::create_directories(cacheFolder, error);
    removeLeftoverTemporaries(cacheFolder);
}

void StationStore::load(Completion completion)
{
    loadWithProgress(std::move(completion), nullptr);
}

void StationStore::loadWithProgress(Completion completion, Progress progress)
{
    auto cached = cacheAnswer(m_cacheURL);
    const bool cacheAnswered = cached.has_value();
    if (cached) {
        completion(std::move(*cached));
    }
    HttpRequest request;
    request.url = m_stationsUrl;
    // A slow line may take minutes for the catalog; a server that only drips is cut off.
    request.minimumBytesPerSecond = 2 * 1024;
    if (progress) {
        request.onProgress = [progress = std::move(progress)](std::size_t received, std::optional<std::size_t> total) {
            progress(LoadProgress {received, total});
        };
    }
    auto body = std::make_shared<DownloadedBody>(m_cacheURL);
    request.onBody = [body](std::string_view piece) { body->add(piece); };
    m_http.get(std::move(request),
        [completion = std::move(completion), body, cacheAnswered, cacheURL = m_cacheURL](
            HttpResult download) { answerDownload(std::move(download), *body, cacheAnswered, cacheURL, completion); });
}

const std::filesystem::path& StationStore::cacheURL() const
{
    return m_cacheURL;
}

} // namespace Vello
