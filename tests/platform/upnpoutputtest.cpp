#include "capturesink.h"
#include "icecastserver.h"
#include "memoryports.h"
#include "nullsinkmonitor.h"
#include "waitfor.h"

#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "platform/upnpoutputdiscovery.h"
#include "session/playbacksession.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstring>
#include <numeric>

namespace Vello {
namespace {

// Why the tests cannot run here; empty when they can.
std::string unavailable;
bool networkReady = false;

// A veth pair in the loopback range: SSDP's multicast goes from one end to the other, nowhere else.
constexpr const char* networkSetUp
    = "set -e; ip link set lo up; ip link add vello0 type veth peer name vello1;"
      "ip addr add 127.200.0.1/24 dev vello0; ip addr add 127.200.0.2/24 dev vello1;"
      "ip link set vello0 up; ip link set vello1 up;"
      "for c in all vello0 vello1; do sysctl -qw net.ipv4.conf.$c.route_localnet=1; done;"
      "ip route add 239.0.0.0/8 dev vello0";

double loudness(const std::vector<float>& samples)
{
    const double sum = std::transform_reduce(
        samples.begin(), samples.end(), 0.0, std::plus<>(), [](float s) { return static_cast<double>(s) * s; });
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

class UpnpOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!unavailable.empty()) {
            GTEST_SKIP() << unavailable;
        }
        ASSERT_TRUE(networkReady);
        ASSERT_EQ(monitor.emplace().startError(), "");
        ASSERT_EQ(server.emplace().startError(), "");
        ASSERT_TRUE(server->startSource("/tone.mp3", IcecastServer::Codec::Mp3, 440));
        // It plays into the monitored null sink: PULSE_SERVER is set for this process's children.
        renderer.start(QStringLiteral("gmediarender"),
            {QStringLiteral("-I"), QStringLiteral("vello1"), QStringLiteral("-f"), QStringLiteral("Kitchen"),
                QStringLiteral("-u"), QStringLiteral("vello-kitchen"), QStringLiteral("--gstout-audiosink=pulsesink")});
        ASSERT_TRUE(renderer.waitForStarted());
    }
    void TearDown() override
    {
        renderer.terminate();
        renderer.waitForFinished(5000);
    }

    std::optional<OutputFailure> act(const std::function<void(Output::Done)>& action)
    {
        std::optional<std::optional<OutputFailure>> answer;
        action([&](std::optional<OutputFailure> failure) { answer = std::move(failure); });
        EXPECT_TRUE(waitFor([&] { return answer.has_value(); }));
        return answer.value_or(OutputFailure {OutputFailure::Kind::NoAnswer, "the test waited in vain"});
    }

    std::vector<float> heard(double seconds)
    {
        const std::size_t from = monitor->sampleCount();
        const auto wanted = static_cast<std::size_t>(seconds * NullSinkMonitor::sampleRate);
        EXPECT_TRUE(waitFor([&] { return monitor->sampleCount() >= from + wanted; }));
        return monitor->samplesFrom(from);
    }

    std::optional<NullSinkMonitor> monitor;
    std::optional<IcecastServer> server;
    QProcess renderer;
};

TEST_F(UpnpOutputTest, KitchenIsFoundAndPlaysPausesAndTakesTheVolumeAndMute)
{
    // No GLib main loop runs here: Qt's event loop dispatches GUPnP's sources.
    UpnpOutputDiscovery discovery("vello0");
    std::vector<OutputInfo> found;
    ASSERT_EQ(discovery.start([&](const OutputDiscoveryEvent& event) {
        if (const auto* output = std::get_if<OutputFound>(&event)) {
            found.push_back(output->output);
        }
    }),
        std::nullopt);
    ASSERT_TRUE(waitFor([&] { return !found.empty(); }));
    EXPECT_EQ(found.front(), (OutputInfo {"uuid:vello-kitchen", "Kitchen"}));

    const std::unique_ptr<Output> kitchen = discovery.open(found.front().id);
    ASSERT_NE(kitchen, nullptr);
    std::optional<OutputTransport> transport;
    double volume = -1;
    std::optional<bool> muted;
    kitchen->setEventHandler([&](const OutputEvent& event) {
        if (const auto* changed = std::get_if<OutputTransportChanged>(&event)) {
            transport = changed->transport;
        } else if (const auto* loud = std::get_if<OutputVolumeChanged>(&event)) {
            volume = loud->volume;
        } else if (const auto* mute = std::get_if<OutputMuteChanged>(&event)) {
            muted = mute->muted;
        }
    });
    const auto nothingToPause = act([&](Output::Done done) { kitchen->pause(std::move(done)); });
    EXPECT_EQ(nothingToPause.value_or(OutputFailure {}).kind, OutputFailure::Kind::Refused);
    const OutputStream stream {server->url("/tone.mp3"), "Tone FM", {}, "audio/mpeg"};
    EXPECT_EQ(act([&](Output::Done done) { kitchen->setStream(stream, std::move(done)); }), std::nullopt);
    EXPECT_EQ(act([&](Output::Done done) { kitchen->play(std::move(done)); }), std::nullopt);
    ASSERT_TRUE(waitFor([&] { return transport == OutputTransport::Playing; }));
    ASSERT_TRUE(waitFor([&] { return loudness(heard(0.2)) > 0.05; }));
    const std::vector<float> full = heard(0.5);
    EXPECT_NEAR(dominantFrequency(full, NullSinkMonitor::sampleRate), 440, 5);

    EXPECT_EQ(act([&](Output::Done done) { kitchen->pause(std::move(done)); }), std::nullopt);
    EXPECT_TRUE(waitFor([&] { return transport == OutputTransport::Paused; }));
    EXPECT_TRUE(waitFor([&] { return loudness(heard(0.3)) == 0; })) << "paused, the kitchen falls silent";

    EXPECT_EQ(act([&](Output::Done done) { kitchen->play(std::move(done)); }), std::nullopt);
    EXPECT_EQ(act([&](Output::Done done) { kitchen->setVolume(0.5, std::move(done)); }), std::nullopt);
    EXPECT_TRUE(waitFor([&] { return std::abs(volume - 0.5) < 0.01; })) << volume;
    EXPECT_TRUE(waitFor([&] {
        const double level = loudness(heard(0.3));
        return level > 0.001 && level < loudness(full) * 0.8;
    })) << "quieter, and still playing";

    EXPECT_EQ(act([&](Output::Done done) { kitchen->setMuted(true, std::move(done)); }), std::nullopt);
    EXPECT_TRUE(waitFor([&] { return muted == true; }));
    EXPECT_TRUE(waitFor([&] { return loudness(heard(0.3)) == 0; })) << "muted";

    EXPECT_EQ(act([&](Output::Done done) { kitchen->stop(std::move(done)); }), std::nullopt);
    EXPECT_TRUE(waitFor([&] { return transport == OutputTransport::Stopped; }));
}

// Picked in the session, Kitchen plays the station and this computer falls silent; the session
// shows what Kitchen reports, and this computer takes the station back.
TEST_F(UpnpOutputTest, KitchenPickedInTheSessionPlaysTheStationWhileThisComputerIsSilent)
{
    QtMainQueue queue;
    QtHttpClient http;
    MemoryPreferences preferences;
    std::vector<std::shared_ptr<CaptureSink>> here;
    GstMediaBackend media {queue, [&here] {
                               here.push_back(CaptureSink::create());
                               return here.back()->makeElement();
                           }};
    UpnpOutputDiscovery discovery("vello0");
    PlaybackSession session(media, http, preferences, queue);
    ASSERT_EQ(session.findOutputs(discovery), std::nullopt);
    const auto phaseIs
        = [&session](PlaybackPhase phase) { return waitFor([&] { return session.playbackState().phase == phase; }); };
    const auto samplesHere = [&here] { return here.empty() ? 0 : here.back()->sampleCount(); };
    session.play(
        StationFields {.stationuuid = "tone", .name = "Tone FM", .url = server->url("/tone.mp3"), .codec = "MP3"});
    ASSERT_TRUE(phaseIs(PlaybackPhase::Playing));
    ASSERT_TRUE(waitFor([&] { return !session.outputs().empty(); }));

    ASSERT_TRUE(session.chooseOutput(session.outputs().front().id));
    EXPECT_EQ(session.output().value_or(OutputInfo {}).name, "Kitchen");
    ASSERT_TRUE(waitFor([&] { return loudness(heard(0.2)) > 0.05; }));
    EXPECT_TRUE(phaseIs(PlaybackPhase::Playing));
    const std::size_t before = samplesHere();
    EXPECT_NEAR(dominantFrequency(heard(0.5), NullSinkMonitor::sampleRate), 440, 5);
    EXPECT_LT(samplesHere() - before, CaptureSink::sampleRate / 10) << "this computer is silent";

    session.pause();
    EXPECT_TRUE(phaseIs(PlaybackPhase::Paused)) << "as Kitchen reports it";
    EXPECT_TRUE(waitFor([&] { return loudness(heard(0.3)) == 0; }));

    ASSERT_TRUE(session.chooseOutput(""));
    session.playSelected();
    ASSERT_TRUE(phaseIs(PlaybackPhase::Playing));
    ASSERT_TRUE(waitFor([&] { return samplesHere() > CaptureSink::sampleRate / 2; }));
    EXPECT_NEAR(dominantFrequency(here.back()->samplesFrom(0), CaptureSink::sampleRate), 440, 5) << "here again";
    EXPECT_EQ(loudness(heard(0.3)), 0) << "Kitchen stays silent";
}

} // namespace
} // namespace Vello

// The tests run as the first process of private network and process namespaces: nothing they
// send leaves the machine, and every program they start ends with them, however they end. A
// /proc of their own lets the leak checker find its threads.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::unshare(CLONE_NEWNET | CLONE_NEWPID | CLONE_NEWNS) != 0) {
        Vello::unavailable
            = std::string("cannot make private network and process namespaces (needs root): ") + std::strerror(errno);
    } else if (const pid_t child = ::fork(); child > 0) {
        int status = 0;
        ::waitpid(child, &status, 0);
        // At once: the leak checker cannot stop a process that has left its own process namespace.
        ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
    } else if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        Vello::networkReady = ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount("proc", "/proc", "proc", 0, nullptr) == 0 && std::system(Vello::networkSetUp) == 0;
    }
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
