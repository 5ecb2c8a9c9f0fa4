// Time to first sound on a local Icecast server: from `play` to the first audible sample at the
// sink, and to status 2, for our tuned player and for playbin with its default settings (what
// `gst-launch-1.0 playbin uri=...` does); through a .pls link against the direct address; from a
// source's return to sound; from a title change to the controller; and the player's own delay
// from the first audio byte to the first sound. On a server that answers 1,250 ms after the
// request: from the click to sound after the pointer rested on the station, and for Previous
// after a switch; the bytes a station opened on a rest and never played takes; the memory and
// CPU of the streams held beside the one playing. On Icecast, with its 64 KB burst: from the
// click to sound after a rest, also heard from outside on a PulseAudio null sink, and Previous
// there; the memory left after 200 streams opened early or 200 switches. Run from a Release
// build; needs icecast2, pulseaudio and parec.
#include "capturesink.h"
#include "icecastserver.h"
#include "logoserver.h"
#include "nullsinkmonitor.h"
#include "pacedstreamserver.h"

#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "playback/playercontroller.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <gst/gst.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace Vello {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto giveUpAfter = 30s;

IcecastServer* server = nullptr;
LogoServer* links = nullptr;
PacedStreamServer* pacedServer = nullptr;
NullSinkMonitor* nullSink = nullptr;

// Runs the GUI thread's loop until `done` holds or `timeout` passes; returns whether it held.
bool spinUntil(const std::function<bool()>& done, Clock::duration timeout = giveUpAfter)
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

void spinFor(Clock::duration wait)
{
    spinUntil([] { return false; }, wait);
}

// A station of its own for each `id`; the address names it when no id is given.
Station stationAt(const std::string& url, const std::string& id = {})
{
    return StationFields {.stationuuid = id.empty() ? url : id, .name = "Loopback", .url = url};
}

// The whole player as the window uses it: a controller with its ports and a capture for each
// stream it opens, or, given the null sink's monitor, the desktop's default sink as the player's
// own and the monitor to hear it.
struct ControllerRig {
    explicit ControllerRig(const NullSinkMonitor* monitor = nullptr)
        : speaker(monitor)
    {
    }

    const NullSinkMonitor* speaker;
    QtMainQueue queue;
    QtHttpClient http;
    std::vector<std::shared_ptr<CaptureSink>> captures;
    GstMediaBackend backend {queue, speaker != nullptr ? GstMediaBackend::AudioSinkFactory {} : [this] {
                                 captures.push_back(CaptureSink::create());
                                 return captures.back()->makeElement();
                             }};
    PlayerController controller {backend, queue, http};

    // The first loud sample any stream opened so far made after `since`.
    [[nodiscard]] std::optional<Clock::time_point> soundAfter(Clock::time_point since) const
    {
        if (speaker != nullptr) {
            return speaker->firstLoudAfter(since);
        }
        for (const auto& capture : captures) {
            if (const auto heard = capture->firstLoudSampleTime(); heard && *heard > since) {
                return heard;
            }
        }
        return std::nullopt;
    }
};

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
    player->setWaitsForBuffering(true);
    player->play();
    while (Clock::now() - start < giveUpAfter && !(timing.toSound && timing.toPlaying)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!timing.toPlaying && player->activity() == PlayerActivity::Playing) {
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

void BM_FirstSoundThroughController(benchmark::State& state, const char* path)
{
    for (auto _ : state) {
        ControllerRig rig;
        const std::string url = path[0] == '/' && std::string(path).ends_with(".pls")
            ? links->url(QString::fromUtf8(path))
            : server->url(path);
        const Clock::time_point start = Clock::now();
        rig.controller.play(stationAt(url));
        if (!spinUntil([&] { return rig.soundAfter(start).has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*rig.soundAfter(start) - start).count());
    }
}

// A source goes off the air for 3 s and comes back: from its return to sound again.
void BM_ReturnToSound(benchmark::State& state)
{
    for (auto _ : state) {
        if (!server->startSource("/return.mp3", IcecastServer::Codec::Mp3, 440)) {
            state.SkipWithError("the source did not start");
            return;
        }
        ControllerRig rig;
        rig.controller.play(stationAt(server->url("/return.mp3")));
        spinUntil([&] { return rig.controller.playbackState().phase == PlaybackPhase::Playing; });
        server->stopSource("/return.mp3");
        spinFor(3s);
        if (!server->startSource("/return.mp3", IcecastServer::Codec::Mp3, 440)) {
            state.SkipWithError("the source did not come back");
            return;
        }
        const Clock::time_point back = Clock::now();
        if (!spinUntil([&] { return rig.soundAfter(back).has_value(); })) {
            state.SkipWithError("no sound within 30 s of the return");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*rig.soundAfter(back) - back).count());
        server->stopSource("/return.mp3");
    }
}

// From Icecast's metadata admin call to the controller's `streamTitle`.
void BM_TitleToController(benchmark::State& state, const char* mount)
{
    ControllerRig rig;
    rig.controller.play(stationAt(server->url(mount)));
    spinUntil([&] { return rig.controller.playbackState().phase == PlaybackPhase::Playing; });
    int change = 0;
    for (auto _ : state) {
        const std::string title = "Song " + std::to_string(++change);
        const Clock::time_point start = Clock::now();
        if (!server->setTitle(mount, title) || !spinUntil([&] { return rig.controller.streamTitle() == title; })) {
            state.SkipWithError("the title did not arrive within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}

// The player's own delay: from the server's first byte of audio to the first sound.
void BM_FirstByteToSound(benchmark::State& state, const char* path)
{
    for (auto _ : state) {
        QtMainQueue queue;
        const std::shared_ptr<CaptureSink> capture = CaptureSink::create();
        GstMediaBackend backend(queue, [&] { return capture->makeElement(); });
        auto player = backend.createPlayer(pacedServer->url(path));
        const std::size_t connection = pacedServer->connectionCount();
        player->setWaitsForBuffering(true);
        player->play();
        if (!spinUntil([&] { return capture->firstLoudSampleTime().has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        const auto firstByte = pacedServer->firstByteTime(connection);
        if (!firstByte) {
            state.SkipWithError("the server saw no listener");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*capture->firstLoudSampleTime() - *firstByte).count());
    }
}

// From the click to sound on a server that answers 1,250 ms after the request, the pointer
// having rested on the station's button for the argument's milliseconds first (0: no rest).
void BM_ClickAfterRest(benchmark::State& state)
{
    const std::chrono::milliseconds rest(state.range(0));
    for (auto _ : state) {
        ControllerRig rig;
        const Station station = stationAt(pacedServer->url("/late/tone.mp3"));
        if (rest > 0ms) {
            rig.controller.restOn(station);
            spinFor(rest);
        }
        const Clock::time_point click = Clock::now();
        rig.controller.play(station);
        if (!spinUntil([&] { return rig.soundAfter(click).has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*rig.soundAfter(click) - click).count());
    }
}

// The same on the Icecast server, which answers at once with its 64 KB burst, heard at a capture
// sink (argument 1: 0) or from outside, on the monitor of the desktop's default sink, a PulseAudio
// null sink (1): from the click to sound after resting on the station for the first argument's
// milliseconds (0: no rest).
void BM_ClickAfterRestOnIcecast(benchmark::State& state, const char* mount)
{
    const std::chrono::milliseconds rest(state.range(0));
    if (state.range(1) == 1 && nullSink == nullptr) {
        state.SkipWithError("no PulseAudio null sink");
        return;
    }
    for (auto _ : state) {
        ControllerRig rig(state.range(1) == 1 ? nullSink : nullptr);
        const Station station = stationAt(server->url(mount));
        if (rest > 0ms) {
            rig.controller.restOn(station);
            spinFor(rest);
        }
        const Clock::time_point click = Clock::now();
        rig.controller.play(station);
        if (!spinUntil([&] { return rig.soundAfter(click).has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*rig.soundAfter(click) - click).count());
    }
}

// Previous a moment after a switch, both stations on the late server, heard at a capture sink
// (argument 0); or on Icecast, from the monitor of the null sink (1), the second station silent so
// that what is heard after the click is the first: from the click to the first station's sound
// again.
void BM_PreviousAfterSwitch(benchmark::State& state)
{
    const bool onSpeaker = state.range(0) == 1;
    if (onSpeaker && nullSink == nullptr) {
        state.SkipWithError("no PulseAudio null sink");
        return;
    }
    for (auto _ : state) {
        ControllerRig rig(onSpeaker ? nullSink : nullptr);
        const Station first
            = stationAt(onSpeaker ? server->url("/tone.mp3") : pacedServer->url("/late/tone.mp3"), "first");
        const Station second
            = stationAt(onSpeaker ? server->url("/silence.mp3") : pacedServer->url("/late/tone.aac"), "second");
        rig.controller.play(first);
        spinUntil([&] { return rig.controller.playbackState().phase == PlaybackPhase::Playing; });
        rig.controller.play(second);
        spinUntil([&] { return rig.controller.playbackState().phase == PlaybackPhase::Playing; });
        spinFor(1s);
        const Clock::time_point click = Clock::now();
        rig.controller.play(first);
        const auto heard = [&] {
            return onSpeaker ? nullSink->firstLoudAfter(click) : rig.captures.front()->firstLoudSampleTime(click);
        };
        if (!spinUntil([&] { return heard().has_value(); })) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(*heard() - click).count());
    }
}

// The bytes that reach a 128 kbit/s station opened on a rest and never played, by the time it
// has closed; and, for comparison, a player started muted for as long (the argument: 1).
void BM_BytesOfAnUnplayedRest(benchmark::State& state)
{
    for (auto _ : state) {
        ControllerRig rig;
        const std::size_t connection = pacedServer->connectionCount();
        const std::string url = pacedServer->url("/tone.mp3");
        std::unique_ptr<MediaPlayer> muted;
        if (state.range(0) == 1) {
            muted = rig.backend.createPlayer(url);
            muted->setMuted(true);
            muted->play();
        } else {
            rig.controller.restOn(stationAt(url));
        }
        const Clock::time_point start = Clock::now();
        spinFor(StandbyStreams::restBeforeOpening + StandbyStreams::intentLifetime + 500ms);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        state.counters["kilobytes"] = static_cast<double>(pacedServer->bytesDelivered(connection)) / 1000;
        state.counters["listeners"] = static_cast<double>(pacedServer->connectionCount() - connection);
    }
}

double statusMegabytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key + ":")) {
            return std::stod(line.substr(key.size() + 1)) / 1024;
        }
    }
    return 0;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One station playing through an ordinary sink, alone (argument 0) or with one kept warm and one
// opened on a rest beside it (1), all three MP3, so that the codecs loaded are the same: CPU over
// 5 s and the process's peak memory. Run each in a process of its own, for the peak.
void BM_StandbyCost(benchmark::State& state)
{
    for (auto _ : state) {
        QtMainQueue queue;
        QtHttpClient http;
        int sinks = 0;
        GstMediaBackend backend(queue, [&sinks] {
            ++sinks;
            GstElement* sink = gst_element_factory_make("fakesink", nullptr);
            g_object_set(sink, "sync", TRUE, nullptr);
            return sink;
        });
        PlayerController controller(backend, queue, http);
        const auto playUntilHeard = [&](const Station& station) {
            controller.play(station);
            return spinUntil([&] { return controller.playbackState().phase == PlaybackPhase::Playing; });
        };
        if (state.range(0) == 1) {
            playUntilHeard(stationAt(server->url("/tone.mp3"), "warm"));
        }
        if (!playUntilHeard(stationAt(server->url("/tone.mp3"), "playing"))) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        if (state.range(0) == 1) {
            controller.restOn(stationAt(server->url("/tone.mp3"), "rest"));
        }
        spinFor(1s);
        const double cpuBefore = cpuSeconds();
        const Clock::time_point start = Clock::now();
        spinFor(5s);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = (cpuSeconds() - cpuBefore) / wall * 100;
        state.counters["peak_mb"] = statusMegabytes("VmHWM");
        state.counters["rss_mb"] = statusMegabytes("VmRSS");
        state.counters["pipelines"] = sinks;
    }
}

// The memory a stream opened early leaves behind: the player as the window uses it, on the
// desktop's default sink (the null sink), rests on 200 stations of the Icecast server one after
// the other, each long enough for its stream to open and wait at its first audio; then all close.
// The resident set after, against before (after a few opens, so that the plug-ins and the
// threads' pools are loaded). The argument 1 plays 200 stations one after the other instead, each
// until it sounds: every switch keeps the one before warm and closes the one kept before that.
void BM_MemoryAfterOpens(benchmark::State& state)
{
    if (nullSink == nullptr) {
        state.SkipWithError("no PulseAudio null sink");
        return;
    }
    constexpr int opens = 200;
    constexpr int warmUp = 5;
    const bool switches = state.range(0) == 1;
    for (auto _ : state) {
        ControllerRig rig(nullSink);
        const auto openOne = [&](int index) {
            const Station station = stationAt(server->url("/tone.mp3"), "station " + std::to_string(index));
            if (switches) {
                rig.controller.play(station);
                spinUntil([&] { return rig.controller.playbackState().phase == PlaybackPhase::Playing; });
            } else {
                rig.controller.restOn(station);
                spinFor(StandbyStreams::restBeforeOpening + 500ms);
            }
        };
        const auto settle = [&] {
            rig.controller.closeIntent();
            rig.controller.pause();
            spinFor(StandbyStreams::warmLifetime + 1s);
        };
        for (int index = 0; index < warmUp; ++index) {
            openOne(index);
        }
        settle();
        const double before = statusMegabytes("VmRSS");
        const Clock::time_point start = Clock::now();
        for (int index = warmUp; index < warmUp + opens; ++index) {
            openOne(index);
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        settle();
        const double after = statusMegabytes("VmRSS");
        state.counters["rss_before_mb"] = before;
        state.counters["rss_after_mb"] = after;
        state.counters["growth_mb"] = after - before;
        state.counters["growth_kb_per_open"] = (after - before) * 1024 / opens;
    }
}

void runs(benchmark::internal::Benchmark* benchmark, int count)
{
    benchmark->UseManualTime()->Iterations(1)->Repetitions(count)->ReportAggregatesOnly(true);
    benchmark->Unit(benchmark::kMillisecond);
}

void tenRuns(benchmark::internal::Benchmark* benchmark)
{
    runs(benchmark, 10);
}

void fiveRuns(benchmark::internal::Benchmark* benchmark)
{
    runs(benchmark, 5);
}

BENCHMARK_CAPTURE(BM_FirstSoundTuned, mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundTuned, ogg_vorbis, "/tone.ogg")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundPlaybinDefaults, mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundPlaybinDefaults, ogg_vorbis, "/tone.ogg")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundThroughController, direct_mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstSoundThroughController, pls_link_mp3, "/tone.pls")->Apply(tenRuns);
BENCHMARK(BM_ReturnToSound)->Apply(fiveRuns);
BENCHMARK_CAPTURE(BM_TitleToController, mp3_icy, "/tone.mp3")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstByteToSound, mp3, "/tone.mp3")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstByteToSound, aac, "/tone.aac")->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_FirstByteToSound, ogg_vorbis, "/tone.ogg")->Apply(tenRuns);
BENCHMARK(BM_ClickAfterRest)->Arg(0)->Arg(300)->Arg(1500)->Apply(tenRuns);
BENCHMARK_CAPTURE(BM_ClickAfterRestOnIcecast, mp3, "/tone.mp3")->ArgsProduct({{0, 300, 1500}, {0, 1}})->Apply(fiveRuns);
BENCHMARK_CAPTURE(BM_ClickAfterRestOnIcecast, ogg_vorbis, "/tone.ogg")
    ->ArgsProduct({{0, 300, 1500}, {0, 1}})
    ->Apply(fiveRuns);
BENCHMARK(BM_PreviousAfterSwitch)->Arg(0)->Arg(1)->Apply(tenRuns);
BENCHMARK(BM_BytesOfAnUnplayedRest)->Arg(0)->Arg(1)->Apply(tenRuns);
BENCHMARK(BM_StandbyCost)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryAfterOpens)->Arg(0)->Arg(1)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

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
        || !icecast.startSource("/tone.ogg", Vello::IcecastServer::Codec::OggVorbis, 660)
        || !icecast.startSource("/silence.mp3", Vello::IcecastServer::Codec::Mp3, 0)) {
        std::fprintf(stderr, "the live sources did not reach the server\n");
        return 1;
    }
    Vello::server = &icecast;
    Vello::LogoServer playlists;
    playlists.serve(QStringLiteral("/tone.pls"),
        QByteArray("[playlist]\nNumberOfEntries=1\nFile1=") + QByteArray::fromStdString(icecast.url("/tone.mp3"))
            + "\n",
        "audio/x-scpls");
    Vello::links = &playlists;
    Vello::PacedStreamServer paced;
    if (!paced.startError().empty()) {
        std::fprintf(stderr, "%s\n", paced.startError().c_str());
        return 1;
    }
    Vello::pacedServer = &paced;
    Vello::NullSinkMonitor monitor;
    if (monitor.startError().empty()) {
        Vello::nullSink = &monitor;
    } else {
        std::fprintf(stderr, "%s: the null sink's cases are skipped\n", monitor.startError().c_str());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
