#include "changefeed.h"

#include "catalogdecoder.h"
#include "catalogparts.h"
#include "catalogsource.h"

#include <algorithm>
#include <utility>

namespace Vello {

namespace {

// Times the directory writes the same way compare as text.
bool isBefore(std::string_view time, std::string_view other)
{
    return !time.empty() && time.size() == other.size() && time < other;
}

} // namespace

FeedPosition latestChange(const std::vector<Station>& stations)
{
    const Station* latest = nullptr;
    for (const Station& station : stations) {
        const std::string_view time = station.lastchangetime().value_or("");
        if (!station.changeuuid().value_or("").empty()
            && (latest == nullptr || isBefore(latest->lastchangetime().value_or(""), time)
                || (latest->lastchangetime().value_or("").empty() && !time.empty()))) {
            latest = &station;
        }
    }
    if (latest == nullptr) {
        return {};
    }
    return {std::string(*latest->changeuuid()), std::string(latest->lastchangetime().value_or(""))};
}

void ChangeFeed::read(HttpClient& http, std::string server, FeedPosition from, const ChangeFeedLimits& limits,
    HttpRequest base, Completion completion)
{
    std::make_shared<ChangeFeed>(
        http, std::move(server), std::move(from), limits, std::move(base), std::move(completion))
        ->askNext();
}

ChangeFeed::ChangeFeed(HttpClient& http, std::string server, FeedPosition from, const ChangeFeedLimits& limits,
    HttpRequest base, Completion completion)
    : m_http(http)
    , m_server(std::move(server))
    , m_from(std::move(from))
    , m_limits(limits)
    , m_base(std::move(base))
    , m_completion(std::move(completion))
{
    m_outcome.last = m_from;
}

void ChangeFeed::askNext()
{
    HttpRequest request = m_base;
    request.url = directoryChangesUrl(m_server, m_outcome.last.change, m_limits.pageSize);
    request.maxBodyBytes = std::min(request.maxBodyBytes, m_limits.mostBytes - m_outcome.bytes);
    m_http.get(
        std::move(request), [self = shared_from_this()](HttpResult result) { self->received(std::move(result)); });
}

void ChangeFeed::received(HttpResult result)
{
    if (const auto* failure = std::get_if<Error>(&result)) {
        fail(failure->description.english());
        return;
    }
    const auto& response = std::get<HttpResponse>(result);
    if (response.status < 200 || response.status > 299) {
        fail("the server answered " + std::to_string(response.status));
        return;
    }
    ++m_outcome.pages;
    m_outcome.bytes += response.body.size();
    if (!take(response.body)) {
        return;
    }
    if (!m_pageFull) {
        m_completion(std::move(m_outcome));
    } else if (m_outcome.pages == m_limits.mostPages || m_outcome.bytes >= m_limits.mostBytes) {
        fail("more changes than " + std::to_string(m_outcome.pages) + " pages hold");
    } else {
        askNext();
    }
}

bool ChangeFeed::take(std::string_view page)
{
    auto decoded = decodeCatalog(page);
    if (const auto* failure = std::get_if<Error>(&decoded)) {
        fail("a page of changes does not decode: " + failure->description.english());
        return false;
    }
    const auto& versions = std::get<std::vector<Station>>(decoded);
    if (std::ranges::any_of(versions, [](const Station& version) {
            return version.stationuuid().value_or("").empty() || version.changeuuid().value_or("").empty();
        })) {
        fail("a change names no station or no change");
        return false;
    }
    if (m_outcome.pages == 1 && !versions.empty()
        && isBefore(versions.front().lastchangetime().value_or(""), m_from.time)) {
        fail("the server does not know the change " + m_from.change);
        return false;
    }
    // The page decoded, so it is a well-formed array whose elements are the versions in order.
    page = page.substr(page.find('['));
    const char* at = page.data() + 1;
    const char* const end = page.data() + page.size();
    for (const char* elementEnd = arrayElementEnd(at, end); elementEnd != nullptr;
         elementEnd = arrayElementEnd(at, end)) {
        const std::string_view element(at, static_cast<std::size_t>(elementEnd - at));
        if (element.find_first_not_of(jsonBlanks) != std::string_view::npos) {
            m_outcome.changes.add(element);
        }
        if (*elementEnd != ',') {
            break;
        }
        at = elementEnd + 1;
    }
    if (!versions.empty()) {
        m_outcome.last
            = {std::string(*versions.back().changeuuid()), std::string(versions.back().lastchangetime().value_or(""))};
    }
    m_pageFull = versions.size() >= m_limits.pageSize;
    return true;
}

void ChangeFeed::fail(std::string reason)
{
    m_completion(Error {Text::verbatim(m_server + ": " + std::move(reason))});
}

} // namespace Vello
