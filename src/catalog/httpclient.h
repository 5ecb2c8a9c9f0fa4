#pragma once

#include "error.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// What a server answered: the status code and the whole body.
struct HttpResponse final {
    int status = 0;
    std::string body;
};

using HttpResult = Result<HttpResponse>;

// One GET and the limits it runs under.
struct HttpRequest final {
    static constexpr std::size_t defaultMaxBodyBytes = std::size_t {256} * 1024 * 1024;

    std::string url {};
    // A body longer than this ends the transfer with an error.
    std::size_t maxBodyBytes = defaultMaxBodyBytes;
    // The whole transfer must be over within this time; zero sets no overall limit.
    std::chrono::milliseconds deadline {0};
    // The transfer fails when less than this arrives per second on average over any
    // `rateWindow`; zero sets no minimum.
    std::size_t minimumBytesPerSecond = 0;
    std::chrono::milliseconds rateWindow {std::chrono::seconds(30)};
    // Told on a worker thread as the body arrives: the bytes so far and the length the server
    // announced, if it did. It must return quickly.
    std::function<void(std::size_t received, std::optional<std::size_t> total)> onProgress {};
    // When set, takes the body piece by piece as it arrives, on a worker thread, in place of
    // the response holding it: the response's body is then empty. The body cap still counts.
    std::function<void(std::string_view piece)> onBody {};
};

// Fetches one address with a GET. Implementations follow redirects and verify certificates.
class HttpClient {
public:
    using Completion = std::function<void(HttpResult)>;

    static constexpr std::size_t defaultMaxBodyBytes = HttpRequest::defaultMaxBodyBytes;

    virtual ~HttpClient() = default;

    // Starts the request and returns at once. `completion` runs exactly once, on a worker
    // thread (never the GUI thread), with the response or an error; a transfer that breaks
    // one of the request's limits ends with an error.
    virtual void get(HttpRequest request, Completion completion) = 0;

    // A request with only a body cap.
    void get(const std::string& url, std::size_t maxBodyBytes, Completion completion);
};

} // namespace Vello
