#include "schedulehost.h"

#include "programmerecording.h"

#include "catalog/station.h"
#include "ports/mainqueue.h"
#include "ports/tonesource.h"
#include "ports/wallclock.h"
#include "schedule/scheduledocument.h"
#include "storage/listdocument.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace Vello {

namespace {

constexpr ListFormat documentFormat {ScheduleDocument::key, ScheduleDocument::version, ScheduleDocument::maxBytes};
// A recording whose station is not known yet (the catalog still loading) is tried again this often
// until its end.
constexpr std::chrono::seconds stationRetry {5};

// "07:30".
Text clockTime(std::chrono::minutes time)
{
    char shown[8];
    std::snprintf(
        shown, sizeof shown, "%02d:%02d", static_cast<int>(time.count() / 60), static_cast<int>(time.count() % 60));
    return Text::verbatim(shown);
}

template <typename Entry> const Entry* findIn(const std::vector<Entry>& entries, std::string_view id)
{
    const auto found = std::ranges::find(entries, id, &Entry::id);
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

ScheduleHost::ScheduleHost(Ports ports, Folders folders, Hooks hooks)
    : m_ports(ports)
    , m_folders(std::move(folders))
    , m_hooks(std::move(hooks))
    , m_list(ports.documents, ScheduleDocument::name, documentFormat,
          [this](ListDocument& document) {
              for (const Alarm& alarm : m_scheduler.alarms()) {
                  ScheduleDocument::write(alarm, document);
              }
              for (const ScheduledRecording& recording : m_scheduler.recordings()) {
                  ScheduleDocument::write(recording, document);
              }
          })
    , m_scheduler(ports.queue, ports.clock,
          {.happened = [this](const ScheduleEvent& event) { happened(event); },
              .changed =
                  [this](const std::vector<Alarm>&, const std::vector<ScheduledRecording>&) {
                      save();
                      if (m_hooks.listsChanged) {
                          m_hooks.listsChanged();
                      }
                  }})
    , m_sound(ports.queue,
          {.playStation = [this](const std::string& id) { m_ports.player.playStation(id); },
              .playTone =
                  [this] {
                      m_ports.player.stop();
                      m_tone = m_ports.tone.createTonePlayer();
                      if (m_tone) {
                          // It starts at full: silent until it rises.
                          m_tone->setVolume(0);
                          m_tone->play();
                      }
                  },
              .setVolume =
                  [this](double volume) {
                      if (m_tone) {
                          m_tone->setVolume(volume);
                      } else {
                          m_ports.player.setVolume(volume);
                      }
                  },
              .silence =
                  [this] {
                      m_tone.reset();
                      m_ports.player.stop();
                      m_ports.player.end();
                  }})
{
    m_ports.player.setSoundHandler([this](AlarmPlayer::Sound sound) { heard(sound); });
}

ScheduleHost::~ScheduleHost()
{
    m_lifetime.reset();
    m_ports.player.setSoundHandler(nullptr);
}

void ScheduleHost::start()
{
    std::vector<Alarm> alarms;
    std::vector<ScheduledRecording> recordings;
    const std::optional<Text> notice = m_list.restore([&](const ListEntry& entry) {
        const auto read = ScheduleDocument::read(entry);
        if (!read) {
            return EntryTaken::LeftOut;
        }
        if (const auto* alarm = std::get_if<Alarm>(&*read)) {
            alarms.push_back(*alarm);
        } else {
            recordings.push_back(std::get<ScheduledRecording>(*read));
        }
        return EntryTaken::Yes;
    });
    if (notice && m_hooks.tell) {
        m_hooks.tell(*notice);
    }
    m_started = true;
    m_scheduler.restore(std::move(alarms), std::move(recordings));
}

void ScheduleHost::setAlarms(std::vector<Alarm> alarms)
{
    if (m_ringing && !findIn(alarms, m_ringing->id)) {
        stopRinging();
    }
    m_scheduler.setAlarms(std::move(alarms));
}

void ScheduleHost::setRecordings(std::vector<ScheduledRecording> recordings)
{
    std::erase_if(m_recordings, [&recordings](const auto& entry) { return !findIn(recordings, entry.first); });
    m_scheduler.setRecordings(std::move(recordings));
}

void ScheduleHost::save()
{
    // Nothing is written before the document was read: it would be written over.
    if (m_started) {
        (void)m_list.save();
    }
}

void ScheduleHost::happened(const ScheduleEvent& event)
{
    switch (event.kind) {
    case ScheduleEvent::Kind::Ring:
        ring(event.id);
        break;
    case ScheduleEvent::Kind::Missed:
        missed(event.id);
        break;
    case ScheduleEvent::Kind::RecordingStarts:
        startRecording(event);
        break;
    case ScheduleEvent::Kind::RecordingEnds:
        endRecording(event.id);
        break;
    case ScheduleEvent::Kind::RecordingMissed:
        if (const auto* recording = findIn(m_scheduler.recordings(), event.id); recording && m_hooks.tell) {
            m_hooks.tell(Text(VELLO_TR("Core", "The recording at %1 was missed: Pemba Vello was not running."),
                {clockTime(recording->start.time)}));
        }
        break;
    }
}

void ScheduleHost::ring(const std::string& id)
{
    const Alarm* alarm = findIn(m_scheduler.alarms(), id);
    if (!alarm) {
        return;
    }
    m_ringing = *alarm;
    m_sound.start(*alarm);
    if (m_hooks.ringingChanged) {
        m_hooks.ringingChanged();
    }
}

void ScheduleHost::missed(const std::string& id)
{
    if (const Alarm* alarm = findIn(m_scheduler.alarms(), id); alarm && m_hooks.tell) {
        m_hooks.tell(Text(VELLO_TR("Core",
                              "The alarm at %1 was missed: the computer was asleep or Pemba Vello was "
                              "not running."),
            {clockTime(alarm->when.time)}));
    }
}

void ScheduleHost::heard(AlarmPlayer::Sound sound)
{
    if (!m_ringing) {
        return;
    }
    switch (sound) {
    case AlarmPlayer::Sound::Heard:
        m_sound.stationSounds();
        break;
    case AlarmPlayer::Sound::Silent:
        m_sound.stationSilent();
        break;
    case AlarmPlayer::Sound::Failed:
        m_sound.stationFailed();
        break;
    case AlarmPlayer::Sound::Interrupted:
        stopRinging();
        break;
    }
}

void ScheduleHost::snooze()
{
    if (m_ringing) {
        const std::string id = m_ringing->id;
        endRinging();
        m_scheduler.snooze(id);
    }
}

void ScheduleHost::stopRinging()
{
    if (m_ringing) {
        m_scheduler.stop(m_ringing->id);
        endRinging();
    }
}

void ScheduleHost::endRinging()
{
    m_ringing.reset();
    m_sound.stop();
    if (m_hooks.ringingChanged) {
        m_hooks.ringingChanged();
    }
}

bool ScheduleHost::isRecording(std::string_view id) const
{
    const auto found = m_recordings.find(id);
    return found != m_recordings.end() && found->second && found->second->isRecording();
}

void ScheduleHost::startRecording(const ScheduleEvent& event)
{
    const ScheduledRecording* recording = findIn(m_scheduler.recordings(), event.id);
    if (!recording) {
        return;
    }
    const std::optional<Station> station = m_hooks.station(recording->stationId);
    if (!station) {
        // Its station may be in the catalog still on its way: tried again until its end.
        m_ports.queue.postAfter(stationRetry, [alive = std::weak_ptr<int>(m_lifetime), this, event] {
            if (!alive.lock()) {
                return;
            }
            if (std::chrono::floor<std::chrono::seconds>(m_ports.clock.now()) < event.at) {
                startRecording(event);
            } else if (m_hooks.tell) {
                m_hooks.tell(VELLO_TR("Core", "A scheduled recording did not start: its station is not in the list."));
            }
        });
        return;
    }
    const std::string id = event.id;
    const std::string name = station->displayName();
    m_recordings[id] = std::make_unique<ProgrammeRecording>(
        ProgrammeRecording::Ports {m_ports.media, m_ports.http, m_ports.queue}, *station,
        ProgrammeRecording::Folders {m_folders.recordings, m_folders.kept + "/" + id},
        [this, id, name](const Text& why) {
            if (m_hooks.tell) {
                m_hooks.tell(Text(VELLO_TR("Core", "The recording of %1 stopped: %2"), {Text::verbatim(name), why}));
            }
            // Not from within its own call.
            m_ports.queue.post([alive = std::weak_ptr<int>(m_lifetime), this, id] {
                if (alive.lock()) {
                    m_recordings.erase(id);
                }
            });
        });
}

void ScheduleHost::endRecording(const std::string& id)
{
    m_recordings.erase(id);
}

} // namespace Vello
