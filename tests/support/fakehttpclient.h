#pragma once

#include "ports/httpclient.h"

#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace Vello {

// An HTTP client for tests: requests wait until the test answers them, and each answer runs on
// a thread of its own, as the real client's completions do.
class FakeHttpClient final : public HttpClient {
public:
    using HttpClient::get;
    void get(HttpRequest request, Completion completion) override;

    // Answers the oldest waiting request and returns once its completion has returned.
    // False when no request is waiting.
    bool respond(HttpResult result);
    // Tells the oldest waiting request that `received` bytes of `total` have arrived. False
    // when no request is waiting.
    bool reportProgress(std::size_t received, std::optional<std::size_t> total);

    [[nodiscard]] std::size_t pendingCount() const;
    // Every address asked for, oldest first.
    [[nodiscard]] std::vector<std::string> requestedUrls() const;
    // The latest request.
    [[nodiscard]] HttpRequest lastRequest() const;

private:
    struct Request {
        HttpRequest request;
        Completion completion;
    };

    mutable std::mutex m_mutex;
    std::deque<Request> m_pending;
    std::vector<HttpRequest> m_requests;
};

} // namespace Vello
