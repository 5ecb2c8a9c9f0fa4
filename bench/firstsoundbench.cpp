// Time to first sound on a local Icecast server: from `play` to the first audible sample at the
// sink, and to status 2, for our tuned player and for playbin with its default settings (what
// `gst-launch-1.0 playbin uri=...` does). Run from a Release build; needs icecast2.
#include "capturesink.h"
#include "icecastserver.h"

#include "platform/gstmediabackend.h"
#include "platform/qtmainqueue.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <gst/gst.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace Vello {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto giveUpAfter = 30s;

IcecastServer* server = nullptr;

struct Timing {
    std::optional<Clock::duration> toSound;
    std::optional<Clock::duration> toPlaying;
};

Timing timeTunedPlayer(const std::string& url)
{
    QtMainQueue queue;
    const std::shared_ptr<CaptureSink> capture = CaptureSink::create();
    GstMediaBackend backend(queue, [&] { return capture->makeElement(); });
    auto player = backend.createPlayer(url);
    Timing timing;
    if (!player) {
        return timing;
    }
    const Clock::time_point start = Clock::now();
    player->setAutomaticallyWaitsToMinimizeStalling(true);
    player->play();
    while (Clock::now() - start < giveUpAfter && !(timing.toSound && timing.toPlaying)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!timing.toPlaying && player->timeControlStatus() == TimeControlStatus::Playing) {
            timing.toPlaying = Clock::now() - start;
        }
        if (const auto heard = capture->firstLoudSampleTime(); heard && !timing.toSound) {
            timing.toSound = *heard - start;
        }
        if (!(timing.toSound && timing.toPlaying)) {
            std::this_thread::sleep_for(1ms);
        }
    }
    return timing;
}

// What gst-launch-1.0 does with a default playbin: play, hold while buffering below 100 %.
Timing timeDefaultPlaybin(const std::string& url)
{
    const std::shared_ptr<CaptureSink> capture = CaptureSink::create();
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    g_object_set(playbin, "uri", url.c_str(), "audio-sink", capture->makeElement(), nullptr);
    GstBus* bus = gst_element_get_bus(playbin);
    const Clock::time_point start = Clock::now();
    gst_element_set_state(playbin, GST_STATE_PLAYING);
    Timing timing;
    bool buffering = false;
    GstState state = GST_STATE_NULL;
    while (Clock::now() - start < giveUpAfter && !(timing.toSound && timing.toPlaying)) {
        if (GstMessage* message = gst_bus_timed_pop(bus, 2 * GST_MSECOND)) {
            if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_BUFFERING) {
                gint percent = 0;
                gst_message_parse_buffering(message, &percent);
                buffering = percent < 100;
                gst_element_set_state(playbin, buffering ? GST_STATE_PAUSED : GST_STATE_PLAYING);
            } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_STATE_CHANGED
                && GST_MESSAGE_SRC(message) == GST_OBJECT_CAST(playbin)) {
                gst_message_parse_state_changed(message, nullptr, &state, nullptr);
            }
            gst_message_unref(message);
        }
        if (!timing.toPlaying && state == GST_STATE_PLAYING && !buffering) {
            timing.toPlaying = Clock::now() - start;
        }
        if (const auto heard = capture->firstLoudSampleTime(); heard && !timing.toSound) {
            timing.toSound = *heard - start;
        }
    }
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(bus);
    gst_object_unref(playbin);
    return timing;
}

void report(benchmark::State& state, const Timing& timing)
{
    if (!timing.toSound || !timing.toPlaying) {
        state.SkipWithError("no sound within 30 s");
        return;
    }
    state.SetIterationTime(std::chrono::duration<double>(*timing.toSound).count());
    state.counters["to_status_2_ms"] = std::chrono::duration<double, std::milli>(*timing.toPlaying).count();
}

void BM_FirstSoundTuned(benchmark::State& state, const char* mount)
{
    for (auto _ : state) {
        report(state, timeTunedPlayer(server->url(mount)));
    }
}

void BM_FirstSoundPlaybinDefaults(benchmark::State& state, const char* mount)
{
    for (auto _ : state) {
        report(state, timeDefaultPlaybin(server->url(mount)));
    }
}

void tenRuns(benchmark::internal::Benchmark* benchmark)
{
    benchmark->UseManualTime()->Iterations(1)->Repetitions(10)->ReportAggregatesOnly(true);
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_FirstSoundTuned, mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundTuned, ogg_vorbis, "/tone.ogg")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundPlaybinDefaults, mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundPlaybinDefaults, ogg_vorbis, "/tone.ogg")->Apply(tenRuns);

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    Vello::IcecastServer icecast;
    if (!icecast.startError().empty()) {
        std::fprintf(stderr, "%s\n", icecast.startError().c_str());
        return 1;
    }
    if (!icecast.startSource("/tone.mp3", Vello::IcecastServer::Codec::Mp3, 440)
        || !icecast.startSource("/tone.ogg", Vello::IcecastServer::Codec::OggVorbis, 660)) {
        std::fprintf(stderr, "the live sources did not reach the server\n");
        return 1;
    }
    Vello::server = &icecast;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
