#include "browserharness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;
using Command = void (BrowserController::*)();

// What the labels say, without the playback state that changes under them.
std::tuple<std::string, std::string, bool, int> labels(const NowPlaying& shown)
{
    return {shown.title, shown.detail, shown.miniPlayerVisible, shown.contentBottomInset};
}

const Station& stationAt(const BrowserHarness& h, std::size_t index)
{
    return h.controller->allStations().at(index);
}

TEST(TransportTest, CommandsWalkTheListOfTheMoment)
{
    // n: Next, p: Previous, s: Play, r: shuffle, z: Pause. s3 and s7 are the favourites.
    struct Case {
        const char* name;
        int current;
        Screen screen;
        const char* typed;
        std::string commands;
        std::string expected;
        std::size_t opened;
    };
    const Case cases[] = {
        {"Next with nothing current plays the first", -1, Screen::Home, "", "n", "s0", 1},
        {"Previous with nothing current plays the last", -1, Screen::Home, "", "p", "s29", 1},
        {"Next wraps from the last to the first", 29, Screen::Home, "", "n", "s0", 1},
        {"Previous wraps from the first to the last", 0, Screen::Home, "", "p", "s29", 1},
        {"Next goes past the rows Home shows", 19, Screen::Home, "", "n", "s20", 1},
        {"Next off the Library's list plays its first", 12, Screen::Library, "", "n", "s3", 1},
        {"Previous off the Library's list plays its last", 12, Screen::Library, "", "p", "s7", 1},
        {"a list of one replays its station", 3, Screen::Home, "station 3", "np", "s3", 2},
        {"Play with nothing current starts the list", -1, Screen::Home, "station 4", "s", "s4", 1},
        {"Play restarts the current station", 12, Screen::Home, "station 4", "s", "s12", 1},
        {"an empty list leaves the station", 3, Screen::Home, "nothing", "npr", "s3", 0},
        {"Play with nothing current and an empty list does nothing", -1, Screen::Home, "nothing", "s", "", 0},
        {"Pause is not a toggle and leaves the labels", 3, Screen::Home, "", "zz", "s3", 0},
    };
    const std::map<char, Command> commands {{'n', &BrowserController::playNext},
        {'p', &BrowserController::playPrevious}, {'s', &BrowserController::playSelected},
        {'r', &BrowserController::shuffle}, {'z', &BrowserController::pause}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowserHarness h;
        h.start(makeStations(30));
        h.controller->toggleFavorite(stationAt(h, 3));
        h.controller->toggleFavorite(stationAt(h, 7));
        if (c.current >= 0) {
            h.controller->play(stationAt(h, static_cast<std::size_t>(c.current)));
        }
        h.controller->switchScreen(c.screen);
        h.queue.runPending();
        h.view.typed = c.typed;
        const Ids recents = h.controller->recentIds();
        const std::size_t players = h.media.players.size();
        const auto shown = h.view.nowPlaying.empty() ? labels({}) : labels(h.view.nowPlaying.back());

        for (const char command : c.commands) {
            (h.controller.get()->*commands.at(command))();
        }
        h.queue.runPending();
        EXPECT_EQ(h.currentId(), c.expected);
        EXPECT_EQ(h.media.players.size(), players + c.opened);
        if (c.opened == 0 && c.current >= 0) {
            EXPECT_EQ(labels(h.view.nowPlaying.back()), shown);
        }
        // Only a new station is recorded: a restart and a command that did nothing leave the recents.
        if (c.opened > 0 && (c.current < 0 || c.commands != "s")) {
            EXPECT_EQ(h.controller->recentIds().front(), c.expected);
            EXPECT_EQ(h.preferences.values["recent"], h.controller->recentIds());
        } else {
            EXPECT_EQ(h.controller->recentIds(), recents);
        }
    }
}

TEST(TransportTest, NowPlayingFollowsTheStationAndWhatThePlayerReports)
{
    BrowserHarness h;
    Station silent = makeStation("silent", "No Stream");
    silent.url_resolved = " ";
    const Station longName = makeStation("long", std::string(70, 'x'));
    const Station fits = makeStation("fits", std::string(64, 'y'), "Norway", "news");
    h.start({silent, longName, fits});
    const std::string cut = std::string(63, 'x') + "…";
    const std::string song = "New Order - Ceremony";
    struct Step {
        const char* name;
        const Station* play;
        std::optional<MediaEvent> event;
        // Title, detail, the content's bottom inset (120 with the mini player, 28 without), status, song.
        std::tuple<std::string, std::string, int, std::string, std::string> shown;
        PlaybackPhase phase;
    };
    const Step steps[] = {
        {"a station that cannot play leaves nothing on", &silent, {}, {"", "", 28, "", ""}, PlaybackPhase::Idle},
        {"a long name is cut", &longName, {}, {cut, "Live station", 120, "Connecting…", ""}, PlaybackPhase::Connecting},
        {"buffering", nullptr, MediaBuffering {40}, {cut, "Live station", 120, "Buffering 40 %", ""},
            PlaybackPhase::Buffering},
        {"playing", nullptr, MediaBuffering {100}, {cut, "Live station", 120, "", ""}, PlaybackPhase::Playing},
        {"a song", nullptr, MediaTags {"Ceremony", "New Order"}, {cut, "Live station", 120, "", song},
            PlaybackPhase::Playing},
        {"a drop", nullptr, MediaEndOfStream {}, {cut, "Live station", 120, "Reconnecting in 1 s…", song},
            PlaybackPhase::Reconnecting},
        {"a station that cannot play leaves the last", &silent, {},
            {cut, "Live station", 120, "Reconnecting in 1 s…", song}, PlaybackPhase::Reconnecting},
        {"a name of 64 fits; a stream that is not there fails", &fits,
            MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotFound, 404, false},
            {std::string(64, 'y'), "Norway | news", 120, "The station says this stream does not exist (404).", ""},
            PlaybackPhase::Failed},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.play != nullptr) {
            h.controller->play(*step.play);
        } else {
            h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
        }
        if (step.event) {
            h.media.players.back()->emit(*step.event);
        }
        h.queue.runPending();
        const NowPlaying& now = h.view.nowPlaying.back();
        EXPECT_EQ(std::tie(now.title, now.detail, now.contentBottomInset, now.status, now.songTitle), step.shown);
        EXPECT_EQ(now.miniPlayerVisible, now.contentBottomInset == 120);
        EXPECT_EQ(now.phase, step.phase);
    }
    EXPECT_EQ(h.controller->recentIds(), (Ids {"fits", "silent", "long"})) << "recorded although it cannot play";
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
