#pragma once

#include "memoryports.h"
#include "teststations.h"

#include "browser/browserview.h"
#include "catalog/station.h"
#include "catalog/stationsource.h"

#include <functional>
#include <string>
#include <vector>

namespace Vello {

// A view that records what the logic asked of it, in order.
class RecordingView final : public BrowserView {
public:
    std::string typed;
    std::vector<std::string> events;
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

} // namespace Vello
