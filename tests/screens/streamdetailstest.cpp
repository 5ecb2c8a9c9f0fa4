#include "windowharness.h"

#include "browser/browsercontroller.h"

namespace Vello {
namespace {

TEST(StreamDetailsView, ThePlayerPanelAddsUpWhatTheStreamIsKeepsTheSongAndForgetsItForTheNextStation)
{
    WindowHarness h;
    h.deliver(makeStations(2));
    h.window->browser().play(h.window->browser().allStations()[0]);
    h.media.players.back()->emit(MediaTags {"Ceremony", "New Order"});
    h.media.players.back()->emit(MediaTags {"", "", {"MPEG-1 Layer 3 (MP3)", 128'000, 0}});
    h.media.players.back()->emit(MediaTags {"", "", {"", 0, 44'100}});
    h.tap(QStringLiteral("Player"));
    auto* details = h.window->contentStack()->findChild<QLabel*>(QStringLiteral("streamDetails"));
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->text(), QStringLiteral("MP3 · 128 kbps · 44.1 kHz"));
    EXPECT_EQ(h.window->nowPlaying().songTitle, "New Order - Ceremony");
    h.window->browser().play(h.window->browser().allStations()[1]);
    h.settle();
    EXPECT_FALSE(details->isVisibleTo(h.window.get()));
}

} // namespace
} // namespace Vello
