#pragma once

#include "schedulehost.h"
#include "stationpicker.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;

namespace Vello {

class AlarmBar;
class AlarmsDialog;
class MainWindow;

// The alarms and scheduled recordings in the window: "Alarms…" in the Playback menu, and while an
// alarm rings, Snooze and Stop over the mini player and in the tray menu, and a notice.
class AlarmControls final : public QObject {
    Q_OBJECT

public:
    // Tells the desktop that an alarm rings (a notification), with what rings.
    using Notify = std::function<void(const QString& what)>;

    AlarmControls(MainWindow& window, ScheduleHost::Ports ports, ScheduleHost::Folders folders, StationFinder finder,
        Notify notify);
    ~AlarmControls() override;

    // Takes up the lists kept: what fell due meanwhile rings, starts or is said missed now.
    void start() { m_host.start(); }
    [[nodiscard]] ScheduleHost& host() { return m_host; }
    [[nodiscard]] AlarmBar* bar() const { return m_bar; }
    [[nodiscard]] QAction* snoozeAction() const { return m_snooze; }
    [[nodiscard]] QAction* stopAction() const { return m_stop; }
    // Opens "Alarms…", or brings it forward.
    void showDialog();

private:
    void ringingChanged();

    MainWindow& m_window;
    StationFinder m_finder;
    Notify m_notify;
    ScheduleHost m_host;
    AlarmBar* m_bar;
    QAction* m_snooze;
    QAction* m_stop;
    QPointer<AlarmsDialog> m_dialog;
};

} // namespace Vello
