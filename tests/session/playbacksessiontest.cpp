#include "sessionharness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace Vello {
namespace {

using Ids = std::vector<std::string>;
// n: Next, p: Previous, s: Play, r: shuffle, z: Pause, o: an address opened from outside, "a";
// u: volume up, d: volume down, m: mute or unmute, h: the slider at 97 %, x: the slider at no
// number.
const std::map<char, std::function<void(PlaybackSession&)>> keys {{'n', &PlaybackSession::playNext},
    {'p', &PlaybackSession::playPrevious}, {'s', &PlaybackSession::playSelected}, {'r', &PlaybackSession::shuffle},
    {'z', &PlaybackSession::pause}, {'o', [](PlaybackSession& s) { s.playForThisRun(makeStation("a", "An address")); }},
    {'u', [](PlaybackSession& s) { s.changeVolume(1); }}, {'d', [](PlaybackSession& s) { s.changeVolume(-1); }},
    {'m', &PlaybackSession::toggleMute}, {'h', [](PlaybackSession& s) { s.setVolume(0.97); }},
    {'x', [](PlaybackSession& s) { s.setVolume(std::nan("")); }}};

TEST(PlaybackSessionTest, CommandsWalkTheListOfTheMoment)
{
    // The stations s0 to s29, one current or none (-1); the list walked, by number; the commands;
    // then the station current, the streams opened and the listens started.
    using Case = std::tuple<const char*, int, std::vector<int>, std::string, std::string, std::size_t, Ids>;
    std::vector<int> all(30);
    std::iota(all.begin(), all.end(), 0);
    const Case cases[] = {
        {"Next with nothing current plays the first", -1, all, "n", "s0", 1, {"s0"}},
        {"Previous with nothing current plays the last", -1, all, "p", "s29", 1, {"s29"}},
        {"Next wraps from the last to the first", 29, all, "n", "s0", 1, {"s0"}},
        {"Previous wraps from the first to the last", 0, all, "p", "s29", 1, {"s29"}},
        {"Next off the list plays its first", 12, {3, 7}, "n", "s3", 1, {"s3"}},
        {"a list of one replays its station", 3, {3}, "np", "s3", 2, {}},
        {"Play with nothing current starts the list", -1, {4}, "s", "s4", 1, {"s4"}},
        {"Play restarts the current station", 12, {4}, "s", "s12", 1, {}},
        {"an empty list leaves the station", 3, {}, "npr", "s3", 0, {}},
        {"Play with nothing current and an empty list does nothing", -1, {}, "s", "", 0, {}},
        {"Pause is not a toggle", 3, all, "zz", "s3", 0, {}},
        {"an address from outside, and Play resuming it, start no listen", 3, all, "os", "a", 2, {}},
        {"Next from an address plays the list's first, a listen", -1, all, "on", "s0", 2, {"s0"}},
    };
    for (const auto& [name, current, walked, commands, expected, opened, listens] : cases) {
        SCOPED_TRACE(name);
        SessionHarness h;
        const std::vector<Station> stations = makeStations(30);
        if (current >= 0) {
            h.session->play(stations[static_cast<std::size_t>(current)]);
        }
        h.list.clear();
        for (const int index : walked) {
            h.list.push_back(stations[static_cast<std::size_t>(index)]);
        }
        const std::size_t players = h.media.players.size();
        h.listens.clear();

        for (const char command : commands) {
            keys.at(command)(*h.session);
        }
        h.queue.runPending();
        EXPECT_EQ(h.currentId(), expected);
        EXPECT_EQ(h.media.players.size(), players + opened);
        EXPECT_EQ(h.session->playbackState().phase == PlaybackPhase::Paused, commands == "zz");
        EXPECT_EQ(h.listens, listens);
    }
}

// Each operation, and each report of the player, tells every listener once what it changed.
TEST(PlaybackSessionTest, ListenersHearOnceWhatEachOperationChanged)
{
    SessionHarness h;
    const auto flags = [](const SessionChanges& c) {
        std::string set;
        for (const auto& [on, letter] :
            {std::pair {c.state, 's'}, {c.station, 'c'}, {c.song, 't'}, {c.streamDetails, 'd'}, {c.volume, 'v'},
                {c.sleepTimer, 'z'}, {c.songHeard, 'h'}, {c.songsReplaced, 'r'}, {c.list, 'l'}, {c.recording, 'e'}}) {
            set += on ? std::string(1, letter) : "";
        }
        return set;
    };
    // What each step tells, change by change: s state, c station, t song, d stream details,
    // v volume, z sleep timer, h a song heard, r the songs replaced, l the list, e recording.
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> steps {
        {[&] { (void)h.session->keepSongsIn(h.documents); }, {"r"}},
        {[&] { h.session->play(h.list[0]); }, {"sc"}},
        {[&] { h.report(MediaStateChanged {MediaPipelineState::Playing}); }, {"s"}},
        {[&] {
             h.report(MediaTags {"Song", "", {"MP3", 0, 0}});
         },
            {"tdh"}},
        {[&] { h.session->restOn(h.list[1]); }, {}},
        {[&] { h.session->toggleRecording(); }, {"e"}},
        {[&] { h.session->setSleepTimer(SleepChoice::after(15)); }, {"z"}},
        {[&] { h.session->setMuted(true); }, {"v"}},
        {[&] { h.session->setVolume(0.5); }, {"v"}},
        {[&] { h.session->pause(); }, {"sz"}},
        {[&] { h.session->listOfTheMomentChanged(); }, {"l"}},
        {[&] { h.session->play(h.list[1]); }, {"sctde"}},
    };
    for (const auto& [step, told] : steps) {
        h.heard.clear();
        step();
        std::vector<std::string> heard;
        for (const SessionChanges& changes : h.heard) {
            heard.push_back(flags(changes));
        }
        EXPECT_EQ(heard, told) << (told.empty() ? "" : told.front());
    }

    // A listener may end its subscription while it is told, and outlive the session.
    std::vector<int> calls;
    Subscription once;
    once = h.session->subscribe([&](const SessionChanges&) {
        calls.push_back(1);
        once.cancel();
    });
    const Subscription always = h.session->subscribe([&](const SessionChanges&) { calls.push_back(2); });
    h.session->setVolume(0.4);
    h.session->setVolume(0.3);
    EXPECT_EQ(calls, (std::vector {1, 2, 2}));
    h.session.reset();
}

TEST(PlaybackSessionTest, NowPlayingTellsTheStationAndWhatThePlayerReports)
{
    SessionHarness h;
    StationFields silentFields = makeStation("silent", "No Stream").fields();
    silentFields.url_resolved = " ";
    const Station silent = silentFields;
    const Station longName = makeStation("long", std::string(65, 'x'), "Norway", "news");
    h.session->play(silent);
    EXPECT_FALSE(h.now().miniPlayerVisible) << "a station that cannot play leaves nothing on";

    h.session->play(longName);
    EXPECT_EQ(h.now().status.english(), "Connecting…");
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    h.report(MediaTags {"Ceremony", "New Order"});
    const NowPlaying now = h.now();
    EXPECT_TRUE(now.miniPlayerVisible);
    EXPECT_EQ(std::tuple(now.title.english(), now.detail.english(), now.songTitle, now.phase),
        std::tuple(std::string(63, 'x') + "…", "Norway | news", "New Order - Ceremony", PlaybackPhase::Playing));
    EXPECT_EQ(h.listens, (Ids {"silent", "long"})) << "a listen although it cannot play";
}

TEST(PlaybackSessionTest, VolumeKeysMuteAndRestoreAreRemembered)
{
    SessionHarness loud;
    loud.preferences.numbers["volume"] = 7.0;
    loud.begin();
    EXPECT_EQ(std::pair(loud.session->volume(), loud.session->isMuted()), std::pair(1.0, false));
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
    SessionHarness h;
    h.preferences.numbers["volume"] = 0.1;
    h.preferences.flags["muted"] = true;
    h.begin();
    h.session->play(h.list[0]);
    for (const auto& [name, pressed, expected] : steps) {
        SCOPED_TRACE(name);
        for (const char key : pressed) {
            keys.at(key)(*h.session);
        }
        EXPECT_EQ(std::pair(h.session->volume(), h.session->isMuted()), expected);
        EXPECT_EQ(std::pair(h.preferences.numbers["volume"], h.preferences.flags["muted"]), expected);
        EXPECT_EQ(std::pair(h.media.players.back()->volume, h.media.players.back()->muted), expected);
    }
}

// Streams opened ahead of a click. s3 plays at half volume as each script starts. Script: r<n>
// rests on station n's Play, rn and rp on Next and Previous, l ends the rest, c<n> clicks station
// n's Play, n and p click Next and Previous, +<ms> lets time pass, b<n>, t<n> and f<n> have n's
// stream buffer, name a song or fail, M mutes, m makes the network metered. Then: the
// streams open, * on the one playing; the players made; the status line and song; the listens
// started. After every step only the current station's player plays, with the person's volume
// and mute, and every other one waits paused and muted.
TEST(PlaybackSessionTest, StationsOpenUnheardWhileThePointerRestsAndCloseOnTime)
{
    struct Case {
        const char* name;
        const char* script;
        std::string open;
        std::size_t made;
        std::string shown;
        Ids listens;
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
        SessionHarness h;
        h.preferences.flags[PreferenceKey::openStationsEarly.key] = c.preference;
        std::string n;
        const auto station = [&] { return h.list[std::stoul(n)]; };
        const auto playerOf = [&] {
            for (const auto& player : h.media.players) {
                if (!player->destroyed && player->url.ends_with("/s" + n)) {
                    return player;
                }
            }
            return std::shared_ptr<FakePlayerRecord>();
        };
        PlaybackSession& s = *h.session;
        const std::map<std::string, std::function<void()>> steps {{"rn", [&] { s.restOnNext(); }},
            {"rp", [&] { s.restOnPrevious(); }}, {"l", [&] { s.endRest(); }}, {"n", [&] { s.playNext(); }},
            {"p", [&] { s.playPrevious(); }}, {"M", [&] { s.setMuted(true); }},
            {"m", [&] { s.setNetworkMetered(true); }}, {"r", [&] { s.restOn(station()); }},
            {"c", [&] { s.play(station()); }}, {"+", [&] { h.queue.advance(std::chrono::milliseconds(std::stoi(n))); }},
            {"b", [&] { playerOf()->emit(MediaBuffering {40}); }},
            {"t",
                [&] {
                    playerOf()->emit(MediaTags {"Song " + n, "", {}});
                }},
            {"f", [&] {
                 playerOf()->emit(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead, 0, false});
             }}};
        s.setVolume(0.5);
        n = "3";
        s.play(station());
        h.report(MediaStateChanged {MediaPipelineState::Playing});
        h.listens.clear();
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
                            && player->muted == s.isMuted()
                                  : player->muted)
                    << step << ": " << player->url;
            }
        }
        EXPECT_EQ(open, c.open);
        EXPECT_EQ(h.media.players.size() - before, c.made);
        const NowPlaying now = h.now();
        EXPECT_EQ(now.songTitle.empty() ? now.status.english() : now.status.english() + " · " + now.songTitle, c.shown);
        EXPECT_EQ(h.listens, c.listens);
    }
}

TEST(PlaybackSessionTest, ShufflePicksAnyStationOfTheListTheCurrentOneIncluded)
{
    SessionHarness h;
    h.list = {makeStation("a", "A"), makeStation("b", "B"), makeStation("c", "C")};
    std::set<std::string> picked;
    int repeats = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string before = h.currentId();
        h.session->shuffle();
        picked.insert(h.currentId());
        repeats += h.currentId() == before ? 1 : 0;
    }
    EXPECT_EQ(picked, (std::set<std::string> {"a", "b", "c"}));
    EXPECT_GT(repeats, 0);
}

} // namespace
} // namespace Vello
