#include "browserharness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
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
    h.preferences.flags[PreferenceKey::countPlays.key] = false;
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
        h.preferences.flags[PreferenceKey::continueLastStation.key] = continues;
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

// Streams opened ahead of a click. s3 plays at half volume as each script starts. Script: r<n>
// rests on station n's Play, rn and rp on Next and Previous, l ends the rest, c<n> clicks station
// n's Play, n and p click Next and Previous, +<ms> lets time pass, b<n>, t<n> and f<n> have n's
// stream buffer, name a song or fail, M mutes, m makes the network metered. Then: the
// streams open, * on the one playing; the players made; the status line and song; the plays
// counted. After every step only the current station's player plays, with the person's volume
// and mute, and every other one waits paused and muted.
TEST(TransportTest, StationsOpenUnheardWhileThePointerRestsAndCloseOnTime)
{
    struct Case {
        const char* name;
        const char* script;
        std::string open;
        std::size_t made;
        std::string shown;
        Ids counted;
        bool preference = true;
    };
    const Case cases[] = {
        {"a rest under 150 ms opens nothing", "r5 +149", "s3*", 0, "", {}},
        {"one of 150 ms opens the station", "r5 +150", "s3* s5", 1, "", {}},
        {"a click plays the open stream; the last stays warm", "r5 +300 c5", "s3 s5*", 1, "Connecting…", {"s5"}},
        {"muted as the person left it", "r5 +300 M c5", "s3 s5*", 1, "Connecting…", {"s5"}},
        {"it closes 3 s after the rest ends", "r5 +300 l +2999", "s3* s5", 1, "", {}},
        {"closed then", "r5 +300 l +3000", "s3*", 1, "", {}},
        {"back on it in time, it stays", "r5 +300 l +2000 r5 +1500", "s3* s5", 1, "", {}},
        {"it closes 4 s after it opened, however long the rest", "r5 +4149", "s3* s5", 1, "", {}},
        {"closed then too", "r5 +4150", "s3*", 1, "", {}},
        {"a short rest opens nothing", "r5 +100 l +100", "s3*", 0, "", {}},
        {"one opened on intent at a time", "r5 +200 r6 +200", "s3* s6", 2, "", {}},
        {"the station playing opens nothing", "r3 +200", "s3*", 0, "", {}},
        {"the last station stays warm 10 s", "c5 +9999", "s3 s5*", 1, "Connecting…", {"s5"}},
        {"closed then", "c5 +10000", "s5*", 1, "Connecting…", {"s5"}},
        {"Previous within 10 s plays it, with its song; one never played is not kept", "t3 n +5000 p", "s3*", 1,
            "Connecting… · Song 3", {"s4", "s3"}},
        {"resting on Next opens the station beyond each click", "rn +200 n +200", "s3 s4* s5", 2, "Connecting…",
            {"s4"}},
        {"what a waiting stream says shows only once it plays", "r5 +200 b5 t5", "s3* s5", 1, "", {}},
        {"then", "r5 +200 b5 t5 c5", "s3 s5*", 1, "Buffering 40 % · Song 5", {"s5"}},
        {"a waiting stream that fails closes without a word", "r5 +200 f5", "s3*", 1, "", {}},
        {"and the click opens it afresh", "r5 +200 f5 c5", "s3 s5*", 2, "Connecting…", {"s5"}},
        {"a metered network opens nothing", "m r5 +200", "s3*", 0, "", {}},
        {"and closes what is open", "r5 +200 m", "s3*", 1, "", {}},
        {"the preference off opens nothing", "r5 +200 rn +200", "s3*", 0, "", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BrowserHarness h;
        h.preferences.flags[PreferenceKey::openStationsEarly.key] = c.preference;
        h.start(makeStations(30));
        std::string n;
        const auto station = [&] { return h.controller->allStations()[std::stoul(n)]; };
        const auto playerOf = [&] {
            for (const auto& player : h.media.players) {
                if (!player->destroyed && player->url.ends_with("/s" + n)) {
                    return player;
                }
            }
            return std::shared_ptr<FakePlayerRecord>();
        };
        const std::map<std::string, std::function<void()>> steps {{"rn", [&] { h.controller->restOnNext(); }},
            {"rp", [&] { h.controller->restOnPrevious(); }}, {"l", [&] { h.controller->endRest(); }},
            {"n", [&] { h.controller->playNext(); }}, {"p", [&] { h.controller->playPrevious(); }},
            {"M", [&] { h.controller->setMuted(true); }}, {"m", [&] { h.controller->setNetworkMetered(true); }},
            {"r", [&] { h.controller->restOn(station()); }}, {"c", [&] { h.controller->play(station()); }},
            {"+", [&] { h.queue.advance(std::chrono::milliseconds(std::stoi(n))); }},
            {"b", [&] { playerOf()->emit(MediaBuffering {40}); }},
            {"t",
                [&] {
                    playerOf()->emit(MediaTags {"Song " + n, "", {}});
                }},
            {"f", [&] {
                 playerOf()->emit(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead, 0, false});
             }}};
        h.controller->setVolume(0.5);
        n = "3";
        h.controller->play(station());
        h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
        h.source.countedPlays.clear();
        const std::size_t before = h.media.players.size();
        std::string open;
        std::istringstream script(c.script);
        for (std::string step; script >> step;) {
            n = step.substr(1);
            steps.at(steps.contains(step) ? step : step.substr(0, 1))();
            h.queue.runPending();
            open.clear();
            for (const auto& player : h.media.players) {
                if (player->destroyed) {
                    continue;
                }
                const bool plays = player->status == PlayerActivity::Playing;
                open += (open.empty() ? "" : " ") + player->url.substr(player->url.rfind('/') + 1) + (plays ? "*" : "");
                EXPECT_TRUE(plays ? player->url.ends_with("/" + h.currentId()) && player->volume == 0.5
                            && player->muted == h.controller->isMuted()
                                  : player->muted)
                    << step << ": " << player->url;
            }
        }
        EXPECT_EQ(open, c.open);
        EXPECT_EQ(h.media.players.size() - before, c.made);
        const NowPlaying& now = h.view.nowPlaying.back();
        EXPECT_EQ(now.songTitle.empty() ? now.status.english() : now.status.english() + " · " + now.songTitle, c.shown);
        EXPECT_EQ(h.source.countedPlays, c.counted);
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
