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
    h.browser.start(h.view);
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
        EXPECT_EQ(h.browser.statusMessage().english(), status);
        EXPECT_EQ(h.listed().size(), listed);
        EXPECT_EQ(h.browser.offersRetry(), retry);
        EXPECT_EQ(h.view.events, (Events {"render top"}));
    }

    // What "Reload Stations" and "Try Again" call.
    h.view.events.clear();
    h.browser.reloadStations();
    EXPECT_EQ(h.browser.statusMessage().english(), "Loading stations...");
    EXPECT_FALSE(h.browser.offersRetry());
    EXPECT_EQ(h.view.events, (Events {"render top"}));
    h.source.answer(makeStations(1));
    h.queue.runPending();
    h.browser.reloadStations();
    EXPECT_EQ(h.browser.statusMessage().english(), "") << "a list on screen stays while it reloads";
    EXPECT_EQ(h.source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now, Refresh::Now}));
}

TEST(BrowserControllerTest, AnswersAndTimersArrivingAfterTheControllerIsGoneDoNothing)
{
    BrowserHarness h;
    h.start(makeStations(3));
    h.view.typed = "station";
    h.browser.onSearchTextChanged();
    h.browser.switchScreen(Screen::Browse);
    h.session.play(h.browser.allStations().front());
    h.core.reset();
    h.view.events.clear();

    h.source.answer(makeStations(5));
    h.queue.advance(1s);
    EXPECT_TRUE(h.view.events.empty());
}

TEST(BrowserControllerTest, EditsWithinTheDebounceMakeOneRenderUnlessASwitchCancelsIt)
{
    BrowserHarness h;
    h.start(makeStations(100));
    h.browser.switchScreen(Screen::Browse);
    h.browser.loadNextBrowsePage();
    h.queue.runPending();
    h.view.events.clear();
    for (const char* typed : {"s", "st", "station 3"}) {
        h.view.typed = typed;
        h.browser.onSearchTextChanged();
        EXPECT_EQ(h.browser.mode(), ListMode::Search);
        h.queue.advance(50ms);
    }
    h.queue.advance(109ms);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner on", "spinner on"})) << "159 ms after the last edit";
    h.queue.advance(1s);
    EXPECT_EQ(h.view.events, (Events {"spinner on", "spinner on", "spinner on", "spinner off", "render top"}));
    EXPECT_EQ(h.listed().size(), 11U);
    EXPECT_EQ(h.browser.browseVisibleLimit(), 40U) << "a new search starts from the first page";

    h.view.events.clear();
    h.browser.onSearchTextChanged();
    h.queue.advance(100ms);
    h.browser.switchScreen(Screen::Player);
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
        h.browser.switchScreen(Screen::Browse);
        h.browser.loadNextBrowsePage();
        h.browser.chooseListMode(ListMode::Recent);
        h.browser.switchScreen(from);
        h.queue.runPending();
        h.view.events.clear();

        h.browser.switchScreen(to);
        h.queue.runPending();
        EXPECT_EQ(h.browser.mode(), mode);
        EXPECT_EQ(h.browser.browseVisibleLimit(), limit);
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
    h.browser.loadNextBrowsePage();
    EXPECT_EQ(h.browser.browseVisibleLimit(), 40U) << "only Browse pages";
    h.browser.switchScreen(Screen::Browse);
    h.queue.runPending();
    h.view.events.clear();

    std::vector<std::size_t> limitDuringRender;
    h.view.onRender = [&](bool) {
        limitDuringRender.push_back(h.browser.browseVisibleLimit());
        EXPECT_TRUE(h.browser.isLoadingNextBrowsePage());
        h.browser.loadNextBrowsePage();
    };
    for (int step = 0; step < 4; ++step) {
        h.browser.loadNextBrowsePage();
        EXPECT_FALSE(h.browser.isLoadingNextBrowsePage());
    }
    EXPECT_EQ(limitDuringRender, (std::vector<std::size_t> {80, 95}));
    EXPECT_EQ(h.view.events, (Events {"render kept", "render kept"}));
    EXPECT_EQ(h.browser.rowsShownNow(h.listed().size()), 95U);
}

// The session walks the list of the moment, the whole of it, past the rows Home shows; each
// listen becomes the most recent and, unless counting is off, a play the source hears of.
TEST(BrowserControllerTest, TheSessionWalksTheListOfTheMomentAndEachListenIsRememberedAndCounted)
{
    using Ids = std::vector<std::string>;
    for (const bool counting : {true, false}) {
        SCOPED_TRACE(counting);
        BrowserHarness h;
        h.preferences.flags[PreferenceKey::countPlays.key] = counting;
        h.start(makeStations(30));
        h.session.play(h.browser.allStations()[17]);
        h.session.playNext();
        EXPECT_EQ(h.currentId(), "s18");
        h.view.typed = "station 2";
        h.session.playNext();
        EXPECT_EQ(h.currentId(), "s2") << "the first of the search's list";
        h.session.playSelected();
        EXPECT_EQ(h.browser.recentIds(), (Ids {"s2", "s18", "s17"}));
        EXPECT_EQ(h.source.countedPlays, counting ? (Ids {"s17", "s18", "s2"}) : Ids {});
    }
}

// At start the last station played is taken up: ready in the mini player, or playing when the
// preference says so. Neither counts as a play; the first Play of a station waiting does.
TEST(BrowserControllerTest, TheLastStationWaitsOrPlaysAtStart)
{
    // The last station played, the preference, what is current, whether a stream opened, and the
    // plays counted after Play twice.
    using Case = std::tuple<const char*, std::string, bool, std::string, bool, std::vector<std::string>>;
    for (const auto& [name, last, continues, current, opened, counted] :
        {Case {"waits", "s2", false, "s2", false, {"s2"}}, Case {"plays", "s2", true, "s2", true, {}},
            Case {"gone from the catalog", "s9", true, "", false, {"s0"}}}) {
        SCOPED_TRACE(name);
        BrowserHarness h;
        h.preferences.values["recent"] = {last, "s1"};
        h.preferences.flags[PreferenceKey::continueLastStation.key] = continues;
        h.start(makeStations(3));
        EXPECT_EQ(h.currentId(), current);
        EXPECT_EQ(h.media.players.size(), opened ? 1U : 0U);
        EXPECT_TRUE(h.source.countedPlays.empty());
        h.session.playSelected();
        h.session.playSelected();
        EXPECT_EQ(h.source.countedPlays, counted);
    }
}

TEST(BrowserControllerTest, TogglingAFavouriteRendersFromTheTop)
{
    BrowserHarness h;
    h.start(makeStations(4));
    h.browser.toggleFavorite(h.browser.allStations()[2]);
    EXPECT_TRUE(h.browser.isFavorite(h.browser.allStations()[2]));
    EXPECT_EQ(h.view.events, (Events {"render top"}));
}

TEST(BrowserControllerTest, DownloadProgressReachesTheViewAtMostTenTimesASecond)
{
    using Shown = std::vector<LoadProgress>;
    constexpr std::size_t total = 65'000'000;
    BrowserHarness h;
    h.browser.start(h.view);
    h.source.progress[0]({1'000'000, total});
    h.source.progress[0]({2'000'000, total});
    h.queue.runPending();
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}})) << "figures that arrive together are shown once";
    h.source.progress[0]({3'000'000, total});
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 1U) << "held back for a tenth of a second";
    h.queue.advance(200ms);
    EXPECT_EQ(h.view.progress, (Shown {{2'000'000, total}, {3'000'000, total}})) << "and not again";
    EXPECT_EQ(h.browser.loadProgress(), (LoadProgress {3'000'000, total}));

    // A reload supersedes the running download: its figures and its answer no longer count.
    h.browser.reloadStations();
    EXPECT_EQ(h.browser.loadProgress(), std::nullopt);
    h.source.progress[0]({50'000'000, total});
    h.queue.advance(200ms);
    h.source.completions[0](makeStations(1));
    h.queue.runPending();
    EXPECT_EQ(h.view.progress.size(), 2U);
    EXPECT_EQ(h.browser.statusMessage().english(), "Loading stations...");

    h.source.progress[1]({4'000, std::nullopt});
    h.queue.advance(100ms);
    EXPECT_EQ(h.view.progress.back(), (LoadProgress {4'000, std::nullopt}));
    h.source.answer(makeStations(2));
    h.queue.runPending();
    EXPECT_EQ(h.browser.loadProgress(), std::nullopt);
}

} // namespace
} // namespace Vello
