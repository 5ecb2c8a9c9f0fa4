#include "sessionharness.h"

#include "playback/recordingnames.h"
#include "playback/recordingplan.h"
#include "ports/preferencekeys.h"

#include <gtest/gtest.h>

#include <functional>
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
            true, {"startRecording"}, {}, true},
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
