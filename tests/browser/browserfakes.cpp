#include "browserfakes.h"

#include <thread>
#include <utility>

namespace Vello {

void RecordingView::render(bool resetScroll)
{
    events.emplace_back(resetScroll ? "render top" : "render kept");
    if (onRender) {
        onRender(resetScroll);
    }
}

void FakeStationSource::answerFromWorker(StationsResult result)
{
    std::thread worker([this, &result] { m_completion(std::move(result)); });
    worker.join();
}

namespace {

template <typename Map> std::optional<typename Map::mapped_type> lookup(const Map& map, const std::string& key)
{
    const auto found = map.find(key);
    return found == map.end() ? std::nullopt : std::optional(found->second);
}

} // namespace

std::vector<std::string> MemoryPreferences::stringList(const std::string& key) const
{
    return lookup(values, key).value_or(std::vector<std::string>());
}

void MemoryPreferences::setStringList(const std::string& key, const std::vector<std::string>& list)
{
    values[key] = list;
    ++writes[key];
}

std::optional<double> MemoryPreferences::number(const std::string& key) const
{
    return lookup(numbers, key);
}

void MemoryPreferences::setNumber(const std::string& key, double value)
{
    numbers[key] = value;
    ++writes[key];
}

std::optional<bool> MemoryPreferences::flag(const std::string& key) const
{
    return lookup(flags, key);
}

void MemoryPreferences::setFlag(const std::string& key, bool value)
{
    flags[key] = value;
    ++writes[key];
}

std::optional<std::string> MemoryPreferences::text(const std::string& key) const
{
    return lookup(texts, key);
}

void MemoryPreferences::setText(const std::string& key, const std::string& value)
{
    texts[key] = value;
    ++writes[key];
}

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
    for (const Station* station : stations) {
        ids.push_back(station->id());
    }
    return ids;
}

} // namespace Vello
