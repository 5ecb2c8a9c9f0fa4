#include "browserharness.h"

namespace Vello {

BrowserHarness::BrowserHarness(Preferences* stored)
    : controller(std::make_unique<BrowserController>(
        view, source, media, http, stored != nullptr ? *stored : preferences, queue))
{
}

void BrowserHarness::start(std::vector<Station> stations)
{
    controller->viewDidLoad();
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
