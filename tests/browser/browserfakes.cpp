#include "browserfakes.h"

#include <thread>
#include <utility>

namespace Vello {

void RecordingView::setLoading(bool isLoading)
{
    loading = isLoading;
    events.emplace_back(isLoading ? "spinner on" : "spinner off");
}

void RecordingView::render(bool resetScroll)
{
    events.emplace_back(resetScroll ? "render top" : "render kept");
    if (onRender) {
        onRender(resetScroll);
    }
}

void RecordingView::showNowPlaying(const NowPlaying& shown)
{
    events.emplace_back("now playing");
    nowPlaying.push_back(shown);
}

void FakeStationSource::answerFromWorker(StationsResult result)
{
    std::thread worker([this, &result] { m_completion(std::move(result)); });
    worker.join();
}

std::vector<std::string> MemoryPreferences::stringList(const std::string& key) const
{
    const auto found = values.find(key);
    return found == values.end() ? std::vector<std::string>() : found->second;
}

void MemoryPreferences::setStringList(const std::string& key, const std::vector<std::string>& list)
{
    values[key] = list;
    ++writes[key];
}

std::optional<double> MemoryPreferences::number(const std::string& key) const
{
    const auto found = numbers.find(key);
    return found == numbers.end() ? std::nullopt : std::optional<double>(found->second);
}

void MemoryPreferences::setNumber(const std::string& key, double value)
{
    numbers[key] = value;
    ++writes[key];
}

std::optional<bool> MemoryPreferences::flag(const std::string& key) const
{
    const auto found = flags.find(key);
    return found == flags.end() ? std::nullopt : std::optional<bool>(found->second);
}

void MemoryPreferences::setFlag(const std::string& key, bool value)
{
    flags[key] = value;
    ++writes[key];
}

Station makeStation(
    const std::string& id, const std::string& name, std::optional<std::string> country, std::optional<std::string> tags)
{
    return Station {.stationuuid = id,
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

} // namespace Vello
