#include "playback/streamtitle.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(StreamDetailsTest, NamesTheCodecWithRoundedBitrateAndExactSampleRate)
{
    const std::pair<MediaStreamDetails, std::string> cases[] = {
        {{"MPEG-1 Layer 3 (MP3)", 128'000, 44'100}, "MP3 · 128 kbps · 44.1 kHz"},
        {{"Vorbis", 0, 48'000}, "Vorbis · 48 kHz"},
        {{"MPEG-4 AAC", 63'499, 22'050}, "MPEG-4 AAC · 63 kbps · 22.05 kHz"},
        {{"", 127'500, 11'025}, "128 kbps · 11.025 kHz"},
        {{}, ""},
    };
    for (const auto& [details, shown] : cases) {
        EXPECT_EQ(streamDetailsText(details), shown);
    }
}

} // namespace
} // namespace Vello
