#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "widgets/elidedlabel.h"

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// What the stream is adds up from the player's reports, keeps the song, and goes with its station.
TEST(StreamDetailsView, ThePlayerPanelShowsWhatTheStreamIsUntilAnotherStationStarts)
{
    WindowHarness h;
    h.deliver(makeStations(2));
    h.window->browser().play(h.window->browser().allStations()[0]);
    for (const MediaTags& tags : {MediaTags {"Ceremony", "New Order"},
             MediaTags {"", "", {"MPEG-1 Layer 3 (MP3)", 128'000, 0}}, MediaTags {"", "", {"", 0, 44'100}}}) {
        h.media.players.back()->emit(tags);
    }
    h.tap(u"Player"_s);
    auto* details = h.window->contentStack()->findChild<ElidedLabel*>(u"streamDetails"_s);
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->displayedText(), u"MP3 · 128 kbps · 44.1 kHz"_s);
    EXPECT_EQ(h.window->nowPlaying().songTitle, "New Order - Ceremony");
    h.window->browser().play(h.window->browser().allStations()[1]);
    h.settle();
    EXPECT_FALSE(details->isVisibleTo(h.window.get()));
}

} // namespace
} // namespace Vello
