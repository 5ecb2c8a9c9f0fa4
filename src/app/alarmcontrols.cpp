#include "alarmcontrols.h"

#include "alarmbar.h"
#include "alarmsdialog.h"
#include "mainwindow.h"

#include "screens/mainview.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QTime>

#include <utility>

namespace Vello {

AlarmControls::AlarmControls(
    MainWindow& window, ScheduleHost::Ports ports, ScheduleHost::Folders folders, StationFinder finder, Notify notify)
    : m_window(window)
    , m_finder(std::move(finder))
    , m_notify(std::move(notify))
    , m_host(ports, std::move(folders),
          {.station = [this](std::string_view id) { return m_finder.station(std::string(id)); },
              .tell = [this](const Text& notice) { m_window.mainView()->showNotice(notice); },
              .ringingChanged = [this] { ringingChanged(); },
              .listsChanged =
                  [this] {
                      if (m_dialog) {
                          m_dialog->refresh();
                      }
                  }})
    , m_bar(new AlarmBar(*window.mainView()))
    , m_snooze(new QAction(tr("Snooze 10 Minutes"), this))
    , m_stop(new QAction(tr("Stop Alarm"), this))
{
    auto* open = new QAction(tr("&Alarms…"), this);
    connect(open, &QAction::triggered, this, &AlarmControls::showDialog);
    window.playbackMenu()->addSeparator();
    window.playbackMenu()->addAction(open);
    // First in the tray menu while an alarm rings.
    QMenu* tray = window.trayMenu();
    QAction* first = tray->actions().value(0);
    tray->insertActions(first, {m_snooze, m_stop});
    for (QAction* action : {m_snooze, m_stop}) {
        action->setVisible(false);
    }
    connect(m_snooze, &QAction::triggered, this, [this] { m_host.snooze(); });
    connect(m_stop, &QAction::triggered, this, [this] { m_host.stopRinging(); });
    connect(m_bar, &AlarmBar::snoozeChosen, this, [this] { m_host.snooze(); });
    connect(m_bar, &AlarmBar::stopChosen, this, [this] { m_host.stopRinging(); });
}

AlarmControls::~AlarmControls() = default;

void AlarmControls::showDialog()
{
    if (!m_dialog) {
        m_dialog = new AlarmsDialog(m_host, m_finder, &m_window);
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void AlarmControls::ringingChanged()
{
    const auto& alarm = m_host.ringingAlarm();
    for (QAction* action : {m_snooze, m_stop}) {
        action->setVisible(alarm.has_value());
    }
    if (!alarm) {
        m_bar->hide();
        return;
    }
    const QString time = QLocale().toString(
        QTime(static_cast<int>(alarm->when.time.count() / 60), static_cast<int>(alarm->when.time.count() % 60)),
        QLocale::ShortFormat);
    const QString station = m_finder.nameOf(alarm->stationId);
    const QString what = station.isEmpty() ? tr("Alarm %1", "time").arg(time)
                                           : tr("Alarm %1 · %2", "time, station").arg(time, station);
    m_bar->ring(what);
    if (m_notify) {
        m_notify(what);
    }
}

} // namespace Vello
