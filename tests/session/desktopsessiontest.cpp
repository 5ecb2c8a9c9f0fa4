#include "sessionharness.h"

#include "ports/idleinhibitor.h"
#include "ports/songnotifier.h"
#include "session/idlelock.h"
#include "session/pacedsongnotifier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

// A session keeping its songs, and what its idle lock and song notices ask of the desktop.
struct Desktop : SessionHarness, IdleInhibitor, SongNotifier {
    std::vector<bool> locks;
    std::vector<SongNotice> notices;
    IdleLock lock {*session, *this};
    PacedSongNotifier songNotices {*session, *this, preferences, queue};

    Desktop()
    {
        StationFields fields = makeStation("s0", "Alpha FM").fields();
        fields.favicon = "http://logo.example/a.png";
        list = {Station(fields)};
        (void)session->keepSongsIn(documents);
    }
    void setInhibited(bool inhibited) override { locks.push_back(inhibited); }
    void notify(const SongNotice& notice) override { notices.push_back(notice); }
};

// The lock is held exactly while a stream plays or is on its way, taken or let go once a change.
TEST(DesktopSessionTest, TheIdleLockIsHeldWhileAStreamPlaysOrIsOnItsWay)
{
    Desktop h;
    h.session->playSelected();
    h.report(MediaBuffering {40});
    h.report(MediaBuffering {100});
    h.report(MediaStateChanged {MediaPipelineState::Playing});
    h.report(MediaEndOfStream {});
    EXPECT_EQ(h.locks, std::vector<bool> {true}) << "held from connecting through buffering, playing, reconnecting";
    h.session->pause();
    h.queue.runPending();
    EXPECT_EQ(h.locks, (std::vector<bool> {true, false}));
    h.session->playSelected();
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
            h.preferences.flags[PreferenceKey::notifySongChanges.key] = *preference;
        }
        h.songNotices.setWindowActive(windowActive);
        h.session->playSelected();
        for (const char* title : {"One", "One", "Alpha FM", "Two"}) {
            h.report(MediaTags {title, ""});
            h.report(MediaStateChanged {MediaPipelineState::Playing});
        }
        h.queue.advance(PacedSongNotifier::interval);
        EXPECT_EQ(h.notices, expected);
    }
}

// A station that changes its title every 100 ms is announced at once, then once an interval
// with the newest title; a song after a quiet interval is announced at once again.
TEST(DesktopSessionTest, RapidTitlesAreAnnouncedAtMostOnceAnInterval)
{
    using namespace std::chrono_literals;
    Desktop h;
    h.preferences.flags[PreferenceKey::notifySongChanges.key] = true;
    h.session->playSelected();
    std::vector<std::string> expected;
    std::string newest;
    for (auto now = 0ms; now < 60s; now += 100ms) {
        if (now % PacedSongNotifier::interval == 0ms) {
            expected.push_back(now == 0ms ? "Song 0ms" : newest);
        }
        newest = "Song " + std::to_string(now.count()) + "ms";
        h.report(MediaTags {newest, ""});
        h.queue.advance(100ms);
    }
    expected.push_back(newest);
    h.queue.advance(PacedSongNotifier::interval);
    h.report(MediaTags {"Later", ""});
    expected.push_back("Later");
    std::vector<std::string> announced;
    for (const SongNotice& notice : h.notices) {
        announced.push_back(notice.song);
    }
    EXPECT_EQ(announced, expected);
}

} // namespace
} // namespace Vello
