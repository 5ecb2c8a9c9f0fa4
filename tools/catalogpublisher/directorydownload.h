#pragma once

#include "base/error.h"
#include "catalog/catalogpublisher.h"
#include "ports/httpclient.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vello {

class DownloadedBody;

// The limits every request of the publisher to the directory runs under.
[[nodiscard]] HttpRequest directoryRequest();

// Gets the directory's station list to publish: asks each server in turn, under the player's
// limits, until one answers 2xx with a catalog that filterCatalog() takes. Each body goes to a
// temporary file in the output folder as it arrives. Every server that fails is reported on
// stderr as it fails.
class DirectoryDownload final : public std::enable_shared_from_this<DirectoryDownload> {
public:
    // The catalog and the server that gave it, or why none did.
    using Completion = std::function<void(Result<FilteredCatalog>, const std::string& server)>;

    // `completion` runs once, on one of the client's worker threads. `http` must outlive it.
    static void start(
        HttpClient& http, std::vector<std::string> servers, const std::filesystem::path& folder, Completion completion);

    DirectoryDownload(
        HttpClient& http, std::vector<std::string> servers, const std::filesystem::path& folder, Completion completion);

private:
    void tryNext();
    void received(HttpResult result);
    // Reads and filters the body that has arrived whole.
    [[nodiscard]] Result<FilteredCatalog> filteredBody();
    void fail(const std::string& server, const std::string& reason);

    HttpClient& m_http;
    std::vector<std::string> m_servers;
    std::filesystem::path m_bodyFile;
    Completion m_completion;
    std::size_t m_next = 0;
    std::shared_ptr<DownloadedBody> m_body;
};

} // namespace Vello
