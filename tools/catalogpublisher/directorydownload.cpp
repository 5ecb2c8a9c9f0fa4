#include "directorydownload.h"

#include "catalog/catalogcache.h"
#include "catalog/catalogparts.h"
#include "catalog/catalogsource.h"
#include "catalog/stationstore.h"

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <string>
#include <system_error>
#include <utility>

namespace Vello {

namespace {

// As the player: a slow line may take minutes for the list; a server that only drips is cut off.
constexpr std::size_t minimumBytesPerSecond = 2 * 1024;
// Unlike the player, nobody waits on the publisher to see a list come in slowly: a server that
// keeps just above the minimum rate is not given the hours that would allow.
constexpr std::chrono::minutes serverDeadline {30};

} // namespace

HttpRequest directoryRequest()
{
    HttpRequest request;
    request.maxBodyBytes = HttpClient::defaultMaxBodyBytes;
    request.minimumBytesPerSecond = minimumBytesPerSecond;
    request.connectDeadline = StationStore::serverConnectDeadline;
    request.deadline = serverDeadline;
    return request;
}

void DirectoryDownload::start(
    HttpClient& http, std::vector<std::string> servers, const std::filesystem::path& folder, Completion completion)
{
    std::make_shared<DirectoryDownload>(http, std::move(servers), folder, std::move(completion))->tryNext();
}

DirectoryDownload::DirectoryDownload(
    HttpClient& http, std::vector<std::string> servers, const std::filesystem::path& folder, Completion completion)
    : m_http(http)
    , m_servers(std::move(servers))
    , m_bodyFile(folder / "directory-answer.json")
    , m_completion(std::move(completion))
{
}

void DirectoryDownload::tryNext()
{
    if (m_next == m_servers.size()) {
        m_completion(Error {Text::verbatim(
                         m_servers.empty() ? "no directory server was found" : "no directory server gave a catalog")},
            {});
        return;
    }
    HttpRequest request = directoryRequest();
    request.url = directoryStationsUrl(m_servers[m_next]);
    m_body = std::make_shared<DownloadedBody>(m_bodyFile);
    request.onBody = [body = m_body](std::string_view piece) { body->add(piece); };
    m_http.get(
        std::move(request), [self = shared_from_this()](HttpResult result) { self->received(std::move(result)); });
}

void DirectoryDownload::received(HttpResult result)
{
    const std::string& server = m_servers[m_next++];
    if (const auto* failure = std::get_if<Error>(&result)) {
        m_body->discard();
        fail(server, failure->description.english());
        return;
    }
    auto& response = std::get<HttpResponse>(result);
    if (response.status < 200 || response.status > 299) {
        m_body->discard();
        fail(server, "the server answered " + std::to_string(response.status));
        return;
    }
    // A client that does not hand the body over as it arrives gives it whole here.
    m_body->add(std::exchange(response.body, {}));
    auto filtered = filteredBody();
    if (const auto* failure = std::get_if<Error>(&filtered)) {
        fail(server, failure->description.english());
        return;
    }
    m_completion(std::move(filtered), server);
}

Result<FilteredCatalog> DirectoryDownload::filteredBody()
{
    const auto body = std::exchange(m_body, nullptr);
    const auto file = body->takeFile();
    if (!file) {
        DocumentStream memory = body->takeMemory();
        std::string document(memory.size, '\0');
        if (memory.read(document.data(), document.size()) != static_cast<std::ptrdiff_t>(document.size())) {
            return Error {Text::verbatim("the catalog could not be kept in memory")};
        }
        return filterCatalog(document);
    }
    const auto document = readCatalogDocument(*file, HttpClient::defaultMaxBodyBytes);
    std::error_code ignored;
    std::filesystem::remove(*file, ignored);
    if (const auto* failure = std::get_if<Error>(&document)) {
        return *failure;
    }
    return filterCatalog(std::get<std::string>(document));
}

void DirectoryDownload::fail(const std::string& server, const std::string& reason)
{
    std::fprintf(stderr, "pemba-vello-catalog: %s: %s\n", server.c_str(), reason.c_str());
    tryNext();
}

} // namespace Vello
