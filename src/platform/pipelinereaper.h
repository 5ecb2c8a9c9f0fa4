#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

typedef struct _GstElement GstElement;

namespace Vello {

// Shuts pipelines down off the GUI thread. Setting a pipeline to NULL waits for its streaming
// threads, and a source stuck on a stalled server can hold one for seconds: the caller hands
// the pipeline over and carries on at once.
class PipelineReaper final {
public:
    PipelineReaper();
    // Gives the pipelines still queued a short grace period, then leaves any that are stuck to
    // finish on their own so that quitting never hangs.
    ~PipelineReaper();

    PipelineReaper(const PipelineReaper&) = delete;
    PipelineReaper& operator=(const PipelineReaper&) = delete;

    // Takes over the caller's reference to `pipeline`.
    void release(GstElement* pipeline);

private:
    struct Queue {
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<GstElement*> pipelines;
        bool busy = false;
        bool stopping = false;
    };

    static void run(const std::shared_ptr<Queue>& queue);

    std::shared_ptr<Queue> m_queue;
    std::thread m_thread;
};

} // namespace Vello
