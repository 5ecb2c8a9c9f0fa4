#include "sessionharness.h"

#include "desktop/sessionmprisplayer.h"

#include <gtest/gtest.h>

#include <functional>

namespace Vello {
namespace {

// What the desktop's media controls read of the session in each state it can be in.
TEST(SessionMprisPlayer, TellsTheStatusTheTrackAndWhatTheControlsCanDo)
{
    struct Case {
        const char* name;
        std::function<void(SessionHarness&)> reach;
        // PlaybackStatus, Metadata's title, artist and logo, then CanGoNext (and Previous),
        // CanPlay and CanPause.
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
    const auto state = [](const char* status, const char* title, const char* artist, const char* art, bool canGo,
                           bool canPlay, bool canPause) {
        MprisState expected;
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
        {"paused", then(play("a"), [](SessionHarness& h) { h.session->pause(); }),
            state("Paused", "Radio", "Radio", "", true, true, false)},
        {"failed",
            then(
                play("a"), report(MediaError {MediaErrorDomain::Resource, MediaErrorCode::resourceNotAuthorized, 403})),
            state("Stopped", "Radio", "Radio", "", true, true, false)},
        {"a station and no list", then(noList, play("a")), state("Playing", "Radio", "Radio", "", false, true, true)},
        {"a logo kept", play("a", "http://logo.test/kept.png"),
            state("Playing", "Radio", "Radio", "file:///logos/kept.png", true, true, true)},
        {"a logo not kept", play("a", "http://logo.test/new.png"),
            state("Playing", "Radio", "Radio", "", true, true, true)},
        {"a station without a name", play("u"),
            state("Playing", "Unnamed station", "Unnamed station", "", true, true, true)},
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

} // namespace
} // namespace Vello
