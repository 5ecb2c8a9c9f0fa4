#include "playback/playercontroller.h"

#include "fakehttpclient.h"
#include "fakemediabackend.h"
#include "manualmainqueue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Vello {
namespace {

Station stationWith(std::optional<std::string> url, std::optional<std::string> resolved = std::nullopt)
{
    Station station;
    station.stationuuid = "uuid-" + url.value_or("none") + resolved.value_or("");
    station.name = "Test FM";
    station.url = std::move(url);
    station.url_resolved = std::move(resolved);
    return station;
}

class PlayerControllerTest : public ::testing::Test {
protected:
    PlayerControllerTest()
    {
        controller.setOnStateChange([this] { ++callbacks; });
    }

    FakeMediaBackend backend;
    ManualMainQueue queue;
    FakeHttpClient http;
    PlayerController controller {backend, queue, http};
    int callbacks = 0;
};

TEST_F(PlayerControllerTest, UnplayableStationsChangeNothingAndReportNothing)
{
    const Station playing = stationWith("http://radio.example/live");
    controller.play(playing);
    ASSERT_EQ(backend.players.size(), 1U);
    callbacks = 0;

    const std::vector<Station> unplayable {
        stationWith(std::nullopt),
        stationWith("   ", " \n\t "),
        stationWith("file:///etc/passwd"),
        stationWith("FILE:///home/user/song.mp3"),
        stationWith("rtsp://radio.example/live"),
        stationWith("javascript:alert(1)"),
        stationWith("http://"),
        stationWith("http://radio.example:99999/"),
        stationWith("http://radio example/live"),
        stationWith("radio.example/live"),
        stationWith("not an address"),
        stationWith(std::nullopt, "v4l2:///dev/video0"),
    };
    for (const Station& station : unplayable) {
        controller.play(station);
    }

    EXPECT_EQ(callbacks, 0);
    EXPECT_EQ(backend.players.size(), 1U) << "no player is created for a refused address";
    EXPECT_EQ(controller.currentStation(), playing);
    EXPECT_FALSE(backend.players[0]->destroyed);
    EXPECT_EQ(backend.players[0]->calls, (std::vector<std::string> {"waits", "play"}))
        << "the stream that was playing keeps playing, untouched";
    EXPECT_TRUE(controller.isPlaying());
}

TEST_F(PlayerControllerTest, PlayOpensTheResolvedAddressTrimmedWithSchemeInAnyCase)
{
    controller.play(stationWith("http://fallback.example/", "  HTTPS://Radio.Example/live.mp3\n"));
    ASSERT_EQ(backend.players.size(), 1U);
    EXPECT_EQ(backend.players[0]->url, "HTTPS://Radio.Example/live.mp3");
    EXPECT_EQ(backend.players[0]->calls, (std::vector<std::string> {"waits", "play"}));
    EXPECT_EQ(callbacks, 1);

    controller.play(stationWith(" Http://fallback.example/stream", "  "));
    ASSERT_EQ(backend.players.size(), 2U);
    EXPECT_EQ(backend.players[1]->url, "Http://fallback.example/stream");
}

TEST_F(PlayerControllerTest, ASecondPlayReplacesTheFirstPlayer)
{
    const Station first = stationWith("http://one.example/");
    const Station second = stationWith("https://two.example/");
    controller.play(first);
    controller.play(second);

    EXPECT_EQ(backend.livePlayerCount(), 1U);
    EXPECT_TRUE(backend.players[0]->destroyed) << "the replaced player is released";
    EXPECT_EQ(backend.players[1]->url, "https://two.example/");
    EXPECT_EQ(controller.currentStation(), second);
    EXPECT_EQ(callbacks, 2);

    controller.play(second);
    EXPECT_EQ(backend.players.size(), 3U) << "playing the current station again reopens its stream";
    EXPECT_EQ(backend.livePlayerCount(), 1U);
    EXPECT_EQ(callbacks, 3);
}

TEST_F(PlayerControllerTest, AnAddressTheBackEndRefusesChangesNothing)
{
    backend.refused.push_back("http://refused.example/");
    controller.play(stationWith("http://refused.example/"));
    EXPECT_EQ(callbacks, 0);
    EXPECT_FALSE(controller.currentStation().has_value());
    EXPECT_FALSE(controller.hasPlayer());
}

TEST_F(PlayerControllerTest, PauseResumeAndStopOnAFreshControllerOnlyReport)
{
    controller.pause();
    controller.resume();
    controller.stop();
    EXPECT_EQ(callbacks, 3);
    EXPECT_FALSE(controller.hasPlayer());
    EXPECT_FALSE(controller.currentStation().has_value());
    EXPECT_TRUE(backend.players.empty());
}

TEST_F(PlayerControllerTest, StopPausesAndReleasesThenResumeHasNothingToResume)
{
    controller.play(stationWith("http://one.example/"));
    controller.pause();
    controller.resume();
    const auto record = backend.players[0];
    EXPECT_EQ(record->calls, (std::vector<std::string> {"waits", "play", "pause", "play"}));
    EXPECT_TRUE(controller.currentStation().has_value()) << "pause and resume keep the station";

    controller.stop();
    EXPECT_EQ(record->calls.back(), "pause");
    EXPECT_TRUE(record->destroyed);
    EXPECT_FALSE(controller.hasPlayer());
    EXPECT_FALSE(controller.currentStation().has_value());

    const std::size_t callsBefore = record->calls.size();
    callbacks = 0;
    controller.resume();
    EXPECT_EQ(callbacks, 1);
    EXPECT_EQ(record->calls.size(), callsBefore);
    EXPECT_EQ(backend.players.size(), 1U);
}

TEST_F(PlayerControllerTest, IsPlayingFollowsThePlayersStatus)
{
    EXPECT_FALSE(controller.isPlaying());

    controller.play(stationWith("http://one.example/"));
    auto record = backend.players[0];
    record->status = TimeControlStatus::WaitingToPlay;
    EXPECT_FALSE(controller.isPlaying()) << "waiting for data is not playing";
    record->status = TimeControlStatus::Playing;
    EXPECT_TRUE(controller.isPlaying());

    controller.pause();
    EXPECT_FALSE(controller.isPlaying());
    controller.resume();
    EXPECT_TRUE(controller.isPlaying());
    controller.stop();
    EXPECT_FALSE(controller.isPlaying());
}

TEST_F(PlayerControllerTest, TheCallbackRunsAfterTheOperationAndMayReplaceItself)
{
    bool sawPlayer = false;
    int replacementCalls = 0;
    controller.setOnStateChange([&] {
        sawPlayer = controller.hasPlayer() && controller.currentStation().has_value();
        controller.setOnStateChange([&] { ++replacementCalls; });
    });
    controller.play(stationWith("http://one.example/"));
    EXPECT_TRUE(sawPlayer) << "the callback is the last step, after the fields are set";
    controller.pause();
    EXPECT_EQ(replacementCalls, 1);
}

} // namespace
} // namespace Vello
