#include "playback/keptsongs.h"
#include "playback/recordingnames.h"
#include "playback/recordingplan.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace Vello {
namespace {

using namespace std::chrono_literals;

RecordedSong songAt(std::uint64_t id, std::string title, std::chrono::milliseconds streamTime = 0ms)
{
    RecordedSong song;
    song.id = id;
    song.title = std::move(title);
    // 2026-05-04 21:07:30 UTC.
    song.startedAt = std::chrono::system_clock::from_time_t(1777928850);
    song.streamTime = streamTime;
    return song;
}

// Whatever a station sends, the name is one safe file name of at most 200 bytes.
TEST(RecordingRulesTest, FileNamesAreSafeWhateverTheStationSends)
{
    ::setenv("TZ", "UTC", 1);
    const std::string longTitle(10000, 'x');
    const std::string accents(600, '\xC3');
    std::string accented;
    for (int i = 0; i < 150; ++i) {
        accented += "\xC3\xA9";
    }
    struct Case {
        const char* name;
        std::string title;
        int attempt;
        std::string expected;
    };
    const Case cases[] {
        {"artist and title", "Beta - Second Song", 1, "Beta - Second Song.mp3"},
        {"slashes and reserved", "AC/DC - Back\\In: Black?", 1, "AC_DC - Back_In_ Black_.mp3"},
        {"a climb up the folders", "../../etc/passwd", 1, "_._etc_passwd.mp3"},
        {"dots alone", "..", 1, "Songs FM 2026-05-04 21.07.mp3"},
        {"controls", "Bad\x01\x1B[31m\tTitle\n", 1, "Bad[31m Title.mp3"},
        {"a right-to-left override", "Song \u202Egnp.exe", 1, "Song gnp.exe.mp3"},
        {"a placeholder", "Unknown - Unknown", 1, "Songs FM 2026-05-04 21.07.mp3"},
        {"the station's own name", "Songs FM", 2, "Songs FM 2026-05-04 21.07 (2).mp3"},
        {"10 KB", longTitle, 1, std::string(196, 'x') + ".mp3"},
        {"10 KB, a second file", longTitle, 2, std::string(192, 'x') + " (2).mp3"},
        {"cut at a character", accented, 1, accented.substr(0, 196) + ".mp3"},
        {"not UTF-8", accents.substr(0, 3), 1, "\xC3\x83\xC3\x83\xC3\x83.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = songFileName(songAt(2, c.title), "Songs FM", RecordedFormat::Mp3, c.attempt);
        EXPECT_EQ(name, c.expected);
        EXPECT_LE(name.size(), recordedFileNameMaxBytes);
    }
    EXPECT_EQ(stationFolder("/music/Pemba Vello", "../Evil/..Radio"), "/music/Pemba Vello/_Evil_.Radio");
    EXPECT_EQ(stationFolder("/music", "\u202E"), "/music/Radio");
}

TEST(RecordingRulesTest, ThePlanTagsKeepsAndStopsAsThePersonAsked)
{
    ::setenv("TZ", "UTC", 1);
    const RecordedTags tags = RecordingPlan("Songs FM", false).tags(songAt(2, "Beta - Second Song"));
    EXPECT_EQ(std::tie(tags.artist, tags.title, tags.album, tags.date),
        std::tie("Beta", "Second Song", "Songs FM", "2026-05-04"));
    RecordedSong credited = songAt(3, "Live - Mix");
    credited.artist = "Alpha";
    EXPECT_EQ(RecordingPlan("Songs FM", false).tags(credited).title, "Live - Mix") << "the artist came on its own";
    struct Case {
        const char* name;
        bool startsAtTitleChange;
        bool endsAtTitleChange;
        bool keptWhenOnlyComplete;
    };
    for (const Case& c : {Case {"first", false, true, false}, Case {"middle", true, true, true},
             Case {"last", true, false, false}, Case {"alone", false, false, false}}) {
        SCOPED_TRACE(c.name);
        const RecordedPiece piece {"x.mp3", songAt(2, "x"), c.startsAtTitleChange, c.endsAtTitleChange};
        EXPECT_TRUE(RecordingPlan("Songs FM", false).keeps(piece)) << "nothing is deleted unless asked";
        EXPECT_EQ(RecordingPlan("Songs FM", true).keeps(piece), c.keptWhenOnlyComplete);
    }
    EXPECT_FALSE(RecordingPlan("Songs FM", false).hasRoom(recordingMinimumFreeBytes - 1));
    EXPECT_TRUE(RecordingPlan("Songs FM", false).hasRoom(recordingMinimumFreeBytes));
}

// Only a song that began at a title change and whose beginning is still kept can be saved.
TEST(RecordingRulesTest, KeptSongsOfferToSaveOnlyWholeSongsStillKept)
{
    KeptSongs kept;
    for (const RecordedSong& song : {songAt(1, "Alpha - First"), songAt(2, "Beta - Second", 30s),
             songAt(3, "Gamma - Third", 60s), songAt(4, "Beta - Second", 90s)}) {
        kept.take(SongKept {song});
    }
    const auto heard = songAt(1, "").startedAt + 10s;
    EXPECT_EQ(kept.savable("Alpha - First", heard, {}), std::nullopt) << "it began before the stream did";
    EXPECT_EQ(kept.savable("Beta - Second", heard, {}), 4U) << "the latest of that title";
    EXPECT_EQ(kept.savable("Beta - Second", heard - 1h, {}), std::nullopt) << "heard before it was cut";
    kept.take(KeptFrom {61s});
    EXPECT_EQ(kept.savable("Gamma - Third", heard, {}), std::nullopt);
    EXPECT_EQ(kept.savable("Beta - Second", heard, {}), 4U);
    kept.clear();
    EXPECT_EQ(kept.savable("Beta - Second", heard, {}), std::nullopt);
}

} // namespace
} // namespace Vello
