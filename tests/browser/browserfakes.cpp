#include "browserfakes.h"

#include <algorithm>
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

void RecordingView::renderSidebar()
{
    events.emplace_back("sidebar");
}

void RecordingView::clearContent()
{
    events.emplace_back("clear");
}

void RecordingView::showNowPlaying(const NowPlaying& shown)
{
    events.emplace_back("now playing");
    nowPlaying.push_back(shown);
}

void RecordingView::loadFallbackImage()
{
    events.emplace_back("fallback image");
}

void RecordingView::loadHeroImage()
{
    events.emplace_back("hero image");
}

std::size_t RecordingView::count(std::string_view event) const
{
    return static_cast<std::size_t>(std::count(events.begin(), events.end(), event));
}

void FakeStationSource::load(Completion completion)
{
    ++loadCalls;
    m_completion = std::move(completion);
    if (answerDuringLoad) {
        m_completion(*answerDuringLoad);
    }
}

void FakeStationSource::answer(StationsResult result)
{
    m_completion(std::move(result));
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
    Station station;
    station.stationuuid = id;
    station.name = name;
    station.url_resolved = "http://stream.example/" + id;
    station.country = std::move(country);
    station.tags = std::move(tags);
    return station;
}

std::vector<Station> makeStations(std::size_t count)
{
    std::vector<Station> stations;
    stations.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        stations.push_back(makeStation("s" + std::to_string(i), "Station " + std::to_string(i)));
    }
    return stations;
}

} // namespace Vello
