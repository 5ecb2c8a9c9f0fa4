#include "browserharness.h"

#include "ports/idleinhibitor.h"
#include "ports/songnotifier.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

// A controller keeping its songs, noting what it asks of the idle lock and notifications.
struct Desktop : BrowserHarness, IdleInhibitor, SongNotifier {
    std::vector<bool> locks;
    std::vector<SongNotice> notices;

    Desktop()
    {
        StationFields fields = makeStation("s0", "Alpha FM").fields();
        fields.favicon = "http://logo.example/a.png";
        start({Station(fields)});
        controller->keepSongsIn(documents);
        controller->keepAwakeWith(*this);
        controller->notifySongsThrough(*this);
    }
    void setInhibited(bool inhibited) override { locks.push_back(inhibited); }
    void notify(const SongNotice& notice) override { notices.push_back(notice); }
    void report(const MediaEvent& event)
    {
        media.players.back()->emit(event);
        queue.runPending();
    }
};

// The lock is held exactly while a stream plays or is on its way, taken or let go once a change.
TEST(DesktopSessionTest, TheIdleLockIsHeldWhileAStreamPlaysOrIsOnItsWay)
{
    Desktop h;
    h.controller->playSelected();
    h.report(MediaBuffering {40});
    h.report(MediaBuffering {100});
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    h.report(MediaEndOfStream {});
    EXPECT_EQ(h.locks, std::vector<bool> {true}) << "held from connecting through buffering, playing, reconnecting";
    h.controller->pause();
    h.queue.runPending();
    EXPECT_EQ(h.locks, (std::vector<bool> {true, false}));
    h.controller->playSelected();
    h.queue.runPending();
    h.report(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotAuthorized, 403});
    EXPECT_EQ(h.locks, (std::vector<bool> {true, false, true, false}));
}

// Each title new to the songs heard is announced with its station and logo, when the person
// asked for it and is not looking at the window.
TEST(DesktopSessionTest, NewSongsAreAnnouncedOnlyWhenAskedAndTheWindowIsInactive)
{
    const std::string logo = "http://logo.example/a.png";
    const std::tuple<const char*, std::optional<bool>, bool, std::vector<SongNotice>> cases[] = {
        {"off unless set", std::nullopt, false, {}},
        {"turned on", true, false, {{"One", "Alpha FM", logo}, {"Two", "Alpha FM", logo}}},
        {"while the window is active", true, true, {}},
    };
    for (const auto& [name, preference, windowActive, expected] : cases) {
        SCOPED_TRACE(name);
        Desktop h;
        if (preference) {
            h.preferences.flags[BrowserController::notifySongsKey] = *preference;
        }
        h.controller->setWindowActive(windowActive);
        h.controller->playSelected();
        for (const char* title : {"One", "One", "Alpha FM", "Two"}) {
            h.report(MediaTags {title, ""});
            h.report(MediaStateChanged {MediaPipelineState::Playing});
        }
        EXPECT_EQ(h.notices, expected);
    }
}

} // namespace
} // namespace Vello
