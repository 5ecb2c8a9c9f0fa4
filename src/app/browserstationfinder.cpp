#include "browserstationfinder.h"

#include "browser/browsercontroller.h"
#include "catalog/textrules.h"

namespace Vello {

namespace {

const Station* findById(const BrowserController& browser, const std::string& id)
{
    for (const auto* list : {&browser.personal().ownStations(), &browser.allStations()}) {
        for (const Station& station : *list) {
            if (station.id() == id) {
                return &station;
            }
        }
    }
    return nullptr;
}

} // namespace

StationFinder browserStationFinder(const BrowserController& browser)
{
    return StationFinder {
        .search =
            [&browser](const QString& text, int limit) {
                const std::string wanted = lowercased(text.toStdString());
                std::vector<StationChoice> found;
                for (const auto* list : {&browser.personal().ownStations(), &browser.allStations()}) {
                    for (const Station& station : *list) {
                        if (static_cast<int>(found.size()) == limit) {
                            return found;
                        }
                        std::string name = station.displayName();
                        if (wanted.empty() || lowercased(name).find(wanted) != std::string::npos) {
                            found.push_back({station.id(), QString::fromStdString(name)});
                        }
                    }
                }
                return found;
            },
        .nameOf =
            [&browser](const std::string& id) {
                const Station* station = findById(browser, id);
                return station == nullptr ? QString() : QString::fromStdString(station->displayName());
            },
        .station =
            [&browser](const std::string& id) {
                const Station* station = findById(browser, id);
                return station == nullptr ? std::nullopt : std::optional<Station>(*station);
            },
    };
}

} // namespace Vello
