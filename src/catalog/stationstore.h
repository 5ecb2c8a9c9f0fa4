#pragma once

#include "httpclient.h"
#include "stationsource.h"

#include <filesystem>
#include <string>

namespace Vello {

// Gets the catalog to the browser: at once from the copy of the last good download kept on
// disk, then from a fresh download, which becomes the new copy when it decodes. Every list it
// answers holds only playable stations, in display order. It keeps no stations itself, and a
// download still answers (and updates the copy) after the store is gone.
class StationStore final : public StationSource {
public:
    // Creates `cacheFolder` when missing (a failure only means there will be no copy on disk)
    // and removes temporary files that a process killed while writing the copy left behind.
    StationStore(HttpClient& http, std::string stationsUrl, std::filesystem::path cacheFolder);

    // Answers from the copy on disk before returning, when it holds a playable station, then
    // starts the download, which answers on the HTTP client's worker thread: the downloaded
    // list, the decoder's error for a body that is not a catalog, or the network error when
    // the copy on disk gave no answer.
    void load(Completion completion) override;
    // The same, telling `progress` how the download goes.
    void loadWithProgress(Completion completion, Progress progress) override;

    // Where the copy of the last good download lives: cacheFolder / "stations.json".
    [[nodiscard]] const std::filesystem::path& cacheURL() const;

private:
    HttpClient& m_http;
    std::string m_stationsUrl;
    std::filesystem::path m_cacheURL;
};

} // namespace Vello
