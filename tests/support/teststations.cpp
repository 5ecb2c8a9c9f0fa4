#include "teststations.h"

#include <utility>

namespace Vello {

Station makeStation(
    const std::string& id, const std::string& name, std::optional<std::string> country, std::optional<std::string> tags)
{
    return StationFields {.stationuuid = id,
        .name = name,
        .url_resolved = "http://stream.example/" + id,
        .country = std::move(country),
        .tags = std::move(tags)};
}

std::vector<Station> makeStations(std::size_t count)
{
    std::vector<Station> stations;
    for (std::size_t i = 0; i < count; ++i) {
        stations.push_back(makeStation("s" + std::to_string(i), "Station " + std::to_string(i)));
    }
    return stations;
}

std::vector<std::string> idsOf(const std::vector<const Station*>& stations)
{
    std::vector<std::string> ids;
    ids.reserve(stations.size());
    for (const Station* station : stations) {
        ids.push_back(station->id());
    }
    return ids;
}

} // namespace Vello
