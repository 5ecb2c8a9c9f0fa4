#include "browserremotecontrol.h"

#include "browser/browsercontroller.h"
#include "browser/stationquery.h"
#include "i18n/translation.h"
#include "session/playbacksession.h"

#include <cmath>
#include <utility>

namespace Vello {

namespace {

QString stateName(PlaybackPhase phase)
{
    switch (phase) {
    case PlaybackPhase::Playing:
        return QStringLiteral("playing");
    case PlaybackPhase::Connecting:
    case PlaybackPhase::Buffering:
    case PlaybackPhase::Reconnecting:
        return QStringLiteral("connecting");
    case PlaybackPhase::Paused:
        return QStringLiteral("paused");
    case PlaybackPhase::Failed:
        return QStringLiteral("failed");
    case PlaybackPhase::Idle:
        break;
    }
    return QStringLiteral("stopped");
}

} // namespace

BrowserRemoteControl::BrowserRemoteControl(BrowserController& browser, PlaybackSession& session)
    : m_browser(browser)
    , m_session(session)
{
}

RemoteStatus BrowserRemoteControl::status() const
{
    RemoteStatus status;
    const auto& current = m_session.currentStation();
    status.state = current ? stateName(m_session.playbackState().phase) : QStringLiteral("stopped");
    if (current) {
        status.stationId = QString::fromStdString(current->id());
        status.station = stationText(current->displayName(), unnamedStationText);
        status.song = QString::fromStdString(m_session.streamTitle());
    }
    status.volume = static_cast<int>(std::lround(m_session.volume() * 100));
    return status;
}

void BrowserRemoteControl::whenReady(std::function<void()> task)
{
    if (m_browser.isLoadingStations()) {
        m_waiting.push_back(std::move(task));
    } else {
        task();
    }
}

void BrowserRemoteControl::play(const QString& named, std::function<void(const PlayAnswer&)> answered)
{
    const std::string text = named.toStdString();
    if (namesAddress(text)) {
        // The command line checked it already; another caller on the bus may not have.
        if (!isStreamAddress(named)) {
            answered({});
            return;
        }
        m_session.playForThisRun(stationForAddress(text));
        answered({.station = named, .others = 0});
        return;
    }
    whenReady([this, text, answered = std::move(answered)] {
        const StationMatch match = matchStation(m_browser.allStations(), m_browser.personal().ownStations(), text);
        if (match.station == nullptr) {
            answered({});
            return;
        }
        const QString name = stationText(match.station->displayName(), unnamedStationText);
        m_session.play(*match.station);
        answered({.station = name, .others = static_cast<int>(match.others)});
    });
}

void BrowserRemoteControl::listChanged()
{
    if (m_browser.isLoadingStations()) {
        return;
    }
    // A task may show a new list, which lands here again.
    for (const auto& task : std::exchange(m_waiting, {})) {
        task();
    }
}

} // namespace Vello
