#pragma once

#include "error.h"
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

// Where the browser gets its catalog from. `load` may answer zero, one or two times: from the
// cache before it returns, and later from the download on a worker thread.
class StationSource {
public:
    using Completion = std::function<void(StationsResult)>;
    using Progress = std::function<void(LoadProgress)>;

    virtual ~StationSource() = default;

    virtual void load(Completion completion) = 0;
    // As load(), and tells `progress` on a worker thread, often, as the download arrives. It
    // must return quickly. A source that downloads nothing never calls it.
    virtual void loadWithProgress(Completion completion, Progress progress)
    {
        static_cast<void>(progress);
        load(std::move(completion));
    }
};

} // namespace Vello
