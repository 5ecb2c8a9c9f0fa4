#pragma once

#include "base/text.h"
#include "catalog/station.h"
#include "ports/recorder.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

class MediaPlayer;
class Preferences;

// Where recording stands, as the window shows it.
struct RecordingStatus final {
    bool recording = false;
    // When the recording under way began.
    std::chrono::system_clock::time_point since {};
    // Why the last recording stopped on its own, until the next one starts; empty otherwise.
    Text failure;

    friend bool operator==(const RecordingStatus&, const RecordingStatus&) = default;
};

// Where a recording's files go and where the stream is kept meanwhile. The music folder is the
// default the person can change in Preferences.
struct RecordingPlaces final {
    std::string music;
    std::string cache;
};

// The session's recording of the station playing: a recorder made from its player when Record
// is pressed, its files in a folder per station, stopped by the person, by another station, or
// by a failure that it then names. Playback never hears of it. GUI thread only.
class SessionRecorder final {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    // `changed` is called when the status changes on its own (the recorder's reports).
    SessionRecorder(Preferences& preferences, std::function<void()> changed, Clock clock);
    ~SessionRecorder();

    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    void setPlaces(RecordingPlaces places);
    [[nodiscard]] const RecordingStatus& status() const { return m_status; }

    // Records `station` from now on, from `player` once it has one.
    void start(const Station& station, MediaPlayer* player);
    void stop();
    // What plays now: another station stops the recording; the same station on a new player (a
    // reconnect) records on into new files.
    void follow(const std::optional<Station>& station, MediaPlayer* player);
    // The player the recorder was made from is about to go: the recorder goes first.
    void releasePlayer();

private:
    void take(const RecorderEvent& event);
    // Makes the recorder of `player` and starts it writing.
    void record(MediaPlayer& player);
    void fail(RecorderFailure failure);

    Preferences& m_preferences;
    std::function<void()> m_changed;
    Clock m_clock;
    RecordingPlaces m_places;
    RecordingStatus m_status;
    // The station recorded, while recording.
    std::optional<Station> m_station;
    std::unique_ptr<Recorder> m_recorder;
    MediaPlayer* m_recorderPlayer = nullptr;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

// How long a recording has gone: "0:07", "12:34", "1:02:03".
[[nodiscard]] std::string recordingLengthText(std::chrono::seconds length);

} // namespace Vello
