#include "alarmsdialog.h"

#include "autostart.h"
#include "schedulehost.h"

#include "widgets/palette.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimeEdit>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace Vello {

using namespace std::chrono;

namespace {

constexpr int defaultHour = 7;
constexpr int longestRiseMinutes = 60;

QTime shown(minutes time)
{
    return QTime(static_cast<int>(time.count() / 60), static_cast<int>(time.count() % 60));
}

// A time as the locale writes it, kept left to right within a right-to-left line: a range
// "21:00–22:00" must not read backwards.
QString clockText(minutes time)
{
    return QChar(0x2066) + QLocale().toString(shown(time), QLocale::ShortFormat) + QChar(0x2069);
}

minutes chosen(const QTimeEdit& edit)
{
    const QTime time = edit.time();
    return minutes {time.hour() * 60 + time.minute()};
}

// The day a once happens on: today while its time is still to come, else tomorrow.
local_days nextDateAt(minutes time)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.time() < shown(time) ? now.date() : now.date().addDays(1);
    return local_days {days {date.toJulianDay() - QDate(1970, 1, 1).toJulianDay()}};
}

std::uint8_t bitOf(int qtDay)
{
    return dayBit(weekday {static_cast<unsigned>(qtDay % 7)});
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

template <typename Entry> Entry* findIn(std::vector<Entry>& entries, const std::string& id)
{
    const auto found = std::ranges::find(entries, id, &Entry::id);
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

AlarmsDialog::AlarmsDialog(ScheduleHost& host, StationFinder finder, QWidget* parent)
    : QDialog(parent)
    , m_host(host)
    , m_finder(std::move(finder))
    , m_list(new QListWidget(this))
    , m_remove(new QPushButton(tr("&Remove"), this))
    , m_startAtLogin(Autostart::makeCheckBox(this))
    , m_autostartNote(new QLabel(this))
{
    setWindowTitle(tr("Alarms and Scheduled Recordings"));
    setPalette(velloDarkPalette(palette()));
    auto* layout = new QVBoxLayout(this);
    m_list->setAccessibleName(tr("Alarms and scheduled recordings"));
    m_list->setMinimumHeight(120);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    auto* addAlarm = new QPushButton(tr("Add &Alarm"), this);
    auto* addRecording = new QPushButton(tr("Add Scheduled Re&cording"), this);
    buttons->addWidget(addAlarm);
    buttons->addWidget(addRecording);
    buttons->addStretch();
    buttons->addWidget(m_remove);
    layout->addLayout(buttons);
    buildEditor();
    layout->addWidget(m_editor);
    // An alarm rings only while the player runs.
    m_autostartNote->setWordWrap(true);
    m_autostartNote->setText(tr("Alarms and recordings happen only while Pemba Vello runs, in the window or "
                                "the system tray."));
    layout->addWidget(m_startAtLogin);
    layout->addWidget(m_autostartNote);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(close);
    // Return chooses a station found: it must press no button as well.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    // A screen reader says a button's words without the mnemonic's marker.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (button->accessibleName().isEmpty()) {
            button->setAccessibleName(QString(button->text()).remove(u'&'));
        }
    }

    connect(addAlarm, &QPushButton::clicked, this, &AlarmsDialog::addAlarm);
    connect(addRecording, &QPushButton::clicked, this, &AlarmsDialog::addRecording);
    connect(m_remove, &QPushButton::clicked, this, &AlarmsDialog::removeSelected);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &AlarmsDialog::showSelected);
    connect(m_list, &QListWidget::itemChanged, this,
        [this](const QListWidgetItem* item) { setEnabled(m_list->row(item), item->checkState() == Qt::Checked); });
    refresh();
    showSelected();
}

void AlarmsDialog::buildEditor()
{
    m_editor = new QGroupBox(this);
    auto* form = new QFormLayout(m_editor);
    m_time = new QTimeEdit(m_editor);
    m_time->setDisplayFormat(QStringLiteral("HH:mm"));
    // Digits and their colon read left to right in every language.
    m_time->setLayoutDirection(Qt::LeftToRight);
    m_timeLabel = new QLabel(m_editor);
    m_timeLabel->setBuddy(m_time);
    form->addRow(m_timeLabel, m_time);
    m_end = new QTimeEdit(m_editor);
    m_end->setDisplayFormat(QStringLiteral("HH:mm"));
    m_end->setLayoutDirection(Qt::LeftToRight);
    m_end->setAccessibleName(tr("Ends at"));
    m_endLabel = new QLabel(tr("&Ends at:"), m_editor);
    m_endLabel->setBuddy(m_end);
    form->addRow(m_endLabel, m_end);
    auto* days = new QHBoxLayout;
    const QLocale locale;
    for (int day = 1; day <= 7; ++day) {
        auto* box = new QCheckBox(locale.standaloneDayName(day, QLocale::ShortFormat), m_editor);
        box->setAccessibleName(locale.standaloneDayName(day, QLocale::LongFormat));
        days->addWidget(box);
        m_days.at(day - 1) = box;
        connect(box, &QCheckBox::toggled, this, &AlarmsDialog::commit);
    }
    form->addRow(tr("Repeats on:"), days);
    form->addRow(QString(), new QLabel(tr("With no day chosen, it happens once."), m_editor));
    m_station = new StationPicker(m_finder, m_editor);
    form->addRow(tr("Station:"), m_station);
    m_volume = new QSlider(Qt::Horizontal, m_editor);
    m_volume->setRange(0, Alarm::maxVolume);
    m_volume->setAccessibleName(tr("Volume it rises to"));
    m_volumeLabel = new QLabel(tr("&Volume:"), m_editor);
    m_volumeLabel->setBuddy(m_volume);
    form->addRow(m_volumeLabel, m_volume);
    m_rise = new QSpinBox(m_editor);
    m_rise->setRange(0, longestRiseMinutes);
    m_rise->setSuffix(tr(" min", "minutes"));
    m_rise->setAccessibleName(tr("Rises over, in minutes"));
    m_riseLabel = new QLabel(tr("Rises &over:"), m_editor);
    m_riseLabel->setBuddy(m_rise);
    form->addRow(m_riseLabel, m_rise);

    connect(m_time, &QTimeEdit::timeChanged, this, &AlarmsDialog::commit);
    connect(m_end, &QTimeEdit::timeChanged, this, &AlarmsDialog::commit);
    connect(m_station, &StationPicker::stationChosen, this, &AlarmsDialog::commit);
    connect(m_volume, &QSlider::valueChanged, this, &AlarmsDialog::commit);
    connect(m_rise, &QSpinBox::valueChanged, this, &AlarmsDialog::commit);
}

void AlarmsDialog::refresh()
{
    const int current = m_list->currentRow();
    const std::string selected = current >= 0 && current < static_cast<int>(m_rows.size()) ? m_rows[current].id : "";
    m_rows.clear();
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const auto add = [this](bool alarm, const std::string& id, bool enabled, const QString& text) {
        m_rows.push_back(Row {alarm, id});
        auto* item = new QListWidgetItem(text, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
    };
    for (const Alarm& alarm : m_host.alarms()) {
        add(true, alarm.id, alarm.enabled, describeAlarm(alarm.id));
    }
    for (const ScheduledRecording& recording : m_host.recordings()) {
        add(false, recording.id, recording.enabled, describeRecording(recording.id));
    }
    selectId(selected);
}

void AlarmsDialog::selectId(const std::string& id)
{
    const auto found = std::ranges::find(m_rows, id, &Row::id);
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentRow(found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin()));
    m_remove->setEnabled(m_list->currentRow() >= 0);
}

QString AlarmsDialog::daysText(std::uint8_t days) const
{
    if (days == 0) {
        return tr("Once");
    }
    if (days == everyDay) {
        return tr("Every day");
    }
    QStringList names;
    const QLocale locale;
    for (int day = 1; day <= 7; ++day) {
        if ((days & bitOf(day)) != 0) {
            names += locale.standaloneDayName(day, QLocale::ShortFormat);
        }
    }
    return names.join(tr(", ", "between days of the week"));
}

QString AlarmsDialog::describeAlarm(const std::string& id) const
{
    const auto& alarms = m_host.alarms();
    const auto alarm = std::ranges::find(alarms, id, &Alarm::id);
    const QString station = m_finder.nameOf(alarm->stationId);
    return tr("Alarm %1 · %2 · %3", "time, days, station")
        .arg(clockText(alarm->when.time), daysText(alarm->when.days), station.isEmpty() ? tr("No station") : station);
}

QString AlarmsDialog::describeRecording(const std::string& id) const
{
    const auto& recordings = m_host.recordings();
    const auto recording = std::ranges::find(recordings, id, &ScheduledRecording::id);
    const QString station = m_finder.nameOf(recording->stationId);
    return tr("Recording %1 · %2 · %3", "times, days, station")
        .arg(QChar(0x2066) + clockText(recording->start.time) + u'–' + clockText(recording->end) + QChar(0x2069),
            daysText(recording->start.days), station.isEmpty() ? tr("No station") : station);
}

std::string AlarmsDialog::firstStation() const
{
    const auto first = m_finder.search(QString(), 1);
    return first.empty() ? std::string() : first.front().id;
}

void AlarmsDialog::addAlarm()
{
    Alarm alarm;
    alarm.id = newId().toStdString();
    alarm.when.time = hours {defaultHour};
    alarm.when.date = nextDateAt(alarm.when.time);
    alarm.stationId = firstStation();
    // Not on before it has a station to play.
    alarm.enabled = !alarm.stationId.empty();
    auto alarms = m_host.alarms();
    alarms.push_back(alarm);
    m_host.setAlarms(std::move(alarms));
    refresh();
    selectId(alarm.id);
    showSelected();
    m_time->setFocus();
}

void AlarmsDialog::addRecording()
{
    ScheduledRecording recording;
    recording.id = newId().toStdString();
    recording.start.time = hours {defaultHour + 1};
    recording.start.date = nextDateAt(recording.start.time);
    recording.end = recording.start.time + hours {1};
    recording.stationId = firstStation();
    recording.enabled = !recording.stationId.empty();
    auto recordings = m_host.recordings();
    recordings.push_back(recording);
    m_host.setRecordings(std::move(recordings));
    refresh();
    selectId(recording.id);
    showSelected();
    m_time->setFocus();
}

void AlarmsDialog::removeSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    const Row removed = m_rows[row];
    if (removed.alarm) {
        auto alarms = m_host.alarms();
        std::erase_if(alarms, [&removed](const Alarm& alarm) { return alarm.id == removed.id; });
        m_host.setAlarms(std::move(alarms));
    } else {
        auto recordings = m_host.recordings();
        std::erase_if(recordings, [&removed](const auto& recording) { return recording.id == removed.id; });
        m_host.setRecordings(std::move(recordings));
    }
    refresh();
    if (!m_rows.empty()) {
        selectId(m_rows[std::min<std::size_t>(row, m_rows.size() - 1)].id);
    }
    showSelected();
    m_list->setFocus();
}

void AlarmsDialog::showSelected()
{
    const int row = m_list->currentRow();
    const bool any = row >= 0 && row < static_cast<int>(m_rows.size());
    m_remove->setEnabled(any);
    m_editor->setVisible(any);
    if (!any) {
        return;
    }
    const Row& shownRow = m_rows[row];
    m_filling = true;
    const bool alarm = shownRow.alarm;
    m_editor->setTitle(alarm ? tr("Alarm") : tr("Scheduled Recording"));
    m_timeLabel->setText(alarm ? tr("&Time:") : tr("&Starts at:"));
    m_time->setAccessibleName(alarm ? tr("Time") : tr("Starts at"));
    for (QWidget* part : std::initializer_list<QWidget*> {m_endLabel, m_end}) {
        part->setVisible(!alarm);
    }
    for (QWidget* part : std::initializer_list<QWidget*> {m_volumeLabel, m_volume, m_riseLabel, m_rise}) {
        part->setVisible(alarm);
    }
    if (alarm) {
        const auto& alarms = m_host.alarms();
        const Alarm& entry = *std::ranges::find(alarms, shownRow.id, &Alarm::id);
        m_time->setTime(shown(entry.when.time));
        showDays(entry.when.days);
        m_station->setStation(entry.stationId);
        m_volume->setValue(entry.volume);
        m_rise->setValue(static_cast<int>(duration_cast<minutes>(entry.riseTime).count()));
    } else {
        const auto& recordings = m_host.recordings();
        const ScheduledRecording& entry = *std::ranges::find(recordings, shownRow.id, &ScheduledRecording::id);
        m_time->setTime(shown(entry.start.time));
        m_end->setTime(shown(entry.end));
        showDays(entry.start.days);
        m_station->setStation(entry.stationId);
    }
    m_filling = false;
}

void AlarmsDialog::showDays(std::uint8_t days)
{
    for (int day = 1; day <= 7; ++day) {
        m_days.at(day - 1)->setChecked((days & bitOf(day)) != 0);
    }
}

std::uint8_t AlarmsDialog::chosenDays() const
{
    std::uint8_t days = 0;
    for (int day = 1; day <= 7; ++day) {
        days |= m_days.at(day - 1)->isChecked() ? bitOf(day) : 0;
    }
    return days;
}

void AlarmsDialog::commit()
{
    const int row = m_list->currentRow();
    if (m_filling || row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    const Row edited = m_rows[row];
    Recurrence when {chosen(*m_time), chosenDays()};
    when.date = when.days == 0 ? nextDateAt(when.time) : local_days {};
    if (edited.alarm) {
        auto alarms = m_host.alarms();
        Alarm* alarm = findIn(alarms, edited.id);
        // A station chosen for an alarm not yet on turns it on: that is what it was added for.
        alarm->enabled = alarm->enabled || (alarm->stationId.empty() && !m_station->station().empty());
        alarm->when = when;
        alarm->stationId = m_station->station();
        alarm->volume = m_volume->value();
        alarm->riseTime = minutes {m_rise->value()};
        m_host.setAlarms(std::move(alarms));
    } else {
        auto recordings = m_host.recordings();
        ScheduledRecording* recording = findIn(recordings, edited.id);
        recording->enabled = recording->enabled || (recording->stationId.empty() && !m_station->station().empty());
        recording->start = when;
        recording->end = chosen(*m_end);
        recording->stationId = m_station->station();
        m_host.setRecordings(std::move(recordings));
    }
    refresh();
}

void AlarmsDialog::setEnabled(int row, bool enabled)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size())) {
        return;
    }
    const Row changed = m_rows[row];
    // A once turned on again happens at its next time, not on the day it was set for.
    const auto turnOn = [enabled](bool& on, Recurrence& when) {
        on = enabled;
        if (enabled && when.days == 0) {
            when.date = nextDateAt(when.time);
        }
    };
    if (changed.alarm) {
        auto alarms = m_host.alarms();
        Alarm* alarm = findIn(alarms, changed.id);
        turnOn(alarm->enabled, alarm->when);
        m_host.setAlarms(std::move(alarms));
    } else {
        auto recordings = m_host.recordings();
        ScheduledRecording* recording = findIn(recordings, changed.id);
        turnOn(recording->enabled, recording->start);
        m_host.setRecordings(std::move(recordings));
    }
}

} // namespace Vello
