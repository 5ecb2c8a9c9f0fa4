#pragma once

#include "base/error.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vello {

// Header lines as (name, value) pairs.
using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// What a server answered: the status code, the whole body and the header lines.
struct HttpResponse final {
    int status = 0;
    std::string body;
    // Names in lower case.
    HttpHeaders headers {};

    // The value of the header `name` (lower case), if the server sent it.
    [[nodiscard]] std::optional<std::string> header(std::string_view name) const;
};

using HttpResult = Result<HttpResponse>;

// One GET and the limits it runs under.
struct HttpRequest final {
    static constexpr std::size_t defaultMaxBodyBytes = std::size_t {256} * 1024 * 1024;

    std::string url {};
    // Sent with the request, beside the client's own (the User-Agent among them).
    HttpHeaders headers {};
    // Nobody waits for the answer (a play counted): the request goes over connections of its
    // own, so that however many of these a server leaves hanging, they never hold up the others.
    bool background = false;
    // A body longer than this ends the transfer with an error.
    std::size_t maxBodyBytes = defaultMaxBodyBytes;
    // The whole transfer must be over within this time; zero sets no overall limit.
    std::chrono::milliseconds deadline {0};
    // The connection must be made and the request sent within this time; zero leaves it to the
    // client's own time-out.
    std::chrono::milliseconds connectDeadline {0};
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

// Fetches one address with a GET. Implementations follow redirects, verify certificates and
// name the application in a User-Agent header.
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
