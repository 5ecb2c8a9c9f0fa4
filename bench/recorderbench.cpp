// The recorder on a local Icecast server (MP3 at 128 kbit/s): what keeping the last 30 minutes
// and recording cost beside plain playback, live; what the keeper costs for 30 minutes of audio
// fed as fast as it takes it; and from Go Live and a 15 s step to the first sound at a real-time
// capture sink. Run from a Release build; needs icecast2.
#include "capturesink.h"
#include "icecastserver.h"

#include "platform/gstmediabackend.h"
#include "platform/qtmainqueue.h"
#include "platform/streamkeeper.h"
#include "playback/recordingplan.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <gst/gst.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

namespace Vello {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

IcecastServer* server = nullptr;

bool spinUntil(const std::function<bool()>& done, Clock::duration timeout = 30s)
{
    const Clock::time_point start = Clock::now();
    while (!done()) {
        if (Clock::now() - start > timeout) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) {
            return std::stod(line.substr(6)) / 1024;
        }
    }
    return 0;
}

// A player playing the 128 kbit/s MP3 station, on capture sinks or, to measure memory, on sinks
// that keep nothing (a capture's growing buffer would be most of what is measured).
struct Rig {
    explicit Rig(bool capture = true)
        : capturing(capture)
    {
    }

    bool capturing;
    QTemporaryDir folder;
    QtMainQueue queue;
    std::vector<std::shared_ptr<CaptureSink>> captures;
    GstMediaBackend backend {queue, [this] {
                                 if (!capturing) {
                                     GstElement* sink = gst_element_factory_make("fakesink", nullptr);
                                     g_object_set(sink, "sync", TRUE, nullptr);
                                     return sink;
                                 }
                                 captures.push_back(CaptureSink::create());
                                 return captures.back()->makeElement();
                             }};
    std::unique_ptr<MediaPlayer> player = backend.createPlayer(server->url("/tone.mp3"));

    [[nodiscard]] std::string path(const char* name) const
    {
        return folder.filePath(QLatin1String(name)).toStdString();
    }
};

// Argument 0: plain playback; 1: keeping 30 minutes and recording; 2: keeping only. CPU of one
// core and the resident memory's growth over 60 s, after 5 s to settle.
void BM_RecordingCost(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = residentMegabytes();
        Rig rig(false);
        rig.player->play();
        std::unique_ptr<Recorder> recorder;
        if (state.range(0) != 0) {
            recorder = rig.player->createRecorder(rig.path("kept"), 30min);
        }
        if (state.range(0) == 1) {
            recorder->startRecording(rig.path("music"), std::make_shared<RecordingPlan>("Loopback", false, 0));
        }
        if (!spinUntil([&] { return rig.player->activity() == PlayerActivity::Playing; })) {
            state.SkipWithError("not playing within 30 s");
            return;
        }
        spinUntil([] { return false; }, 5s);
        const double cpuBefore = cpuSeconds();
        const Clock::time_point start = Clock::now();
        spinUntil([] { return false; }, 60s);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = (cpuSeconds() - cpuBefore) / wall * 100;
        state.counters["rss_growth_mb"] = residentMegabytes() - before;
    }
}

// The keeper alone, fed 30 minutes of a 128 kbit/s stream in Icecast's 1,400-byte pieces with a
// frame every 26 ms and a new title every 3 minutes, recording all of it: its CPU time per second
// of audio, as a share of one core, and the memory it holds at the end.
void BM_KeepThirtyMinutes(benchmark::State& state)
{
    constexpr int seconds = 30 * 60;
    constexpr std::size_t bytesPerSecond = 16000;
    const std::vector<std::uint8_t> piece(1400, 0x55);
    for (auto _ : state) {
        QTemporaryDir folder;
        QtMainQueue queue;
        const double before = residentMegabytes();
        const double cpuBefore = cpuSeconds();
        {
            auto events = std::make_shared<StreamKeeper::EventHandler>();
            StreamKeeper keeper(folder.filePath(QStringLiteral("kept")).toStdString(), 30min, queue, events);
            keeper.tappedFormat(RecordedFormat::Mp3);
            keeper.startRecording(folder.filePath(QStringLiteral("music")).toStdString(),
                std::make_shared<RecordingPlan>("Loopback", false, 0));
            std::uint64_t offset = 0;
            std::int64_t frameNs = 0;
            for (int second = 0; second < seconds; ++second) {
                if (second % 180 == 0) {
                    keeper.tappedTitle("Artist - Song " + std::to_string(second / 180), {});
                }
                for (std::size_t sent = 0; sent < bytesPerSecond; sent += piece.size()) {
                    keeper.tappedBytes(offset, piece.data(), piece.size());
                    offset += piece.size();
                    for (; frameNs < (static_cast<std::int64_t>(offset) * 1'000'000'000) / 16000;
                         frameNs += 26'122'449) {
                        keeper.tappedFrame(static_cast<std::uint64_t>(frameNs) * 16000 / 1'000'000'000, frameNs);
                    }
                }
                // At most a second of the stream waits for the keeper, as live.
                while (keeper.kept()->newest() + bytesPerSecond < offset) {
                    std::this_thread::sleep_for(1ms);
                }
            }
            state.counters["held_mb"] = residentMegabytes() - before;
            keeper.tappedEnd();
        }
        state.SetIterationTime(cpuSeconds() - cpuBefore);
        state.counters["cpu_percent_of_audio_time"] = (cpuSeconds() - cpuBefore) / seconds * 100;
    }
}

// From the call to the first loud sample: Go Live after a 5 s pause (argument 0), and a 15 s step
// back from live (1) and from a replay (2).
void BM_StepToSound(benchmark::State& state)
{
    for (auto _ : state) {
        Rig rig;
        rig.player->play();
        const auto recorder = rig.player->createRecorder(rig.path("kept"), 30min);
        if (!spinUntil([&] { return !rig.captures.empty() && rig.captures.back()->loudSamplesFrom(0) > 0; })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        spinUntil([] { return false; }, 20s);
        if (state.range(0) == 0) {
            recorder->pause();
            spinUntil([] { return false; }, 5s);
        } else if (state.range(0) == 2) {
            recorder->skip(-2s);
            spinUntil([] { return false; }, 2s);
        }
        const Clock::time_point call = Clock::now();
        state.range(0) == 0 ? recorder->goLive() : recorder->skip(-15s);
        const std::shared_ptr<CaptureSink> heard = state.range(0) == 0 ? rig.captures.front() : rig.captures.back();
        if (!spinUntil([&] { return heard->firstLoudSampleTime(call).has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*heard->firstLoudSampleTime(call) - call).count());
    }
}

BENCHMARK(BM_RecordingCost)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepThirtyMinutes)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepToSound)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    Vello::IcecastServer icecast;
    if (!icecast.startError().empty() || !icecast.startSource("/tone.mp3", Vello::IcecastServer::Codec::Mp3, 440)) {
        std::fprintf(stderr, "no live source on the server: %s\n", icecast.startError().c_str());
        return 1;
    }
    Vello::server = &icecast;
    {
        // The plug-ins load with the first stream: not a cost of either case.
        Vello::Rig warmUp(false);
        warmUp.player->play();
        Vello::spinUntil([&] { return warmUp.player->activity() == Vello::PlayerActivity::Playing; });
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
