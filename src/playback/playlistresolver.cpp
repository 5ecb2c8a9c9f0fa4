#include "playlistresolver.h"

#include "playback/playlist.h"
#include "ports/mainqueue.h"

#include "ports/httpclient.h"

#include <chrono>
#include <deque>
#include <set>
#include <utility>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// A playlist is a few hundred bytes: a server that takes longer than this, or drips, is not
// serving one.
constexpr std::chrono::milliseconds fetchDeadline = 8s;
constexpr std::size_t fetchMinimumBytesPerSecond = 512;

} // namespace

struct PlaylistResolver::State {
    struct Entry {
        std::string address;
        int depth = 1;
        bool fetch = false;
    };

    std::deque<Entry> pending;
    std::set<std::string> seen;
    bool sawPlaylist = false;
};

PlaylistResolver::PlaylistResolver(HttpClient& http, MainQueue& queue, std::string address, bool fetchAddress)
    : m_http(http)
    , m_queue(queue)
    , m_state(std::make_shared<State>())
{
    m_state->seen.insert(address);
    m_state->pending.push_back({std::move(address), 1, fetchAddress});
}

PlaylistResolver::~PlaylistResolver() = default;

void PlaylistResolver::next(std::function<void(Answer)> answer)
{
    State& state = *m_state;
    if (state.pending.empty()) {
        answer(Error {state.sawPlaylist
                ? VELLO_TR("Core", "The station's playlist lists no stream that can be played here.")
                : VELLO_TR("Core", "The station has no other address to try.")});
        return;
    }
    State::Entry entry = std::move(state.pending.front());
    state.pending.pop_front();
    if (!entry.fetch) {
        answer(std::move(entry.address));
        return;
    }
    HttpRequest request;
    request.url = entry.address;
    request.maxBodyBytes = playlistMaxBytes;
    request.deadline = fetchDeadline;
    request.minimumBytesPerSecond = fetchMinimumBytesPerSecond;
    request.rateWindow = 4s;
    std::weak_ptr<State> weak = m_state;
    MainQueue& queue = m_queue;
    m_http.get(std::move(request),
        [this, weak, &queue, entry = std::move(entry), answer = std::move(answer)](HttpResult result) mutable {
            queue.post([this, weak, entry = std::move(entry), answer = std::move(answer),
                           result = std::move(result)]() mutable {
                const std::shared_ptr<State> alive = weak.lock();
                if (!alive) {
                    return;
                }
                const auto* response = std::get_if<HttpResponse>(&result);
                const PlaylistFormat format = response != nullptr && response->status < 400
                    ? detectPlaylistFormat(response->body)
                    : PlaylistFormat::NotAPlaylist;
                if (format == PlaylistFormat::NotAPlaylist || format == PlaylistFormat::Hls) {
                    // Audio, an HLS playlist, an error page or a failed download: the player
                    // opens the address itself and says what it finds there.
                    answer(std::move(entry.address));
                    return;
                }
                alive->sawPlaylist = true;
                std::vector<State::Entry> found;
                for (std::string& address : playlistEntries(response->body, format, entry.address)) {
                    const bool nested = mightBePlaylistAddress(address);
                    if (nested && entry.depth >= maxDepth) {
                        continue;
                    }
                    if (alive->seen.insert(address).second) {
                        found.push_back({std::move(address), entry.depth + 1, nested});
                    }
                }
                alive->pending.insert(alive->pending.begin(), found.begin(), found.end());
                next(std::move(answer));
            });
        });
}

} // namespace Vello
