#include "playback/streamtitle.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace Vello {
namespace {

TEST(StreamTitleTest, TitlesAreMadePlainAndShort)
{
    const std::vector<std::tuple<const char*, std::string, std::string>> cases {
        {"UTF-8 kept", "  Sigur Rós – Hoppípolla  ", "Sigur Rós – Hoppípolla"},
        {"Windows-1252", "Beyonc\xE9 \x96 D\xE9j\xE0 Vu \x80", "Beyoncé – Déjà Vu €"},
        {"Windows-1252 read as Latin-1 on the way", "It\xC2\x92s", "It’s"},
        {"control characters", "A\x01\x1B[31mB\tC\r\nD\x7F", "A[31mB C D"},
        {"invisible marks and spaces", "abc\u202Ed\u200Bef", "abcdef"},
        {"every length of UTF-8, and a wide space", "\u07FF\uFFE5\U0001F3B5\u2000!", "\u07FF\uFFE5\U0001F3B5 !"},
        {"byte order mark", "\xEF\xBB\xBFSong", "Song"},
        {"markup stays text", "<b>Live</b> &amp; <a href=x>", "<b>Live</b> &amp; <a href=x>"},
        {"blank", " \t\x02 ", ""},
        {"100 KB", std::string(100 * 1024, 'a'), std::string(streamTitleMaxCharacters, 'a') + "…"},
        {"cut between characters", std::string(streamTitleMaxCharacters - 1, 'a') + "éé",
            std::string(streamTitleMaxCharacters - 1, 'a') + "é…"},
    };
    for (const auto& [name, raw, shown] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(cleanStreamTitle(raw), shown);
    }
}

} // namespace
} // namespace Vello
