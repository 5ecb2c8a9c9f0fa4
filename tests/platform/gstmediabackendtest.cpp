#include "capturesink.h"
#include "icecastserver.h"

#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "playback/playercontroller.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace Vello {
namespace {

constexpr int mp3Tone = 440;
constexpr int oggTone = 660;

// Runs the GUI thread's loop until `done` holds or `timeoutMs` passes; returns whether it held.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

Station stationAt(const std::string& url)
{
    Station station;
    station.name = "Loopback";
    station.url = url;
    return station;
}

class GstMediaBackendTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        gst_init(nullptr, nullptr);
        server = std::make_unique<IcecastServer>();
        if (server->startError().empty()) {
            sourcesStarted = server->startSource("/tone.mp3", IcecastServer::Codec::Mp3, mp3Tone)
                && server->startSource("/tone.ogg", IcecastServer::Codec::OggVorbis, oggTone);
        }
    }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(server->startError().empty()) << server->startError();
        ASSERT_TRUE(sourcesStarted) << "the live sources did not reach the server";
    }

    // Samples the player's status on every turn of the loop, so a brief status 2 is not missed.
    bool waitForStatus(const MediaPlayer& player, TimeControlStatus wanted, bool& sawPlaying, int timeoutMs = 20000)
    {
        return spinUntil(
            [&] {
                const TimeControlStatus status = player.timeControlStatus();
                sawPlaying = sawPlaying || status == TimeControlStatus::Playing;
                return status == wanted;
            },
            timeoutMs);
    }

    // Waits until `capture` holds `seconds` of audio past `from`, and returns that audio.
    std::vector<float> listen(const CaptureSink& capture, std::size_t from, double seconds)
    {
        const auto wanted = static_cast<std::size_t>(seconds * CaptureSink::sampleRate);
        spinUntil([&] { return capture.sampleCount() >= from + wanted; });
        return capture.samplesFrom(from);
    }

    inline static std::unique_ptr<IcecastServer> server;
    inline static bool sourcesStarted = false;

    QtMainQueue queue;
    QtHttpClient http;
    std::vector<std::shared_ptr<CaptureSink>> captures;
    GstMediaBackend backend {queue, [this] {
                                 captures.push_back(CaptureSink::create());
                                 return captures.back()->makeElement();
                             }};
};

TEST_F(GstMediaBackendTest, PlaysMp3AndOggVorbisStreamsAtTheirTone)
{
    for (const auto& [mount, tone] : {std::pair {"/tone.mp3", mp3Tone}, std::pair {"/tone.ogg", oggTone}}) {
        SCOPED_TRACE(mount);
        auto player = backend.createPlayer(server->url(mount));
        ASSERT_NE(player, nullptr);
        player->setAutomaticallyWaitsToMinimizeStalling(true);
        EXPECT_EQ(player->timeControlStatus(), TimeControlStatus::Paused);
        player->play();
        EXPECT_EQ(player->timeControlStatus(), TimeControlStatus::WaitingToPlay);
        bool sawPlaying = false;
        ASSERT_TRUE(waitForStatus(*player, TimeControlStatus::Playing, sawPlaying));

        const std::vector<float> heard = listen(*captures.back(), captures.back()->sampleCount(), 0.5);
        ASSERT_GE(heard.size(), CaptureSink::sampleRate / 2U);
        EXPECT_NEAR(dominantFrequency(heard, CaptureSink::sampleRate), tone, 5.0);

        player->pause();
        EXPECT_EQ(player->timeControlStatus(), TimeControlStatus::Paused);
    }
}

TEST_F(GstMediaBackendTest, PlayingTheSecondStationLeavesOnlyItsTone)
{
    PlayerController controller(backend, queue, http);
    controller.play(stationAt(server->url("/tone.mp3")));
    ASSERT_TRUE(spinUntil([&] { return controller.isPlaying(); }));
    const std::shared_ptr<CaptureSink> first = captures.at(0);
    ASSERT_GT(listen(*first, first->sampleCount(), 0.2).size(), 0U);

    controller.play(stationAt(server->url("/tone.ogg")));
    const std::size_t firstHeardBeforeSwitch = first->sampleCount();
    ASSERT_EQ(captures.size(), 2U);
    ASSERT_TRUE(spinUntil([&] { return controller.isPlaying(); }));
    const std::shared_ptr<CaptureSink> second = captures.at(1);
    const std::size_t firstHeardWhenSecondPlays = first->sampleCount();

    const std::vector<float> heard = listen(*second, second->sampleCount(), 0.5);
    EXPECT_NEAR(dominantFrequency(heard, CaptureSink::sampleRate), oggTone, 5.0);
    // At most one buffer in flight may still reach the old sink after the switch; nothing of
    // it once the new station plays.
    EXPECT_LT(first->loudSamplesFrom(firstHeardBeforeSwitch), CaptureSink::sampleRate / 10U);
    EXPECT_EQ(first->loudSamplesFrom(firstHeardWhenSecondPlays), 0U);
}

TEST_F(GstMediaBackendTest, UnreachableStreamsNeverPlay)
{
    for (const std::string& url :
        {server->url("/missing.mp3"), "http://127.0.0.1:" + std::to_string(IcecastServer::freePort()) + "/live"}) {
        SCOPED_TRACE(url);
        auto player = backend.createPlayer(url);
        ASSERT_NE(player, nullptr);
        player->setAutomaticallyWaitsToMinimizeStalling(true);
        player->play();
        bool sawPlaying = false;
        EXPECT_TRUE(waitForStatus(*player, TimeControlStatus::Paused, sawPlaying)) << "the failure ends the attempt";
        EXPECT_FALSE(sawPlaying);
        player->play();
        EXPECT_EQ(player->timeControlStatus(), TimeControlStatus::Paused) << "a failed stream stays silent";
    }
}

TEST_F(GstMediaBackendTest, ASourceThatGoesOffTheAirEndsPlayback)
{
    ASSERT_TRUE(server->startSource("/leaving.mp3", IcecastServer::Codec::Mp3, mp3Tone));
    auto player = backend.createPlayer(server->url("/leaving.mp3"));
    ASSERT_NE(player, nullptr);
    player->setAutomaticallyWaitsToMinimizeStalling(true);
    player->play();
    bool sawPlaying = false;
    ASSERT_TRUE(waitForStatus(*player, TimeControlStatus::Playing, sawPlaying));

    server->stopSource("/leaving.mp3");
    EXPECT_TRUE(spinUntil([&] { return player->timeControlStatus() != TimeControlStatus::Playing; }));
    player.reset();
}

TEST_F(GstMediaBackendTest, RefusesEverythingButHttpAndHttps)
{
    for (const char* url : {"file:///etc/passwd", "FILE:///etc/passwd", "fd://0", "v4l2:///dev/video0",
             "rtsp://127.0.0.1/live", "http://", "http:///no-host", "http://bad host/", "not an address"}) {
        EXPECT_EQ(backend.createPlayer(url), nullptr) << url;
    }
    EXPECT_NE(backend.createPlayer("HTTP://127.0.0.1:1/upper-case-scheme"), nullptr);

    PlayerController controller(backend, queue, http);
    int callbacks = 0;
    controller.setOnStateChange([&] { ++callbacks; });
    controller.play(stationAt("file:///etc/passwd"));
    EXPECT_FALSE(controller.hasPlayer());
    EXPECT_EQ(callbacks, 0);
}

TEST_F(GstMediaBackendTest, ReleasingAPlayerReturnsAtOnceAndItsMessagesAreDropped)
{
    auto player = backend.createPlayer(server->url("/tone.mp3"));
    player->setAutomaticallyWaitsToMinimizeStalling(true);
    player->play();
    bool sawPlaying = false;
    ASSERT_TRUE(waitForStatus(*player, TimeControlStatus::Playing, sawPlaying));
    // Destroying it while messages about it are still queued: they must find it gone.
    player->pause();
    player.reset();
    const std::size_t heard = captures.back()->sampleCount();
    QCoreApplication::processEvents();
    spinUntil([] { return false; }, 200);
    EXPECT_EQ(captures.back()->loudSamplesFrom(heard), 0U);
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
