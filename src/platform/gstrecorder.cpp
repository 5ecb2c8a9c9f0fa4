#include "gstrecorder.h"

#include "keptstream.h"
#include "replayplayer.h"
#include "streamkeeper.h"
#include "streamtap.h"

#include <gst/gst.h>

#include <csignal>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace Vello {
namespace {

// A step that would land this close to the live end goes live: closer, the replay would catch
// up with what has not arrived yet.
constexpr std::int64_t liveMarginNs = 1'000'000'000;

std::chrono::milliseconds toMilliseconds(std::int64_t nanoseconds)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::nanoseconds(nanoseconds));
}

// Only this run's folders begin with its process number.
std::string runPrefix()
{
    return std::to_string(::getpid()) + "-";
}

// A folder of its own for each stream kept in this run, what earlier runs left deleted first.
std::filesystem::path keptFolder(const std::filesystem::path& folder)
{
    static std::atomic<unsigned> count {0};
    removeEarlierRunsKept(folder);
    return folder / (runPrefix() + std::to_string(++count));
}

} // namespace

void removeEarlierRunsKept(const std::filesystem::path& folder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        // Another player still running (without a session bus, nothing stops a second one)
        // keeps its own streams.
        const std::string name = entry.path().filename().string();
        const pid_t owner = static_cast<pid_t>(std::strtol(name.c_str(), nullptr, 10));
        if (name.starts_with(runPrefix()) || (owner > 0 && (::kill(owner, 0) == 0 || errno == EPERM))) {
            continue;
        }
        std::filesystem::remove_all(entry.path(), error);
    }
}

GstRecorder::GstRecorder(std::shared_ptr<StreamTap> tap, GstElement* playbin, MainQueue& mainQueue,
    std::shared_ptr<PipelineReaper> reaper, PlaybinFactory makePlaybin, const std::filesystem::path& folder,
    std::chrono::milliseconds length)
    : m_tap(std::move(tap))
    , m_playbin(GST_ELEMENT(gst_object_ref(playbin)))
    , m_reaper(std::move(reaper))
    , m_makePlaybin(std::move(makePlaybin))
    , m_lengthNs(std::chrono::nanoseconds(length).count())
    , m_onEvent(std::make_shared<EventHandler>())
    , m_keeper(std::make_shared<StreamKeeper>(keptFolder(folder), length, mainQueue, m_onEvent))
{
    m_tap->setListener(m_keeper);
}

GstRecorder::~GstRecorder()
{
    goLive();
    m_tap->setListener(nullptr);
    m_keeper.reset();
    gst_object_unref(m_playbin);
}

void GstRecorder::setEventHandler(EventHandler handler)
{
    *m_onEvent = std::move(handler);
}

void GstRecorder::startRecording(const std::string& folder, std::shared_ptr<const RecordingRules> rules)
{
    m_keeper->startRecording(folder, std::move(rules));
}

void GstRecorder::stopRecording()
{
    m_keeper->stopRecording();
}

void GstRecorder::saveSong(std::uint64_t songId, const std::string& folder, std::shared_ptr<const RecordingRules> rules)
{
    m_keeper->saveSong(songId, folder, std::move(rules));
}

std::int64_t GstRecorder::liveNs() const
{
    gint64 position = 0;
    return gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) ? position : 0;
}

std::int64_t GstRecorder::heardNs() const
{
    if (m_paused) {
        return m_placeNs;
    }
    return m_replay ? m_replayFromNs + m_replay->playedNs() : liveNs();
}

void GstRecorder::pause()
{
    if (m_paused) {
        return;
    }
    m_placeNs = heardNs();
    m_replay.reset();
    // The stream goes on arriving and being kept while nothing is heard.
    m_tap->silence(m_playbin, true);
    m_paused = true;
}

void GstRecorder::play()
{
    if (m_paused) {
        m_paused = false;
        replayFrom(m_placeNs);
    }
}

void GstRecorder::goLive()
{
    m_paused = false;
    m_replay.reset();
    m_tap->silence(m_playbin, false);
}

void GstRecorder::skip(std::chrono::milliseconds offset)
{
    const std::int64_t target = heardNs() + std::chrono::nanoseconds(offset).count();
    if (m_paused) {
        const std::int64_t oldest = m_keeper->kept()->timeSpan().first;
        m_placeNs = std::clamp(target, oldest, std::max(oldest, liveNs()));
        return;
    }
    replayFrom(target);
}

void GstRecorder::replayFrom(std::int64_t timeNs)
{
    // Once the ring is full its oldest audio is dropped as the stream goes on: a replay begun
    // right there would soon find what it was about to play gone.
    const auto [oldest, newest] = m_keeper->kept()->timeSpan();
    const std::int64_t earliest = oldest + (newest - oldest >= m_lengthNs ? m_lengthNs / 16 : 0);
    const auto frame = m_keeper->kept()->frameAt(std::max(timeNs, earliest));
    GstElement* playbin = frame && timeNs < liveNs() - liveMarginNs ? m_makePlaybin("appsrc://") : nullptr;
    if (playbin == nullptr) {
        goLive();
        return;
    }
    m_tap->silence(m_playbin, true);
    m_replay.reset();
    m_replay = std::make_unique<ReplayPlayer>(playbin, m_playbin, m_keeper->kept(), frame->first, m_reaper);
    m_replayFromNs = frame->second;
}

std::chrono::milliseconds GstRecorder::behindLive() const
{
    return m_paused || m_replay ? toMilliseconds(std::max<std::int64_t>(0, liveNs() - heardNs()))
                                : std::chrono::milliseconds(0);
}

std::chrono::milliseconds GstRecorder::kept() const
{
    const auto [oldest, newest] = m_keeper->kept()->timeSpan();
    return toMilliseconds(newest - oldest);
}

std::chrono::milliseconds GstRecorder::heard() const
{
    return toMilliseconds(heardNs());
}

} // namespace Vello
