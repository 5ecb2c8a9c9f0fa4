#include "sessionharness.h"

#include "playback/recordingnames.h"
#include "playback/recordingplan.h"
#include "ports/preferencekeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vello {
namespace {

using Calls = std::vector<std::string>;

// The recorder made last from the current player, when there is one.
FakeRecorderRecord* recorderOf(SessionHarness& h)
{
    auto& player = h.media.players.back();
    return player->recorders.empty() ? nullptr : player->recorders.back().get();
}

TEST(SessionRecorderTest, RecordingFollowsThePlayingStationAndSaysWhyItStopped)
{
    const RecordedPiece partial {"a.mp3", {}, false, true};
    struct Case {
        const char* name;
        // After Station 0 plays and Record is pressed.
        std::function<void(SessionHarness&)> then;
        bool recording;
        Calls recorderCalls;
        Text failure;
        // Whether the listeners heard of it.
        bool told;
    };
    const Case cases[] = {
        {"recording goes on", [](SessionHarness&) {}, true, {"startRecording"}, {}, false},
        {"Record again stops it", [](SessionHarness& h) { h.session->toggleRecording(); }, false,
            {"startRecording", "stopRecording"}, {}, true},
        {"another station stops it", [](SessionHarness& h) { h.session->play(h.list[1]); }, false,
            {"startRecording", "stopRecording"}, {}, true},
        {"pausing records on", [](SessionHarness& h) { h.session->pause(); }, true, {"startRecording"}, {}, false},
        {"a full disk stops it and says so",
            [](SessionHarness& h) {
                recorderOf(h)->emit(RecorderFailed {RecorderFailure::NoRoom, "a.mp3"});
            },
            false, {"startRecording"}, recorderFailureText(RecorderFailure::NoRoom), true},
        {"a stream that cannot be saved says so",
            [](SessionHarness& h) {
                recorderOf(h)->emit(RecorderFailed {RecorderFailure::NotSavable, {}});
            },
            false, {"startRecording"}, recorderFailureText(RecorderFailure::NotSavable), true},
        {"a song saved too late leaves the recording be",
            [](SessionHarness& h) {
                recorderOf(h)->emit(RecorderFailed {RecorderFailure::NotKept, {}});
            },
            true, {"startRecording"}, {}, false},
        {"a new recording forgets the last failure",
            [](SessionHarness& h) {
                recorderOf(h)->emit(RecorderFailed {RecorderFailure::NotWritable, {}});
                h.session->toggleRecording();
            },
            true, {"startRecording", "startRecording"}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionHarness h;
        h.session->setRecordingPlaces({"/music/Pemba Vello", "/cache"});
        h.session->play(h.list[0]);
        h.report(MediaStateChanged {MediaPipelineState::Playing});
        const auto startedPlayer = h.media.players.back();
        h.session->toggleRecording();
        const auto recorder = startedPlayer->recorders.back();
        h.heard.clear();
        c.then(h);

        EXPECT_EQ(h.session->recording().recording, c.recording);
        EXPECT_EQ(h.session->recording().failure, c.failure);
        EXPECT_EQ(startedPlayer->recorders.back()->calls, c.recorderCalls);
        EXPECT_EQ(recorder->keptIn, "/cache");
        EXPECT_EQ(recorder->folder, stationFolder("/music/Pemba Vello", "Station 0"));
        EXPECT_TRUE(recorder->rules->keeps(partial)) << "nothing recorded is deleted unless asked";
        EXPECT_EQ(std::ranges::any_of(h.heard, &SessionChanges::recording), c.told);
        // Recording never stops playback.
        EXPECT_EQ(h.session->isPlaybackActive(), c.name != std::string("pausing records on"));
    }
}

TEST(SessionRecorderTest, RecordingTakesItsPlacesFromPreferencesAndRecordsOnAcrossAReconnect)
{
    SessionHarness h;
    h.session->setRecordingPlaces({"/music/Pemba Vello", "/cache"});
    h.preferences.setText(PreferenceKey::recordingFolder, "/elsewhere");
    h.preferences.setFlag(PreferenceKey::keepOnlyCompleteSongs.key, true);
    h.session->toggleRecording();
    EXPECT_FALSE(h.session->recording().recording) << "nothing to record";

    h.session->play(h.list[2]);
    h.session->toggleRecording();
    const auto first = recorderOf(h);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->folder, stationFolder("/elsewhere", "Station 2"));
    EXPECT_FALSE(first->rules->keeps({"a.mp3", {}, true, false}));
    const auto since = h.session->recording().since;

    // The stream drops and reconnects on a new player: the old recorder goes before its player,
    // and the new one records on.
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    const auto dropped = h.media.players.back();
    h.report(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceRead});
    h.queue.advance(std::chrono::seconds(30));
    ASSERT_NE(h.media.players.back(), dropped);
    EXPECT_TRUE(dropped->recorders.back()->destroyed);
    EXPECT_EQ(dropped->recorders.back()->calls, (Calls {"startRecording", "stopRecording"}));
    ASSERT_NE(recorderOf(h), nullptr);
    EXPECT_EQ(recorderOf(h)->calls, (Calls {"startRecording"}));
    EXPECT_TRUE(h.session->recording().recording);
    EXPECT_EQ(h.session->recording().since, since);
    h.session.reset();
    EXPECT_TRUE(h.media.players.back()->recorders.back()->destroyed);
}

TEST(SessionRecorderTest, PauseKeepsThePlaceWhileTheStreamIsKept)
{
    struct Case {
        const char* name;
        // What the recorder found the stream to be; nothing while it has not said.
        std::optional<RecordedFormat> format;
        // After Station 0 plays and is paused.
        std::function<void(SessionHarness&)> then;
        PlaybackPhase phase;
        Calls recorderCalls;
        // Whether Station 0's player was paused for real (or held, for another station).
        bool playerPaused;
    };
    const auto nothing = [](SessionHarness&) {};
    const Case cases[] = {
        {"a stream not yet known pauses for real", std::nullopt, nothing, PlaybackPhase::Paused, {}, true},
        {"a stream that cannot be kept pauses for real", RecordedFormat::NotSavable, nothing, PlaybackPhase::Paused, {},
            true},
        {"a kept stream pauses live", RecordedFormat::Mp3, nothing, PlaybackPhase::Paused, {"pause"}, false},
        {"Play goes on from the place", RecordedFormat::Mp3, [](SessionHarness& h) { h.session->playPause(); },
            PlaybackPhase::Playing, {"pause", "play"}, false},
        {"the same station played again goes on from the place", RecordedFormat::Mp3,
            [](SessionHarness& h) { h.session->play(h.list[0]); }, PlaybackPhase::Playing, {"pause", "play"}, false},
        {"Go Live", RecordedFormat::Mp3, [](SessionHarness& h) { h.session->recorder().goLive(); },
            PlaybackPhase::Playing, {"pause", "goLive"}, false},
        {"another station plays, live", RecordedFormat::Mp3,
            [](SessionHarness& h) {
                h.session->play(h.list[1]);
                h.report(MediaStateChanged {MediaPipelineState::Playing});
            },
            PlaybackPhase::Playing, {"pause", "goLive"}, true},
        {"a drop while paused stays paused", RecordedFormat::Mp3,
            [](SessionHarness& h) {
                h.report(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceRead});
                h.queue.advance(std::chrono::seconds(30));
            },
            PlaybackPhase::Paused, {"pause"}, false},
        {"paused past the minutes kept, the stream stops", RecordedFormat::Mp3,
            [](SessionHarness& h) { h.queue.advance(std::chrono::minutes(10)); }, PlaybackPhase::Paused,
            {"pause", "goLive"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionHarness h;
        h.preferences.setNumber(PreferenceKey::keptMinutes.key, 10);
        h.session->setRecordingPlaces({"/music/Pemba Vello", "/cache"});
        h.session->play(h.list[0]);
        h.report(MediaStateChanged {MediaPipelineState::Playing});
        const auto player = h.media.players.back();
        const auto recorder = recorderOf(h);
        ASSERT_NE(recorder, nullptr) << "kept from its first byte";
        EXPECT_EQ(recorder->keptFor, std::chrono::minutes(10));
        if (c.format) {
            recorder->emit(RecorderFormatKnown {*c.format});
        }
        h.session->pause();
        c.then(h);
        h.queue.runPending();

        EXPECT_EQ(h.session->playbackState().phase, c.phase);
        EXPECT_EQ(h.session->isPlaybackActive(), c.phase == PlaybackPhase::Playing);
        EXPECT_EQ(recorder->calls, c.recorderCalls);
        EXPECT_EQ(std::ranges::count(player->calls, "pause") > 0, c.playerPaused);
        if (c.phase == PlaybackPhase::Playing) {
            EXPECT_EQ(h.media.players.back()->calls.back(), "play");
        }
    }
}

TEST(SessionRecorderTest, ASongHeardIsSavedWhileItIsKept)
{
    SessionHarness h;
    h.session->setRecordingPlaces({"/music/Pemba Vello", "/cache"});
    h.session->play(h.list[0]);
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    auto* recorder = recorderOf(h);
    const auto heard = std::chrono::system_clock::now();
    recorder->emit(RecorderFormatKnown {RecordedFormat::Mp3});
    recorder->emit(SongKept {{2, "Song", "Artist", heard, std::chrono::seconds(20)}});
    SessionRecorder& kept = h.session->recorder();
    EXPECT_EQ(kept.keptSong("Artist - Song", "s0", heard), std::optional<std::uint64_t>(2));
    EXPECT_EQ(kept.keptSong("Artist - Song", "s1", heard), std::nullopt) << "another station's song";

    h.heard.clear();
    kept.saveSong(2);
    EXPECT_EQ(recorder->calls.back(), "saveSong 2");
    EXPECT_EQ(recorder->folder, stationFolder("/music/Pemba Vello", "Station 0"));
    recorder->emit(PieceWritten {
        {"/music/Pemba Vello/Station 0/Artist - Song.mp3", {2, "Song", "Artist", heard, {}}, true, true}, true});
    EXPECT_EQ(kept.saveNotice().text.english(), "Saved “Artist - Song.mp3”.");
    kept.saveSong(2);
    recorder->emit(RecorderFailed {RecorderFailure::NotKept, {}});
    EXPECT_EQ(kept.saveNotice().text, recorderFailureText(RecorderFailure::NotKept));
    EXPECT_EQ(std::ranges::count_if(h.heard, &SessionChanges::songSaved), 2);
    EXPECT_FALSE(h.session->recording().recording) << "saving is not recording";

    recorder->emit(KeptFrom {std::chrono::seconds(30)});
    EXPECT_EQ(kept.keptSong("Artist - Song", "s0", heard), std::nullopt) << "no longer kept";
}

TEST(SessionRecorderTest, BehindLiveTheSongIsTheOneHeard)
{
    SessionHarness h;
    (void)h.session->keepSongsIn(h.documents);
    h.session->setRecordingPlaces({"/music", "/cache"});
    h.session->play(h.list[0]);
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    FakeRecorderRecord& kept = *recorderOf(h);
    kept.emit(RecorderFormatKnown {RecordedFormat::Mp3});
    kept.emit(SongKept {{2, "One", "A", {}, std::chrono::seconds(10)}});
    h.report(MediaTags {"One", "A"});
    kept.heard = std::chrono::seconds(40);
    h.session->pause();
    // The next song arrives while paused: it is not heard yet.
    kept.emit(SongKept {{3, "Two", "B", {}, std::chrono::seconds(70)}});
    h.report(MediaTags {"Two", "B"});
    kept.behindLive = std::chrono::seconds(35);
    h.session->playPause();
    EXPECT_EQ(h.session->streamTitle(), "A - One");
    EXPECT_EQ(h.session->songsHeard().size(), 1U);

    // It is heard once the replay reaches it.
    kept.heard = std::chrono::seconds(70);
    h.queue.advance(std::chrono::seconds(30));
    EXPECT_EQ(h.session->streamTitle(), "B - Two");
    ASSERT_EQ(h.session->songsHeard().size(), 2U);
    EXPECT_EQ(h.session->songsHeard().front().title, "B - Two");
    kept.behindLive = {};
    h.session->recorder().goLive();
    EXPECT_EQ(h.session->streamTitle(), "B - Two");
}

TEST(SessionRecorderTest, RecordingLengthReadsAsAClock)
{
    const struct {
        long long seconds;
        const char* text;
    } cases[] = {{0, "0:00"}, {7, "0:07"}, {754, "12:34"}, {3599, "59:59"}, {3723, "1:02:03"}, {-5, "0:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(recordingLengthText(std::chrono::seconds(c.seconds)), c.text) << c.seconds;
    }
}

} // namespace
} // namespace Vello
