#pragma once

#include "base/error.h"
#include "ports/httpclient.h"
#include "station.h"
#include "stationchanges.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Vello {

// A change the directory made, and when: where its change feed is read on from.
struct FeedPosition final {
    std::string change;
    // "YYYY-MM-DD HH:MM:SS", as the directory writes it; may be empty.
    std::string time;

    friend bool operator==(const FeedPosition&, const FeedPosition&) = default;
};

// How much of the feed one refresh reads before a full download is the better deal.
struct ChangeFeedLimits final {
    std::size_t pageSize = 1000;
    std::size_t mostPages = 20;
    // The bytes of all pages together; each page is held to this too.
    std::size_t mostBytes = std::size_t {32} * 1024 * 1024;
};

// The latest change among `stations` (by lastchangetime, then in their order): where a catalog
// downloaded whole stands in the feed. Empty when no station names one.
[[nodiscard]] FeedPosition latestChange(const std::vector<Station>& stations);

// Reads a directory server's change feed (directoryChangesUrl) on from a position, page by page,
// each page a request like `base` (its deadlines and rate) of at most limits.pageSize changes,
// oldest first, until a page comes short. It cannot go on, and fails, when a page is not a 2xx
// catalog of changes that each name their station and change, when the first change is older
// than the position's time (the server does not know the position and starts from the oldest it
// has), or when the limits are reached.
class ChangeFeed final : public std::enable_shared_from_this<ChangeFeed> {
public:
    struct Outcome {
        StationChanges changes;
        // The last change read; the starting position when there was none.
        FeedPosition last;
        std::size_t pages = 0;
        std::size_t bytes = 0;
    };
    using Completion = std::function<void(Result<Outcome>)>;

    // `completion` runs once, on one of the client's worker threads. `http` must outlive it.
    static void read(HttpClient& http, std::string server, FeedPosition from, const ChangeFeedLimits& limits,
        HttpRequest base, Completion completion);

    ChangeFeed(HttpClient& http, std::string server, FeedPosition from, const ChangeFeedLimits& limits,
        HttpRequest base, Completion completion);

private:
    void askNext();
    void received(HttpResult result);
    // Takes a page's changes; false when the feed cannot go on.
    bool take(std::string_view page);
    void fail(std::string reason);

    HttpClient& m_http;
    std::string m_server;
    FeedPosition m_from;
    ChangeFeedLimits m_limits;
    HttpRequest m_base;
    Completion m_completion;
    Outcome m_outcome;
    bool m_pageFull = false;
};

} // namespace Vello
