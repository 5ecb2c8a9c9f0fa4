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
    const QString& toolTip, bool primary, void (BrowserController::*action)())
{
    auto* button = new VelloButton(QString(), VelloButton::Style::Icon);
    button->setSymbol(symbol, fallback);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setCornerRadius(19);
    button->setBackgroundColor(primary ? velloGreen() : QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    button->setTintColor(primary ? QColor::fromRgbF(0.027F, 0.063F, 0.031F, 1.0F) : QColor(Qt::white));
    button->setFixedSize(38, 38);
    QObject::connect(button, &QAbstractButton::clicked, button, [&browser, action] { (browser.*action)(); });
    return button;
}

} // namespace

QWidget* makeTransportControls(BrowserController& browser)
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("transport"));
    // Media controls keep the direction of time in every language: Previous on the left, its
    // arrow pointing left, as a tape deck's keys do in a right-to-left window too.
    row->setLayoutDirection(Qt::LeftToRight);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    VelloButton* previous = makePlayerIconButton(browser, QStringLiteral("backward"), QStringLiteral("◀"),
        QCoreApplication::translate("TransportControls", "Previous"), false, &BrowserController::playPrevious);
    layout->addWidget(previous);
    layout->addWidget(makePlayerIconButton(browser, QStringLiteral("play"), QStringLiteral("▶"),
        QCoreApplication::translate("TransportControls", "Play"), true, &BrowserController::playSelected));
    layout->addWidget(makePlayerIconButton(browser, QStringLiteral("pause"), QStringLiteral("❚❚"),
        QCoreApplication::translate("TransportControls", "Pause"), false, &BrowserController::pause));
    // Not Play's "▶": without its symbol, Next must still look like Next.
    VelloButton* next = makePlayerIconButton(browser, QStringLiteral("forward"), QStringLiteral("▶▶"),
        QCoreApplication::translate("TransportControls", "Next"), false, &BrowserController::playNext);
    layout->addWidget(next);
    // Resting on Previous or Next opens the station it would play, so that the click sounds at once.
    QObject::connect(previous, &VelloButton::restingChanged, previous,
        [&browser](bool resting) { resting ? browser.restOnPrevious() : browser.endRest(); });
    QObject::connect(next, &VelloButton::restingChanged, next,
        [&browser](bool resting) { resting ? browser.restOnNext() : browser.endRest(); });
    row->setFixedSize(row->sizeHint());
    return row;
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
