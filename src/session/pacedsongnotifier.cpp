#include "pacedsongnotifier.h"

#include "playbacksession.h"

#include "ports/preferencekeys.h"

#include <string>
#include <utility>

namespace Vello {

PacedSongNotifier::PacedSongNotifier(
    PlaybackSession& session, SongNotifier& notifier, Preferences& preferences, MainQueue& queue)
    : m_session(session)
    , m_notifier(notifier)
    , m_preferences(preferences)
    , m_queue(queue)
    , m_subscription(session.subscribe([this](const SessionChanges& changes) {
        if (changes.songHeard) {
            songHeard();
        }
    }))
{
}

PacedSongNotifier::~PacedSongNotifier()
{
    if (m_intervalEnd) {
        m_intervalEnd->cancel();
    }
}

void PacedSongNotifier::songHeard()
{
    const auto& current = m_session.currentStation();
    if (m_windowActive || !current || !isOn(m_preferences, PreferenceKey::notifySongChanges)) {
        return;
    }
    notify({.song = m_session.songsHeard().front().title,
        .station = current->displayName(),
        .favicon = std::string(current->favicon().value_or(""))});
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
