#pragma once

#include "ports/mediabackend.h"

#include <functional>
#include <memory>
#include <string>

typedef struct _GstElement GstElement;
typedef struct _GstMessage GstMessage;

namespace Vello {

class MainQueue;
class PipelineReaper;
class StreamTap;

// One stream on a playbin. Bus messages reach the GUI thread through the main queue; all
// state below is read and written there only.
class GstMediaPlayer final : public MediaPlayer {
public:
    // Makes a playbin with its audio output and settings for an address.
    using PlaybinFactory = std::function<GstElement*(const std::string& uri)>;

    // Takes over `playbin`, which must already hold its address and settings. `mainQueue`
    // must outlive the player; `makePlaybin` makes the pipelines that replay what is kept.
    GstMediaPlayer(
        GstElement* playbin, MainQueue& mainQueue, std::shared_ptr<PipelineReaper> reaper, PlaybinFactory makePlaybin);
    // Silences the stream at once and leaves the shutdown to the reaper.
    ~GstMediaPlayer() override;

    GstMediaPlayer(const GstMediaPlayer&) = delete;
    GstMediaPlayer& operator=(const GstMediaPlayer&) = delete;

    void setWaitsForBuffering(bool waits) override;
    void play() override;
    void pause() override;
    [[nodiscard]] PlayerActivity activity() const override;
    void setEventHandler(EventHandler handler) override;
    void setVolume(double volume) override;
    void setMuted(bool muted) override;
    // The recorder on the stream's tap (see GstRecorder); at most one at a time.
    [[nodiscard]] std::unique_ptr<Recorder> createRecorder(
        const std::string& folder, std::chrono::milliseconds length) override;

private:
    struct Core;
    struct BusLink;

    std::shared_ptr<Core> m_core;
    std::shared_ptr<BusLink> m_busLink;
    std::shared_ptr<PipelineReaper> m_reaper;
    PlaybinFactory m_makePlaybin;
    std::shared_ptr<StreamTap> m_tap;
};

} // namespace Vello
