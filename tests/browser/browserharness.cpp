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
    std::vector<std::string> ids;
    for (const Station* station : controller->filteredStations()) {
        ids.push_back(station->id());
    }
    return ids;
}

std::string BrowserHarness::currentId() const
{
    const auto& current = controller->currentStation();
    return current ? current->id() : std::string();
}

} // namespace Vello
