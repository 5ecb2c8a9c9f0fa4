#include "fakehttpclient.h"

#include <utility>

namespace Vello {

void FakeHttpClient::get(const std::string& url, std::size_t maxBodyBytes, Completion completion)
{
    const std::lock_guard lock(m_mutex);
    m_pending.push_back({url, std::move(completion)});
    m_requestedUrls.push_back(url);
    m_lastMaxBodyBytes = maxBodyBytes;
}

bool FakeHttpClient::respond(HttpResult result)
{
    Request request;
    {
        const std::lock_guard lock(m_mutex);
        if (m_pending.empty()) {
            return false;
        }
        request = std::move(m_pending.front());
        m_pending.pop_front();
    }
    std::thread worker([&] { request.completion(std::move(result)); });
    worker.join();
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
    return m_requestedUrls;
}

std::size_t FakeHttpClient::lastMaxBodyBytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_lastMaxBodyBytes;
}

} // namespace Vello
