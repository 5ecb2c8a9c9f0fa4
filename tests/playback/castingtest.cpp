#include "playback/casting.h"

#include "fakehttpclient.h"
#include "fakeoutputs.h"
#include "manualmainqueue.h"
#include "memoryports.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Calls = std::vector<std::string>;

const Station toneFm = StationFields {.stationuuid = "s1",
    .name = "Tone FM",
    .url = "http://radio.test/live.mp3",
    .favicon = "http://radio.test/logo.png"};

struct Rig {
    explicit Rig(const std::string& remembered = {})
    {
        preferences.texts[OutputList::rememberedKey] = remembered;
        EXPECT_EQ(outputs.start(), std::nullopt);
    }
    [[nodiscard]] FakeOutputRecord& kitchen() const { return *discovery.opened.at("uuid:k"); }
    [[nodiscard]] PlaybackPhase phase() const { return casting.playbackState().phase; }
    // Kitchen found and chosen, and `station` played there until the kitchen takes Play.
    void castTo(const Station& station = toneFm)
    {
        discovery.find("uuid:k", "Kitchen");
        ASSERT_TRUE(casting.choose("uuid:k"));
        casting.play(station, "MP3");
    }

    FakeOutputDiscovery discovery;
    MemoryPreferences preferences;
    OutputList outputs {discovery, preferences};
    ManualMainQueue queue;
    FakeHttpClient http;
    std::vector<std::string> returned;
    bool playingHere = false;
    Casting casting {outputs, http, queue,
        {[] {},
            [this](const Station& s, const Text& why) { returned.push_back(s.displayName() + ": " + why.english()); },
            [this] { return playingHere; }}};
};

TEST(CastingTest, ThePhaseFollowsWhatTheOutputReportsAndWhatWasAsked)
{
    using enum OutputTransport;
    struct Case {
        const char* name = "";
        OutputTransport reported {};
        bool wantPlaying = false;
        bool started = false;
        std::optional<PlaybackPhase> expected;
    } const cases[] = {
        {"playing", Playing, true, true, PlaybackPhase::Playing},
        {"played from its own remote", Playing, false, false, PlaybackPhase::Playing},
        {"buffering", Starting, true, true, PlaybackPhase::Connecting},
        {"paused", Paused, true, true, PlaybackPhase::Paused},
        {"stopped before Play took", Stopped, true, false, PlaybackPhase::Connecting},
        {"stopped after Pause", Stopped, false, true, PlaybackPhase::Paused},
        {"stopped on its own", Stopped, true, true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(castPhase(c.reported, c.wantPlaying, c.started), c.expected);
    }
}

TEST(CastingTest, TheMimeTypeComesFromTheCodecOrElseTheAddress)
{
    struct Case {
        const char* codec;
        const char* address;
        const char* expected;
    } const cases[] = {
        {"MP3", "http://a/live.ogg", "audio/mpeg"},
        {"MPEG-1 Layer 3 (MP3)", "http://a/", "audio/mpeg"},
        {"AAC+", "http://a/", "audio/aacp"},
        {"MPEG-4 AAC", "http://a/", "audio/aac"},
        {"", "http://a/Live.FLAC?x=.mp3", "audio/flac"},
        {"UNKNOWN", "http://a/index.m3u8", "application/vnd.apple.mpegurl"},
        {"", "http://a/stream", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codec + std::string(" ") + c.address);
        EXPECT_EQ(castMimeType(c.codec, c.address), c.expected);
    }
}

TEST(CastingTest, AStationIsReadSetPlayedThenFollowedAndTakenBack)
{
    Rig r;
    EXPECT_FALSE(r.casting.choose("uuid:k")) << "not found yet";
    StationFields listed = toneFm.fields();
    listed.url = "http://radio.test/live.pls";
    r.castTo(listed);
    EXPECT_EQ(r.casting.output(), (OutputInfo {"uuid:k", "Kitchen"}));
    EXPECT_EQ(r.preferences.texts[OutputList::rememberedKey], "uuid:k");
    EXPECT_EQ(r.phase(), PlaybackPhase::Connecting);
    // A playlist's local file is never sent to the output; its stream is.
    ASSERT_TRUE(
        r.http.respond(HttpResponse {200, "[playlist]\nFile1=file:///etc/passwd\nFile2=http://radio.test/a\n"}));
    r.queue.runPending();
    EXPECT_EQ(r.kitchen().calls, Calls {"set http://radio.test/a"});
    const OutputStream& set = r.kitchen().stream;
    EXPECT_EQ(std::tie(set.title, set.artUrl, set.mimeType),
        std::tuple("Tone FM", "http://radio.test/logo.png", "audio/mpeg"));
    r.kitchen().emit(OutputTransportChanged {OutputTransport::Playing});
    EXPECT_EQ(r.phase(), PlaybackPhase::Connecting) << "what it played before";
    ASSERT_TRUE(r.kitchen().answer());
    ASSERT_TRUE(r.kitchen().answer());
    r.kitchen().emit(OutputTransportChanged {OutputTransport::Playing});
    EXPECT_EQ(r.phase(), PlaybackPhase::Playing);
    r.queue.advance(1min);
    r.kitchen().emit(OutputTitleChanged {"Tone FM"});
    EXPECT_EQ(r.casting.streamTitle(), "") << "its own name names no song";
    r.kitchen().emit(OutputTitleChanged {"Artist - Song"});
    EXPECT_EQ(r.casting.streamTitle(), "Artist - Song");

    // It cannot pause a live stream: it stops, and stays the station's output.
    r.casting.pause();
    ASSERT_TRUE(r.kitchen().answer(OutputFailure {OutputFailure::Kind::Refused, "701 Transition not available"}));
    ASSERT_TRUE(r.kitchen().answer());
    r.kitchen().emit(OutputTransportChanged {OutputTransport::Stopped});
    EXPECT_EQ(r.phase(), PlaybackPhase::Paused);
    r.casting.play(listed);
    r.kitchen().emit(OutputTransportChanged {OutputTransport::Stopped});
    EXPECT_EQ(r.phase(), PlaybackPhase::Connecting) << "still stopped, before Play took";
    r.discovery.find("uuid:x", "Hall");
    r.discovery.find("uuid:k", "Big Kitchen");
    r.discovery.lose("uuid:x");
    EXPECT_EQ(r.casting.output().value().name, "Big Kitchen");

    r.casting.play(
        StationFields {.stationuuid = "s2", .url = "http://radio.test/two", .favicon = "file:///etc/passwd"});
    EXPECT_EQ(r.kitchen().stream.artUrl, "") << "a logo only from the web";
    ASSERT_TRUE(r.casting.choose(""));
    EXPECT_EQ(r.kitchen().calls,
        (Calls {
            "set http://radio.test/a", "play", "pause", "stop", "play", "set http://radio.test/two", "stop", "gone"}));
    EXPECT_EQ(r.casting.output(), std::nullopt);
    EXPECT_EQ(r.preferences.texts[OutputList::rememberedKey], "");
    EXPECT_TRUE(r.returned.empty());
    ASSERT_TRUE(r.casting.choose("uuid:k"));
    r.kitchen().emit(OutputTransportChanged {OutputTransport::Playing});
    EXPECT_EQ(r.phase(), PlaybackPhase::Idle) << "nothing of ours plays there";
}

TEST(CastingTest, AFailingOutputSendsTheStationBackWithWhatHappened)
{
    using Kind = OutputFailure::Kind;
    const std::vector<std::optional<OutputFailure>> accepted {std::nullopt, std::nullopt};
    const OutputEvent playing = OutputTransportChanged {OutputTransport::Playing};
    struct Case {
        const char* name;
        // In turn: answers to the actions waiting, events, a wait, and maybe it disappears.
        std::vector<std::optional<OutputFailure>> answers;
        std::vector<OutputEvent> events;
        std::chrono::milliseconds wait;
        bool lost;
        const char* why;
    } const cases[] = {
        {"refuses the type", {OutputFailure {Kind::UnsupportedType, "714"}}, {}, 0ms, false,
            "It cannot play this kind of stream (audio/mpeg)."},
        {"refuses", {OutputFailure {Kind::Refused, "716 Not found"}}, {}, 0ms, false, "It refused: 716 Not found"},
        {"cannot be reached", {OutputFailure {Kind::NoAnswer, "Connection refused"}}, {}, 0ms, false,
            "It could not be reached: Connection refused"},
        {"does not answer", {}, {}, Casting::actionDeadline, false, "It did not answer in time."},
        {"never starts", accepted, {OutputTransportChanged {OutputTransport::Starting}}, Casting::startDeadline, false,
            "It did not start playing in time."},
        {"stops on its own", accepted, {playing, OutputTransportChanged {OutputTransport::Stopped}}, 0ms, false,
            "It stopped on its own."},
        {"reports an error", accepted, {playing, OutputFailed {"ERROR_OCCURRED"}}, 0ms, false,
            "It reported an error: ERROR_OCCURRED"},
        {"disappears", accepted, {playing}, 0ms, true, "It is no longer on the network."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.castTo();
        for (const std::optional<OutputFailure>& answer : c.answers) {
            r.kitchen().answer(answer);
        }
        for (const OutputEvent& event : c.events) {
            r.kitchen().emit(event);
        }
        r.queue.advance(c.wait);
        if (c.lost) {
            r.discovery.lose("uuid:k");
        }
        EXPECT_EQ(r.returned, Calls {std::string("Tone FM: Kitchen stopped playing the station: ") + c.why});
        EXPECT_EQ(r.casting.output(), std::nullopt);
        EXPECT_EQ(r.phase(), PlaybackPhase::Idle);
        EXPECT_EQ(Calls(r.kitchen().calls.end() - 2, r.kitchen().calls.end()), (Calls {"stop", "gone"}));
        r.queue.advance(1min);
        EXPECT_EQ(r.returned.size(), 1U);
    }
}

TEST(CastingTest, TheVolumeGoesOneActionAtATimeAndTheSleepFadeScalesIt)
{
    Rig r;
    r.castTo();
    r.casting.setVolume(0.8);
    r.casting.setVolumeShare(0.5);
    r.casting.setVolumeShare(0.25);
    r.kitchen().calls.clear();
    r.kitchen().waiting.pop_front(); // the stream, left unanswered
    ASSERT_TRUE(r.kitchen().answer());
    EXPECT_EQ(r.kitchen().calls, Calls {"volume 0.20"}) << "only the latest wish";
    ASSERT_TRUE(r.kitchen().answer());
    r.kitchen().emit(OutputVolumeChanged {0.2});
    EXPECT_DOUBLE_EQ(r.casting.volume(), 0.8) << "the person's own, while it fades";
    r.casting.setVolumeShare(1);
    ASSERT_TRUE(r.kitchen().answer());
    r.kitchen().emit(OutputVolumeChanged {0.6});
    EXPECT_DOUBLE_EQ(r.casting.volume(), 0.6) << "turned on the speaker itself";
    EXPECT_EQ(r.kitchen().calls, (Calls {"volume 0.20", "volume 0.80"}));
}

TEST(CastingTest, TheRememberedOutputIsTakenOnlyWhenFoundAgainAndNothingElseWasChosen)
{
    struct Case {
        const char* name;
        std::function<void(Rig&)> before;
        const char* found;
        bool taken;
    } const cases[] = {
        {"found again", [](Rig&) {}, "uuid:k", true},
        {"another one found", [](Rig&) {}, "uuid:x", false},
        {"while this computer plays", [](Rig& r) { r.playingHere = true; }, "uuid:k", false},
        {"after choosing this computer", [](Rig& r) { r.casting.choose(""); }, "uuid:k", false},
        {"lost, then found again",
            [](Rig& r) {
                r.discovery.find("uuid:k", "K");
                r.discovery.lose("uuid:k");
            },
            "uuid:k", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r("uuid:k");
        r.casting.play(toneFm); // nowhere to play it yet
        c.before(r);
        r.discovery.find(c.found, "Kitchen");
        EXPECT_EQ(r.casting.output().has_value(), c.taken);
    }
}

TEST(CastingTest, TheListShowsPrintableShortNamesInOrderUpToItsLimit)
{
    Rig r;
    r.discovery.find("uuid:b", "  living\u202E room\n");
    r.discovery.find("uuid:c", "");
    r.discovery.find("uuid:a", "Kitchen " + std::string(60, 'x'));
    EXPECT_EQ(r.outputs.outputs().at(0).name, "Kitchen " + std::string(OutputList::maxNameCharacters - 8, 'x'));
    EXPECT_EQ(r.outputs.outputs().at(1).name, "living room");
    EXPECT_EQ(r.outputs.outputs().at(2).name, "uuid:c");
    r.discovery.lose("uuid:b");
    for (std::size_t i = 0; i < OutputList::maxOutputs; ++i) {
        r.discovery.find("uuid:n" + std::to_string(i), "n");
    }
    EXPECT_EQ(r.outputs.outputs().size(), OutputList::maxOutputs);
}

} // namespace
} // namespace Vello
