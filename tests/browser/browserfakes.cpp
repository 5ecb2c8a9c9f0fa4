#include "browserfakes.h"

#include <thread>
#include <utility>

namespace Vello {

void FakeStationSource::answerFromWorker(StationsResult result)
{
    std::thread worker([this, &result] { completions.back()(std::move(result)); });
    worker.join();
}

} // namespace Vello
