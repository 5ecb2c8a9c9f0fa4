#include "browserharness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;
// n: Next, p: Previous, s: Play, r: shuffle, z: Pause; u: volume up, d: volume down, m: mute or
// unmute, h: the slider at 97 %, x: the slider at no number.
const std::map<char, std::function<void(BrowserController&)>> keys {{'n', &BrowserController::playNext},
    {'p', &BrowserController::playPrevious}, {'s', &BrowserController::playSelected},
    {'r', &BrowserController::shuffle}, {'z', &BrowserController::pause},
    {'u', [](BrowserController& b) { b.changeVolume(1); }}, {'d', [](BrowserController& b) { b.changeVolume(-1); }},
    {'m', &BrowserController::toggleMute}, {'h', [](BrowserController& b) { b.setVolume(0.97); }},
    {'x', [](BrowserController& b) { b.setVolume(std::nan("")); }}};

TEST(TransportTest, CommandsWalkTheListOfTheMoment)
{
    // s3 and s7 are the favourites. The last column: the plays told to the catalog source.
    using Case = std::tuple<const char*, int, Screen, const char*, std::string, std::string, std::size_t, Ids>;
    const Case cases[] = {
        {"Next with nothing current plays the first", -1, Screen::Home, "", "n", "s0", 1, {"s0"}},
        {"Previous with nothing current plays the last", -1, Screen::Home, "", "p", "s29", 1, {"s29"}},
        {"Next wraps from the last to the first", 29, Screen::Home, "", "n", "s0", 1, {"s0"}},
        {"Previous wraps from the first to the last", 0, Screen::Home, "", "p", "s29", 1, {"s29"}},
        {"Next goes past the rows Home shows", 19, Screen::Home, "", "n", "s20", 1, {"s20"}},
        {"Next off the Library's list plays its first", 12, Screen::Library, "", "n", "s3", 1, {"s3"}},
        {"a list of one replays its station", 3, Screen::Home, "station 3", "np", "s3", 2, {}},
        {"Play with nothing current starts the list", -1, Screen::Home, "station 4", "s", "s4", 1, {"s4"}},
        {"Play restarts the current station", 12, Screen::Home, "station 4", "s", "s12", 1, {}},
        {"an empty list leaves the station", 3, Screen::Home, "nothing", "npr", "s3", 0, {}},
        {"Play with nothing current and an empty list does nothing", -1, Screen::Home, "nothing", "s", "", 0, {}},
        {"Pause is not a toggle", 3, Screen::Home, "", "zz", "s3", 0, {}},
    };
    for (const auto& [name, current, screen, typed, commands, expected, opened, counted] : cases) {
        SCOPED_TRACE(name);
        BrowserHarness h;
        h.start(makeStations(30));
        h.controller->toggleFavorite(h.controller->allStations()[3]);
        h.controller->toggleFavorite(h.controller->allStations()[7]);
        if (current >= 0) {
            h.controller->play(h.controller->allStations()[static_cast<std::size_t>(current)]);
        }
        h.source.answer(makeStations(30)); // a new catalog: the current station is found by its identifier
        h.controller->switchScreen(screen);
        h.queue.runPending();
        h.view.typed = typed;
        const std::size_t players = h.media.players.size();
        h.source.countedPlays.clear();

        for (const char command : commands) {
            keys.at(command)(*h.controller);
        }
        h.queue.runPending();
        EXPECT_EQ(h.currentId(), expected);
        EXPECT_EQ(h.media.players.size(), players + opened);
        EXPECT_EQ(h.controller->playbackState().phase == PlaybackPhase::Paused, commands == "zz");
        EXPECT_EQ(h.source.countedPlays, counted);
    }
}

TEST(TransportTest, PlaysAreNotCountedWhenCountingIsTurnedOff)
{
    BrowserHarness h;
    h.preferences.flags[BrowserController::countPlaysKey] = false;
    h.start(makeStations(3));
    h.controller->playNext();
    EXPECT_EQ(h.currentId(), "s0");
    EXPECT_TRUE(h.source.countedPlays.empty());
}

// At start the last station played is taken up: ready in the mini player, or playing when the
// preference says so. Neither counts as a play; the first Play of a station waiting does.
TEST(TransportTest, TheLastStationWaitsOrPlaysAtStart)
{
    // The last station played, the preference, what is current, whether a stream opened, and the
    // plays counted after Play twice.
    using Case = std::tuple<const char*, std::string, bool, std::string, bool, Ids>;
    for (const auto& [name, last, continues, current, opened, counted] :
        {Case {"waits", "s2", false, "s2", false, {"s2"}}, Case {"plays", "s2", true, "s2", true, {}},
            Case {"gone from the catalog", "s9", true, "", false, {"s0"}}}) {
        SCOPED_TRACE(name);
        BrowserHarness h;
        h.preferences.values["recent"] = {last, "s1"};
        h.preferences.flags[BrowserController::continueLastStationKey] = continues;
        h.start(makeStations(3));
        EXPECT_EQ(h.currentId(), current);
        EXPECT_EQ(h.media.players.size(), opened ? 1U : 0U);
        EXPECT_EQ(!h.view.nowPlaying.empty() && h.view.nowPlaying.back().miniPlayerVisible, !current.empty());
        EXPECT_TRUE(h.source.countedPlays.empty());
        h.controller->playSelected();
        h.controller->playSelected();
        EXPECT_EQ(h.source.countedPlays, counted);
    }
}

// The player's own reports are its tests' business: here only that each part reaches the view.
TEST(TransportTest, NowPlayingRelaysTheStationAndWhatThePlayerReports)
{
    BrowserHarness h;
    StationFields silentFields = makeStation("silent", "No Stream").fields();
    silentFields.url_resolved = " ";
    const Station silent = silentFields;
    const Station longName = makeStation("long", std::string(65, 'x'), "Norway", "news");
    h.start({silent, longName});
    h.controller->play(silent);
    EXPECT_FALSE(h.view.nowPlaying.back().miniPlayerVisible) << "a station that cannot play leaves nothing on";
    EXPECT_EQ(h.view.nowPlaying.back().contentBottomInset, 28);

    h.controller->play(longName);
    EXPECT_EQ(h.view.nowPlaying.back().status.english(), "Connecting…");
    h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
    h.media.players.back()->emit(MediaTags {"Ceremony", "New Order"});
    h.queue.runPending();
    const NowPlaying& now = h.view.nowPlaying.back();
    EXPECT_TRUE(now.miniPlayerVisible);
    EXPECT_EQ(std::tuple(now.contentBottomInset, now.title.english(), now.detail.english(), now.songTitle, now.phase),
        std::tuple(120, std::string(63, 'x') + "…", "Norway | news", "New Order - Ceremony", PlaybackPhase::Playing));
    EXPECT_EQ(h.controller->recentIds(), (Ids {"long", "silent"})) << "recorded although it cannot play";
}

TEST(TransportTest, VolumeKeysMuteAndRestoreAreRemembered)
{
    BrowserHarness loud;
    loud.preferences.numbers["volume"] = 7.0;
    loud.start({});
    EXPECT_EQ(std::pair(loud.controller->volume(), loud.controller->isMuted()), std::pair(1.0, false));
    const std::tuple<const char*, std::string, std::pair<double, bool>> steps[] = {
        {"a stored volume and mute come back", "", {0.1, true}},
        {"a volume step lifts the mute", "d", {0.05, false}},
        {"down stops at silence", "dd", {0.0, false}},
        {"up in steps of 5 %", "uuu", {0.15, false}},
        {"mute", "m", {0.15, true}},
        {"the slider sets the volume and lifts the mute", "mh", {0.97, false}},
        {"up stops at full volume", "uu", {1.0, false}},
        {"a volume that is not a number is ignored", "x", {1.0, false}},
    };
    BrowserHarness h;
    h.preferences.numbers["volume"] = 0.1;
    h.preferences.flags["muted"] = true;
    h.start(makeStations(3));
    for (const auto& [name, pressed, expected] : steps) {
        SCOPED_TRACE(name);
        for (const char key : pressed) {
            keys.at(key)(*h.controller);
        }
        EXPECT_EQ(std::pair(h.controller->volume(), h.controller->isMuted()), expected);
        EXPECT_EQ(std::pair(h.preferences.numbers["volume"], h.preferences.flags["muted"]), expected);
        if (!pressed.empty()) {
            EXPECT_EQ(std::pair(h.view.nowPlaying.back().volume, h.view.nowPlaying.back().muted), expected)
                << "the view is told";
        }
    }
}

TEST(TransportTest, ShufflePicksAnyStationOfTheListTheCurrentOneIncluded)
{
    BrowserHarness h;
    h.start(makeStations(40));
    h.view.typed = "station 1";
    std::set<std::string> picked;
    int repeats = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string before = h.currentId();
        h.controller->shuffle();
        picked.insert(h.currentId());
        repeats += h.currentId() == before ? 1 : 0;
    }
    EXPECT_EQ(
        picked, (std::set<std::string> {"s1", "s10", "s11", "s12", "s13", "s14", "s15", "s16", "s17", "s18", "s19"}));
    EXPECT_GT(repeats, 0);
}

} // namespace
} // namespace Vello
