#include "capturesink.h"
#include "icecastserver.h"
#include "waitfor.h"

#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "playback/playercontroller.h"
#include "playback/streamfailure.h"
#include "playback/streamtitle.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

constexpr int mp3Tone = 440;
constexpr int oggTone = 660;

Station stationAt(const std::string& url)
{
    return StationFields {.stationuuid = url, .url = url};
}

class GstMediaBackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        gst_init(nullptr, nullptr);
        server = std::make_unique<IcecastServer>();
        // With the server down, a source ends at once and says so.
        sourcesStarted = server->startSource("/tone.mp3", IcecastServer::Codec::Mp3, mp3Tone)
            && server->startSource("/tone.ogg", IcecastServer::Codec::OggVorbis, oggTone);
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override { ASSERT_TRUE(sourcesStarted) << "no live sources on the server " << server->startError(); }

    [[nodiscard]] PlaybackPhase phase() const { return controller.playbackState().phase; }

    // Waits until the newest capture (or `heard`) holds `seconds` of audio from now on, and
    // returns its tone.
    double toneHeard(double seconds = 0.5, const std::shared_ptr<CaptureSink>& heard = nullptr)
    {
        const std::shared_ptr<CaptureSink> capture = heard ? heard : captures.back();
        const std::size_t from = capture->sampleCount();
        const auto wanted = static_cast<std::size_t>(seconds * CaptureSink::sampleRate);
        waitFor([&] { return capture->sampleCount() >= from + wanted; });
        return dominantFrequency(capture->samplesFrom(from), CaptureSink::sampleRate);
    }

    inline static std::unique_ptr<IcecastServer> server;
    inline static bool sourcesStarted = false;

    QtMainQueue queue;
    QtHttpClient http;
    std::vector<std::shared_ptr<CaptureSink>> captures;
    // The newest sink element, owned by its pipeline.
    GstElement* sink = nullptr;
    GstMediaBackend backend {queue, [this] {
                                 captures.push_back(CaptureSink::create());
                                 sink = captures.back()->makeElement();
                                 return sink;
                             }};
    PlayerController controller {backend, queue, http};
};

// Playlist links are read by the unit tests and heard end to end.
TEST_F(GstMediaBackendTest, EachStationIsHeardAloneAtItsToneWithItsTitleAndMuteSilencesIt)
{
    for (const auto& [mount, tone] : {std::pair {"/tone.mp3", mp3Tone}, std::pair {"/tone.ogg", oggTone}}) {
        SCOPED_TRACE(mount);
        const std::shared_ptr<CaptureSink> previous = captures.empty() ? CaptureSink::create() : captures.back();
        controller.play(stationAt(server->url(mount)));
        const std::size_t previousBeforeSwitch = previous->sampleCount();
        ASSERT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Playing; }));
        const std::size_t previousWhenPlaying = previous->sampleCount();
        EXPECT_NEAR(toneHeard(), tone, 5.0);
        // The sources send 44.1 kHz; what the stream is comes with its first audio.
        const std::string details = tone == mp3Tone ? "MP3 · 128 kbps · 44.1 kHz" : "Vorbis · 160 kbps · 44.1 kHz";
        EXPECT_TRUE(waitFor([&] { return streamDetailsText(controller.streamDetails()).english() == details; }));
        // At most one buffer in flight may still reach the old sink after the switch; nothing of
        // it once the new station plays.
        EXPECT_LT(previous->loudSamplesFrom(previousBeforeSwitch), CaptureSink::sampleRate / 10U);
        EXPECT_EQ(previous->loudSamplesFrom(previousWhenPlaying), 0U);
        // Ogg streams carry the new title in a new chained stream, MP3 in ICY metadata. Either
        // reaches the player with the audio it belongs to: behind the server's burst, and for
        // Ogg behind the next chain Icecast starts (several seconds).
        const std::string title = std::string("Song <b>for</b> ") + mount;
        ASSERT_TRUE(server->setTitle(mount, title));
        EXPECT_TRUE(QTest::qWaitFor([&] { return controller.streamTitle() == title; }, 40000));
        EXPECT_NEAR(toneHeard(0.3), tone, 5.0) << "a new chain keeps playing";
        if (tone == mp3Tone) {
            // ICY metadata names no code page: bytes Windows-1252 leaves undefined still let the
            // rest of the title through.
            ASSERT_TRUE(server->setTitle(mount, "Caf\xE9 \x81\x90Mix"));
            EXPECT_TRUE(QTest::qWaitFor([&] { return controller.streamTitle() == "Caf\u00E9 Mix"; }, 40000))
                << controller.streamTitle();
        }
    }
    controller.setMuted(true);
    toneHeard(0.3);
    const std::size_t mutedFrom = captures.back()->sampleCount();
    toneHeard(0.3);
    EXPECT_EQ(captures.back()->loudSamplesFrom(mutedFrom), 0U);
}

// A station opened while the pointer rests on it is not heard until the click, and then at once;
// the station before it waits, silent, for Previous.
TEST_F(GstMediaBackendTest, TheStationRestedOnAndThePreviousOneSoundAtTheClick)
{
    const Station mp3 = stationAt(server->url("/tone.mp3"));
    const Station ogg = stationAt(server->url("/tone.ogg"));
    controller.play(mp3);
    ASSERT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Playing; }));
    controller.restOn(ogg);
    QTest::qWait(2000);
    ASSERT_EQ(captures.size(), 2U);
    EXPECT_EQ(captures.back()->sampleCount(), 0U) << "it waits at its first audio, unheard";
    // The sound server's clock of an output opened early runs on while it waits, and the first
    // sound would wait as long: the output opens at the click.
    EXPECT_FALSE(captures.back()->prerolled()) << "it waits before the audio output";
    for (const auto& [station, index, tone] : {std::tuple {ogg, 1, oggTone}, std::tuple {mp3, 0, mp3Tone}}) {
        SCOPED_TRACE(tone);
        const std::shared_ptr<CaptureSink> heard = captures.at(index);
        const std::shared_ptr<CaptureSink> other = captures.at(1 - index);
        const auto click = std::chrono::steady_clock::now();
        controller.play(station);
        ASSERT_TRUE(waitFor([&] { return heard->firstLoudSampleTime(click).has_value(); }));
        EXPECT_LT(*heard->firstLoudSampleTime(click) - click, std::chrono::milliseconds(150));
        const std::size_t otherFrom = other->sampleCount();
        EXPECT_NEAR(toneHeard(0.5, heard), tone, 5.0);
        EXPECT_EQ(other->loudSamplesFrom(otherFrom), 0U);
    }
    EXPECT_EQ(captures.size(), 2U) << "no stream opened at either click";
}

// A stream closed, whether it played, waited unplayed or failed, leaves nothing behind: its whole
// pipeline, down to the sink, is freed.
TEST_F(GstMediaBackendTest, AClosedStreamIsFreedWhateverItDid)
{
    struct Case {
        const char* name;
        const char* mount;
        bool play;
        std::function<bool(const MediaEvent&)> done;
    };
    const Case cases[] {
        {"played", "/tone.mp3", true,
            [](const MediaEvent& event) {
                const auto* changed = std::get_if<MediaStateChanged>(&event);
                return changed != nullptr && changed->state == MediaPipelineState::Playing;
            }},
        {"held", "/tone.ogg", false,
            [](const MediaEvent& event) {
                const auto* buffering = std::get_if<MediaBuffering>(&event);
                return buffering != nullptr && buffering->percent == 100;
            }},
        {"failed", "/missing.mp3", true, [](const MediaEvent& event) { return endsStream(event); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto player = backend.createPlayer(server->url(c.mount));
        bool done = false;
        player->setEventHandler([&](const MediaEvent& event) { done = done || c.done(event); });
        c.play ? player->play() : player->pause();
        ASSERT_TRUE(waitFor([&] { return done; }));
        player.reset();
        EXPECT_TRUE(waitFor([&] { return captures.back().use_count() == 1; })) << "its sink is still held";
    }
}

// A report on some inner element's buffer, or a lost clock (the audio device was switched or
// unplugged), must neither stall nor silence the stream.
TEST_F(GstMediaBackendTest, BusMessagesAboutOtherElementsNeitherStallNorSilenceTheStream)
{
    const auto player = backend.createPlayer(server->url("/tone.mp3"));
    std::vector<MediaPipelineState> states;
    player->setEventHandler([&](const MediaEvent& event) {
        if (const auto* changed = std::get_if<MediaStateChanged>(&event)) {
            states.push_back(changed->state);
        }
    });
    player->setWaitsForBuffering(true);
    player->play();
    ASSERT_TRUE(waitFor([&] { return player->activity() == PlayerActivity::Playing; }));
    GstElement* pipeline = sink;
    while (GstObject* parent = GST_OBJECT_PARENT(pipeline)) {
        pipeline = GST_ELEMENT(parent);
    }
    GstClock* clock = gst_pipeline_get_clock(GST_PIPELINE(pipeline));
    // With a lost clock the pipeline goes through PAUSED back to PLAYING to choose another.
    for (const auto& [message, reselectsClock] : {std::pair {gst_message_new_buffering(GST_OBJECT(sink), 0), false},
             std::pair {gst_message_new_clock_lost(GST_OBJECT(pipeline), clock), true}}) {
        SCOPED_TRACE(reselectsClock ? "a lost clock" : "a sink's buffering");
        states.clear();
        gst_element_post_message(pipeline, message);
        QTest::qWait(500);
        EXPECT_EQ(!states.empty() && states.front() == MediaPipelineState::Paused, reselectsClock);
        EXPECT_EQ(player->activity(), PlayerActivity::Playing);
        EXPECT_NEAR(toneHeard(0.3), mp3Tone, 5.0);
    }
    gst_object_unref(clock);
}

TEST_F(GstMediaBackendTest, FailuresAreToldAndRetriedOnlyWhenRetryingCanMendThem)
{
    controller.play(stationAt(server->url("/missing.mp3")));
    ASSERT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Failed; }));
    // Failed, not Reconnecting: the unit tests show that such a failure is never retried.
    EXPECT_EQ(
        playbackStatusText(controller.playbackState()).english(), "The station says this stream does not exist (404).");

    controller.play(stationAt("http://127.0.0.1:1/live"));
    ASSERT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Reconnecting; }));
    EXPECT_EQ(controller.playbackState().failure.english(), "The station's server could not be reached.");

    // A source going off the air mid-stream is retried too; the unit tests show the retries.
    ASSERT_TRUE(server->startSource("/return.mp3", IcecastServer::Codec::Mp3, mp3Tone));
    controller.play(stationAt(server->url("/return.mp3")));
    ASSERT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Playing; }));
    server->stopSource("/return.mp3");
    EXPECT_TRUE(waitFor([&] { return phase() == PlaybackPhase::Reconnecting; }));
}

// The alarm's own tone needs no station: it sounds at its pitch, and its volume can rise.
TEST_F(GstMediaBackendTest, TheAlarmToneSoundsAtItsPitchAndRisesWithTheVolume)
{
    const std::unique_ptr<MediaPlayer> tone = backend.createTonePlayer();
    ASSERT_NE(tone, nullptr);
    tone->setVolume(0.5);
    tone->play();
    EXPECT_NEAR(toneHeard(), GstMediaBackend::toneFrequency, 2.0);
    // The loudest sample of a whole chime, after what is already on its way to the output.
    const auto loudest = [&] {
        const std::shared_ptr<CaptureSink> capture = captures.back();
        const std::size_t from = capture->sampleCount() + CaptureSink::sampleRate / 2;
        const auto chimeLength = static_cast<std::size_t>(GstMediaBackend::toneRepeat * CaptureSink::sampleRate);
        waitFor([&] { return capture->sampleCount() >= from + chimeLength; });
        const std::vector<float> chime = capture->samplesFrom(from);
        return std::abs(std::ranges::max(chime, {}, [](float sample) { return std::abs(sample); }));
    };
    const float half = loudest();
    tone->setVolume(1.0);
    EXPECT_NEAR(loudest() / half, 8.0, 0.5) << "half way on the mixer's cubic scale is an eighth";
}

} // namespace
} // namespace Vello
