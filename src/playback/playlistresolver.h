#pragma once

#include "base/error.h"

#include <functional>
#include <memory>
#include <string>

namespace Vello {

class HttpClient;
class MainQueue;

// Turns a station's address into the stream addresses to try, one at a time and in order:
// an address that names a playlist is downloaded (through the HTTP port) and its entries take
// its place, playlists within it too, three levels deep at most and never one twice. Whatever
// is not a playlist (audio, an HLS playlist, a failed download) is handed on as it is, for the
// player to play or report on. Dropping the resolver drops any answer still on its way.
class PlaylistResolver final {
public:
    // A stream address to try, or a sentence saying why there is none (left).
    using Answer = Result<std::string>;

    static constexpr int maxDepth = 3;

    // Both ports must outlive the resolver.
    PlaylistResolver(HttpClient& http, MainQueue& queue, std::string address, bool fetchAddress);
    ~PlaylistResolver();

    PlaylistResolver(const PlaylistResolver&) = delete;
    PlaylistResolver& operator=(const PlaylistResolver&) = delete;

    // Finds the next address to try; `answer` runs on the GUI thread, possibly before `next`
    // returns.
    void next(std::function<void(Answer)> answer);

private:
    struct State;

    HttpClient& m_http;
    MainQueue& m_queue;
    std::shared_ptr<State> m_state;
};

} // namespace Vello
