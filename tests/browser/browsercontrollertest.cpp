#include "browserharness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Events = std::vector<std::string>;

TEST(BrowserControllerTest, EveryCatalogAnswerWaitsForTheMainQueueAndSetsTheStatus)
{
    BrowserHarness h;
    h.controller->start();
    EXPECT_EQ(h.view.events, (Events {"fallback image", "hero image", "render top"}));

    const std::string lost = "Unable to load stations: lost";
    // The answer, then the status, rows and the offer to try again it leaves.
    const std::vector<std::tuple<const char*, StationsResult, std::string, std::size_t, bool>> cases {
        {"a list from a worker thread", makeStations(3), "", 3, false},
        {"an error keeps the list", Error {Text::verbatim("lost")}, lost, 3, false},
        {"an empty list", std::vector<Station> {}, "No stations are available right now.", 0, false},
        {"an error with nothing to show", Error {Text::verbatim("lost")}, lost, 0, true},
    };
    for (const auto& [name, answer, status, listed, retry] : cases) {
        SCOPED_TRACE(name);
        h.view.events.clear();
        h.source.answerFromWorker(answer);
        EXPECT_TRUE(h.view.events.empty());
        h.queue.runPending();
        EXPECT_EQ(h.controller->statusMessage().english(), status);
        EXPECT_EQ(h.listed().size(), listed);
        EXPECT_EQ(h.controller->offersRetry(), retry);
        EXPECT_EQ(h.view.events, (Events {"render top"}));
    }

    // What "Reload Stations" and "Try Again" call.
    h.view.events.clear();
    h.controller->reloadStations();
    EXPECT_EQ(h.controller->statusMessage().english(), "Loading stations...");
    EXPECT_FALSE(h.controller->offersRetry());
    EXPECT_EQ(h.view.events, (Events {"render top"}));
    h.source.answer(makeStations(1));
    h.queue.runPending();
    h.controller->reloadStations();
    EXPECT_EQ(h.controller->statusMessage().english(), "") << "a list on screen stays while it reloads";
    EXPECT_EQ(h.source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now, Refresh::Now}));
}

TEST(BrowserControllerTest, AnswersAndTimersArrivingAfterTheControllerIsGoneDoNothing)
{
    BrowserHarness h;
    h.start(makeStations(3));
    h.view.typed = "station";
    h.controller->onSearchTextChanged();
    h.controller->switchScreen(Screen::Browse);
    h.controller->play(h.controller->allStations().front());
    h.controller.reset();
    h.view.events.clear();

    h.source.answer(makeStations(5));
    h.queue.advance(1s);
    EXPECT_TRUE(h.view.events.empty());
}

TEST(BrowserControllerTest, EditsWithinTheDebounceMakeOneRenderUnlessASwitchCancelsIt)
{
    BrowserHarness h;
    h.start(makeStations(100));
    h.controller->switchScreen(Screen::Browse);
    h.controller->loadNextBrowsePage();
    h.queue.runPending();
    h.view.events.clear();
    for (const char* typed : {"s", "st", "station 3"}) {
        h.view.typed = typed;
        h.controller->onSearchTextChanged();
        EXPECT_EQ(h.controller->mode(), ListMode::Search);
        h.queue.advance(50ms);
    }
    h.queue.advance(109ms);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner on", "spinner on"})) << "159 ms after the last edit";
    h.queue.advance(1s);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner on", "spinner on", "spinner off", "render top"}));
    EXPECT_EQ(h.listed().size(), 11U);
    EXPECT_EQ(h.controller->browseVisibleLimit(), 40U) << "a new search starts from the first page";

    h.view.events.clear();
    h.controller->onSearchTextChanged();
    h.queue.advance(100ms);
    h.controller->switchScreen(Screen::Player);
    h.queue.advance(1s);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner off", "sidebar", "clear", "render top"}));
}

TEST(BrowserControllerTest, ASwitchSetsTheModeAndLimitOfTheNewScreen)
{
    const std::vector<std::tuple<const char*, Screen, Screen, ListMode, std::size_t>> cases {
        {"Home lists the top and keeps the page", Screen::Browse, Screen::Home, ListMode::Top, 80},
        {"Home lists the top after the Library", Screen::Library, Screen::Home, ListMode::Top, 80},
        {"the Player keeps the list it came from", Screen::Browse, Screen::Player, ListMode::Recent, 80},
        {"Library lists the favourites", Screen::Browse, Screen::Library, ListMode::Favorites, 80},
        {"Browse lists the top from its first page", Screen::Home, Screen::Browse, ListMode::Top, 40},
        {"the same screen does nothing", Screen::Browse, Screen::Browse, ListMode::Recent, 80},
    };
    for (const auto& [name, from, to, mode, limit] : cases) {
        SCOPED_TRACE(name);
        BrowserHarness h;
        h.start(makeStations(100));
        h.controller->switchScreen(Screen::Browse);
        h.controller->loadNextBrowsePage();
        h.controller->chooseListMode(ListMode::Recent);
        h.controller->switchScreen(from);
        h.queue.runPending();
        h.view.events.clear();

        h.controller->switchScreen(to);
        h.queue.runPending();
        EXPECT_EQ(h.controller->mode(), mode);
        EXPECT_EQ(h.controller->browseVisibleLimit(), limit);
        EXPECT_EQ(h.view.events.empty(), from == to);
    }
}

TEST(BrowserControllerTest, BrowseGrowsByPagesUpToTheListLengthAndOnlyThere)
{
    BrowserHarness h;
    std::vector<Station> stations = makeStations(95);
    stations.push_back(makeStation("other", "Something else", "Chile"));
    h.start(stations);
    h.view.typed = "station";
    h.controller->loadNextBrowsePage();
    EXPECT_EQ(h.controller->browseVisibleLimit(), 40U) << "only Browse pages";
    h.controller->switchScreen(Screen::Browse);
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

TEST(BrowserControllerTest, TogglingAFavouriteRendersFromTheTop)
{
    BrowserHarness h;
    h.start(makeStations(4));
    h.controller->toggleFavorite(h.controller->allStations()[2]);
    EXPECT_TRUE(h.controller->isFavorite(h.controller->allStations()[2]));
    EXPECT_EQ(h.view.events, (Events {"render top"}));
}

TEST(BrowserControllerTest, DownloadProgressReachesTheViewAtMostTenTimesASecond)
{
    using Shown = std::vector<LoadProgress>;
    constexpr std::size_t total = 65'000'000;
    BrowserHarness h;
    h.controller->start();
    h.source.progress[0]({1'000'000, total});
    h.source.progress[0]({2'000'000, total});
    h.queue.runPending();
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}})) << "figures that arrive together are shown once";
    h.source.progress[0]({3'000'000, total});
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 1U) << "held back for a tenth of a second";
    h.queue.advance(200ms);
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}, {3'000'000, total}})) << "and not again";
    EXPECT_EQ(h.controller->loadProgress(), (LoadProgress {3'000'000, total}));

    // A reload supersedes the running download: its figures and its answer no longer count.
    h.controller->reloadStations();
    EXPECT_EQ(h.controller->loadProgress(), std::nullopt);
    h.source.progress[0]({50'000'000, total});
    h.queue.advance(200ms);
    h.source.completions[0](makeStations(1));
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 2U);
    EXPECT_EQ(h.controller->statusMessage().english(), "Loading stations...");

    h.source.progress[1]({4'000, std::nullopt});
    h.queue.advance(100ms);
    EXPECT_EQ(h.view.progress.back(), (LoadProgress {4'000, std::nullopt}));
    h.source.answer(makeStations(2));
    h.queue.runPending();
    EXPECT_EQ(h.controller->loadProgress(), std::nullopt);
}

} // namespace
} // namespace Vello
