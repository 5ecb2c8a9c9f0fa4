#include "browserharness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;
using Command = void (BrowserController::*)();

NowPlaying labels(std::string title, std::string detail, bool miniPlayerVisible, int contentBottomInset)
{
    NowPlaying shown;
    shown.title = std::move(title);
    shown.detail = std::move(detail);
    shown.miniPlayerVisible = miniPlayerVisible;
    shown.contentBottomInset = contentBottomInset;
    return shown;
}

const Station& stationAt(const BrowserHarness& h, std::size_t index)
{
    return h.controller->allStations().at(index);
}

TEST(TransportTest, CommandsWalkTheListOfTheMoment)
{
    struct Case {
        const char* name;
        std::optional<std::size_t> current;
        Screen screen;
        std::string typed;
        Command command;
        std::string expected;
        std::size_t opened;
    };
    const Case cases[] = {
        {"Next with nothing current plays the first", {}, Screen::Home, "", &BrowserController::playNext, "s0", 1},
        {"Previous with nothing current plays the last", {}, Screen::Home, "", &BrowserController::playPrevious, "s29",
            1},
        {"Next wraps from the last to the first", 29, Screen::Home, "", &BrowserController::playNext, "s0", 1},
        {"Previous wraps from the first to the last", 0, Screen::Home, "", &BrowserController::playPrevious, "s29", 1},
        {"Next goes past the rows Home shows", 19, Screen::Home, "", &BrowserController::playNext, "s20", 1},
        // s3 and s7 are the favourites: s12 is not in the Library's list.
        {"Next off the list plays its first", 12, Screen::Library, "", &BrowserController::playNext, "s3", 1},
        {"Previous off the list plays its last", 12, Screen::Library, "", &BrowserController::playPrevious, "s7", 1},
        {"a list of one replays its station", 3, Screen::Home, "station 3", &BrowserController::playNext, "s3", 1},
        {"Play with nothing current starts the list", {}, Screen::Home, "station 4", &BrowserController::playSelected,
            "s4", 1},
        {"Play restarts the current station", 12, Screen::Home, "station 4", &BrowserController::playSelected, "s12",
            1},
        {"Next on an empty list does nothing", 3, Screen::Home, "nothing", &BrowserController::playNext, "s3", 0},
        {"Previous on an empty list does nothing", 3, Screen::Home, "nothing", &BrowserController::playPrevious, "s3",
            0},
        {"Shuffle on an empty list does nothing", 3, Screen::Home, "nothing", &BrowserController::shuffle, "s3", 0},
        {"Play on an empty list with nothing current does nothing", {}, Screen::Home, "nothing",
            &BrowserController::playSelected, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowserHarness h;
        h.start(makeStations(30));
        h.controller->toggleFavorite(stationAt(h, 3));
        h.controller->toggleFavorite(stationAt(h, 7));
        if (c.current) {
            h.controller->play(stationAt(h, *c.current));
        }
        h.controller->switchScreen(c.screen);
        h.queue.runPending();
        h.view.typed = c.typed;
        const Ids recents = h.controller->recentIds();
        const std::size_t players = h.media.players.size();

        (h.controller.get()->*c.command)();
        EXPECT_EQ(h.currentId(), c.expected);
        EXPECT_EQ(h.media.players.size(), players + c.opened);
        // Only a new station is recorded: a restart and a command that did nothing leave the recents.
        const bool newStation = c.opened == 1 && (!c.current || c.command != &BrowserController::playSelected);
        if (newStation) {
            EXPECT_EQ(h.controller->recentIds().front(), c.expected);
            EXPECT_EQ(h.preferences.values["recent"], h.controller->recentIds());
        } else {
            EXPECT_EQ(h.controller->recentIds(), recents);
        }
    }
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
    EXPECT_EQ(h.view.nowPlaying.back(), shown);
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
    EXPECT_EQ(h.view.nowPlaying.back(), labels("", "", false, 28));

    h.controller->play(longName);
    EXPECT_EQ(h.view.nowPlaying.back(), labels(std::string(63, 'x') + "…", "Live station", true, 120));
    const std::size_t shownSoFar = h.view.nowPlaying.size();
    h.queue.runPending();
    EXPECT_EQ(h.view.nowPlaying.size(), shownSoFar + 1) << "the player's callback refreshes again a turn later";

    h.controller->play(fits);
    EXPECT_EQ(h.view.nowPlaying.back(), labels(std::string(64, 'y'), "Norway | news", true, 120));
    h.controller->play(silent);
    EXPECT_EQ(h.view.nowPlaying.back().title, std::string(64, 'y')) << "an unplayable station leaves the last one";
    EXPECT_EQ(h.controller->screen(), Screen::Home);
}

TEST(TransportTest, VolumeKeysMuteAndRestoreAreRemembered)
{
    struct Case {
        const char* name;
        std::optional<double> storedVolume;
        std::optional<bool> storedMuted;
        // u: volume up, d: volume down, m: mute or unmute, h: half volume, x: no number.
        std::string keys;
        double volume;
        bool muted;
    };
    const Case cases[] = {
        {"nothing stored plays at full volume", {}, {}, "", 1.0, false},
        {"a stored volume and mute come back", 0.3, true, "", 0.3, true},
        {"a stored volume out of range is kept within it", 7.0, false, "", 1.0, false},
        {"steps of 5 % stop at the ends", 0.1, {}, "ddduuu", 0.15, false},
        {"up stops at full volume", 0.97, {}, "uu", 1.0, false},
        {"mute toggles", 0.5, {}, "m", 0.5, true},
        {"mute twice is heard again", 0.5, {}, "mm", 0.5, false},
        {"a volume step lifts the mute", 0.5, true, "d", 0.45, false},
        {"the slider sets the volume and lifts the mute", 0.2, true, "h", 0.5, false},
        {"a volume that is not a number is ignored", 0.4, {}, "x", 0.4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowserHarness h;
        if (c.storedVolume) {
            h.preferences.numbers["volume"] = *c.storedVolume;
        }
        if (c.storedMuted) {
            h.preferences.flags["muted"] = *c.storedMuted;
        }
        h.start(makeStations(3));
        for (const char key : c.keys) {
            switch (key) {
            case 'u':
                h.controller->changeVolume(1);
                break;
            case 'd':
                h.controller->changeVolume(-1);
                break;
            case 'm':
                h.controller->toggleMute();
                break;
            case 'h':
                h.controller->setVolume(0.5);
                break;
            default:
                h.controller->setVolume(std::nan(""));
                break;
            }
        }
        EXPECT_DOUBLE_EQ(h.controller->volume(), c.volume);
        EXPECT_EQ(h.controller->isMuted(), c.muted);
        if (!c.keys.empty() && c.keys != "x") {
            EXPECT_DOUBLE_EQ(h.preferences.numbers["volume"], c.volume);
            EXPECT_EQ(h.preferences.flags["muted"], c.muted);
            EXPECT_EQ(h.view.nowPlaying.back().volume, c.volume) << "the view is told";
            EXPECT_EQ(h.view.nowPlaying.back().muted, c.muted);
        }
    }
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
