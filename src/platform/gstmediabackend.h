#pragma once

#include "ports/mediabackend.h"
#include "ports/tonesource.h"

#include <functional>
#include <future>
#include <memory>

typedef struct _GstElement GstElement;

namespace Vello {

class MainQueue;
class PipelineReaper;

// Players on GStreamer's playbin, tuned so that a live stream starts within a fraction of a
// second, and of the alarm's tone, which is made here. Audio goes to the desktop's default output
// unless a sink factory is given.
class GstMediaBackend final : public MediaBackend, public ToneSource {
public:
    // Makes a new audio sink (a floating reference) for each player.
    using AudioSinkFactory = std::function<GstElement*()>;

    // `mainQueue` must outlive the back end and every player it makes.
    explicit GstMediaBackend(MainQueue& mainQueue, AudioSinkFactory audioSinkFactory = {});
    ~GstMediaBackend() override;

    GstMediaBackend(const GstMediaBackend&) = delete;
    GstMediaBackend& operator=(const GstMediaBackend&) = delete;

    // Refuses (nullptr) what does not parse as a strict http or https address, and returns
    // nullptr as well when GStreamer or its playbin is missing.
    [[nodiscard]] std::unique_ptr<MediaPlayer> createPlayer(const std::string& url) override;
    // A soft chime of toneFrequency, once every toneRepeat: no file, no network.
    [[nodiscard]] std::unique_ptr<MediaPlayer> createTonePlayer() override;

    static constexpr double toneFrequency = 523.25;
    static constexpr double toneRepeat = 1.5;

private:
    // A playbin (a reference of its own) for `uri`, set up with its audio output; `setUpSource`
    // prepares its source element.
    [[nodiscard]] GstElement* makePlaybin(
        const std::string& uri, void (*setUpSource)(GstElement*, GstElement*, void*)) const;
    // A player on a new playbin for `uri` (already checked); nullptr when GStreamer is missing.
    [[nodiscard]] std::unique_ptr<MediaPlayer> createPlaybinPlayer(
        const std::string& uri, void (*setUpSource)(GstElement*, GstElement*, void*));

    MainQueue& m_mainQueue;
    AudioSinkFactory m_audioSinkFactory;
    std::shared_ptr<PipelineReaper> m_reaper;
    // GStreamer starts on a thread of its own (it loads its plugin registry), so the window
    // need not wait for it; the first player does.
    std::shared_future<bool> m_ready;
};

} // namespace Vello
