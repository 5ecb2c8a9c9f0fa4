#pragma once

#include "alarmplayer.h"

#include "base/text.h"
#include "schedule/alarmsound.h"
#include "schedule/scheduler.h"
#include "storage/storedlist.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

class DocumentStore;
class HttpClient;
class MainQueue;
class MediaBackend;
class MediaPlayer;
class ProgrammeRecording;
class Station;
class ToneSource;
class WallClock;

// The alarms and scheduled recordings at work: kept in their document beside the songs heard,
// timed by the Scheduler on the wall clock, an alarm rung through the AlarmPlayer (the built-in
// tone in its place when the station stays silent) and a recording made on a player of its own.
// GUI thread only.
class ScheduleHost final {
public:
    struct Ports {
        MainQueue& queue;
        WallClock& clock;
        DocumentStore& documents;
        MediaBackend& media;
        HttpClient& http;
        ToneSource& tone;
        AlarmPlayer& player;
    };
    struct Hooks {
        // The station of an identifier, from the catalog or the person's own; nothing when unknown.
        std::function<std::optional<Station>(std::string_view id)> station;
        // Something the person is told once: an alarm missed, a recording that failed, the
        // document set aside.
        std::function<void(const Text&)> tell;
        // An alarm started or stopped ringing (ringingAlarm()).
        std::function<void()> ringingChanged;
        // The lists changed, by an edit or as time went by.
        std::function<void()> listsChanged;
    };
    struct Folders {
        // Where recordings go, a folder per station.
        std::string recordings;
        // Where each recording under way keeps its stream, a folder of its own under it.
        std::string kept;
    };

    ScheduleHost(Ports ports, Folders folders, Hooks hooks);
    ~ScheduleHost();

    ScheduleHost(const ScheduleHost&) = delete;
    ScheduleHost& operator=(const ScheduleHost&) = delete;

    // Reads the document and takes up the lists: what fell due while the player was not running
    // rings, starts or is said to be missed now. Called once.
    void start();

    [[nodiscard]] const std::vector<Alarm>& alarms() const { return m_scheduler.alarms(); }
    [[nodiscard]] const std::vector<ScheduledRecording>& recordings() const { return m_scheduler.recordings(); }
    void setAlarms(std::vector<Alarm> alarms);
    void setRecordings(std::vector<ScheduledRecording> recordings);

    // The alarm ringing now, if any.
    [[nodiscard]] const std::optional<Alarm>& ringingAlarm() const { return m_ringing; }
    // Silences the alarm ringing and rings it again Scheduler::snoozeTime from now.
    void snooze();
    // Silences the alarm ringing.
    void stopRinging();
    // Whether the recording `id` is under way.
    [[nodiscard]] bool isRecording(std::string_view id) const;

private:
    void happened(const ScheduleEvent& event);
    void ring(const std::string& id);
    void missed(const std::string& id);
    void startRecording(const ScheduleEvent& event);
    void endRecording(const std::string& id);
    void heard(AlarmPlayer::Sound sound);
    void save();
    void endRinging();

    Ports m_ports;
    Folders m_folders;
    Hooks m_hooks;
    StoredList m_list;
    Scheduler m_scheduler;
    AlarmSound m_sound;
    std::unique_ptr<MediaPlayer> m_tone;
    std::optional<Alarm> m_ringing;
    std::map<std::string, std::unique_ptr<ProgrammeRecording>, std::less<>> m_recordings;
    bool m_started = false;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
