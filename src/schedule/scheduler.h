#pragma once

#include "alarm.h"
#include "scheduledrecording.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

class Cancellable;
class MainQueue;
class WallClock;

// Something the schedule brings about.
struct ScheduleEvent final {
    enum class Kind {
        // An alarm rings: on time, after a snooze, or less than lateRingLimit late (the machine
        // woke from sleep just after, or the player started just after).
        Ring,
        // An alarm fell due longer ago than that and does not ring.
        Missed,
        RecordingStarts,
        RecordingEnds,
        // A recording's whole time went by while the machine slept or the player was not running.
        RecordingMissed,
    };

    Kind kind = Kind::Ring;
    // The alarm's or the recording's.
    std::string id;
    // When it fell due; for RecordingStarts, when it is to end.
    std::chrono::sys_seconds at {};

    friend bool operator==(const ScheduleEvent&, const ScheduleEvent&) = default;
};

// Keeps the alarms and the scheduled recordings and says when each falls due. Times are read off
// the wall clock and waited for on the main queue's clock, checked at least once a minute and
// worked out again whenever the wall clock tells of a jump (a change of zone, a wake from sleep,
// the time set by hand). After a change of zone the times are the new zone's; one the change took
// the clock past fell due when the new zone's clock showed it. GUI thread only.
class Scheduler final {
public:
    struct Hooks {
        std::function<void(const ScheduleEvent&)> happened;
        // The lists changed, by an edit or as time went by (the instants checked moved on, a once
        // turned itself off): they are to be kept as they are now.
        std::function<void(const std::vector<Alarm>&, const std::vector<ScheduledRecording>&)> changed;
    };

    static constexpr std::chrono::minutes lateRingLimit {10};
    static constexpr std::chrono::minutes snoozeTime {10};
    static constexpr std::chrono::minutes longestWait {1};

    Scheduler(MainQueue& queue, WallClock& clock, Hooks hooks);
    ~Scheduler();

    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    // Takes the lists kept from before: whatever fell due since each one's checkedUntil rings
    // now, starts now or is missed.
    void restore(std::vector<Alarm> alarms, std::vector<ScheduledRecording> recordings);
    // Replace the lists; one added counts from now. A recording under way goes on to its end
    // unless it is taken out of the list.
    void setAlarms(std::vector<Alarm> alarms);
    void setRecordings(std::vector<ScheduledRecording> recordings);

    [[nodiscard]] const std::vector<Alarm>& alarms() const { return m_alarms; }
    [[nodiscard]] const std::vector<ScheduledRecording>& recordings() const { return m_recordings; }

    // Rings the alarm `id` again snoozeTime from now.
    void snooze(std::string_view id);
    // Drops the alarm's snoozed ring, if it has one.
    void stop(std::string_view id);

private:
    // Reports what fell due since the last check and waits for the next; `edited`: the lists were
    // just changed.
    void check(bool edited = false);
    // The last time `when` fell due after `from`, up to `now`.
    [[nodiscard]] std::optional<std::chrono::sys_seconds> lastDue(
        const Recurrence& when, std::chrono::sys_seconds from, std::chrono::sys_seconds now) const;
    void waitForNext(std::chrono::sys_seconds now);
    [[nodiscard]] std::chrono::sys_seconds now() const;

    MainQueue& m_queue;
    WallClock& m_clock;
    Hooks m_hooks;
    std::vector<Alarm> m_alarms;
    std::vector<ScheduledRecording> m_recordings;
    std::map<std::string, std::chrono::sys_seconds, std::less<>> m_snoozed;
    // The recordings under way, and when each ends.
    std::map<std::string, std::chrono::sys_seconds, std::less<>> m_recording;
    // The last check, and the zone's offset from UTC at that moment as the zone was then.
    std::optional<std::chrono::sys_seconds> m_lastCheck;
    std::chrono::seconds m_lastOffset {0};
    std::shared_ptr<Cancellable> m_wait;
};

} // namespace Vello
