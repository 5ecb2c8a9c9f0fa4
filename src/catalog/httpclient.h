#pragma once

#include "error.h"

#include <cstddef>
#include <functional>
#include <string>

namespace Vello {

// What a server answered: the status code and the whole body.
struct HttpResponse final {
    int status = 0;
    std::string body;
};

using HttpResult = Result<HttpResponse>;

// Fetches one address with a GET. Implementations follow redirects and verify certificates.
class HttpClient {
public:
    using Completion = std::function<void(HttpResult)>;

    static constexpr std::size_t defaultMaxBodyBytes = std::size_t {256} * 1024 * 1024;

    virtual ~HttpClient() = default;

    // Starts the request and returns at once. `completion` runs exactly once, on a worker
    // thread (never the GUI thread), with the response or an error; a body longer than
    // `maxBodyBytes` ends the transfer with an error.
    virtual void get(const std::string& url, std::size_t maxBodyBytes, Completion completion) = 0;
};

} // namespace Vello
