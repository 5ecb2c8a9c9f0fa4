#pragma once

#include "browser/browserview.h"
#include "ports/documentstore.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include "catalog/station.h"
#include "catalog/stationsource.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// A view that records what the logic asked of it, in order.
class RecordingView final : public BrowserView {
public:
    std::string typed;
    std::vector<std::string> events;
    std::vector<NowPlaying> nowPlaying;
    std::vector<LoadProgress> progress;
    // What showNotice() was given, in English.
    std::vector<std::string> notices;
    // Runs inside every render, as the window's render would read the state.
    std::function<void(bool resetScroll)> onRender;

    std::string searchText() const override { return typed; }
    void setLoading(bool isLoading) override { events.emplace_back(isLoading ? "spinner on" : "spinner off"); }
    void render(bool resetScroll) override
    {
        events.emplace_back(resetScroll ? "render top" : "render kept");
        if (onRender) {
            onRender(resetScroll);
        }
    }
    void renderSidebar() override { events.emplace_back("sidebar"); }
    void clearContent() override { events.emplace_back("clear"); }
    void showNowPlaying(const NowPlaying& shown) override { nowPlaying.push_back(shown); }
    void loadFallbackImage() override { events.emplace_back("fallback image"); }
    void loadHeroImage() override { events.emplace_back("hero image"); }
    void showLoadProgress(const LoadProgress& shown) override { progress.push_back(shown); }
    void showNotice(const Text& notice) override { notices.push_back(notice.english()); }
};

// A catalog source that answers only when the test says so, from the test's thread or from a
// worker thread.
class FakeStationSource final : public StationSource {
public:
    using StationSource::load;
    void load(Completion completion, Progress onProgress, Refresh refresh) override
    {
        refreshes.push_back(refresh);
        completions.push_back(std::move(completion));
        progress.push_back(std::move(onProgress));
    }
    void countPlay(const Station& station) override { countedPlays.push_back(station.id()); }
    // Answers the latest load.
    void answer(StationsResult result) { completions.back()(std::move(result)); }
    void answerFromWorker(StationsResult result);

    // What each load asked for and where it answers, in order.
    std::vector<Refresh> refreshes;
    std::vector<Completion> completions;
    std::vector<Progress> progress;
    std::vector<std::string> countedPlays;
};

// Preferences held in memory, with the number of writes per key.
class MemoryPreferences final : public Preferences {
public:
    std::map<std::string, std::vector<std::string>> values;
    std::map<std::string, double> numbers;
    std::map<std::string, bool> flags;
    std::map<std::string, std::string> texts;
    std::map<std::string, int> writes;

    std::vector<std::string> stringList(const std::string& key) const override
    {
        return get(values, key).value_or(std::vector<std::string>());
    }
    void setStringList(const std::string& key, const std::vector<std::string>& list) override
    {
        put(values, key, list);
    }
    std::optional<double> number(const std::string& key) const override { return get(numbers, key); }
    void setNumber(const std::string& key, double value) override { put(numbers, key, value); }
    std::optional<bool> flag(const std::string& key) const override { return get(flags, key); }
    void setFlag(const std::string& key, bool value) override { put(flags, key, value); }
    std::optional<std::string> text(const std::string& key) const override { return get(texts, key); }
    void setText(const std::string& key, const std::string& value) override { put(texts, key, value); }

private:
    template <typename T> static std::optional<T> get(const std::map<std::string, T>& map, const std::string& key)
    {
        const auto found = map.find(key);
        return found == map.end() ? std::nullopt : std::optional(found->second);
    }
    template <typename T> void put(std::map<std::string, T>& map, const std::string& key, const T& value)
    {
        map[key] = value;
        ++writes[key];
    }
};

// A playable station; `id` is its uuid, its stream address derives from it.
[[nodiscard]] Station makeStation(const std::string& id, const std::string& name,
    std::optional<std::string> country = std::nullopt, std::optional<std::string> tags = std::nullopt);
// `count` playable stations "s0", "s1", ... named "Station 0", "Station 1", ...
[[nodiscard]] std::vector<Station> makeStations(std::size_t count);
// The identifiers of `stations`, in order.
[[nodiscard]] std::vector<std::string> idsOf(const std::vector<const Station*>& stations);

// Documents held in memory, with the number of writes per document. One over the size a reader
// asks for reads as too large; one set aside moves to its name with " set aside" added.
class MemoryDocumentStore final : public DocumentStore {
public:
    std::map<std::string, std::string, std::less<>> documents;
    std::map<std::string, int, std::less<>> writes;

    Result<std::optional<std::string>> read(std::string_view name, std::size_t maxBytes) const override
    {
        const auto found = documents.find(name);
        if (found == documents.end()) {
            return std::nullopt;
        }
        if (found->second.size() > maxBytes) {
            return Error {Text::verbatim("too large")};
        }
        return found->second;
    }
    bool write(std::string_view name, std::string_view bytes) override
    {
        documents.insert_or_assign(std::string(name), std::string(bytes));
        ++writes[std::string(name)];
        return true;
    }
    Result<std::string> setAside(std::string_view name) override
    {
        auto node = documents.extract(std::string(name));
        node.key() += " set aside";
        return documents.insert(std::move(node)).position->first;
    }
};

} // namespace Vello
