#include "transportcontrols.h"

#include "session/playbacksession.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"
#include "widgets/volumecontrol.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace Vello {

namespace {

VelloButton* makePlayerIconButton(PlaybackSession& session, const QString& symbol, const QString& fallback,
    const QString& toolTip, void (PlaybackSession::*action)())
{
    auto* button = new VelloButton(QString(), VelloButton::Style::Icon);
    button->setSymbol(symbol, fallback);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setCornerRadius(19);
    button->setBackgroundColor(QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    button->setFixedSize(38, 38);
    QObject::connect(button, &QAbstractButton::clicked, button, [&session, action] { (session.*action)(); });
    return button;
}

} // namespace

TransportControls::TransportControls(PlaybackSession& session, QWidget* parent)
    : QWidget(parent)
    , m_play(makePlayerIconButton(session, QStringLiteral("play"), QStringLiteral("▶"),
          QCoreApplication::translate("TransportControls", "Play"), &PlaybackSession::playSelected))
    , m_pause(makePlayerIconButton(session, QStringLiteral("pause"), QStringLiteral("❚❚"),
          QCoreApplication::translate("TransportControls", "Pause"), &PlaybackSession::pause))
{
    setObjectName(QStringLiteral("transport"));
    // Media controls keep the direction of time in every language: Previous on the left, its
    // arrow pointing left, as a tape deck's keys do in a right-to-left window too.
    setLayoutDirection(Qt::LeftToRight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    VelloButton* previous = makePlayerIconButton(session, QStringLiteral("backward"), QStringLiteral("◀"),
        QCoreApplication::translate("TransportControls", "Previous"), &PlaybackSession::playPrevious);
    // Not Play's "▶": without its symbol, Next must still look like Next.
    VelloButton* next = makePlayerIconButton(session, QStringLiteral("forward"), QStringLiteral("▶▶"),
        QCoreApplication::translate("TransportControls", "Next"), &PlaybackSession::playNext);
    for (VelloButton* button : {previous, m_play, m_pause, next}) {
        layout->addWidget(button);
    }
    // Like a tape deck's keys, Play and Pause stay down while theirs is the state.
    m_play->setCheckable(true);
    m_pause->setCheckable(true);
    // Resting on Previous or Next opens the station it would play, so that the click sounds at once.
    connect(previous, &VelloButton::restingChanged, previous,
        [&session](bool resting) { resting ? session.restOnPrevious() : session.endRest(); });
    connect(next, &VelloButton::restingChanged, next,
        [&session](bool resting) { resting ? session.restOnNext() : session.endRest(); });
    setFixedSize(sizeHint());
    showPhase(session.currentStation() ? session.playbackState().phase : PlaybackPhase::Idle);
}

void TransportControls::showPhase(PlaybackPhase phase)
{
    switch (phase) {
    case PlaybackPhase::Connecting:
    case PlaybackPhase::Buffering:
    case PlaybackPhase::Playing:
    case PlaybackPhase::Reconnecting:
        m_play->setChecked(true);
        m_pause->setChecked(false);
        return;
    case PlaybackPhase::Paused:
        m_play->setChecked(false);
        m_pause->setChecked(true);
        return;
    case PlaybackPhase::Idle:
    case PlaybackPhase::Failed:
        break;
    }
    m_play->setChecked(false);
    m_pause->setChecked(false);
}

VolumeControl* makeVolumeControl(PlaybackSession& session)
{
    auto* control = new VolumeControl;
    control->showVolume(session.volume(), session.isMuted());
    QObject::connect(
        control, &VolumeControl::volumeRequested, control, [&session](double volume) { session.setVolume(volume); });
    QObject::connect(control, &VolumeControl::muteToggleRequested, control, [&session] { session.toggleMute(); });
    return control;
}

} // namespace Vello
