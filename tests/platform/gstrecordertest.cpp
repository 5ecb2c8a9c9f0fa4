#include "capturesink.h"
#include "icecastserver.h"
#include "logoserver.h"
#include "scratchfolder.h"
#include "streamrelay.h"
#include "waitfor.h"

#include "platform/gstmediabackend.h"
#include "platform/qtmainqueue.h"
#include "playback/keptsongs.h"
#include "playback/recordingplan.h"

#include <QCoreApplication>
#include <QProcess>

#include <gst/gst.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <map>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// The audio a player was sent and, at their byte offsets in it, the titles in its ICY metadata.
struct IcyStream {
    std::string audio;
    std::map<std::string, std::size_t> titleAt;
};

IcyStream readIcy(const std::string& received)
{
    IcyStream stream;
    const std::size_t body = received.find("\r\n\r\n") + 4;
    const std::size_t interval = std::stoul(received.substr(received.find("icy-metaint:") + 12));
    for (std::size_t at = body; at < received.size();) {
        stream.audio += received.substr(at, interval);
        at += interval;
        if (at >= received.size()) {
            break;
        }
        const std::size_t length = static_cast<unsigned char>(received[at]) * 16U;
        const std::string meta = received.substr(at + 1, length);
        if (const std::size_t title = meta.find("StreamTitle='"); title != std::string::npos) {
            stream.titleAt.emplace(meta.substr(title + 13, meta.find("';", title) - title - 13), stream.audio.size());
        }
        at += 1 + length;
    }
    return stream;
}

// A file's audio: what follows its ID3v2 tag.
std::string audioOf(const std::filesystem::path& file)
{
    const std::string bytes = readFile(file).value_or("");
    if (bytes.size() < 10 || bytes.compare(0, 3, "ID3") != 0) {
        return bytes;
    }
    std::size_t size = 0;
    for (int i = 6; i < 10; ++i) {
        size = (size << 7U) | (static_cast<unsigned char>(bytes[i]) & 0x7FU);
    }
    return bytes.substr(10 + size);
}

// What ffprobe reads of a file: its format and tags, one "key=value" a line.
std::string probe(const std::filesystem::path& file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
            QStringLiteral("format=format_name,duration:format_tags=title,artist,album:stream_tags=title"),
            QStringLiteral("-of"), QStringLiteral("default=nw=1"), QString::fromStdString(file.string())});
    ffprobe.waitForFinished();
    return ffprobe.exitCode() == 0 ? ffprobe.readAllStandardOutput().toStdString() : "unreadable";
}

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// A player with a recorder, and what the recorder told.
struct Listener {
    std::unique_ptr<MediaPlayer> player;
    std::unique_ptr<Recorder> recorder;
    std::vector<RecorderEvent> events;
    KeptSongs keptSongs;

    template <typename Event> [[nodiscard]] const Event* last() const
    {
        for (auto event = events.rbegin(); event != events.rend(); ++event) {
            if (const auto* found = std::get_if<Event>(&*event)) {
                return found;
            }
        }
        return nullptr;
    }
    // The number of the song kept with `title`; 0 while there is none.
    [[nodiscard]] std::uint64_t kept(const std::string& title) const
    {
        for (const RecorderEvent& event : events) {
            if (const auto* song = std::get_if<SongKept>(&event); song != nullptr && song->song.title == title) {
                return song->song.id;
            }
        }
        return 0;
    }
};

class GstRecorderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        gst_init(nullptr, nullptr);
        server = std::make_unique<IcecastServer>();
        sourcesStarted = server->startSource("/songs.mp3", IcecastServer::Codec::Mp3, 440)
            && server->startSource("/songs.ogg", IcecastServer::Codec::OggVorbis, 660)
            && server->startSource("/steps.mp3", IcecastServer::Codec::Mp3Steps, 300)
            && server->setTitle("/songs.mp3", "Alpha - First Song");
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override { ASSERT_TRUE(sourcesStarted) << "no live sources on the server " << server->startError(); }

    std::unique_ptr<Listener> listen(const std::string& url, std::chrono::milliseconds keep)
    {
        auto listener = std::make_unique<Listener>();
        listener->player = backend.createPlayer(url);
        listener->player->play();
        listener->recorder = listener->player->createRecorder((scratch.path / "cache").string(), keep);
        listener->recorder->setEventHandler([heard = listener.get()](const RecorderEvent& event) {
            heard->events.push_back(event);
            heard->keptSongs.take(event);
        });
        return listener;
    }

    // The tone `capture` plays over the next `seconds`.
    static double toneHeard(const std::shared_ptr<CaptureSink>& capture, double seconds = 0.3)
    {
        const std::size_t from = capture->sampleCount();
        waitFor([&] {
            return capture->sampleCount() >= from + static_cast<std::size_t>(seconds * CaptureSink::sampleRate);
        });
        return dominantFrequency(capture->samplesFrom(from), CaptureSink::sampleRate);
    }

    inline static std::unique_ptr<IcecastServer> server;
    inline static bool sourcesStarted = false;

    ScratchFolder scratch;
    QtMainQueue queue;
    std::vector<std::shared_ptr<CaptureSink>> captures;
    GstMediaBackend backend {queue, [this] {
                                 captures.push_back(CaptureSink::create());
                                 return captures.back()->makeElement();
                             }};
};

// Two listeners record the same three songs; one keeps every piece, one only complete songs and
// only 5 s of the stream. Each file holds exactly the bytes the station sent between the titles.
TEST_F(GstRecorderTest, RecordingCutsTheStationsOwnBytesAtItsTitlesAndKeptSongsSaveAfterTheFact)
{
    StreamRelay relay(server->port());
    const auto all = listen(relay.url("/songs.mp3"), 60s);
    const auto complete = listen(relay.url("/songs.mp3"), 5s);
    ASSERT_TRUE(waitFor([&] { return all->kept("Alpha - First Song") && complete->kept("Alpha - First Song"); }));
    const std::filesystem::path allFolder = scratch.path / "all";
    const std::filesystem::path completeFolder = scratch.path / "complete";
    all->recorder->startRecording(allFolder.string(), std::make_shared<RecordingPlan>("Songs FM", false));
    complete->recorder->startRecording(completeFolder.string(), std::make_shared<RecordingPlan>("Songs FM", true));
    for (const std::string title : {"Beta - Second Song", "Gamma - Third Song"}) {
        QTest::qWait(3000);
        ASSERT_TRUE(server->setTitle("/songs.mp3", title));
        ASSERT_TRUE(QTest::qWaitFor([&] { return all->kept(title) && complete->kept(title); }, 40000));
    }
    QTest::qWait(2000);
    for (Listener* listener : {all.get(), complete.get()}) {
        listener->recorder->stopRecording();
    }
    ASSERT_TRUE(waitFor([&] { return all->last<RecordingStopped>() && complete->last<RecordingStopped>(); }));

    const std::vector<std::string> names {"Alpha - First Song.mp3", "Beta - Second Song.mp3", "Gamma - Third Song.mp3"};
    EXPECT_EQ(filesIn(allFolder), names);
    EXPECT_EQ(filesIn(completeFolder), std::vector<std::string> {"Beta - Second Song.mp3"});
    const IcyStream sent = readIcy(relay.received(0));
    const std::size_t second = sent.titleAt.at("Beta - Second Song");
    const std::size_t third = sent.titleAt.at("Gamma - Third Song");
    const std::string first = audioOf(allFolder / names[0]);
    const std::string last = audioOf(allFolder / names[2]);
    EXPECT_EQ(audioOf(allFolder / names[1]), sent.audio.substr(second, third - second));
    EXPECT_EQ(first, sent.audio.substr(second - first.size(), first.size())) << "the first piece ends at the change";
    EXPECT_EQ(last, sent.audio.substr(third, last.size())) << "the last piece begins at the change";
    EXPECT_GT(first.size() + last.size(), 2U * 16000);
    EXPECT_EQ(probe(allFolder / names[1]).substr(0, 17), "format_name=mp3\nd");
    EXPECT_NE(probe(allFolder / names[1]).find("TAG:title=Second Song\nTAG:artist=Beta\nTAG:album=Songs FM"),
        std::string::npos)
        << probe(allFolder / names[1]);
    for (const std::string& name : {names[0], names[2]}) {
        EXPECT_NE(probe(allFolder / name).find("format_name=mp3"), std::string::npos) << name;
    }

    // Twenty seconds on, the second song is gone from the listener that keeps 5 s only.
    QTest::qWait(20000);
    const auto heard = std::chrono::system_clock::now() - 25s;
    const std::uint64_t song = all->kept("Beta - Second Song");
    EXPECT_EQ(all->keptSongs.savable("Beta - Second Song", heard, {}), song);
    EXPECT_EQ(complete->keptSongs.savable("Beta - Second Song", heard, {}), std::nullopt);
    complete->recorder->saveSong(complete->kept("Beta - Second Song"), completeFolder.string(),
        std::make_shared<RecordingPlan>("Songs FM", false));
    all->recorder->saveSong(
        song, (scratch.path / "saved").string(), std::make_shared<RecordingPlan>("Songs FM", false));
    const std::string savedPath = (scratch.path / "saved" / names[1]).string();
    ASSERT_TRUE(waitFor([&] {
        const auto* written = all->last<PieceWritten>();
        return complete->last<RecorderFailed>() && written->finished && written->piece.path == savedPath;
    }));
    EXPECT_EQ(complete->last<RecorderFailed>()->failure, RecorderFailure::NotKept);
    EXPECT_EQ(audioOf(scratch.path / "saved" / names[1]), sent.audio.substr(second, third - second));
    all->recorder->saveSong(
        song, (scratch.path / "saved").string(), std::make_shared<RecordingPlan>("Songs FM", false));
    ASSERT_TRUE(
        waitFor([&] { return std::filesystem::exists(scratch.path / "saved" / "Beta - Second Song (2).mp3"); }));
}

// An Ogg station begins a chain for each song: each file is a chain as sent, the first one with the
// headers of the chain it began in. A stream that would need re-encoding is not recorded at all.
TEST_F(GstRecorderTest, OggIsCutAtItsChainsAndWhatCannotBeSavedIsNotRecorded)
{
    StreamRelay relay(server->port());
    const auto ogg = listen(relay.url("/songs.ogg"), 60s);
    ASSERT_TRUE(waitFor([&] { return ogg->last<RecorderFormatKnown>() != nullptr; }));
    EXPECT_EQ(ogg->last<RecorderFormatKnown>()->format, RecordedFormat::OggVorbis);
    const std::filesystem::path folder = scratch.path / "ogg";
    ogg->recorder->startRecording(folder.string(), std::make_shared<RecordingPlan>("Songs FM", false));
    for (const std::string title : {"Delta - Fourth Song", "Eta - Fifth Song"}) {
        QTest::qWait(2000);
        ASSERT_TRUE(server->setTitle("/songs.ogg", title));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ogg->kept(title) != 0; }, 40000));
    }
    QTest::qWait(1000);
    ogg->recorder->stopRecording();
    ASSERT_TRUE(waitFor([&] { return ogg->last<RecordingStopped>() != nullptr; }));
    const std::vector<std::string> names = filesIn(folder);
    ASSERT_EQ(names.size(), 3U);
    EXPECT_EQ(names[0], "Delta - Fourth Song.ogg");
    EXPECT_EQ(names[1], "Eta - Fifth Song.ogg");
    // The chain as sent: from the page that begins it to the one that begins the next.
    const std::string sent = relay.received(0);
    std::size_t begins = sent.rfind("OggS", sent.find("title=Delta - Fourth Song"));
    const auto beginsStream = [&](std::size_t at) { return (sent[at + 5] & 0x02) != 0; };
    while (begins != std::string::npos && !beginsStream(begins)) {
        begins = sent.rfind("OggS", begins - 1);
    }
    std::size_t next = sent.find("OggS", sent.find("title=Delta - Fourth Song"));
    while (next != std::string::npos && !beginsStream(next)) {
        next = sent.find("OggS", next + 1);
    }
    ASSERT_NE(next, std::string::npos);
    EXPECT_EQ(readFile(folder / names[0]).value_or(""), sent.substr(begins, next - begins));
    for (const std::string& name : names) {
        EXPECT_NE(probe(folder / name).find("format_name=ogg"), std::string::npos) << name;
    }
    EXPECT_NE(probe(folder / names[0]).find("TAG:title=Delta - Fourth Song"), std::string::npos);

    QProcess encode;
    encode.start(QStringLiteral("gst-launch-1.0"),
        QStringLiteral("-q audiotestsrc num-buffers=50 ! wavenc ! filesink location=%1")
            .arg(QString::fromStdString((scratch.path / "tone.wav").string()))
            .split(u' '));
    ASSERT_TRUE(encode.waitForFinished());
    LogoServer files;
    files.serve(
        QStringLiteral("/tone.wav"), QByteArray::fromStdString(*readFile(scratch.path / "tone.wav")), "audio/x-wav");
    const auto wav = listen(files.url(QStringLiteral("/tone.wav")), 60s);
    ASSERT_TRUE(waitFor([&] { return wav->last<RecorderFormatKnown>() != nullptr; }));
    EXPECT_EQ(wav->last<RecorderFormatKnown>()->format, RecordedFormat::NotSavable);
    wav->recorder->startRecording((scratch.path / "wav").string(), std::make_shared<RecordingPlan>("Songs FM", false));
    ASSERT_TRUE(waitFor([&] { return wav->last<RecorderFailed>() != nullptr; }));
    EXPECT_EQ(wav->last<RecorderFailed>()->failure, RecorderFailure::NotSavable);
    EXPECT_FALSE(std::filesystem::exists(scratch.path / "wav"));
}

// Pause keeps the place while the station goes on; Play goes on from it, Go Live jumps to now,
// Back 15 s goes back as far in what the station sent.
TEST_F(GstRecorderTest, PauseLiveKeepsThePlaceAndGoLiveJumpsToNow)
{
    const auto reference = backend.createPlayer(server->url("/steps.mp3"));
    reference->play();
    const auto listener = listen(server->url("/steps.mp3"), 60s);
    const std::shared_ptr<CaptureSink> now = captures.at(0);
    const std::shared_ptr<CaptureSink> live = captures.at(1);
    ASSERT_TRUE(waitFor([&] { return live->loudSamplesFrom(0) > 0 && now->loudSamplesFrom(0) > 0; }));
    // Steps 4 s apart: a window may end in the next one.
    const auto sameOrNext = [](double heard, double expected) {
        return std::abs(heard - expected) < 5 || std::abs(heard - expected - IcecastServer::toneStepHz) < 5
            || std::abs(heard - expected + (IcecastServer::toneSteps - 1) * IcecastServer::toneStepHz) < 5;
    };
    QTest::qWait(1000);
    const double beforePause = toneHeard(live);
    listener->recorder->pause();
    QTest::qWait(300);
    const std::size_t paused = live->sampleCount();
    QTest::qWait(10000);
    EXPECT_EQ(live->loudSamplesFrom(paused), 0U) << "paused, nothing is heard";
    EXPECT_NEAR(std::chrono::duration<double>(listener->recorder->behindLive()).count(), 10.3, 1.0);
    listener->recorder->play();
    ASSERT_EQ(captures.size(), 3U) << "what is kept plays on a pipeline of its own";
    EXPECT_TRUE(sameOrNext(toneHeard(captures.back()), beforePause)) << beforePause;
    EXPECT_NEAR(std::chrono::duration<double>(listener->recorder->behindLive()).count(), 10.6, 1.0);

    listener->recorder->goLive();
    QTest::qWait(200);
    const std::size_t liveFrom = live->sampleCount();
    const std::size_t nowFrom = now->sampleCount();
    toneHeard(live);
    const double liveTone = dominantFrequency(live->samplesFrom(liveFrom), CaptureSink::sampleRate);
    const double nowTone = dominantFrequency(now->samplesFrom(nowFrom), CaptureSink::sampleRate);
    EXPECT_TRUE(sameOrNext(liveTone, nowTone) || sameOrNext(nowTone, liveTone)) << liveTone << " " << nowTone;
    EXPECT_EQ(listener->recorder->behindLive(), 0ms);
    EXPECT_GT(listener->recorder->kept(), 12s);

    // Back 15 s needs 15 s kept: a slow start keeps less by now.
    QTest::qWait(3000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener->recorder->kept() > 17s; }, 30000));
    std::vector<float> fifteenAgo = now->samplesFrom(now->sampleCount() - 15 * CaptureSink::sampleRate);
    fifteenAgo.resize(CaptureSink::sampleRate * 3 / 10);
    listener->recorder->skip(-15s);
    EXPECT_TRUE(sameOrNext(toneHeard(captures.back()), dominantFrequency(fifteenAgo, CaptureSink::sampleRate)));
    EXPECT_NEAR(std::chrono::duration<double>(listener->recorder->behindLive()).count(), 15, 1.0);
}

// A full disk, or one with less free than the rules ask for, stops the recording with a message;
// the file written so far plays, and the station plays on.
TEST_F(GstRecorderTest, AFullDiskStopsTheRecordingWithAPlayableFile)
{
    const std::filesystem::path disk = scratch.path / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=160k") != 0) {
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << std::strerror(errno) << "); it takes root";
    }
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount2(disk.c_str(), MNT_DETACH); });
    struct Case {
        const char* name;
        std::uint64_t minimumFree;
        bool fileLeft;
    };
    for (const Case& c : {Case {"under the minimum free", recordingMinimumFreeBytes, false}, Case {"full", 0, true}}) {
        SCOPED_TRACE(c.name);
        const auto listener = listen(server->url("/songs.mp3"), 60s);
        ASSERT_TRUE(waitFor([&] { return listener->last<RecorderFormatKnown>() != nullptr; }));
        listener->recorder->startRecording(
            (disk / c.name).string(), std::make_shared<RecordingPlan>("Songs FM", false, c.minimumFree));
        ASSERT_TRUE(QTest::qWaitFor([&] { return listener->last<RecordingStopped>() != nullptr; }, 40000));
        ASSERT_NE(listener->last<RecorderFailed>(), nullptr);
        EXPECT_EQ(listener->last<RecorderFailed>()->failure, RecorderFailure::NoRoom);
        EXPECT_EQ(recorderFailureText(RecorderFailure::NoRoom).english(),
            "Recording stopped: the disk is full or has less than 200 MB free.");
        const std::string path = listener->last<RecorderFailed>()->path;
        EXPECT_EQ(!path.empty(), c.fileLeft);
        if (c.fileLeft) {
            EXPECT_GT(audioOf(path).size(), 64'000U);
            EXPECT_NE(probe(path).find("format_name=mp3"), std::string::npos);
        }
        EXPECT_NEAR(toneHeard(captures.back()), 440, 5) << "the station plays on";
    }
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
