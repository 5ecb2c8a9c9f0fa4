#include "sessionharness.h"

#include "desktop/mprisclientposition.h"
#include "desktop/sessionmprisplayer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// Plays the first station with 20 s of its stream kept, heard `behind` live.
FakeRecorderRecord& keep(SessionHarness& h, std::chrono::seconds behind)
{
    h.session->setRecordingPlaces({"/music", "/cache"});
    h.session->play(h.list[0]);
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    FakeRecorderRecord& recorder = *h.media.players.back()->recorders.back();
    std::tie(recorder.kept, recorder.behindLive) = std::tuple(20s, behind);
    recorder.emit(RecorderFormatKnown {RecordedFormat::Mp3});
    return recorder;
}

void pauseSession(SessionHarness& h)
{
    h.session->pause();
}

// What the desktop's media controls read of the session in each state it can be in.
TEST(SessionMprisPlayer, TellsTheStatusTheTrackAndWhatTheControlsCanDo)
{
    struct Case {
        const char* name;
        std::function<void(SessionHarness&)> reach;
        // PlaybackStatus, Metadata's title, artist and logo, then CanGoNext (and Previous),
        // CanPlay, CanPause, CanSeek and the Position.
        MprisState expected;
    };
    const auto play = [](const char* id, const char* favicon = nullptr) {
        return [id, favicon](SessionHarness& h) {
            StationFields fields = makeStation(id, id == std::string("u") ? "" : "Radio").fields();
            if (favicon != nullptr) {
                fields.favicon = favicon;
            }
            h.session->play(Station(fields));
        };
    };
    const auto then
        = [](const std::function<void(SessionHarness&)>& first, const std::function<void(SessionHarness&)>& next) {
              return [first, next](SessionHarness& h) {
                  first(h);
                  next(h);
              };
          };
    const auto report = [](const MediaEvent& event) { return [event](SessionHarness& h) { h.report(event); }; };
    const auto noList = [](SessionHarness& h) { h.list.clear(); };
    const auto kept = [](std::chrono::seconds behind) { return [behind](SessionHarness& h) { keep(h, behind); }; };
    const auto onKitchen = [](SessionHarness& h) {
        EXPECT_EQ(h.session->findOutputs(h.outputs), std::nullopt);
        h.outputs.find("uuid:k", "Kitchen");
        h.session->chooseOutput("uuid:k");
        h.session->setVolume(0.3);
    };
    const auto state = [](const char* status, const char* title, const char* artist, const char* art, bool canGo,
                           bool canPlay, bool canPause, bool canSeek = false, std::chrono::seconds position = 0s) {
        MprisState expected;
        std::tie(expected.canSeek, expected.position) = std::tuple(canSeek, position);
        expected.playbackStatus = QString::fromLatin1(status);
        expected.title = QString::fromUtf8(title);
        expected.artist = QString::fromUtf8(artist);
        expected.artUrl = QString::fromLatin1(art);
        std::tie(expected.canGoNext, expected.canGoPrevious, expected.canPlay, expected.canPause)
            = std::tie(canGo, canGo, canPlay, canPause);
        return expected;
    };
    const std::vector<Case> cases {
        {"idle, a list to play", [](SessionHarness&) {}, state("Stopped", "", "", "", true, true, false)},
        {"idle, no list", noList, state("Stopped", "", "", "", false, false, false)},
        {"connecting", play("a"), state("Playing", "Radio", "Radio", "", true, true, true)},
        {"playing a song", then(play("a"), report(MediaTags {"Song", ""})),
            state("Playing", "Song", "Radio", "", true, true, true)},
        {"paused", then(play("a"), pauseSession), state("Paused", "Radio", "Radio", "", true, true, false)},
        {"failed",
            then(
                play("a"), report(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotAuthorized, 403})),
            state("Stopped", "Radio", "Radio", "", true, true, false)},
        {"recording", then(play("a"), [](SessionHarness& h) { h.session->toggleRecording(); }),
            state("Playing", "Radio", "Radio · Recording", "", true, true, true)},
        {"a station and no list", then(noList, play("a")), state("Playing", "Radio", "Radio", "", false, true, true)},
        {"a logo kept", play("a", "http://logo.test/kept.png"),
            state("Playing", "Radio", "Radio", "file:///logos/kept.png", true, true, true)},
        {"a logo not kept", play("a", "http://logo.test/new.png"),
            state("Playing", "Radio", "Radio", "", true, true, true)},
        {"a station without a name", play("u"),
            state("Playing", "Unnamed station", "Unnamed station", "", true, true, true)},
        {"kept, behind live", kept(5s), state("Playing", "Station 0", "Station 0", "", true, true, true, true, 15s)},
        {"kept, paused live", then(kept(0s), pauseSession),
            state("Paused", "Station 0", "Station 0", "", true, true, false, true, 20s)},
        {"kept, played on an output", then(kept(0s), onKitchen),
            state("Playing", "Station 0", "Station 0", "", true, true, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionHarness h;
        h.session->setVolume(0.3);
        const SessionMprisPlayer player(
            *h.session, [] {}, [] {},
            [](const std::string& favicon) {
                return favicon.ends_with("kept.png") ? QStringLiteral("file:///logos/kept.png") : QString();
            });
        c.reach(h);
        MprisState expected = c.expected;
        expected.stationId = h.session->currentStation() ? QString::fromStdString(h.currentId()) : QString();
        expected.volume = 0.3;
        EXPECT_EQ(player.state(), expected);
    }
}

// The desktop's media widget moves the position on by itself while playing: Seeked tells it
// where the session went whenever that was elsewhere, and only then.
TEST(SessionMprisPlayer, SeekedTellsOfEveryJumpAndOfNothingElse)
{
    // What happens first; then, `later` on, what is kept and how far behind live, as what happens next.
    using Step = std::function<void(SessionHarness&)>;
    using Case
        = std::tuple<const char*, Step, std::chrono::seconds, std::chrono::seconds, std::chrono::seconds, Step, bool>;
    const Step nothing = [](SessionHarness&) {};
    const Step song = [](SessionHarness& h) { h.report(MediaTags {"Song", ""}); };
    for (const auto& [name, first, later, kept, behind, next, seeked] : {
             Case {"playing on live while more is kept", nothing, 5s, 25s, 0s, song, false},
             Case {"paused live, then played on", pauseSession, 10s, 30s, 10s,
                 [](SessionHarness& h) { h.session->playSelected(); }, false},
             Case {"paused live, then Go Live", pauseSession, 10s, 30s, 0s,
                 [](SessionHarness& h) { h.session->recorder().goLive(); }, true},
             Case {"a step back", nothing, 0s, 20s, 15s, [](SessionHarness& h) { h.session->recorder().skip(-15s); },
                 true},
             Case {"live with the kept minutes full", nothing, 5s, 20s, 0s, song, true},
         }) {
        SCOPED_TRACE(name);
        SessionHarness h;
        const SessionMprisPlayer player(
            *h.session, [] {}, [] {});
        FakeRecorderRecord& recorder = keep(h, 0s);
        MprisClientPosition::Clock::time_point now;
        MprisClientPosition client(player.state(), now);
        bool told = false;
        const Subscription followed = h.session->subscribe(
            [&](const SessionChanges&) { told = client.follow(player.state(), now, false) || told; });
        first(h);
        now += later;
        std::tie(recorder.kept, recorder.behindLive) = std::tuple(kept, behind);
        next(h);
        EXPECT_EQ(told, seeked);
    }
}

} // namespace
} // namespace Vello
