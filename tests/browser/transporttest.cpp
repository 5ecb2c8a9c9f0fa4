#include "browserharness.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;

const Station& stationAt(const BrowserHarness& h, std::size_t index)
{
    return h.controller->allStations().at(index);
}

TEST(TransportTest, NextAndPreviousWalkTheListOfTheMomentWithWrapAround)
{
    BrowserHarness h;
    h.start(makeStations(30));

    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s0") << "with nothing current Next plays the first";
    h.controller->playPrevious();
    EXPECT_EQ(h.currentId(), "s29") << "Previous from the first wraps to the last";
    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s0") << "Next from the last wraps to the first";
    for (int i = 0; i < 20; ++i) {
        h.controller->playNext();
    }
    EXPECT_EQ(h.currentId(), "s20") << "Next goes past the rows Home shows";

    // The current station is not a favourite, so it is not in the Library's list.
    h.controller->toggleFavorite(stationAt(h, 3));
    h.controller->toggleFavorite(stationAt(h, 7));
    h.controller->switchScreen(Screen::Library);
    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s3");
    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s7");
    h.controller->play(stationAt(h, 12));
    h.controller->playPrevious();
    EXPECT_EQ(h.currentId(), "s7") << "without a match Previous plays the last";

    h.view.typed = "station 3";
    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s3");
    const std::size_t opened = h.media.players.size();
    h.controller->playNext();
    h.controller->playPrevious();
    EXPECT_EQ(h.currentId(), "s3");
    EXPECT_EQ(h.media.players.size(), opened + 2) << "a list of one replays its station";

    h.view.typed = "no such station";
    h.controller->playNext();
    h.controller->playPrevious();
    h.controller->shuffle();
    h.controller->playSelected();
    EXPECT_EQ(h.media.players.size(), opened + 3) << "only Play, which restarts the current station, plays";
    EXPECT_EQ(h.currentId(), "s3");
}

TEST(TransportTest, PlayRecordsTheRecentButPlaySelectedOnlyRestarts)
{
    BrowserHarness h;
    h.start(makeStations(5));
    h.view.typed = "station 4";

    h.controller->playSelected();
    EXPECT_EQ(h.currentId(), "s4") << "with nothing current Play starts the first of the list";
    EXPECT_EQ(h.controller->recentIds(), (Ids {"s4"}));

    h.controller->play(stationAt(h, 1));
    h.controller->play(stationAt(h, 4));
    h.controller->play(stationAt(h, 4));
    EXPECT_EQ(h.controller->recentIds(), (Ids {"s4", "s1"}));
    EXPECT_EQ(h.preferences.values["recent"], (Ids {"s4", "s1"}));
    const int recentWrites = h.preferences.writes["recent"];

    h.controller->pause();
    h.controller->playSelected();
    EXPECT_EQ(h.currentId(), "s4");
    EXPECT_EQ(h.media.players.size(), 5U) << "Play opens the stream afresh";
    EXPECT_EQ(h.media.players.back()->calls.back(), "play");
    EXPECT_EQ(h.preferences.writes["recent"], recentWrites);
    EXPECT_EQ(h.controller->recentIds(), (Ids {"s4", "s1"}));
}

TEST(TransportTest, PauseIsNotAToggleAndLeavesTheLabels)
{
    BrowserHarness h;
    h.start(makeStations(2));
    h.controller->play(stationAt(h, 0));
    h.queue.runPending();
    const auto shown = h.view.nowPlaying.back();
    const auto players = h.media.players.size();

    h.controller->pause();
    h.controller->pause();
    h.queue.runPending();
    EXPECT_EQ(h.view.nowPlaying.back().title, shown.title);
    EXPECT_EQ(h.view.nowPlaying.back().detail, shown.detail);
    EXPECT_EQ(h.view.nowPlaying.back().phase, PlaybackPhase::Paused);
    EXPECT_EQ(h.media.players.size(), players);
    EXPECT_EQ(h.media.players.back()->status, TimeControlStatus::Paused);
    EXPECT_EQ(h.currentId(), "s0");
}

TEST(TransportTest, NowPlayingFollowsTheCurrentStationThroughTheQueue)
{
    BrowserHarness h;
    Station silent = makeStation("silent", "No Stream");
    silent.url_resolved = " ";
    Station longName = makeStation("long", std::string(70, 'x'));
    Station fits = makeStation("fits", std::string(64, 'y'), "Norway", "news");
    h.start({silent, longName, fits});

    h.controller->play(silent);
    EXPECT_EQ(h.controller->recentIds(), (Ids {"silent"})) << "recorded although it cannot play";
    EXPECT_EQ(h.view.nowPlaying.back(), (NowPlaying {"", "", false, 28, {}, {}, {}}));

    h.controller->play(longName);
    EXPECT_EQ(h.view.nowPlaying.back(),
        (NowPlaying {
            std::string(63, 'x') + "…", "Live station", true, 120, {}, "Connecting…", PlaybackPhase::Connecting}));
    const std::size_t shownSoFar = h.view.nowPlaying.size();
    h.queue.runPending();
    EXPECT_EQ(h.view.nowPlaying.size(), shownSoFar + 1) << "the player's callback refreshes again a turn later";

    h.controller->play(fits);
    EXPECT_EQ(h.view.nowPlaying.back(),
        (NowPlaying {std::string(64, 'y'), "Norway | news", true, 120, {}, "Connecting…", PlaybackPhase::Connecting}));
    h.controller->play(silent);
    EXPECT_EQ(h.view.nowPlaying.back().title, std::string(64, 'y')) << "an unplayable station leaves the last one";
    EXPECT_EQ(h.controller->screen(), Screen::Home);
}

TEST(TransportTest, ShufflePicksAnyStationOfTheList)
{
    BrowserHarness h;
    h.start(makeStations(40));
    h.view.typed = "station 1";
    const std::set<std::string> list {"s1", "s10", "s11", "s12", "s13", "s14", "s15", "s16", "s17", "s18", "s19"};

    std::set<std::string> picked;
    for (int i = 0; i < 400; ++i) {
        h.controller->shuffle();
        picked.insert(h.currentId());
    }
    EXPECT_EQ(picked, list);
}

} // namespace
} // namespace Vello
