#include "stationstore.h"

#include "catalogcache.h"
#include "catalogorigin.h"
#include "changefeed.h"
#include "directoryservers.h"
#include "ports/httpclient.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace Vello {

namespace {

constexpr std::string_view cacheFileName = "stations.json";
constexpr std::string_view originFileName = "stations.origin";
constexpr std::string_view orderFileName = "stations.order";
// A slow line may take minutes for the catalog; a server that only drips is cut off.
constexpr std::size_t minimumBytesPerSecond = 2 * 1024;
// What a play count's answer may be: it is read by nobody. A server that does not answer one
// soon is left: counts come with every station started.
constexpr std::size_t playAnswerBytes = 64 * 1024;
constexpr std::chrono::seconds playDeadline {5};
// The servers remembered for the next time the DNS finds none.
constexpr std::size_t rememberedServers = 8;

Text statusText(int status)
{
    struct Reason {
        int status;
        std::string_view text;
    };
    static constexpr std::array<Reason, 16> reasons {{{304, "Not Modified"}, {400, "Bad Request"},
        {401, "Unauthorized"}, {403, "Forbidden"}, {404, "Not Found"}, {408, "Request Timeout"}, {410, "Gone"},
        {429, "Too Many Requests"}, {451, "Unavailable For Legal Reasons"}, {500, "Internal Server Error"},
        {501, "Not Implemented"}, {502, "Bad Gateway"}, {503, "Service Unavailable"}, {504, "Gateway Timeout"},
        {507, "Insufficient Storage"}, {508, "Loop Detected"}}};
    // The code and its reason phrase are the protocol's own words, the same in every language.
    Text code = Text::verbatim(std::to_string(status));
    for (const Reason& reason : reasons) {
        if (reason.status == status) {
            return {VELLO_TR("Core", "The station catalog server answered %1 (%2)."),
                {std::move(code), Text::verbatim(std::string(reason.text))}};
        }
    }
    return {VELLO_TR("Core", "The station catalog server answered %1."), {std::move(code)}};
}

} // namespace

struct StationStore::Shared {
    std::mutex mutex;
    // The directory server the list on screen came from: plays are counted there.
    std::string playServer;
    // Counts the changes of source: a download for a source no longer chosen is not kept.
    std::uint64_t sourceGeneration = 0;
};

namespace {

// One load's download: the addresses to try in turn, and what happened so far.
class Download final : public std::enable_shared_from_this<Download> {
public:
    struct Setup {
        HttpClient& http;
        std::shared_ptr<StationStore::Shared> shared;
        std::uint64_t sourceGeneration;
        CatalogSource source;
        std::filesystem::path cacheFile;
        std::filesystem::path originFile;
        StationStore::Clock clock;
        StationSource::Completion completion;
        StationSource::Progress progress;
        // How many stations the copy on disk answered with; 0 when it gave no answer.
        std::size_t cachedStations;
        // The copy on disk's origin, when it came from this source.
        std::optional<CatalogOrigin> origin;
        std::filesystem::path orderFile;
        ChangeFeedLimits feedLimits;
    };
    // Finds the servers to download the whole list from, then calls its argument with them.
    using ServerSearch = std::function<void(std::function<void(std::vector<std::string>)>)>;

    explicit Download(Setup setup)
        : m_setup(std::move(setup))
    {
    }

    // Tries the servers, or the document's address, in this order.
    void start(std::vector<std::string> servers)
    {
        m_servers = std::move(servers);
        tryNext();
    }

    // Brings the copy on disk up to date through the change feed of `server`, from the change it
    // was brought up to last; downloads the whole list from the servers `search` finds when the
    // feed cannot go on or its changes cannot be kept.
    void startWithChanges(const std::string& server, ServerSearch search)
    {
        HttpRequest base;
        base.minimumBytesPerSecond = minimumBytesPerSecond;
        base.connectDeadline = StationStore::serverConnectDeadline;
        const FeedPosition from {m_setup.origin->lastChange, m_setup.origin->lastChangeTime};
        ChangeFeed::read(m_setup.http, server, from, m_setup.feedLimits, std::move(base),
            [self = shared_from_this(), server, search = std::move(search)](Result<ChangeFeed::Outcome> result) {
                if (!self->takeChanges(server, result)) {
                    search([self](std::vector<std::string> servers) { self->start(std::move(servers)); });
                }
            });
    }

private:
    // False when the whole list is to be downloaded instead.
    bool takeChanges(const std::string& server, Result<ChangeFeed::Outcome>& result)
    {
        auto* outcome = std::get_if<ChangeFeed::Outcome>(&result);
        if (outcome == nullptr || !isCurrentSource()) {
            return outcome != nullptr;
        }
        CatalogOrigin origin = *m_setup.origin;
        origin.downloaded = m_setup.clock();
        origin.lastChange = outcome->last.change;
        origin.lastChangeTime = outcome->last.time;
        std::erase(origin.servers, server);
        origin.servers.insert(origin.servers.begin(), server);
        origin.servers.resize(std::min(origin.servers.size(), rememberedServers));
        if (outcome->changes.size() == 0) {
            keep(origin);
            return true;
        }
        std::optional<FileIdentity> copy;
        auto applied = applyChangesToCopy(
            outcome->changes, m_setup.cacheFile, [this](const std::vector<Station>& kept) { return check(kept); },
            &copy);
        auto* stations = std::get_if<std::vector<Station>>(&applied);
        if (stations == nullptr) {
            return false;
        }
        keep(origin);
        m_setup.completion(inDisplayOrder(std::move(*stations), copy, m_setup.orderFile));
        return true;
    }

    void tryNext()
    {
        if (m_next == m_servers.size()) {
            giveUp();
            return;
        }
        const std::string& server = m_servers[m_next];
        HttpRequest request;
        request.minimumBytesPerSecond = minimumBytesPerSecond;
        if (m_setup.source.isDirectory()) {
            request.url = directoryStationsUrl(server);
            request.connectDeadline = StationStore::serverConnectDeadline;
        } else {
            request.url = server;
            // Only worth asking when the copy on disk answered: a 304 keeps that copy.
            if (m_setup.cachedStations > 0 && m_setup.origin) {
                if (!m_setup.origin->etag.empty()) {
                    request.headers.emplace_back("If-None-Match", m_setup.origin->etag);
                }
                if (!m_setup.origin->lastModified.empty()) {
                    request.headers.emplace_back("If-Modified-Since", m_setup.origin->lastModified);
                }
            }
        }
        m_conditional = !request.headers.empty();
        if (m_setup.progress) {
            request.onProgress = [progress = m_setup.progress](std::size_t received, std::optional<std::size_t> total) {
                progress(LoadProgress {received, total});
            };
        }
        m_body = std::make_shared<DownloadedBody>(m_setup.cacheFile);
        request.onBody = [body = m_body](std::string_view piece) { body->add(piece); };
        m_setup.http.get(
            std::move(request), [self = shared_from_this()](HttpResult result) { self->received(std::move(result)); });
    }

    void received(HttpResult result)
    {
        const std::string server = m_servers[m_next++];
        if (auto* failure = std::get_if<Error>(&result)) {
            m_body->discard();
            m_networkFailure = std::move(*failure);
            tryNext();
            return;
        }
        auto& response = std::get<HttpResponse>(result);
        if (response.status == 304 && m_conditional) {
            m_body->discard();
            CatalogOrigin origin = *m_setup.origin;
            origin.downloaded = m_setup.clock();
            keep(origin);
            return;
        }
        if (response.status < 200 || response.status > 299) {
            m_body->discard();
            refuse(Error {statusText(response.status)});
            return;
        }
        // A client that does not hand the body over as it arrives gives it whole here.
        m_body->add(std::exchange(response.body, {}));
        if (!isCurrentSource()) {
            m_body->discard();
            return;
        }
        std::optional<FileIdentity> copy;
        auto decoded = decodeDownloadedBody(
            *m_body, m_setup.cacheFile, [this](const std::vector<Station>& kept) { return check(kept); }, &copy);
        m_body.reset();
        if (auto* failure = std::get_if<Error>(&decoded)) {
            refuse(std::move(*failure));
            return;
        }
        CatalogOrigin origin;
        origin.source = m_setup.source.name();
        origin.downloaded = m_setup.clock();
        origin.etag = response.header("etag").value_or("");
        origin.lastModified = response.header("last-modified").value_or("");
        auto& stations = std::get<std::vector<Station>>(decoded);
        if (m_setup.source.isDirectory()) {
            origin.servers.push_back(server);
            for (const std::string& other : m_servers) {
                if (other != server && origin.servers.size() < rememberedServers) {
                    origin.servers.push_back(other);
                }
            }
            const FeedPosition position = latestChange(stations);
            origin.fullDownload = origin.downloaded;
            origin.lastChange = position.change;
            origin.lastChangeTime = position.time;
        }
        keep(origin);
        m_setup.completion(inDisplayOrder(std::move(stations), copy, m_setup.orderFile));
    }

    // The directory's list never shrinks much from one day to the next: an answer with under
    // half the stations on screen, or none to list, comes from a broken or hostile server, and
    // would cost the person the list they have. A document's owner may shrink it, but a
    // document with nothing to list never replaces one.
    [[nodiscard]] std::optional<Error> check(const std::vector<Station>& kept) const
    {
        const bool directory = m_setup.source.isDirectory();
        if (kept.empty() && (directory || m_setup.cachedStations > 0)) {
            return Error {VELLO_TR("Core", "The station catalog server answered with no usable stations.")};
        }
        if (directory && kept.size() * 2 < m_setup.cachedStations) {
            return Error {Text::counted(VELLO_TR_N("Core",
                                            "The station catalog server answered with only %Ln station(s), fewer "
                                            "than half of those already here."),
                static_cast<std::int64_t>(kept.size()))};
        }
        return std::nullopt;
    }

    // A server answered, but not with a catalog: the next one may.
    void refuse(Error error)
    {
        if (!m_refusal) {
            m_refusal = std::move(error);
        }
        tryNext();
    }

    void giveUp()
    {
        if (m_refusal) {
            m_setup.completion(std::move(*m_refusal));
        } else if (m_setup.cachedStations == 0) {
            // With a list already on screen the copy on disk stands in silently; without one, the
            // caller would otherwise wait for ever.
            m_setup.completion(
                m_networkFailure.value_or(Error {VELLO_TR("Core", "No station catalog server could be reached.")}));
        }
    }

    void keep(const CatalogOrigin& origin)
    {
        origin.write(m_setup.originFile);
        const std::lock_guard lock(m_setup.shared->mutex);
        m_setup.shared->playServer = origin.servers.empty() ? std::string() : origin.servers.front();
    }

    [[nodiscard]] bool isCurrentSource() const
    {
        const std::lock_guard lock(m_setup.shared->mutex);
        return m_setup.shared->sourceGeneration == m_setup.sourceGeneration;
    }

    Setup m_setup;
    std::vector<std::string> m_servers;
    std::size_t m_next = 0;
    bool m_conditional = false;
    std::shared_ptr<DownloadedBody> m_body;
    std::optional<Error> m_refusal;
    std::optional<Error> m_networkFailure;
};

} // namespace

StationStore::StationStore(HttpClient& http, HostResolver& resolver, CatalogSource source,
    const std::filesystem::path& cacheFolder, Clock clock)
    : m_http(http)
    , m_resolver(resolver)
    , m_source(std::move(source))
    , m_cacheFile(cacheFolder / cacheFileName)
    , m_originFile(cacheFolder / originFileName)
    , m_orderFile(cacheFolder / orderFileName)
    , m_clock(std::move(clock))
    , m_shared(std::make_shared<Shared>())
{
    std::error_code error;
    std::filesystem::create_directories(cacheFolder, error);
    removeLeftoverTemporaries(cacheFolder);
}

void StationStore::setSource(CatalogSource source)
{
    if (source == m_source) {
        return;
    }
    m_source = std::move(source);
    const std::lock_guard lock(m_shared->mutex);
    ++m_shared->sourceGeneration;
    m_shared->playServer.clear();
}

void StationStore::load(Completion completion, Progress progress, Refresh refresh)
{
    // A copy made before origins were recorded is taken to be from the source it is used with.
    auto origin = CatalogOrigin::read(m_originFile);
    const bool sameSource = !origin || origin->source == m_source.name();
    if (!sameSource) {
        origin.reset();
    }
    auto cached = sameSource ? readCachedStations(m_cacheFile, m_orderFile) : std::nullopt;
    const std::size_t cachedStations = cached ? cached->size() : 0;
    std::uint64_t sourceGeneration = 0;
    {
        const std::lock_guard lock(m_shared->mutex);
        sourceGeneration = m_shared->sourceGeneration;
        if (origin && m_source.isDirectory() && !origin->servers.empty()) {
            m_shared->playServer = origin->servers.front();
        }
    }
    if (cached) {
        completion(std::move(*cached));
    }
    const auto within = [now = m_clock()](const std::optional<std::chrono::system_clock::time_point>& time,
                            std::chrono::hours interval) {
        return time && now - *time >= std::chrono::seconds(0) && now - *time < interval;
    };
    const bool directoryCopy = m_source.isDirectory() && cachedStations > 0 && origin;
    if (directoryCopy && refresh == Refresh::IfDue && within(origin->downloaded, directoryRefreshInterval)) {
        return;
    }
    auto download = std::make_shared<Download>(
        Download::Setup {m_http, m_shared, sourceGeneration, m_source, m_cacheFile, m_originFile, m_clock,
            std::move(completion), std::move(progress), cachedStations, origin, m_orderFile, m_feedLimits});
    if (!m_source.isDirectory()) {
        download->start({m_source.documentUrl});
        return;
    }
    // The download may outlive the store; the resolver outlives both.
    Download::ServerSearch search = [&resolver = m_resolver, pinned = m_source.directoryServers,
                                        remembered = origin ? origin->servers : std::vector<std::string>()](
                                        std::function<void(std::vector<std::string>)> found) {
        if (!pinned.empty()) {
            found(pinned);
        } else {
            findDirectoryServers(resolver, remembered, std::move(found));
        }
    };
    const std::vector<std::string>& feedServers
        = m_source.directoryServers.empty() && origin ? origin->servers : m_source.directoryServers;
    if (directoryCopy && !origin->lastChange.empty() && !feedServers.empty()
        && within(origin->fullDownload, fullDownloadInterval)) {
        download->startWithChanges(feedServers.front(), std::move(search));
    } else {
        search([download](std::vector<std::string> servers) { download->start(std::move(servers)); });
    }
}

void StationStore::countPlay(const Station& station)
{
    const auto uuid = station.stationuuid();
    if (!m_source.isDirectory() || !uuid || uuid->empty()) {
        return;
    }
    std::string server;
    {
        const std::lock_guard lock(m_shared->mutex);
        server = m_shared->playServer;
    }
    if (server.empty()) {
        return;
    }
    HttpRequest request;
    request.url = directoryPlayUrl(server, *uuid);
    request.maxBodyBytes = playAnswerBytes;
    request.deadline = playDeadline;
    request.background = true;
    m_http.get(std::move(request), [](const HttpResult&) {});
}

} // namespace Vello
