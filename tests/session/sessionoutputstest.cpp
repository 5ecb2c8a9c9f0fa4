#include "sessionharness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <string>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// The session with Kitchen found. K and H choose Kitchen and this computer; s plays, z pauses,
// n plays the next station, d turns the volume down, m mutes, r rests on s5's Play; Kitchen
// answers everything it was asked (a), reports playing (P), paused (Z) or stopped (S), or goes (L).
struct Rig : SessionHarness {
    Rig()
    {
        EXPECT_EQ(session->findOutputs(outputs), std::nullopt);
        outputs.find("uuid:k", "Kitchen");
    }
    [[nodiscard]] FakeOutputRecord* kitchen() const
    {
        const auto found = outputs.opened.find("uuid:k");
        return found == outputs.opened.end() ? nullptr : found->second.get();
    }
    void run(const std::string& script)
    {
        const std::map<char, std::function<void()>> keys {{'K', [this] { session->chooseOutput("uuid:k"); }},
            {'H', [this] { session->chooseOutput(""); }}, {'s', [this] { session->playSelected(); }},
            {'z', [this] { session->pause(); }}, {'n', [this] { session->playNext(); }},
            {'d', [this] { session->changeVolume(-1); }}, {'m', [this] { session->toggleMute(); }},
            {'r', [this] { session->restOn(list[5]); }},
            {'a',
                [this] {
                    while (kitchen()->answer()) { }
                }},
            {'P', [this] { kitchen()->emit(OutputTransportChanged {OutputTransport::Playing}); }},
            {'Z', [this] { kitchen()->emit(OutputTransportChanged {OutputTransport::Paused}); }},
            {'S', [this] { kitchen()->emit(OutputTransportChanged {OutputTransport::Stopped}); }},
            {'L', [this] { outputs.lose("uuid:k"); }}};
        for (const char key : script) {
            keys.at(key)();
            queue.advance(1s);
        }
    }
    // Kitchen's calls, with the stream addresses shortened to their station.
    [[nodiscard]] std::string kitchenCalls() const
    {
        std::string calls;
        for (std::string call : kitchen() ? kitchen()->calls : std::vector<std::string>()) {
            if (call.starts_with("set http://stream.example/")) {
                call = "set " + call.substr(26);
            }
            calls += (calls.empty() ? "" : ", ") + call;
        }
        return calls;
    }
    // The players open here, * on one that plays.
    [[nodiscard]] std::string here() const
    {
        std::string open;
        for (const auto& player : media.players) {
            if (!player->destroyed) {
                open += (open.empty() ? "" : " ") + player->url.substr(22)
                    + (player->status == PlayerActivity::Playing ? "*" : "");
            }
        }
        return open;
    }
};

TEST(SessionOutputsTest, TheTransportActsWhereTheStationPlaysAndAFailureComesBackHerePaused)
{
    const std::string stopped = "Kitchen stopped playing the station: ";
    struct Case {
        const char* name = "";
        const char* script = "";
        const char* kitchen = "";
        const char* here = "";
        const char* current = "";
        PlaybackPhase phase = PlaybackPhase::Idle;
        std::string status;
        const char* output = "";
    } const cases[] = {
        {"chosen while playing: here falls silent, Kitchen plays it", "sKaP", "set s0, play", "s0", "s0",
            PlaybackPhase::Playing, "", "Kitchen"},
        {"chosen first: the station plays there at Play", "KsaP", "set s0, play", "", "s0", PlaybackPhase::Playing, "",
            "Kitchen"},
        {"until it plays, it is on its way", "Ks", "set s0", "", "s0", PlaybackPhase::Connecting, "Connecting…",
            "Kitchen"},
        {"pause, next, volume and mute act there", "sKaPzanadm", "set s0, play, pause, set s1, play, volume 0.95, mute",
            "s0", "s1", PlaybackPhase::Connecting, "Connecting…", "Kitchen"},
        {"stopping on its own brings it back paused, in words", "sKaPS", "set s0, play, stop, gone", "s0", "s0",
            PlaybackPhase::Paused, stopped + "It stopped on its own.", ""},
        {"gone from the network", "sKaPnaL", "set s0, play, set s1, play, stop, gone", "s0", "s1",
            PlaybackPhase::Paused, stopped + "It is no longer on the network.", ""},
        {"Play after coming back plays here", "sKaPSs", "set s0, play, stop, gone", "s0*", "s0",
            PlaybackPhase::Connecting, "Connecting…", ""},
        {"this computer takes it back, playing", "sKaPnaH", "set s0, play, set s1, play, stop, gone", "s1*", "s1",
            PlaybackPhase::Connecting, "Connecting…", ""},
        {"paused there, it comes back paused", "sKaPnazaZH", "set s0, play, set s1, play, pause, stop, gone", "s0",
            "s1", PlaybackPhase::Paused, "Paused", ""},
        {"nothing opens early while Kitchen is chosen", "Kr", "", "", "", PlaybackPhase::Idle, "", "Kitchen"},
        {"here it does", "r", "", "s5", "", PlaybackPhase::Idle, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.run(c.script);
        EXPECT_EQ(r.kitchenCalls(), c.kitchen);
        EXPECT_EQ(r.here(), c.here);
        EXPECT_EQ(r.currentId(), c.current);
        EXPECT_EQ(r.session->playbackState().phase, c.phase);
        EXPECT_EQ(r.now().status.english(), c.status);
        EXPECT_EQ(r.session->output().value_or(OutputInfo {}).name, c.output);
    }
}

TEST(SessionOutputsTest, TheSleepTimerFadesTheOutputThenPausesItThere)
{
    Rig r;
    r.run("sKaP");
    r.session->setSleepTimer(SleepChoice::after(1));
    for (int second = 0; second < 95; ++second) {
        r.run("a");
    }
    const std::vector<std::string>& calls = r.kitchen()->calls;
    const auto pause = std::ranges::find(calls, "pause");
    ASSERT_NE(pause, calls.end());
    EXPECT_TRUE(
        std::any_of(calls.begin(), pause, [](const std::string& call) { return call.starts_with("volume 0.0"); }))
        << "faded out first: " << ::testing::PrintToString(std::vector(calls.begin(), pause));
    EXPECT_EQ(calls.back(), "volume 1.00") << "its loudness back for the next Play";
    EXPECT_EQ(r.media.players.back()->volume, 1.0) << "this computer's untouched";
}

TEST(SessionOutputsTest, ListenersHearOfTheOutputsFoundAndTheOneChosen)
{
    Rig r;
    r.heard.clear();
    r.outputs.find("uuid:h", "Hall");
    r.session->chooseOutput("uuid:h");
    EXPECT_FALSE(r.session->chooseOutput("uuid:x")) << "not found";
    r.session->chooseOutput("uuid:h");
    ASSERT_EQ(r.heard.size(), 2U) << "found, chosen; chosen again changes nothing";
    EXPECT_TRUE(r.heard[0].outputs && r.heard[1].outputs);
    EXPECT_EQ(r.session->outputs(), (std::vector<OutputInfo> {{"uuid:h", "Hall"}, {"uuid:k", "Kitchen"}}));
    EXPECT_EQ(r.preferences.texts[OutputList::rememberedKey], "uuid:h");
}

} // namespace
} // namespace Vello
