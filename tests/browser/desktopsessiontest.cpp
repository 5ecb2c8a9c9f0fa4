#include "browserharness.h"

#include "ports/idleinhibitor.h"
#include "ports/songnotifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace Vello {
namespace {

struct RecordingInhibitor final : IdleInhibitor {
    std::vector<bool> calls;
    void setInhibited(bool inhibited) override { calls.push_back(inhibited); }
};

struct RecordingNotifier final : SongNotifier {
    std::vector<SongNotice> notices;
    void notify(const SongNotice& notice) override { notices.push_back(notice); }
};

// A controller keeping its songs and holding the desktop's idle lock and notifications.
struct Desktop : BrowserHarness {
    MemoryDocumentStore documents;
    RecordingInhibitor inhibitor;
    RecordingNotifier notifier;

    Desktop()
    {
        StationFields fields = makeStation("s0", "Alpha FM").fields();
        fields.favicon = "http://logo.example/a.png";
        start({Station(fields), makeStation("s1", "Beta")});
        controller->keepSongsIn(documents);
        controller->keepAwakeWith(inhibitor);
        controller->notifySongsThrough(notifier);
    }
    void report(const MediaEvent& event)
    {
        media.players.back()->emit(event);
        queue.runPending();
    }
};

// The lock is held exactly while a stream plays or is on its way, and taken or let go once per
// change.
TEST(DesktopSessionTest, TheIdleLockIsHeldWhileAStreamPlaysOrIsOnItsWay)
{
    struct Step {
        const char* name;
        std::function<void(Desktop&)> act;
        PlaybackPhase phase;
    };
    const Step steps[] = {
        {"play", [](Desktop& h) { h.controller->play(h.controller->allStations()[0]); }, PlaybackPhase::Connecting},
        {"buffer", [](Desktop& h) { h.report(MediaBuffering {40}); }, PlaybackPhase::Buffering},
        {"sound",
            [](Desktop& h) {
                h.report(MediaBuffering {100});
                h.report(MediaStateChanged {MediaPipelineState::Playing});
            },
            PlaybackPhase::Playing},
        {"drop", [](Desktop& h) { h.report(MediaEndOfStream {}); }, PlaybackPhase::Reconnecting},
        {"pause", [](Desktop& h) { h.controller->pause(); }, PlaybackPhase::Paused},
        {"play again", [](Desktop& h) { h.controller->playSelected(); }, PlaybackPhase::Connecting},
        {"refused",
            [](Desktop& h) {
                h.report(MediaError {MediaErrorDomain::Resource, 15, 403, false});
            },
            PlaybackPhase::Failed},
    };
    Desktop h;
    EXPECT_TRUE(h.inhibitor.calls.empty());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(h);
        h.queue.runPending();
        ASSERT_EQ(h.controller->playbackState().phase, step.phase);
        EXPECT_EQ(!h.inhibitor.calls.empty() && h.inhibitor.calls.back(), h.controller->isPlaybackActive());
    }
    EXPECT_EQ(h.inhibitor.calls, (std::vector<bool> {true, false, true, false}));
}

// Each title new to the songs heard is announced with its station and logo, when the person
// asked for it and is not looking at the window.
TEST(DesktopSessionTest, NewSongsAreAnnouncedOnlyWhenAskedAndTheWindowIsInactive)
{
    struct Case {
        const char* name;
        std::optional<bool> preference;
        bool windowActive;
        std::vector<std::string> announced;
    };
    const Case cases[] = {
        {"off unless set", std::nullopt, false, {}},
        {"turned on", true, false, {"One", "Two"}},
        {"turned off", false, false, {}},
        {"while the window is active", true, true, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Desktop h;
        if (test.preference) {
            h.preferences.flags[BrowserController::notifySongsKey] = *test.preference;
        }
        h.controller->setWindowActive(test.windowActive);
        h.controller->play(h.controller->allStations()[0]);
        for (const char* title : {"One", "One", "Alpha FM", "Two"}) {
            h.report(MediaTags {title, ""});
            h.report(MediaStateChanged {MediaPipelineState::Playing});
        }
        std::vector<std::string> announced;
        for (const SongNotice& notice : h.notifier.notices) {
            announced.push_back(notice.song);
            EXPECT_EQ(notice, (SongNotice {notice.song, "Alpha FM", "http://logo.example/a.png"}));
        }
        EXPECT_EQ(announced, test.announced);
    }
}

} // namespace
} // namespace Vello
