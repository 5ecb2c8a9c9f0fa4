#pragma once

#include "playback/playlistresolver.h"
#include "ports/mediabackend.h"

#include "catalog/station.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

class Cancellable;
class HttpClient;
class MainQueue;

// The streams held open beside the playing one so that a click sounds at once: the station the
// pointer or keyboard focus rests on, opened on intent, and the station played last, kept warm
// for a while after a switch; at most one of each. Both wait paused at their audio and muted:
// neither is ever heard, nor does anything they report reach the person. What they report is
// kept for the moment one is played, and a failure closes one without a word. Timed on the main
// queue. GUI thread only.
class StandbyStreams final {
public:
    // How long a rest lasts before its station's stream is opened.
    static constexpr std::chrono::milliseconds restBeforeOpening {150};
    // How long a stream opened on intent stays once the rest has ended without a click, and how
    // long at most from its opening, however long the rest. A paused stream still downloads at
    // its own pace (the system's socket buffer takes what the pipeline no longer reads), so the
    // lifetime is what bounds the bytes of a rest never clicked: with a server's usual 64 KB
    // burst on connect, 4 s keep a 128 kbit/s station within 8 s of its audio.
    static constexpr std::chrono::milliseconds intentAfterRest {3000};
    static constexpr std::chrono::milliseconds intentLifetime {4000};
    // How long the station played last stays open after a switch.
    static constexpr std::chrono::milliseconds warmLifetime {10000};

    // A stream held open: its station, where its addresses come from, its player once it has one,
    // and what it has said meanwhile.
    struct Stream {
        Station station;
        std::unique_ptr<PlaylistResolver> resolver;
        std::unique_ptr<MediaPlayer> player;
        std::string title;
        MediaStreamDetails details;
        std::optional<int> bufferingPercent;
    };

    // Every port must outlive this.
    StandbyStreams(MediaBackend& backend, MainQueue& queue, HttpClient& http);
    ~StandbyStreams();

    StandbyStreams(const StandbyStreams&) = delete;
    StandbyStreams& operator=(const StandbyStreams&) = delete;

    // The pointer or focus came to rest on something that plays `station` from `address` (read
    // as a playlist first when `playlist`): once the rest has lasted, its stream opens in place of
    // the one opened on intent before. Nothing opens for a station already held.
    void restOn(const Station& station, const std::string& address, bool playlist);
    // The rest ended: nothing more opens for it, and what it opened closes a while later.
    void endRest();
    // Closes what was opened on intent, and opens nothing for the rest going on.
    void closeIntent();
    // Holds `stream`, the one that played until now, in place of the one kept warm before.
    void keepWarm(Stream stream);
    // Takes the stream held for `station` out of standby to be played, when it has its player;
    // one still looking for its address is closed. Either way, a rest waiting to open ends.
    [[nodiscard]] std::optional<Stream> take(const Station& station);

private:
    struct Slot {
        std::unique_ptr<Stream> stream;
        std::shared_ptr<Cancellable> lifetime;
    };

    void open(const Station& station, const std::string& address, bool playlist);
    // Keeps `player` silent in `slot`, whose stream it plays, and hears what it reports.
    void hold(Slot& slot, std::unique_ptr<MediaPlayer> player);
    void heard(Slot& slot, const MediaEvent& event);
    void close(Slot& slot);
    [[nodiscard]] std::shared_ptr<Cancellable> closeLater(Slot& slot, std::chrono::milliseconds delay);
    static void cancel(std::shared_ptr<Cancellable>& timer);

    MediaBackend& m_backend;
    MainQueue& m_queue;
    HttpClient& m_http;
    Slot m_intent;
    Slot m_warm;
    // The rest that has not yet lasted long enough, and the close of the intent once a rest ended.
    std::shared_ptr<Cancellable> m_restTimer;
    std::shared_ptr<Cancellable> m_leaveTimer;
};

} // namespace Vello
