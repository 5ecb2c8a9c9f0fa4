#include "sessionrecorder.h"

#include "playback/recordingnames.h"
#include "playback/recordingplan.h"
#include "playback/streamtitle.h"
#include "ports/mainqueue.h"
#include "ports/mediabackend.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace Vello {
namespace {

// What Preferences may ask to keep.
constexpr std::chrono::minutes shortestKept {1};
constexpr std::chrono::minutes longestKept {240};

} // namespace

SessionRecorder::SessionRecorder(Preferences& preferences, MainQueue& queue, std::function<void()> changed, Clock clock)
    : m_preferences(preferences)
    , m_queue(queue)
    , m_changed(std::move(changed))
    , m_clock(std::move(clock))
{
}

SessionRecorder::~SessionRecorder()
{
    m_lifetime.reset();
    if (m_nextSongHeard) {
        m_nextSongHeard->cancel();
    }
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
    if (player && m_recorderPlayer != player) {
        keep(*player, station);
    }
    record();
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
    if (m_station && (!station || station->id() != m_station->id())) {
        stop();
    }
    if (station && player && player != m_recorderPlayer) {
        keep(*player, *station);
        record();
    }
    if (station && m_kept) {
        // An edited station keeps its stream; its songs are saved under its new name.
        m_kept = station;
    }
}

bool SessionRecorder::releasePlayer()
{
    // Stopped first, so that the rules apply to what it wrote (it closes its file whole).
    if (m_recorder && m_status.recording) {
        m_recorder->stopRecording();
    }
    m_recorder.reset();
    m_recorderPlayer = nullptr;
    m_kept.reset();
    m_format.reset();
    m_songs.clear();
    if (!m_saving.empty()) {
        // What was written of it stays, closed whole.
        m_saveNotice = {m_saving.front(), false,
            VELLO_TR("Core", "The song was not saved whole: its station stopped before the song ended."),
            m_saveNotice.count + 1};
        m_saving.clear();
    }
    m_saved.clear();
    return std::exchange(m_paused, false);
}

bool SessionRecorder::keepsStream() const
{
    return m_recorder && m_format && *m_format != RecordedFormat::NotSavable;
}

TimeShift SessionRecorder::timeShift() const
{
    const bool available = keepsStream();
    return {available, m_paused, available && (m_paused || m_recorder->behindLive() > std::chrono::milliseconds(0)),
        m_moves};
}

std::chrono::milliseconds SessionRecorder::behindLive() const
{
    return m_recorder ? m_recorder->behindLive() : std::chrono::milliseconds(0);
}

std::chrono::milliseconds SessionRecorder::kept() const
{
    return m_recorder ? m_recorder->kept() : std::chrono::milliseconds(0);
}

std::chrono::minutes SessionRecorder::keptLength() const
{
    const double minutes = valueOf(m_preferences, PreferenceKey::keptMinutes);
    if (!std::isfinite(minutes)) {
        return std::chrono::minutes(static_cast<long>(PreferenceKey::keptMinutes.unset));
    }
    return std::clamp(std::chrono::minutes(std::lround(minutes)), shortestKept, longestKept);
}

bool SessionRecorder::pauseLive()
{
    if (!keepsStream()) {
        return false;
    }
    m_recorder->pause();
    m_paused = true;
    m_changed();
    return true;
}

void SessionRecorder::play()
{
    if (m_recorder) {
        m_recorder->play();
    }
    m_paused = false;
    m_changed();
}

void SessionRecorder::goLive()
{
    const TimeShift before = timeShift();
    if (before.available) {
        m_recorder->goLive();
        m_moves += before.behind ? 1 : 0;
    }
    m_paused = false;
    m_changed();
}

void SessionRecorder::skip(std::chrono::milliseconds offset)
{
    if (keepsStream()) {
        m_recorder->skip(offset);
        ++m_moves;
        m_changed();
    }
}

void SessionRecorder::followHeard()
{
    if (m_nextSongHeard) {
        m_nextSongHeard->cancel();
        m_nextSongHeard.reset();
    }
    m_heardTitle.reset();
    if (!m_kept || !timeShift().behind) {
        return;
    }
    const std::chrono::milliseconds heard = m_recorder->heard();
    const RecordedSong* song = m_songs.songAt(heard);
    if (song == nullptr) {
        return;
    }
    m_heardTitle = streamTitle(MediaTags {song->title, song->artist, {}},
        {m_kept->displayName(), m_kept->url().value_or(""), m_kept->url_resolved().value_or("")});
    const auto next = m_songs.startAfter(song->id);
    if (next && !m_paused) {
        m_nextSongHeard = m_queue.postAfter(
            std::max(*next - heard, std::chrono::milliseconds(0)), [this, alive = std::weak_ptr<int>(m_lifetime)] {
                if (alive.lock()) {
                    m_changed();
                }
            });
    }
}

std::optional<std::uint64_t> SessionRecorder::keptSong(
    const std::string& title, const std::string& stationId, std::chrono::system_clock::time_point heard) const
{
    if (!m_kept || m_kept->id() != stationId || !keepsStream()) {
        return std::nullopt;
    }
    return m_songs.savable(
        title, heard, {m_kept->displayName(), m_kept->url().value_or(""), m_kept->url_resolved().value_or("")});
}

void SessionRecorder::saveSong(std::uint64_t songId)
{
    if (!m_recorder || !m_kept) {
        return;
    }
    m_saving.push_back(songId);
    // A song saved is whole by its nature: the rule for partial pieces is a recording's.
    m_recorder->saveSong(songId, folderOf(*m_kept), std::make_shared<RecordingPlan>(m_kept->displayName(), false));
    m_changed();
}

bool SessionRecorder::isSaving(std::uint64_t songId) const
{
    return std::ranges::find(m_saving, songId) != m_saving.end();
}

bool SessionRecorder::wasSaved(std::uint64_t songId) const
{
    return std::ranges::find(m_saved, songId) != m_saved.end();
}

void SessionRecorder::keep(MediaPlayer& player, const Station& station)
{
    releasePlayer();
    if (m_places.cache.empty()) {
        return;
    }
    m_recorderPlayer = &player;
    m_recorder = player.createRecorder(m_places.cache, keptLength());
    if (!m_recorder) {
        return;
    }
    m_kept = station;
    m_recorder->setEventHandler([this, alive = std::weak_ptr<int>(m_lifetime)](const RecorderEvent& event) {
        if (alive.lock()) {
            take(event);
        }
    });
}

void SessionRecorder::record()
{
    if (!m_station || !m_recorderPlayer) {
        return;
    }
    // Each recorder begins with a recording of its own, its first piece a partial song.
    if (!m_recorder) {
        fail(RecorderFailure::NotSavable);
        return;
    }
    m_recorder->startRecording(folderOf(*m_station),
        std::make_shared<RecordingPlan>(
            m_station->displayName(), isOn(m_preferences, PreferenceKey::keepOnlyCompleteSongs)));
}

std::string SessionRecorder::folderOf(const Station& station) const
{
    const std::string base = m_preferences.text(PreferenceKey::recordingFolder).value_or(m_places.music);
    return stationFolder(base, station.displayName());
}

void SessionRecorder::take(const RecorderEvent& event)
{
    m_songs.take(event);
    if (const auto* known = std::get_if<RecorderFormatKnown>(&event)) {
        m_format = known->format;
        m_changed();
        return;
    }
    if (const auto* written = std::get_if<PieceWritten>(&event)) {
        const auto saving = std::ranges::find(m_saving, written->piece.song.id);
        if (written->finished && saving != m_saving.end()) {
            m_saving.erase(saving);
            m_saved.push_back(written->piece.song.id);
            const std::string& path = written->piece.path;
            m_saveNotice = {written->piece.song.id, true,
                Text(VELLO_TR("Core", "Saved “%1”."), {Text::verbatim(path.substr(path.rfind('/') + 1))}),
                m_saveNotice.count + 1};
            m_changed();
        }
        return;
    }
    const auto* failed = std::get_if<RecorderFailed>(&event);
    if (!failed) {
        return;
    }
    // A song saved after the fact fails on its own; the recording goes on.
    if (failed->failure == RecorderFailure::NotKept || (!m_status.recording && !m_saving.empty())) {
        // The keeper takes saves in turn: a failure is the oldest's.
        const std::uint64_t songId = m_saving.empty() ? 0 : m_saving.front();
        if (!m_saving.empty()) {
            m_saving.erase(m_saving.begin());
        }
        m_saveNotice = {songId, false, recorderFailureText(failed->failure), m_saveNotice.count + 1};
    } else if (m_status.recording) {
        fail(failed->failure);
    } else {
        return;
    }
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
