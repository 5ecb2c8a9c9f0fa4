#pragma once

#include "ports/hostresolver.h"
#include "ports/httpclient.h"

#include <cstddef>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace Vello {

// An HTTP client for tests: requests wait until the test answers them, and each answer runs on
// a thread of its own, as the real client's completions do.
class FakeHttpClient final : public HttpClient {
public:
    using HttpClient::get;
    void get(HttpRequest request, Completion completion) override
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        m_pending.push_back({std::move(request), std::move(completion)});
    }

    // Answers the oldest waiting request and returns once its completion has returned.
    // False when no request is waiting.
    bool respond(HttpResult result)
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

    [[nodiscard]] std::size_t pendingCount() const
    {
        const std::lock_guard lock(m_mutex);
        return m_pending.size();
    }

    // Every address asked for, oldest first.
    [[nodiscard]] std::vector<std::string> requestedUrls() const
    {
        const std::lock_guard lock(m_mutex);
        std::vector<std::string> urls;
        for (const HttpRequest& request : m_requests) {
            urls.push_back(request.url);
        }
        return urls;
    }

    // The latest request.
    [[nodiscard]] HttpRequest lastRequest() const
    {
        const std::lock_guard lock(m_mutex);
        return m_requests.empty() ? HttpRequest() : m_requests.back();
    }

private:
    struct Request {
        HttpRequest request;
        Completion completion;
    };

    mutable std::mutex m_mutex;
    std::deque<Request> m_pending;
    std::vector<HttpRequest> m_requests;
};

// A DNS that answers at once: SRV lookups from its table, every other lookup with nothing.
class FakeHostResolver final : public HostResolver {
public:
    std::map<std::string, std::vector<ServiceHost>> services;

    void serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done) override
    {
        const auto found = services.find(service);
        done(found == services.end() ? std::vector<ServiceHost>() : found->second);
    }
    std::map<std::string, Names> addressesOf;
    std::map<std::string, Names> namesOf;

    void addresses(const std::string& host, std::function<void(Names)> done) override
    {
        done(lookUp(addressesOf, host));
    }
    void hostNames(const std::string& address, std::function<void(Names)> done) override
    {
        done(lookUp(namesOf, address));
    }

private:
    static Names lookUp(const std::map<std::string, Names>& records, const std::string& key)
    {
        const auto found = records.find(key);
        return found == records.end() ? Names() : found->second;
    }
};

} // namespace Vello
