#include "transportcontrols.h"

#include "browser/browsercontroller.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"
#include "widgets/volumecontrol.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace Vello {

namespace {

VelloButton* makePlayerIconButton(BrowserController& browser, const QString& symbol, const QString& fallback,
    const QString& toolTip, void (BrowserController::*action)())
{
    auto* button = new VelloButton(QString(), VelloButton::Style::Icon);
    button->setSymbol(symbol, fallback);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setCornerRadius(19);
    button->setBackgroundColor(QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    button->setFixedSize(38, 38);
    QObject::connect(button, &QAbstractButton::clicked, button, [&browser, action] { (browser.*action)(); });
    return button;
}

} // namespace

TransportControls::TransportControls(BrowserController& browser, QWidget* parent)
    : QWidget(parent)
    , m_play(makePlayerIconButton(browser, QStringLiteral("play"), QStringLiteral("▶"),
          QCoreApplication::translate("TransportControls", "Play"), &BrowserController::playSelected))
    , m_pause(makePlayerIconButton(browser, QStringLiteral("pause"), QStringLiteral("❚❚"),
          QCoreApplication::translate("TransportControls", "Pause"), &BrowserController::pause))
{
    setObjectName(QStringLiteral("transport"));
    // Media controls keep the direction of time in every language: Previous on the left, its
    // arrow pointing left, as a tape deck's keys do in a right-to-left window too.
    setLayoutDirection(Qt::LeftToRight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    VelloButton* previous = makePlayerIconButton(browser, QStringLiteral("backward"), QStringLiteral("◀"),
        QCoreApplication::translate("TransportControls", "Previous"), &BrowserController::playPrevious);
    // Not Play's "▶": without its symbol, Next must still look like Next.
    VelloButton* next = makePlayerIconButton(browser, QStringLiteral("forward"), QStringLiteral("▶▶"),
        QCoreApplication::translate("TransportControls", "Next"), &BrowserController::playNext);
    for (VelloButton* button : {previous, m_play, m_pause, next}) {
        layout->addWidget(button);
    }
    // Like a tape deck's keys, Play and Pause stay down while theirs is the state.
    m_play->setCheckable(true);
    m_pause->setCheckable(true);
    // Resting on Previous or Next opens the station it would play, so that the click sounds at once.
    connect(previous, &VelloButton::restingChanged, previous,
        [&browser](bool resting) { resting ? browser.restOnPrevious() : browser.endRest(); });
    connect(next, &VelloButton::restingChanged, next,
        [&browser](bool resting) { resting ? browser.restOnNext() : browser.endRest(); });
    setFixedSize(sizeHint());
    showPhase(browser.currentStation() ? browser.playbackState().phase : PlaybackPhase::Idle);
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

VolumeControl* makeVolumeControl(BrowserController& browser)
{
    auto* control = new VolumeControl;
    control->showVolume(browser.volume(), browser.isMuted());
    QObject::connect(
        control, &VolumeControl::volumeRequested, control, [&browser](double volume) { browser.setVolume(volume); });
    QObject::connect(control, &VolumeControl::muteToggleRequested, control, [&browser] { browser.toggleMute(); });
    return control;
}

} // namespace Vello
