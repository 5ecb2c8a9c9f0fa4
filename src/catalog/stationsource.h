#pragma once

#include "error.h"
#include "station.h"

#include <functional>
#include <vector>

namespace Vello {

using StationsResult = Result<std::vector<Station>>;

// Where the browser gets its catalog from. `load` may answer zero, one or two times: from the
// cache before it returns, and later from the download on a worker thread.
class StationSource {
public:
    using Completion = std::function<void(StationsResult)>;

    virtual ~StationSource() = default;

    virtual void load(Completion completion) = 0;
};

} // namespace Vello
