#include "browserharness.h"

#include <gtest/gtest.h>

#include "catalog/stationstore.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Events = std::vector<std::string>;

TEST(BrowserControllerTest, StartUpLoadsPicturesAndPreferencesThenShowsLoadingHome)
{
    BrowserHarness h;
    h.preferences.values["favorites"] = {"s1"};
    h.preferences.values["recent"] = {"s2", "s0"};
    EXPECT_EQ(h.controller->statusMessage(), "Loading stations...");
    EXPECT_EQ(h.controller->screen(), Screen::Home);
    EXPECT_EQ(h.controller->mode(), ListMode::Top);
    EXPECT_EQ(h.controller->browseVisibleLimit(), 40U);

    h.controller->viewDidLoad();
    EXPECT_EQ(h.view.events, (Events {"fallback image", "hero image", "render top"}));
    EXPECT_EQ(h.source.loadCalls, 1);
    EXPECT_EQ(h.controller->favorites(), (FavoriteSet {"s1"}));
    EXPECT_EQ(h.controller->recentIds(), (std::vector<std::string> {"s2", "s0"}));
    EXPECT_TRUE(h.controller->filteredStations().empty());
    EXPECT_EQ(h.controller->statusMessage(), "Loading stations...");
}

TEST(BrowserControllerTest, EveryAnswerSetsItsStatusOnTheMainQueueAndRendersFromTheTop)
{
    BrowserHarness h;
    h.controller->viewDidLoad();
    h.view.events.clear();

    h.source.answer(makeStations(3));
    EXPECT_EQ(h.controller->statusMessage(), "Loading stations...") << "nothing happens before the queue runs";
    EXPECT_TRUE(h.view.events.empty());
    h.queue.runPending();
    EXPECT_EQ(h.controller->statusMessage(), "");
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s0", "s1", "s2"}));

    h.source.answer(Error {"The network connection was lost."});
    h.queue.runPending();
    EXPECT_EQ(h.controller->statusMessage(), "Unable to load stations: The network connection was lost.");
    EXPECT_EQ(h.listed().size(), 3U) << "the earlier list stays under the error";

    h.source.answer(makeStations(2));
    h.queue.runPending();
    EXPECT_EQ(h.controller->statusMessage(), "");
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s0", "s1"})) << "a later list replaces the earlier one";

    h.source.answer(std::vector<Station> {});
    h.queue.runPending();
    EXPECT_EQ(h.controller->statusMessage(), "No stations are available right now.");
    EXPECT_TRUE(h.listed().empty());
    EXPECT_EQ(h.view.events, (Events {"render top", "render top", "render top", "render top"}));
    EXPECT_EQ(h.controller->screen(), Screen::Home);
    EXPECT_EQ(h.controller->mode(), ListMode::Top);
}

TEST(BrowserControllerTest, CacheAnswerInsideLoadAndWorkerAnswerBothWaitForTheQueue)
{
    BrowserHarness h;
    h.source.answerDuringLoad = StationsResult(makeStations(1));
    h.controller->viewDidLoad();
    EXPECT_EQ(h.controller->statusMessage(), "Loading stations...");
    EXPECT_EQ(h.queue.runPending(), 1U);
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s0"}));

    h.source.answerFromWorker(makeStations(4));
    EXPECT_EQ(h.listed().size(), 1U);
    h.queue.runPending();
    EXPECT_EQ(h.listed().size(), 4U);
}

TEST(BrowserControllerTest, AnswersAndTimersArrivingAfterTheControllerIsGoneDoNothing)
{
    BrowserHarness h;
    h.start(makeStations(3));
    h.view.typed = "station";
    h.controller->controlTextDidChange();
    h.controller->switchScreen(Screen::Discover);
    h.controller->play(h.controller->allStations().front());
    h.controller.reset();
    h.view.events.clear();

    h.source.answer(makeStations(5));
    h.source.answerFromWorker(Error {"late"});
    h.queue.advance(1s);
    EXPECT_TRUE(h.view.events.empty());
}

TEST(BrowserControllerTest, EditsWithinTheDebounceMakeOneRenderAfterTheLastEdit)
{
    BrowserHarness h;
    h.start(makeStations(100));
    h.controller->switchScreen(Screen::Discover);
    h.queue.runPending();
    h.controller->loadNextBrowsePage();
    ASSERT_EQ(h.controller->browseVisibleLimit(), 80U);
    h.view.events.clear();

    for (const char* typed : {"s", "st", "sta"}) {
        h.view.typed = typed;
        h.controller->controlTextDidChange();
        EXPECT_EQ(h.controller->mode(), ListMode::Search);
        EXPECT_TRUE(h.view.loading);
        h.queue.advance(50ms);
    }
    EXPECT_EQ(h.view.count("render top"), 0U);
    EXPECT_EQ(h.controller->browseVisibleLimit(), 40U);
    h.queue.advance(109ms);
    EXPECT_EQ(h.view.count("render top"), 0U) << "159 ms after the last edit";
    h.queue.advance(1ms);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner on", "spinner on", "spinner off", "render top"}));
    h.queue.advance(1s);
    EXPECT_EQ(h.view.count("render top"), 1U);

    h.view.typed.clear();
    h.controller->controlTextDidChange();
    h.queue.advance(160ms);
    EXPECT_EQ(h.controller->mode(), ListMode::Search) << "clearing the field still searches";
    EXPECT_EQ(h.listed().size(), 100U);
}

TEST(BrowserControllerTest, ASwitchBeforeTheDebounceEndsCancelsTheSearchRender)
{
    BrowserHarness h;
    h.start(makeStations(5));
    h.view.typed = "station 3";
    h.controller->controlTextDidChange();
    h.queue.advance(100ms);
    h.controller->switchScreen(Screen::Player);
    EXPECT_FALSE(h.view.loading);
    h.queue.advance(1s);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner off", "sidebar", "clear", "render top"}));
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s3"})) << "the typed text still filters the new screen";
}

TEST(BrowserControllerTest, ScreenSwitchesFollowTheTable)
{
    BrowserHarness h;
    h.start(makeStations(100));
    h.view.typed = "station";
    h.controller->controlTextDidChange();
    h.queue.advance(1s);
    h.view.events.clear();

    h.controller->switchScreen(Screen::Home);
    EXPECT_TRUE(h.view.events.empty()) << "a switch to the current screen does nothing";

    h.controller->switchScreen(Screen::Library);
    EXPECT_EQ(h.controller->mode(), ListMode::Favorites);
    EXPECT_EQ(h.view.events, (Events {"spinner off", "sidebar", "clear"})) << "the content comes a turn later";
    h.queue.runPending();
    EXPECT_EQ(h.view.events.back(), "render top");

    h.controller->switchScreen(Screen::Home);
    EXPECT_EQ(h.controller->mode(), ListMode::Favorites) << "Home keeps the mode";
    h.controller->switchScreen(Screen::Discover);
    h.queue.runPending();
    EXPECT_EQ(h.controller->mode(), ListMode::Top);
    h.controller->loadNextBrowsePage();
    EXPECT_EQ(h.controller->browseVisibleLimit(), 80U);

    h.controller->switchScreen(Screen::Library);
    EXPECT_EQ(h.controller->browseVisibleLimit(), 80U) << "Library keeps the limit";
    h.view.typed = "station 9";
    h.controller->controlTextDidChange();
    h.queue.advance(1s);
    EXPECT_EQ(h.controller->mode(), ListMode::Search) << "typing on the Library lists the whole catalog";
    EXPECT_EQ(h.listed().size(), 11U);

    h.view.events.clear();
    h.controller->chooseListMode(ListMode::Recent);
    EXPECT_EQ(h.controller->mode(), ListMode::Recent);
    EXPECT_EQ(h.view.events, (Events {"render top"}));
    EXPECT_EQ(h.view.typed, "station 9");
    EXPECT_EQ(h.controller->browseVisibleLimit(), 40U);

    h.controller->openPlayer();
    EXPECT_EQ(h.controller->screen(), Screen::Player);
    EXPECT_EQ(h.controller->mode(), ListMode::Recent);
    h.queue.runPending();
    h.view.events.clear();
    h.controller->openPlayer();
    h.queue.runPending();
    EXPECT_TRUE(h.view.events.empty());
}

TEST(BrowserControllerTest, DiscoverGrowsByPagesUpToTheListLengthAndOnlyThere)
{
    BrowserHarness h;
    std::vector<Station> stations = makeStations(95);
    stations.push_back(makeStation("other", "Something else", "Chile"));
    h.start(stations);
    h.view.typed = "station";

    for (Screen screen : {Screen::Home, Screen::Library, Screen::Player}) {
        h.controller->switchScreen(screen);
        h.controller->loadNextBrowsePage();
        EXPECT_EQ(h.controller->browseVisibleLimit(), 40U);
    }
    h.controller->switchScreen(Screen::Discover);
    h.queue.runPending();
    h.view.events.clear();

    std::vector<std::size_t> limitDuringRender;
    h.view.onRender = [&](bool) {
        limitDuringRender.push_back(h.controller->browseVisibleLimit());
        EXPECT_TRUE(h.controller->isLoadingNextBrowsePage());
        h.controller->loadNextBrowsePage();
    };
    for (int step = 0; step < 4; ++step) {
        h.controller->loadNextBrowsePage();
        EXPECT_FALSE(h.controller->isLoadingNextBrowsePage());
    }
    EXPECT_EQ(limitDuringRender, (std::vector<std::size_t> {80, 95}));
    EXPECT_EQ(h.view.events, (Events {"render kept", "render kept"}));
    EXPECT_EQ(h.controller->rowsShownNow(h.listed().size()), 95U);
}

TEST(BrowserControllerTest, EachScreenShowsItsShareOfTheList)
{
    EXPECT_EQ(rowsShown(Screen::Home, 40, 100), 18U);
    EXPECT_EQ(rowsShown(Screen::Home, 40, 5), 5U);
    EXPECT_EQ(rowsShown(Screen::Discover, 80, 100), 80U);
    EXPECT_EQ(rowsShown(Screen::Discover, 80, 50), 50U);
    EXPECT_EQ(rowsShown(Screen::Library, 40, 1000), 1000U);
    EXPECT_EQ(rowsShown(Screen::Player, 40, 100), 12U);
    EXPECT_EQ(rowsShown(Screen::Player, 40, 0), 0U);
}

TEST(BrowserControllerTest, TogglingAFavouriteSavesItAndRendersFromTheTop)
{
    BrowserHarness h;
    h.start(makeStations(4));
    h.controller->switchScreen(Screen::Library);
    h.queue.runPending();
    h.view.events.clear();

    h.controller->toggleFavorite(h.controller->allStations()[2]);
    h.controller->toggleFavorite(h.controller->allStations()[0]);
    EXPECT_TRUE(h.controller->isFavorite(h.controller->allStations()[2]));
    EXPECT_FALSE(h.controller->isFavorite(h.controller->allStations()[1]));
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s0", "s2"}));
    EXPECT_EQ(h.preferences.values["favorites"], (std::vector<std::string> {"s0", "s2"}));
    EXPECT_EQ(h.view.events, (Events {"render top", "render top"}));

    h.source.answer(makeStations(1));
    h.queue.runPending();
    EXPECT_EQ(h.listed(), (std::vector<std::string> {"s0"}));
    EXPECT_EQ(h.controller->favorites().size(), 2U) << "a favourite outside the catalog stays stored";
}

// The controller on the real store with the fake network: the first load and every reload go
// through the store's answer table.
struct StoreHarness {
    std::filesystem::path folder = std::filesystem::temp_directory_path()
        / ("vello-reload-" + std::to_string(::getpid()) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    RecordingView view;
    FakeMediaBackend media;
    FakeHttpClient http;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    StationStore store {http, "https://catalog.test/stations_filtered.json", folder};
    BrowserController controller {view, store, media, http, preferences, queue};

    ~StoreHarness() { std::filesystem::remove_all(folder); }
};

std::string catalogOf(int count)
{
    std::string json = "[";
    for (int i = 0; i < count; ++i) {
        json += (i == 0 ? "" : ",") + std::string(R"({"name":"S","url":"http://s/)") + std::to_string(i) + "\"}";
    }
    return json + "]";
}

TEST(BrowserControllerTest, ReloadAndTryAgainRunTheStoresAnswersAgain)
{
    const std::string lost = "Unable to load stations: The network connection was lost.";
    struct Case {
        const char* name;
        bool cached;
        HttpResult download;
        std::string status;
        std::size_t shown;
    };
    const Case cases[] = {
        {"cache, then a catalog", true, HttpResponse {200, catalogOf(3)}, "", 3},
        {"cache, then an error page", true, HttpResponse {500, "<html>"}, "Unable to load stations: ", 2},
        {"cache, then no network", true, Error {"The network connection was lost."}, "", 2},
        {"a catalog", false, HttpResponse {200, catalogOf(3)}, "", 3},
        {"an error page", false, HttpResponse {500, "<html>"}, "Unable to load stations: ", 0},
        {"no network", false, Error {"The network connection was lost."}, lost, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreHarness h;
        if (c.cached) {
            std::ofstream(h.store.cacheURL()) << catalogOf(2);
        }
        h.controller.viewDidLoad();
        for (int load = 0; load < 2; ++load) {
            if (load == 1) {
                // What "Reload Stations" and "Try Again" call.
                h.controller.reloadStations();
                EXPECT_TRUE(h.controller.statusMessage().starts_with(c.shown == 0 ? "Loading stations..." : c.status));
                EXPECT_FALSE(h.controller.offersRetry());
            }
            ASSERT_TRUE(h.http.respond(c.download));
            h.queue.runPending();
            EXPECT_TRUE(h.controller.statusMessage().starts_with(c.status)) << h.controller.statusMessage();
            EXPECT_EQ(h.controller.allStations().size(), c.shown);
            EXPECT_EQ(h.controller.offersRetry(), c.shown == 0 && !c.status.empty());
        }
        EXPECT_EQ(h.http.pendingCount(), 0U);
    }
}

TEST(BrowserControllerTest, DownloadProgressReachesTheViewRisingAndAtMostTenTimesASecond)
{
    using Shown = std::vector<LoadProgress>;
    constexpr std::size_t total = 65'000'000;
    StoreHarness h;
    h.controller.viewDidLoad();
    h.http.reportProgress(1'000'000, total);
    h.http.reportProgress(2'000'000, total);
    h.queue.runPending();
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}})) << "figures that arrive together are shown once";
    h.http.reportProgress(3'000'000, total);
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 1U) << "held back for a tenth of a second";
    h.queue.advance(100ms);
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}, {3'000'000, total}}));
    EXPECT_EQ(h.controller.loadProgress(), (LoadProgress {3'000'000, total}));

    // A reload supersedes the running download: its figures and its answer no longer count.
    h.controller.reloadStations();
    EXPECT_EQ(h.controller.loadProgress(), std::nullopt);
    h.http.reportProgress(50'000'000, total);
    h.queue.advance(200ms);
    ASSERT_TRUE(h.http.respond(HttpResponse {200, catalogOf(1)}));
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 2U);
    EXPECT_EQ(h.controller.statusMessage(), "Loading stations...");

    h.http.reportProgress(4'000, std::nullopt);
    h.queue.advance(100ms);
    EXPECT_EQ(h.view.progress.back(), (LoadProgress {4'000, std::nullopt}));
    ASSERT_TRUE(h.http.respond(HttpResponse {200, catalogOf(2)}));
    h.queue.runPending();
    EXPECT_EQ(h.controller.allStations().size(), 2U);
    EXPECT_EQ(h.controller.loadProgress(), std::nullopt);
}

} // namespace
} // namespace Vello
