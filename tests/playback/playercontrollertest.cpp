#include "playback/playercontroller.h"

#include "fakehttpclient.h"
#include "fakemediabackend.h"
#include "manualmainqueue.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Calls = std::vector<std::string>;

Station stationWith(const std::optional<std::string>& url, const std::optional<std::string>& resolved = std::nullopt)
{
    return StationFields {.stationuuid = "uuid-" + url.value_or("none") + resolved.value_or(""),
        .name = "Test FM",
        .url = url,
        .url_resolved = resolved};
}

const MediaEvent playing = MediaStateChanged {MediaPipelineState::Playing};
const MediaEvent unreachable = MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead, 0, false};

MediaEvent httpError(int status)
{
    return MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotFound, status, false};
}

class PlayerControllerTest : public ::testing::Test {
protected:
    PlayerControllerTest()
    {
        controller.setOnStateChange([this] { ++callbacks; });
    }

    [[nodiscard]] FakePlayerRecord& latest() const { return *backend.players.back(); }
    [[nodiscard]] PlaybackPhase phase() const { return controller.playbackState().phase; }
    [[nodiscard]] std::string status() const { return playbackStatusText(controller.playbackState()).english(); }

    void answer(std::string body, int httpStatus = 200)
    {
        ASSERT_TRUE(http.respond(HttpResponse {httpStatus, std::move(body)}));
        queue.runPending();
    }

    FakeMediaBackend backend;
    ManualMainQueue queue;
    FakeHttpClient http;
    PlayerController controller {backend, queue, http};
    int callbacks = 0;
};

TEST_F(PlayerControllerTest, UnplayableStationsChangeNothingAndReportNothing)
{
    const Station current = stationWith("http://radio.example/live");
    controller.play(current);
    backend.refused.push_back("http://refused.example/");
    callbacks = 0;
    for (const Station& station :
        {stationWith(std::nullopt), stationWith("   ", " \n\t "), stationWith(std::nullopt, "v4l2:///dev/video0"),
            stationWith("http://refused.example/"), stationWith("file:///list.pls")}) {
        controller.play(station);
    }
    EXPECT_EQ(callbacks, 0);
    EXPECT_EQ(backend.players.size(), 1U);
    EXPECT_EQ(controller.currentStation(), current);
    EXPECT_EQ(latest().calls, (Calls {"waits", "play"})) << "the playing stream is untouched";
    EXPECT_TRUE(http.requestedUrls().empty());
}

TEST_F(PlayerControllerTest, EveryPlayOpensAFreshPlayerWithTheVolumeAndReports)
{
    controller.setVolume(0.25);
    controller.setMuted(true);
    controller.play(stationWith("http://fallback.example/", "  HTTPS://Radio.Example/live.mp3\n"));
    EXPECT_EQ(latest().url, "HTTPS://Radio.Example/live.mp3");
    controller.play(stationWith(" Http://two.example/stream", "  "));
    controller.play(stationWith(" Http://two.example/stream", "  "));
    ASSERT_EQ(backend.players.size(), 3U);
    EXPECT_TRUE(backend.players[0]->destroyed && backend.players[1]->destroyed && !latest().destroyed);
    EXPECT_EQ(latest().url, "Http://two.example/stream");
    EXPECT_EQ(latest().calls, (Calls {"waits", "play"}));
    EXPECT_EQ(latest().volume, 0.25);
    EXPECT_TRUE(latest().muted);
    EXPECT_EQ(phase(), PlaybackPhase::Connecting);
    EXPECT_EQ(callbacks, 2 + 3) << "volume, mute and each play report once";

    controller.setVolume(1.5);
    EXPECT_EQ(latest().volume, 1.0);
}

TEST_F(PlayerControllerTest, PauseFollowsThePlayer)
{
    controller.pause();
    EXPECT_EQ(callbacks, 1) << "it reports even with nothing to do";
    EXPECT_EQ(phase(), PlaybackPhase::Idle);

    controller.play(stationWith("http://one.example/"));
    const auto record = backend.players[0];
    record->status = PlayerActivity::WaitingToPlay;
    EXPECT_FALSE(controller.isPlaying()) << "waiting for data is not playing";
    record->status = PlayerActivity::Playing;
    EXPECT_TRUE(controller.isPlaying());
    record->emit(playing);
    EXPECT_EQ(std::pair(phase(), status()), std::pair(PlaybackPhase::Playing, std::string()));
    controller.pause();
    EXPECT_EQ(std::pair(phase(), status()), std::pair(PlaybackPhase::Paused, std::string("Paused")));
    EXPECT_EQ(record->calls, (Calls {"waits", "play", "pause"}));
}

TEST_F(PlayerControllerTest, ReportsWhatThePlayerSaysAndTheSongTitle)
{
    bool sawState = false;
    controller.setOnStateChange([&] { sawState = controller.playbackState().phase == PlaybackPhase::Buffering; });
    const Station station = stationWith("http://one.example/");
    controller.play(station);
    latest().emit(MediaBuffering {40});
    EXPECT_TRUE(sawState) << "the callback runs after the change";
    EXPECT_EQ(status(), "Buffering 40 %");
    latest().emit(playing);
    EXPECT_EQ(status(), "Buffering 40 %") << "the pipeline plays, but the buffer is not full yet";
    latest().emit(MediaBuffering {100});
    EXPECT_EQ(phase(), PlaybackPhase::Playing);
    latest().emit(MediaBuffering {40});
    controller.play(station);
    latest().emit(playing);
    EXPECT_EQ(phase(), PlaybackPhase::Playing) << "a fresh start forgets the old buffer";

    latest().emit(MediaTags {"Ceremony\x01", "New Order", {"MP3", 128'000, 44'100}});
    EXPECT_EQ(controller.streamTitle(), "New Order - Ceremony");
    latest().emit(MediaTags {"", "", {"", 0, 48'000}});
    EXPECT_EQ(controller.streamDetails(), (MediaStreamDetails {"MP3", 128'000, 48'000})) << "each tag what it names";
    for (const char* placeholder : {"Unknown - Unknown", "test fm", "http://one.example/"}) {
        latest().emit(MediaTags {placeholder, ""});
        EXPECT_EQ(controller.streamTitle(), "New Order - Ceremony") << placeholder << " leaves the last title";
    }
    controller.play(station);
    EXPECT_EQ(controller.streamTitle(), "New Order - Ceremony") << "the same station keeps its title";
    controller.play(stationWith("http://two.example/"));
    EXPECT_EQ(controller.streamTitle(), "");
}

TEST_F(PlayerControllerTest, RetriesOnTheBackOffScheduleUntilItPlaysAgain)
{
    controller.play(stationWith("http://one.example/"));
    latest().emit(playing);
    latest().emit(MediaEndOfStream {});
    for (const int wait : {1, 2, 4, 8, 15, 30, 30}) {
        SCOPED_TRACE(wait);
        const std::size_t players = backend.players.size();
        EXPECT_TRUE(status().ends_with(". Trying again in " + std::to_string(wait) + " s…")) << status();
        queue.advance(std::chrono::seconds(wait - 1));
        EXPECT_EQ(controller.playbackState().secondsUntilRetry, 1) << "it counts down each second";
        EXPECT_EQ(backend.players.size(), players);
        queue.advance(1s);
        ASSERT_EQ(backend.players.size(), players + 1);
        EXPECT_EQ(phase(), PlaybackPhase::Connecting);
        // Once a stream has played, even a client error may be a mount briefly off the air.
        latest().emit(wait == 1 ? httpError(404) : wait == 2 ? httpError(400) : unreachable);
    }
    latest().emit(playing);
    EXPECT_EQ(phase(), PlaybackPhase::Reconnecting) << "reports after a failure are stale";
    queue.advance(30s);
    latest().emit(playing);
    EXPECT_EQ(phase(), PlaybackPhase::Playing);
    latest().emit(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceRead, 0, false});
    EXPECT_EQ(status(), "The station stopped sending audio. Trying again in 1 s…")
        << "a successful reconnect starts the schedule afresh";
}

TEST_F(PlayerControllerTest, AStationThatNeverPlayedSaysWhyAndGivesUpAfterThreeTries)
{
    const std::string reason = "The station's server could not be reached.";
    controller.play(stationWith("http://127.0.0.1:9/"));
    for (const int wait : {1, 2, 4}) {
        latest().emit(unreachable);
        EXPECT_EQ(status(), reason + " Trying again in " + std::to_string(wait) + " s…");
        queue.advance(std::chrono::seconds(wait));
    }
    latest().emit(unreachable);
    EXPECT_EQ(phase(), PlaybackPhase::Failed);
    EXPECT_EQ(status(), reason);
    const std::size_t players = backend.players.size();
    queue.advance(120s);
    EXPECT_EQ(backend.players.size(), players);
    controller.play(stationWith("http://127.0.0.1:9/"));
    EXPECT_EQ(backend.players.size(), players + 1) << "Play tries again";
    EXPECT_EQ(phase(), PlaybackPhase::Connecting);
}

TEST_F(PlayerControllerTest, FailuresThatRetryingCannotMendAreShownAndNotRetried)
{
    const std::vector<std::tuple<const char*, MediaEvent, std::string>> cases {
        {"404", httpError(404), "The station says this stream does not exist (404)."},
        {"403", httpError(403), "The station refused to play this stream (403)."},
        {"missing codec",
            MediaMissingPlugin {"MPEG-4 AAC decoder", "gstreamer|1.0|x|y|decoder-audio/mpeg, mpegversion=(int)4"},
            "This stream is in a format that cannot be played here (AAC); installing gstreamer1.0-libav adds it."},
        {"unknown codec", MediaMissingPlugin {"Foo decoder", "decoder-audio/x-foo"},
            "This stream is in a format that cannot be played here (Foo decoder)."},
        {"certificate", MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead, 0, true},
            "The station's secure connection could not be verified."},
        {"no decoder", MediaError {MediaErrorDomain::Stream, MediaErrorCode::streamCodecNotFound, 0, false},
            "This stream is in a format that cannot be played here."},
    };
    for (const auto& [name, event, shown] : cases) {
        SCOPED_TRACE(name);
        controller.play(stationWith("http://one.example/"));
        latest().emit(event);
        latest().emit(MediaError {MediaErrorDomain::Stream, MediaErrorCode::streamCodecNotFound, 0, false});
        EXPECT_EQ(phase(), PlaybackPhase::Failed);
        EXPECT_EQ(status(), shown);
        const std::size_t players = backend.players.size();
        queue.advance(120s);
        EXPECT_EQ(backend.players.size(), players);
    }
    for (const int code : {408, 429, 503}) {
        controller.play(stationWith("http://one.example/"));
        latest().emit(httpError(code));
        EXPECT_EQ(phase(), PlaybackPhase::Reconnecting) << code;
        EXPECT_TRUE(status().starts_with("The station's server is busy (" + std::to_string(code) + ").")) << status();
    }
}

TEST_F(PlayerControllerTest, PauseOrAnotherStationCancelsAPendingRetry)
{
    for (const bool pause : {true, false}) {
        SCOPED_TRACE(pause ? "pause" : "another station");
        controller.play(stationWith("http://one.example/"));
        latest().emit(unreachable);
        ASSERT_EQ(phase(), PlaybackPhase::Reconnecting);
        const std::size_t players = backend.players.size();
        pause ? controller.pause() : controller.play(stationWith("http://two.example/"));
        queue.advance(60s);
        EXPECT_EQ(phase(), pause ? PlaybackPhase::Paused : PlaybackPhase::Connecting);
        EXPECT_EQ(backend.players.size(), players + (pause ? 0 : 1));
    }
}

TEST_F(PlayerControllerTest, PlaylistLinksAreDownloadedAndTheirEntriesTriedInOrder)
{
    controller.play(stationWith("http://list.example/radio/station.pls"));
    EXPECT_TRUE(backend.players.empty()) << "the playlist comes first";
    answer("[playlist]\nFile1=http://dead.example/a\nFile2=relative.mp3\n");
    ASSERT_EQ(backend.players.size(), 1U);
    EXPECT_EQ(latest().url, "http://dead.example/a");
    latest().emit(unreachable);
    ASSERT_EQ(backend.players.size(), 2U);
    EXPECT_EQ(latest().url, "http://list.example/radio/relative.mp3");
    EXPECT_EQ(phase(), PlaybackPhase::Connecting);
    latest().emit(unreachable);
    EXPECT_EQ(phase(), PlaybackPhase::Reconnecting) << "the last entry's failure is what counts";
    queue.advance(1s);
    EXPECT_EQ(http.requestedUrls().size(), 2U) << "a retry reads the playlist again";
    const std::string playlist = "[playlist]\nFile1=http://dead.example/a\nFile2=relative.mp3\n";
    answer(playlist);
    latest().emit(playing);
    latest().emit(MediaTags {"http://dead.example/a", ""});
    EXPECT_EQ(controller.streamTitle(), "") << "the entry's address is no title";
    latest().emit(unreachable);
    EXPECT_EQ(backend.players.size(), 3U) << "an entry that played and dropped is retried, not skipped";
    queue.advance(1s);
    answer(playlist);
    latest().emit(unreachable);
    EXPECT_EQ(latest().url, "http://list.example/radio/relative.mp3") << "each attempt starts unplayed";
    latest().emit(unreachable);
    queue.advance(2s);
    controller.play(stationWith("http://list.example/paused.pls"));
    answer("http://late.example/\n");
    EXPECT_EQ(backend.players.size(), 5U) << "an answer for a stream given up is dropped";

    controller.pause();
    answer("[playlist]\nFile1=http://late.example/\n");
    EXPECT_EQ(backend.players.size(), 5U) << "a playlist that arrives after a pause starts nothing";

    controller.play(stationWith("http://list.example/self.m3u"));
    answer("#EXTM3U\nhttp://list.example/self.m3u\nfile:///etc/passwd\n");
    EXPECT_EQ(status(), "The station's playlist lists no stream that can be played here.");

    controller.play(stationWith("http://list.example/live.m3u8"));
    answer("#EXTM3U\n#EXT-X-TARGETDURATION:6\nsegment1.ts\n");
    EXPECT_EQ(latest().url, "http://list.example/live.m3u8") << "HLS goes to the player unchanged";

    controller.play(stationWith("http://list.example/listen"));
    latest().emit(MediaError {MediaErrorDomain::Stream, MediaErrorCode::streamTypeNotFound, 0, false});
    EXPECT_EQ(http.requestedUrls().back(), "http://list.example/listen") << "text that is not audio is read";
    answer("http://list.example/stream.mp3\n");
    EXPECT_EQ(latest().url, "http://list.example/stream.mp3");
}

} // namespace
} // namespace Vello
