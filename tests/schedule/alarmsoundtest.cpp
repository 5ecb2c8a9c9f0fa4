#include "manualmainqueue.h"

#include "schedule/alarmsound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// An alarm rising to 0.8 over 2 minutes. Steps: "wait N" seconds, what the station does, "stop",
// "start" and "volume", which notes the volume set last. What is heard reads "<second> what".
TEST(AlarmSoundTest, TheStationRisesAndTheToneTakesOverWhenItGivesNoSound)
{
    struct Case {
        const char* name;
        std::vector<std::string> steps;
        std::vector<std::string> heard;
    };
    const Case cases[] = {
        {"a station heard at once rises from silence over the rise time",
            {"volume", "wait 1", "sounds", "wait 59", "volume", "wait 60", "volume", "wait 60", "volume"},
            {"0 station s", "0 volume 0.00", "60 volume 0.40", "120 volume 0.80", "180 volume 0.80"}},
        {"no sound within 20 s: the tone, rising the same way",
            {"wait 19", "volume", "wait 1", "volume", "wait 60", "volume"},
            {"0 station s", "19 volume 0.13", "20 tone", "20 volume 0.00", "80 volume 0.40"}},
        {"refused: the tone at once, each time it rings", {"failed", "wait 30", "failed", "stop", "start", "failed"},
            {"0 station s", "0 tone", "30 silence", "30 station s", "30 tone"}},
        {"silent for 20 s after sounding: the tone; back within 20 s: the station stays",
            {"wait 5", "sounds", "silent", "wait 19", "sounds", "wait 30", "silent", "silent", "wait 20"},
            {"0 station s", "74 tone"}},
        {"stop silences it and ends the rise", {"wait 10", "volume", "stop", "silent", "wait 30", "volume"},
            {"0 station s", "10 volume 0.07", "10 silence", "40 volume 0.07"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ManualMainQueue queue;
        std::vector<std::string> heard;
        double volume = -1;
        const auto note = [&](const std::string& what) {
            heard.push_back(std::to_string(queue.now().count() / 1000) + " " + what);
        };
        AlarmSound sound(queue,
            {.playStation = [&](const std::string& id) { note("station " + id); },
                .playTone = [&] { note("tone"); },
                .setVolume = [&](double set) { volume = set; },
                .silence = [&] { note("silence"); }});
        const Alarm alarm {"a", {}, "s", 80, 2min, true, {}};
        sound.start(alarm);
        for (const std::string& step : c.steps) {
            if (step.starts_with("wait")) {
                queue.advance(std::chrono::seconds {std::stoi(step.substr(5))});
            } else if (step == "volume") {
                char text[16];
                std::snprintf(text, sizeof text, "volume %.2f", volume);
                note(text);
            } else if (step == "sounds") {
                sound.stationSounds();
            } else if (step == "silent") {
                sound.stationSilent();
            } else if (step == "failed") {
                sound.stationFailed();
            } else if (step == "start") {
                sound.start(alarm);
            } else {
                sound.stop();
            }
        }
        EXPECT_EQ(heard, c.heard);
    }
}

} // namespace
} // namespace Vello
