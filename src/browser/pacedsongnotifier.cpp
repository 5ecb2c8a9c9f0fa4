#include "pacedsongnotifier.h"

#include <utility>

namespace Vello {

PacedSongNotifier::PacedSongNotifier(SongNotifier& notifier, MainQueue& queue)
    : m_notifier(notifier)
    , m_queue(queue)
{
}

PacedSongNotifier::~PacedSongNotifier()
{
    if (m_intervalEnd) {
        m_intervalEnd->cancel();
    }
}

void PacedSongNotifier::notify(const SongNotice& notice)
{
    if (m_intervalEnd) {
        m_waiting = notice;
    } else {
        passOn(notice);
    }
}

void PacedSongNotifier::passOn(const SongNotice& notice)
{
    m_notifier.notify(notice);
    m_intervalEnd = m_queue.postAfter(interval, [this] {
        m_intervalEnd.reset();
        if (auto waiting = std::exchange(m_waiting, std::nullopt)) {
            passOn(*waiting);
        }
    });
}

} // namespace Vello
