#include "pipelinereaper.h"

#include <gst/gst.h>

#include <chrono>

namespace Vello {
namespace {

constexpr std::chrono::seconds shutdownGrace {3};

} // namespace

PipelineReaper::PipelineReaper()
    : m_queue(std::make_shared<Queue>())
    , m_thread([queue = m_queue] { run(queue); })
{
}

PipelineReaper::~PipelineReaper()
{
    bool drained = false;
    {
        std::unique_lock lock(m_queue->mutex);
        m_queue->stopping = true;
        m_queue->changed.notify_all();
        drained = m_queue->changed.wait_for(
            lock, shutdownGrace, [this] { return m_queue->pipelines.empty() && !m_queue->busy; });
    }
    if (drained) {
        m_thread.join();
    } else {
        // The thread owns its share of the queue, so it may outlive this object safely.
        m_thread.detach();
    }
}

void PipelineReaper::release(GstElement* pipeline)
{
    std::lock_guard lock(m_queue->mutex);
    m_queue->pipelines.push_back(pipeline);
    m_queue->changed.notify_all();
}

void PipelineReaper::run(const std::shared_ptr<Queue>& queue)
{
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->changed.wait(lock, [&] { return !queue->pipelines.empty() || queue->stopping; });
        if (queue->pipelines.empty()) {
            return;
        }
        GstElement* pipeline = queue->pipelines.front();
        queue->pipelines.pop_front();
        queue->busy = true;
        lock.unlock();
        gst_element_set_state(pipeline, GST_STATE_NULL);
        gst_object_unref(pipeline);
        lock.lock();
        queue->busy = false;
        queue->changed.notify_all();
    }
}

} // namespace Vello
