#pragma once

#include "ports/recorder.h"

#include <filesystem>
#include <functional>
#include <memory>

typedef struct _GstElement GstElement;

namespace Vello {

class MainQueue;
class PipelineReaper;
class ReplayPlayer;
class StreamKeeper;
class StreamTap;

// The recorder of one GStreamer player: a `StreamKeeper` on the player's tap keeps and writes
// the stream; pause live silences the player and plays what is kept on a `ReplayPlayer`.
class GstRecorder final : public Recorder {
public:
    // Makes a playbin with its audio output for an address.
    using PlaybinFactory = std::function<GstElement*(const std::string& uri)>;

    // Keeps `length` of the stream `playbin` plays, in a folder of its own under `folder`.
    GstRecorder(std::shared_ptr<StreamTap> tap, GstElement* playbin, MainQueue& mainQueue,
        std::shared_ptr<PipelineReaper> reaper, PlaybinFactory makePlaybin, const std::filesystem::path& folder,
        std::chrono::milliseconds length);
    ~GstRecorder() override;

    GstRecorder(const GstRecorder&) = delete;
    GstRecorder& operator=(const GstRecorder&) = delete;

    void setEventHandler(EventHandler handler) override;
    void startRecording(const std::string& folder, std::shared_ptr<const RecordingRules> rules) override;
    void stopRecording() override;
    void saveSong(
        std::uint64_t songId, const std::string& folder, std::shared_ptr<const RecordingRules> rules) override;
    void pause() override;
    void play() override;
    void goLive() override;
    void skip(std::chrono::milliseconds offset) override;
    [[nodiscard]] std::chrono::milliseconds behindLive() const override;
    [[nodiscard]] std::chrono::milliseconds kept() const override;
    [[nodiscard]] std::chrono::milliseconds heard() const override;

private:
    // What the live player plays now, in the stream's time.
    [[nodiscard]] std::int64_t liveNs() const;
    // What is heard, or the place kept while paused.
    [[nodiscard]] std::int64_t heardNs() const;
    // Plays what is kept from `timeNs`, or live when that is at or past the live end.
    void replayFrom(std::int64_t timeNs);

    std::shared_ptr<StreamTap> m_tap;
    GstElement* m_playbin;
    std::shared_ptr<PipelineReaper> m_reaper;
    PlaybinFactory m_makePlaybin;
    std::int64_t m_lengthNs;
    std::shared_ptr<EventHandler> m_onEvent;
    std::shared_ptr<StreamKeeper> m_keeper;
    std::unique_ptr<ReplayPlayer> m_replay;
    // Where the replay began, in the stream's time.
    std::int64_t m_replayFromNs = 0;
    bool m_paused = false;
    std::int64_t m_placeNs = 0;
};

// Deletes what earlier runs kept in `folder` (one killed leaves its streams behind).
void removeEarlierRunsKept(const std::filesystem::path& folder);

} // namespace Vello
