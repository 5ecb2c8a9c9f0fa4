#pragma once

#include "catalogsource.h"
#include "changefeed.h"
#include "stationsource.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace Vello {

class HostResolver;
class HttpClient;

// Gets the catalog to the browser: at once from the copy of the last good download kept on
// disk, then from a fresh download, which becomes the new copy when it decodes. Every list it
// answers holds only playable stations, in display order. It keeps no stations itself, and a
// download still answers (and updates the copy) after the store is gone.
//
// From the public directory it refreshes at most once a day unless asked to reload. It
// downloads the whole list, trying the servers in turn until one answers a catalog, at least
// once every fullDownloadInterval; in between it asks the server that answered last only for
// the changes since (ChangeFeed) and writes them into the copy, falling back to the whole list
// when the feed cannot go on. A document at an address of its own is asked for at every start,
// but only whether it changed since the copy on disk. A directory answer with nothing to list,
// or with under half the stations the copy on disk answered with, is no catalog, and neither
// is a copy with changes that leave it so; a document may shrink, but one with nothing to list
// never replaces the copy. The copy's display order is kept beside it for the next start.
class StationStore final : public StationSource {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // The directory's list is downloaded again after this long, counted from the last good
    // download, except on "Reload Stations".
    static constexpr std::chrono::hours directoryRefreshInterval {24};
    // The feed holds changes, not removals: the whole list is downloaded again after this long.
    static constexpr std::chrono::hours fullDownloadInterval {24 * 7};
    // How long a directory server may take to accept the connection before the next is tried.
    static constexpr std::chrono::seconds serverConnectDeadline {5};

    // Creates `cacheFolder` when missing (a failure only means there will be no copy on disk)
    // and removes temporary files that a process killed while writing the copy left behind.
    // Both ports must outlive the downloads.
    StationStore(HttpClient& http, HostResolver& resolver, CatalogSource source,
        const std::filesystem::path& cacheFolder, Clock clock = &std::chrono::system_clock::now);

    // Where the next load gets the catalog from.
    void setSource(CatalogSource source);
    // How much of the change feed a refresh reads before it downloads the whole list instead.
    void setChangeFeedLimits(const ChangeFeedLimits& limits) { m_feedLimits = limits; }
    [[nodiscard]] const CatalogSource& source() const { return m_source; }

    // Answers from the copy on disk before returning, when it came from this source and holds a
    // playable station; then downloads unless the copy is a directory list younger than
    // directoryRefreshInterval and `refresh` allows that. The download answers on the HTTP
    // client's worker thread: the downloaded list; or, when no server gave a catalog, the first
    // answer that was not one (an error status, a body that does not decode); or, when none
    // answered at all and the copy on disk gave no answer, the network error. A document
    // unchanged since the copy was made gives no second answer.
    using StationSource::load;
    void load(Completion completion, Progress progress, Refresh refresh) override;

    // Tells the directory server the list came from that a person started `station`, when the
    // list came from the directory.
    void countPlay(const Station& station) override;

    // The copy of the last good download, what it records of its origin, and its display order.
    [[nodiscard]] const std::filesystem::path& cacheFile() const { return m_cacheFile; }
    [[nodiscard]] const std::filesystem::path& originFile() const { return m_originFile; }
    [[nodiscard]] const std::filesystem::path& orderFile() const { return m_orderFile; }

    // What downloads share with the store, which they may outlive.
    struct Shared;

private:
    HttpClient& m_http;
    HostResolver& m_resolver;
    CatalogSource m_source;
    std::filesystem::path m_cacheFile;
    std::filesystem::path m_originFile;
    std::filesystem::path m_orderFile;
    Clock m_clock;
    ChangeFeedLimits m_feedLimits;
    std::shared_ptr<Shared> m_shared;
};

} // namespace Vello
