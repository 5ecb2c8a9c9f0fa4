#include "scheduler.h"

#include "ports/mainqueue.h"
#include "ports/wallclock.h"

#include <algorithm>
#include <utility>

namespace Vello {

using namespace std::chrono;
using Kind = ScheduleEvent::Kind;

namespace {

// Makes each of `items` new since `before` count from `now`: what fell due before it was made is
// none of its business. The others were checked up to the last check, turned on or not.
template <typename Item> void countNewFrom(std::vector<Item>& items, const std::vector<Item>& before, sys_seconds now)
{
    for (Item& item : items) {
        if (std::ranges::find(before, item.id, &Item::id) == before.end()) {
            item.checkedUntil = now;
        }
    }
}

} // namespace

Scheduler::Scheduler(MainQueue& queue, WallClock& clock, Hooks hooks)
    : m_queue(queue)
    , m_clock(clock)
    , m_hooks(std::move(hooks))
{
    m_clock.setJumpHandler([this] { check(); });
}

Scheduler::~Scheduler()
{
    m_clock.setJumpHandler({});
    if (m_wait) {
        m_wait->cancel();
    }
}

sys_seconds Scheduler::now() const
{
    return floor<seconds>(m_clock.now());
}

void Scheduler::restore(std::vector<Alarm> alarms, std::vector<ScheduledRecording> recordings)
{
    m_alarms = std::move(alarms);
    m_recordings = std::move(recordings);
    check();
}

void Scheduler::setAlarms(std::vector<Alarm> alarms)
{
    countNewFrom(alarms, m_alarms, now());
    m_alarms = std::move(alarms);
    std::erase_if(m_snoozed, [this](const auto& snoozed) {
        return std::ranges::find(m_alarms, snoozed.first, &Alarm::id) == m_alarms.end();
    });
    check(true);
}

void Scheduler::setRecordings(std::vector<ScheduledRecording> recordings)
{
    countNewFrom(recordings, m_recordings, now());
    m_recordings = std::move(recordings);
    check(true);
}

void Scheduler::snooze(std::string_view id)
{
    if (std::ranges::find(m_alarms, id, &Alarm::id) != m_alarms.end()) {
        m_snoozed.insert_or_assign(std::string(id), now() + snoozeTime);
        waitForNext(now());
    }
}

void Scheduler::stop(std::string_view id)
{
    if (const auto snoozed = m_snoozed.find(id); snoozed != m_snoozed.end()) {
        m_snoozed.erase(snoozed);
        waitForNext(now());
    }
}

std::optional<sys_seconds> Scheduler::lastDue(const Recurrence& when, sys_seconds from, sys_seconds now) const
{
    // Of a weekly time, only the last week can be the last time.
    if (when.days != 0) {
        from = std::max(from, now - days {8});
    }
    std::optional<sys_seconds> last;
    for (auto at = nextOccurrence(when, from, m_clock); at && *at <= now; at = nextOccurrence(when, *at, m_clock)) {
        last = at;
    }
    return last;
}

void Scheduler::check(bool edited)
{
    const sys_seconds now = this->now();
    // A change of zone moves the local clock. The times it jumped over lie between the last
    // check's local time, read in the new zone, and the last check.
    sys_seconds skippedFrom = now;
    if (m_lastCheck && m_clock.offsetAt(*m_lastCheck) != m_lastOffset) {
        skippedFrom = firstInstantAt(local_seconds {(*m_lastCheck + m_lastOffset).time_since_epoch()}, m_clock);
    }
    std::vector<ScheduleEvent> events;
    bool changed = edited;
    for (Alarm& alarm : m_alarms) {
        const auto due
            = alarm.enabled ? lastDue(alarm.when, std::min(alarm.checkedUntil, skippedFrom), now) : std::nullopt;
        alarm.checkedUntil = now;
        if (due) {
            alarm.enabled = alarm.when.days != 0;
            changed = true;
            const bool missed = now - *due >= lateRingLimit;
            events.push_back({missed ? Kind::Missed : Kind::Ring, alarm.id, *due});
        }
    }
    for (auto snoozed = m_snoozed.begin(); snoozed != m_snoozed.end();) {
        if (snoozed->second > now) {
            ++snoozed;
            continue;
        }
        const bool missed = now - snoozed->second >= lateRingLimit;
        events.push_back({missed ? Kind::Missed : Kind::Ring, snoozed->first, snoozed->second});
        snoozed = m_snoozed.erase(snoozed);
    }
    for (auto under = m_recording.begin(); under != m_recording.end();) {
        const bool listed
            = std::ranges::find(m_recordings, under->first, &ScheduledRecording::id) != m_recordings.end();
        if (listed && under->second > now) {
            ++under;
            continue;
        }
        events.push_back({Kind::RecordingEnds, under->first, std::min(under->second, now)});
        under = m_recording.erase(under);
    }
    for (ScheduledRecording& recording : m_recordings) {
        const bool due = recording.enabled && !m_recording.contains(recording.id);
        const auto started
            = due ? lastDue(recording.start, std::min(recording.checkedUntil, skippedFrom), now) : std::nullopt;
        recording.checkedUntil = now;
        if (!started) {
            continue;
        }
        recording.enabled = recording.start.days != 0;
        changed = true;
        // Woken in the middle of it, what is left of it is recorded.
        if (const sys_seconds end = endOf(recording, *started, m_clock); end > now) {
            m_recording.emplace(recording.id, end);
            events.push_back({Kind::RecordingStarts, recording.id, end});
        } else {
            events.push_back({Kind::RecordingMissed, recording.id, *started});
        }
    }
    m_lastCheck = now;
    m_lastOffset = m_clock.offsetAt(now);
    waitForNext(now);
    // Told last: a hook may change the lists.
    if (changed) {
        m_hooks.changed(m_alarms, m_recordings);
    }
    for (const ScheduleEvent& event : events) {
        m_hooks.happened(event);
    }
}

void Scheduler::waitForNext(sys_seconds now)
{
    if (m_wait) {
        m_wait->cancel();
        m_wait.reset();
    }
    std::optional<sys_seconds> next;
    const auto consider = [&next](std::optional<sys_seconds> at) {
        if (at && (!next || *at < *next)) {
            next = at;
        }
    };
    for (const Alarm& alarm : m_alarms) {
        if (alarm.enabled) {
            consider(nextOccurrence(alarm.when, now, m_clock));
        }
    }
    for (const ScheduledRecording& recording : m_recordings) {
        if (recording.enabled) {
            consider(nextOccurrence(recording.start, now, m_clock));
        }
    }
    for (const auto& [id, at] : m_snoozed) {
        consider(at);
    }
    for (const auto& [id, end] : m_recording) {
        consider(end);
    }
    if (!next) {
        return;
    }
    // The queue's clock is not the wall clock: it may stand still while the machine sleeps, and
    // network time may slew the wall clock away from it. Short waits keep the two close.
    const milliseconds wait
        = std::clamp(ceil<milliseconds>(*next - m_clock.now()), milliseconds {0}, milliseconds {longestWait});
    m_wait = m_queue.postAfter(wait, [this] { check(); });
}

} // namespace Vello
