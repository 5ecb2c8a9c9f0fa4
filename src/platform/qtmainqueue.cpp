#include "qtmainqueue.h"

#include <QTimer>

namespace Vello {

QtMainQueue::QtMainQueue()
    : m_context(new QObject)
{
}

QtMainQueue::~QtMainQueue()
{
    delete m_context;
}

void QtMainQueue::post(Task task)
{
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}

std::shared_ptr<Cancellable> QtMainQueue::postAfter(std::chrono::milliseconds delay, Task task)
{
    auto handle = std::make_shared<Cancellable>();
    QTimer::singleShot(delay, m_context, [handle, task = std::move(task)] {
        if (!handle->isCancelled()) {
            task();
        }
    });
    return handle;
}

} // namespace Vello
