#include "fakehttpclient.h"

#include <thread>
#include <utility>

namespace Vello {

void FakeHttpClient::get(HttpRequest request, Completion completion)
{
    const std::lock_guard lock(m_mutex);
    m_requests.push_back(request);
    m_pending.push_back({std::move(request), std::move(completion)});
}

bool FakeHttpClient::respond(HttpResult result)
{
    std::unique_lock lock(m_mutex);
    if (m_pending.empty()) {
        return false;
    }
    Request request = std::move(m_pending.front());
    m_pending.pop_front();
    lock.unlock();
    std::thread([&] { request.completion(std::move(result)); }).join();
    return true;
}

bool FakeHttpClient::reportProgress(std::size_t received, std::optional<std::size_t> total)
{
    std::unique_lock lock(m_mutex);
    if (m_pending.empty()) {
        return false;
    }
    const auto onProgress = m_pending.front().request.onProgress;
    lock.unlock();
    if (onProgress) {
        std::thread([&] { onProgress(received, total); }).join();
    }
    return true;
}

std::size_t FakeHttpClient::pendingCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_pending.size();
}

std::vector<std::string> FakeHttpClient::requestedUrls() const
{
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> urls;
    for (const HttpRequest& request : m_requests) {
        urls.push_back(request.url);
    }
    return urls;
}

HttpRequest FakeHttpClient::lastRequest() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests.empty() ? HttpRequest() : m_requests.back();
}

} // namespace Vello
