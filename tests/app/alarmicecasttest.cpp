// An alarm heard for real: the station from a live Icecast mount, played by the listening session
// at the alarm's volume over the person's low one, or with the stream refused the built-in tone,
// each rising from silence, captured at the sink that stands for the loudspeaker.

#include "app/schedulehost.h"
#include "app/sessionalarmplayer.h"

#include "browserfakes.h"
#include "capturesink.h"
#include "icecastserver.h"
#include "waitfor.h"
#include "windowcore.h"

#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "ports/wallclock.h"

#include <QTest>

#include <gst/gst.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

namespace Vello {
namespace {

using namespace std::chrono;

constexpr int stationTone = 440;
constexpr seconds riseTime {6};

// The real time, in a zone that is UTC.
struct UtcClock final : WallClock {
    [[nodiscard]] system_clock::time_point now() const override { return system_clock::now(); }
    [[nodiscard]] seconds offsetAt(sys_seconds /*instant*/) const override { return seconds {0}; }
    void setJumpHandler(JumpHandler /*handler*/) override { }
};

// The loudest sample of each `window` of `samples`.
std::vector<float> peaks(const std::vector<float>& samples, std::size_t window)
{
    std::vector<float> found;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        const auto part = std::span(samples).subspan(start, window);
        found.push_back(std::abs(std::ranges::max(part, {}, [](float sample) { return std::abs(sample); })));
    }
    return found;
}

TEST(AlarmIcecastTest, TheStationOrElseTheToneRisesFromSilence)
{
    gst_init(nullptr, nullptr);
    IcecastServer server;
    ASSERT_TRUE(server.startSource("/tone.mp3", IcecastServer::Codec::Mp3, stationTone)) << server.startError();
    // The station's address, the pitch heard, the longest wait for it, and the stretch of audio one
    // peak is taken over (the tone chimes once every toneRepeat).
    struct Case {
        std::string station;
        double pitch;
        seconds within;
        double window;
    };
    for (const Case& c : {Case {server.url("/tone.mp3"), stationTone, seconds {10}, 0.5},
             Case {"http://127.0.0.1:1/refused", GstMediaBackend::toneFrequency, seconds {21},
                 GstMediaBackend::toneRepeat}}) {
        SCOPED_TRACE(c.station);
        QtMainQueue queue;
        QtHttpClient http;
        std::vector<std::shared_ptr<CaptureSink>> captures;
        GstMediaBackend media(queue, [&captures] {
            captures.push_back(CaptureSink::create());
            return captures.back()->makeElement();
        });
        UtcClock clock;
        MemoryDocumentStore store;
        MemoryPreferences preferences;
        FakeStationSource source;
        WindowCore core(source, media, http, preferences, queue);
        RecordingView view;
        core.browser.start(view);
        ASSERT_TRUE(waitFor([&] { return !source.completions.empty(); }));
        source.answer(
            std::vector<Station> {Station(StationFields {.stationuuid = "alarm", .name = "Alarm", .url = c.station})});
        ASSERT_TRUE(waitFor([&] { return !core.browser.allStations().empty(); }));
        // The person listens quietly; the alarm rises above it all the same.
        core.session.setVolume(0.2);
        SessionAlarmPlayer player(core.session, core.browser);
        // Due a minute ago, checked up to two: it rings at start.
        const auto now = floor<seconds>(system_clock::now());
        const auto time = floor<minutes>(now - floor<days>(now)) - minutes {1};
        store.documents["schedule.json"]
            = R"({"version": 1, "schedule": [{"kind": "alarm", "id": "a", "station": "alarm", "time": )"
            + std::to_string((time + days {1}).count() % (24 * 60))
            + R"(, "days": 127, "date": 0, "enabled": true, "checked": )"
            + std::to_string((now - minutes {2}).time_since_epoch().count()) + R"(, "volume": 100, "rise": )"
            + std::to_string(riseTime.count()) + "}]}";
        ScheduleHost host({queue, clock, store, media, http, media, player}, {}, {});
        const auto rang = steady_clock::now();
        host.start();
        ASSERT_TRUE(host.ringingAlarm());
        // The first sound of the right pitch, within its time.
        std::shared_ptr<CaptureSink> heard;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const auto& capture : captures) {
                    const std::size_t count = capture->sampleCount();
                    if (count > CaptureSink::sampleRate / 2 && capture->loudSamplesFrom(0) > 0
                        && std::abs(dominantFrequency(capture->samplesFrom(count - CaptureSink::sampleRate / 2),
                                        CaptureSink::sampleRate)
                               - c.pitch)
                            < 5.0) {
                        heard = capture;
                    }
                }
                return heard != nullptr;
            },
            static_cast<int>(duration_cast<milliseconds>(c.within).count())));
        const double waited = duration<double>(steady_clock::now() - rang).count();
        EXPECT_LT(waited, static_cast<double>(c.within.count()));
        // The whole rise from the first audio and a while at its top, in peaks.
        ASSERT_TRUE(waitFor([&] {
            return heard->sampleCount() >= static_cast<std::size_t>((riseTime.count() + 3) * CaptureSink::sampleRate);
        }));
        const std::vector<float> risen
            = peaks(heard->samplesFrom(0), static_cast<std::size_t>(c.window * CaptureSink::sampleRate));
        ASSERT_GE(risen.size(), 4U);
        std::printf("%s after %.1f s, peaks:", c.station.c_str(), waited);
        for (const float peak : risen) {
            std::printf(" %.3f", peak);
        }
        std::printf("\n");
        // Half way through the rise the mixer's cubic scale gives an eighth of the top's loudness.
        const float middle = risen.at(static_cast<std::size_t>(static_cast<double>(riseTime.count()) / 2 / c.window));
        EXPECT_LT(risen.front(), middle) << "it starts quiet";
        EXPECT_LT(middle, risen.back() / 3) << "and rises";
        EXPECT_GT(risen.back(), 0.1F) << "to the top";
        host.stopRinging();
        EXPECT_DOUBLE_EQ(core.session.volume(), 0.2) << "the person's volume is theirs again";
    }
}

} // namespace
} // namespace Vello
