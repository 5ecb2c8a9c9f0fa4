#pragma once

#include <cstdint>
#include <memory>
#include <vector>

typedef struct _GstElement GstElement;
typedef struct _GBinding GBinding;

namespace Vello {

class KeptStream;
class PipelineReaper;

// Plays a kept stream from a byte it is given (where a frame begins) on a playbin of its own,
// reading the kept files through appsrc and following the live end as it grows. The live player
// goes on receiving, silenced, meanwhile.
class ReplayPlayer final {
public:
    // Takes over `playbin`, made for "appsrc://" with its audio output; its volume and mute follow
    // `live`'s. Gives it the headers kept for `from` first. Starts playing at once.
    ReplayPlayer(GstElement* playbin, GstElement* live, std::shared_ptr<const KeptStream> kept, std::uint64_t from,
        std::shared_ptr<PipelineReaper> reaper);
    // Silences it at once and leaves the shutdown to the reaper.
    ~ReplayPlayer();

    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // How long it has played from its first byte; 0 until it knows.
    [[nodiscard]] std::int64_t playedNs() const;

private:
    struct Feed;

    GstElement* m_playbin;
    std::shared_ptr<Feed> m_feed;
    std::vector<GBinding*> m_bindings;
    std::shared_ptr<PipelineReaper> m_reaper;
};

} // namespace Vello
