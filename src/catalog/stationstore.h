#pragma once

#include "catalogsource.h"
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
// From the public directory it downloads at most once a day unless asked to reload, trying its
// servers in turn until one answers a catalog; a document at an address of its own is asked
// for at every start, but only whether it changed since the copy on disk. A directory answer
// with nothing to list, or with under half the stations the copy on disk answered with, is no
// catalog; a document may shrink, but one with nothing to list never replaces the copy.
class StationStore final : public StationSource {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // The directory's list is downloaded again after this long, counted from the last good
    // download, except on "Reload Stations".
    static constexpr std::chrono::hours directoryRefreshInterval {24};
    // How long a directory server may take to accept the connection before the next is tried.
    static constexpr std::chrono::seconds serverConnectDeadline {5};

    // Creates `cacheFolder` when missing (a failure only means there will be no copy on disk)
    // and removes temporary files that a process killed while writing the copy left behind.
    // Both ports must outlive the downloads.
    StationStore(HttpClient& http, HostResolver& resolver, CatalogSource source,
        const std::filesystem::path& cacheFolder, Clock clock = &std::chrono::system_clock::now);

    // Where the next load gets the catalog from.
    void setSource(CatalogSource source);
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

    // The copy of the last good download, and what it records of its origin.
    [[nodiscard]] const std::filesystem::path& cacheFile() const { return m_cacheFile; }
    [[nodiscard]] const std::filesystem::path& originFile() const { return m_originFile; }

    // What downloads share with the store, which they may outlive.
    struct Shared;

private:
    HttpClient& m_http;
    HostResolver& m_resolver;
    CatalogSource m_source;
    std::filesystem::path m_cacheFile;
    std::filesystem::path m_originFile;
    Clock m_clock;
    std::shared_ptr<Shared> m_shared;
};

} // namespace Vello
