#include "browserharness.h"

namespace Vello {

BrowserHarness::BrowserHarness()
    : controller(std::make_unique<BrowserController>(view, source, media, http, preferences, queue))
{
}

void BrowserHarness::start(std::vector<Station> stations)
{
    controller->start();
    source.answer(std::move(stations));
    queue.runPending();
    view.events.clear();
}

std::vector<std::string> BrowserHarness::listed() const
{
    return idsOf(controller->filteredStations());
}

std::string BrowserHarness::currentId() const
{
    const auto& current = controller->currentStation();
    return current ? current->id() : std::string();
}

} // namespace Vello
