#include "sessionrecorder.h"

#include "playback/recordingnames.h"
#include "playback/recordingplan.h"
#include "ports/mediabackend.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace Vello {
namespace {

// How much of the stream a recorder keeps behind it.
constexpr std::chrono::minutes keptLength {30};

} // namespace

SessionRecorder::SessionRecorder(Preferences& preferences, std::function<void()> changed, Clock clock)
    : m_preferences(preferences)
    , m_changed(std::move(changed))
    , m_clock(std::move(clock))
{
}

SessionRecorder::~SessionRecorder()
{
    m_lifetime.reset();
}

void SessionRecorder::setPlaces(RecordingPlaces places)
{
    m_places = std::move(places);
}

void SessionRecorder::start(const Station& station, MediaPlayer* player)
{
    stop();
    m_station = station;
    m_status = {true, m_clock(), {}};
    if (player) {
        record(*player);
    }
}

void SessionRecorder::stop()
{
    if (m_recorder && m_status.recording) {
        m_recorder->stopRecording();
    }
    m_station.reset();
    m_status = {};
}

void SessionRecorder::follow(const std::optional<Station>& station, MediaPlayer* player)
{
    if (!m_station) {
        return;
    }
    if (!station || station->id() != m_station->id()) {
        stop();
        return;
    }
    if (player && player != m_recorderPlayer) {
        record(*player);
    }
}

void SessionRecorder::releasePlayer()
{
    // Stopped first, so that the rules apply to what it wrote (it closes its file whole).
    if (m_recorder && m_status.recording) {
        m_recorder->stopRecording();
    }
    m_recorder.reset();
    m_recorderPlayer = nullptr;
}

void SessionRecorder::record(MediaPlayer& player)
{
    releasePlayer();
    // Each recorder begins with a recording of its own, its first piece a partial song.
    m_recorderPlayer = &player;
    m_recorder = player.createRecorder(m_places.cache, keptLength);
    if (!m_recorder) {
        fail(RecorderFailure::NotSavable);
        return;
    }
    m_recorder->setEventHandler([this, alive = std::weak_ptr<int>(m_lifetime)](const RecorderEvent& event) {
        if (alive.lock()) {
            take(event);
        }
    });
    const std::string base = m_preferences.text(PreferenceKey::recordingFolder).value_or(m_places.music);
    m_recorder->startRecording(stationFolder(base, m_station->displayName()),
        std::make_shared<RecordingPlan>(
            m_station->displayName(), isOn(m_preferences, PreferenceKey::keepOnlyCompleteSongs)));
}

void SessionRecorder::take(const RecorderEvent& event)
{
    const auto* failed = std::get_if<RecorderFailed>(&event);
    // A song saved after the fact fails on its own; the recording goes on.
    if (!failed || failed->failure == RecorderFailure::NotKept || !m_status.recording) {
        return;
    }
    fail(failed->failure);
    m_changed();
}

void SessionRecorder::fail(RecorderFailure failure)
{
    // The recorder has already stopped writing and kept what it wrote whole.
    m_station.reset();
    m_status = {false, {}, recorderFailureText(failure)};
}

std::string recordingLengthText(std::chrono::seconds length)
{
    const auto total = std::max<long long>(length.count(), 0);
    const long long hours = total / 3600;
    const long long minutes = total / 60 % 60;
    const long long seconds = total % 60;
    std::array<char, 32> text {};
    if (hours > 0) {
        std::snprintf(text.data(), text.size(), "%lld:%02lld:%02lld", hours, minutes, seconds);
    } else {
        std::snprintf(text.data(), text.size(), "%lld:%02lld", minutes, seconds);
    }
    return text.data();
}

} // namespace Vello
