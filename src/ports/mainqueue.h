#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace Vello {

// A handle on delayed work: once cancelled, the work does not run.
class Cancellable final {
public:
    void cancel() { m_cancelled.store(true); }
    [[nodiscard]] bool isCancelled() const { return m_cancelled.load(); }

private:
    std::atomic<bool> m_cancelled {false};
};

// The GUI thread's queue of work. All state lives on that thread; everything that happens
// elsewhere (downloads, decoding, media bus messages) reaches it through here.
class MainQueue {
public:
    using Task = std::function<void()>;

    virtual ~MainQueue() = default;

    // Runs `task` on a later turn of the GUI thread's loop. Safe to call from any thread.
    virtual void post(Task task) = 0;
    // Runs `task` on the GUI thread after `delay` unless the returned handle is cancelled
    // first. Called on the GUI thread.
    virtual std::shared_ptr<Cancellable> postAfter(std::chrono::milliseconds delay, Task task) = 0;
};

} // namespace Vello
