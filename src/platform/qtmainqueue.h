#pragma once

#include "ports/mainqueue.h"

#include <QObject>

namespace Vello {

// The main queue on the Qt event loop of the thread that created it (the GUI thread).
class QtMainQueue final : public MainQueue {
public:
    QtMainQueue();
    ~QtMainQueue() override;

    void post(Task task) override;
    std::shared_ptr<Cancellable> postAfter(std::chrono::milliseconds delay, Task task) override;

private:
    // Work queued on this object is dropped with it, so nothing runs after the queue is gone.
    QObject* m_context;
};

} // namespace Vello
