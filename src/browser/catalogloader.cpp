#include "catalogloader.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <chrono>
#include <mutex>
#include <utility>

namespace Vello {

namespace {

// At most this often the download's progress reaches the window: often enough for the bar to
// move smoothly, rarely enough not to keep the GUI thread busy on a fast line.
constexpr std::chrono::milliseconds progressInterval {100};

} // namespace

// Carries the download's progress from the worker to the GUI thread: the worker only records
// the latest figures, and at most one delivery is queued or holding back at a time.
struct CatalogLoader::ProgressRelay {
    std::uint64_t load = 0;
    std::mutex mutex;
    LoadProgress latest;
    bool fresh = false;
    bool busy = false;
};

CatalogLoader::CatalogLoader(StationSource& source, MainQueue& queue, OnAnswer onAnswer, OnProgress onProgress)
    : m_source(source)
    , m_queue(queue)
    , m_onAnswer(std::move(onAnswer))
    , m_onProgress(std::move(onProgress))
{
}

CatalogLoader::~CatalogLoader() = default;

void CatalogLoader::load(Refresh refresh)
{
    const std::uint64_t load = ++m_generation;
    auto relay = std::make_shared<ProgressRelay>();
    relay->load = load;
    const std::weak_ptr<int> alive = m_lifetime;
    // The source may answer on a worker thread, and after this loader is gone: the answer only
    // ever crosses over through the main queue, and the weak token decides there. The search
    // index is built on a thread of its own, so a download never stalls the window.
    auto completion = [alive, &queue = m_queue, this, load](StationsResult result) {
        auto answer = std::make_shared<Answer>();
        if (auto* stations = std::get_if<std::vector<Station>>(&result)) {
            answer->emplace<SearchableCatalog>(std::move(*stations));
        } else {
            answer->emplace<Error>(std::move(std::get<Error>(result)));
        }
        queue.post([alive, this, load, answer] {
            if (alive.lock()) {
                receive(load, std::move(*answer));
            }
        });
    };
    auto progress = [alive, &queue = m_queue, this, relay](LoadProgress figures) {
        const std::lock_guard lock(relay->mutex);
        relay->latest = figures;
        relay->fresh = true;
        if (!std::exchange(relay->busy, true)) {
            queue.post([alive, this, relay] {
                if (alive.lock()) {
                    deliverProgress(relay);
                }
            });
        }
    };
    m_source.load(std::move(completion), std::move(progress), refresh);
}

void CatalogLoader::receive(std::uint64_t load, Answer answer)
{
    if (load != m_generation) {
        return;
    }
    m_onAnswer(std::move(answer));
    giveBackMemory();
}

void CatalogLoader::deliverProgress(const std::shared_ptr<ProgressRelay>& relay)
{
    LoadProgress figures;
    {
        const std::lock_guard lock(relay->mutex);
        if (!relay->fresh || relay->load != m_generation) {
            relay->busy = false;
            return;
        }
        figures = relay->latest;
        relay->fresh = false;
    }
    // Figures that arrive meanwhile wait for this.
    m_queue.postAfter(progressInterval, [alive = std::weak_ptr<int>(m_lifetime), this, relay] {
        if (alive.lock()) {
            deliverProgress(relay);
        }
    });
    m_onProgress(figures);
}

void CatalogLoader::giveBackMemory()
{
#if defined(__GLIBC__)
    // The previous catalog, the document and the decoder's working memory were freed as many
    // small blocks among the ones kept; glibc holds on to such pages until asked.
    malloc_trim(0);
#endif
}

} // namespace Vello
