#pragma once

#include "stationpicker.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimeEdit;

namespace Vello {

class ScheduleHost;

// "Alarms…": the alarms and the scheduled recordings, each listed with a box that turns it on or
// off, added, removed, and edited below the list: its time (a recording's start and end), the days
// of the week it repeats on (none: once), its station, and for an alarm the volume it rises to and
// how long it takes. Every change is kept as it is made.
class AlarmsDialog final : public QDialog {
    Q_OBJECT

public:
    AlarmsDialog(ScheduleHost& host, StationFinder finder, QWidget* parent = nullptr);

    // Shows the lists as they are now (time turned a once off, say), the entry edited kept.
    void refresh();

    [[nodiscard]] QListWidget* list() const { return m_list; }
    [[nodiscard]] QCheckBox* startAtLogin() const { return m_startAtLogin; }

private:
    struct Row {
        bool alarm = true;
        std::string id;
    };

    void buildEditor();
    void addAlarm();
    void addRecording();
    void removeSelected();
    // Shows the entry selected in the editor, or hides the editor when none is.
    void showSelected();
    // Keeps what the editor shows as the entry selected.
    void commit();
    void setEnabled(int row, bool enabled);
    [[nodiscard]] QString describeAlarm(const std::string& id) const;
    [[nodiscard]] QString describeRecording(const std::string& id) const;
    [[nodiscard]] QString daysText(std::uint8_t days) const;
    [[nodiscard]] std::uint8_t chosenDays() const;
    void showDays(std::uint8_t days);
    void selectId(const std::string& id);
    // What a new entry plays until another is chosen: the first station offered.
    [[nodiscard]] std::string firstStation() const;

    ScheduleHost& m_host;
    StationFinder m_finder;
    std::vector<Row> m_rows;
    QListWidget* m_list;
    QPushButton* m_remove;
    QGroupBox* m_editor = nullptr;
    QLabel* m_timeLabel = nullptr;
    QTimeEdit* m_time = nullptr;
    QLabel* m_endLabel = nullptr;
    QTimeEdit* m_end = nullptr;
    // Monday to Sunday.
    std::array<QCheckBox*, 7> m_days {};
    StationPicker* m_station = nullptr;
    QLabel* m_volumeLabel = nullptr;
    QSlider* m_volume = nullptr;
    QLabel* m_riseLabel = nullptr;
    QSpinBox* m_rise = nullptr;
    QCheckBox* m_startAtLogin;
    QLabel* m_autostartNote;
    // Set while the editor is being filled: its changes are not the person's.
    bool m_filling = false;
};

} // namespace Vello
