#pragma once

#include "base/error.h"
#include "station.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace Vello {

using StationsResult = Result<std::vector<Station>>;

// How much of the catalog's download has arrived: the bytes so far and, when the server
// announced it, the whole length.
struct LoadProgress final {
    std::size_t received = 0;
    std::optional<std::size_t> total;

    friend bool operator==(const LoadProgress&, const LoadProgress&) = default;
};

// Whether a load downloads even when the copy on disk is recent enough to stand alone.
enum class Refresh {
    IfDue, // as at start: the source decides, and may answer from the copy on disk alone
    Now, // "Reload Stations": always downloads
};

// Where the browser gets its catalog from. `load` may answer zero, one or two times: from the
// cache before it returns, and later from the download on a worker thread. It tells `progress`
// (which may be empty) on a worker thread, often, as the download arrives; that must return
// quickly. A load that downloads nothing never calls it.
class StationSource {
public:
    using Completion = std::function<void(StationsResult)>;
    using Progress = std::function<void(LoadProgress)>;

    virtual ~StationSource() = default;

    virtual void load(Completion completion, Progress progress, Refresh refresh) = 0;
    void load(Completion completion) { load(std::move(completion), {}, Refresh::IfDue); }

    // A person started `station` (not a reconnect, a retry or a resume). A source that ranks
    // stations by plays counts it here, in the background; failures go unheard.
    virtual void countPlay(const Station& station) { static_cast<void>(station); }
};

} // namespace Vello
