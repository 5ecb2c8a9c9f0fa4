// "Alarms…" offscreen over a schedule on fakes: entries added, edited, turned off and removed reach
// the document; the keyboard and a screen reader find their way; the login entry is written.

#include "app/alarmsdialog.h"
#include "app/alarmbar.h"
#include "app/alarmcontrols.h"
#include "app/autostart.h"
#include "app/browserstationfinder.h"
#include "app/launchoptions.h"
#include "app/mainwindow.h"
#include "app/schedulehost.h"

#include "browserharness.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "manualwallclock.h"
#include "scratchfolder.h"
#include "windowharness.h"

#include "playback/fakemediabackend.h"
#include "ports/tonesource.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>

#include <gtest/gtest.h>

#include <cstdlib>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

struct NoPlayer final : AlarmPlayer {
    void playStation(const std::string& /*stationId*/) override { }
    void setVolume(double /*volume*/) override { }
    void stop() override { }
    void end() override { }
    void setSoundHandler(SoundHandler /*handler*/) override { }
};
struct NoTone final : ToneSource {
    std::unique_ptr<MediaPlayer> createTonePlayer() override { return nullptr; }
};

// The catalog the stations are chosen from, in its display order.
const std::vector<Station> radios {
    makeStation("s1", "Radio One"), makeStation("s3", "Radio Three"), makeStation("s2", "Radio Two Jazz")};

struct AlarmsDialogTest : ::testing::Test {
    ManualMainQueue queue;
    ManualWallClock clock {queue, "Europe/Berlin", "2024-06-10 12:00"};
    MemoryDocumentStore store;
    FakeMediaBackend media;
    FakeHttpClient http;
    NoTone tone;
    NoPlayer player;
    std::unique_ptr<ScheduleHost> host = makeHost();
    ScratchFolder config;
    BrowserHarness catalog;

    std::unique_ptr<ScheduleHost> makeHost()
    {
        auto made = std::make_unique<ScheduleHost>(ScheduleHost::Ports {queue, clock, store, media, http, tone, player},
            ScheduleHost::Folders {},
            ScheduleHost::Hooks {.station = {}, .tell = {}, .ringingChanged = {}, .listsChanged = {}});
        made->start();
        return made;
    }

    void SetUp() override
    {
        catalog.start(radios);
        if (const char* before = std::getenv("XDG_CONFIG_HOME")) {
            configBefore = before;
        }
        ::setenv("XDG_CONFIG_HOME", config.path.c_str(), 1);
    }
    void TearDown() override
    {
        configBefore ? ::setenv("XDG_CONFIG_HOME", configBefore->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    }
    std::optional<std::string> configBefore;

    template <typename Widget> static Widget* named(const QWidget& dialog, const QString& name)
    {
        for (Widget* widget : dialog.findChildren<Widget*>()) {
            if (widget->accessibleName() == name) {
                return widget;
            }
        }
        return nullptr;
    }
};

TEST_F(AlarmsDialogTest, AddsEditsTurnsOffAndRemovesThroughTheDocument)
{
    AlarmsDialog dialog(*host, browserStationFinder(catalog.browser));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    // Alt+A adds an alarm on the first station, on, at 07:00, rising to half over 2 minutes. A
    // mnemonic clicks its button only after showing the press for a moment: hence the waits.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->alarms().size() == 1; }));
    EXPECT_EQ(host->alarms()[0].stationId, "s1");
    EXPECT_TRUE(host->alarms()[0].enabled);
    EXPECT_EQ(host->alarms()[0].riseTime, 120s);
    // The focus is on its time: typed, it is kept.
    ASSERT_EQ(QApplication::focusWidget(), named<QTimeEdit>(dialog, u"Time"_s));
    named<QTimeEdit>(dialog, u"Time"_s)->setTime(QTime(6, 45));
    named<QCheckBox>(dialog, QLocale().standaloneDayName(1))->click();
    named<QSlider>(dialog, u"Volume it rises to"_s)->setValue(80);
    named<QSpinBox>(dialog, u"Rises over, in minutes"_s)->setValue(5);
    // The station searched for by name and chosen from the keyboard.
    QLineEdit* search = named<QLineEdit>(dialog, u"Search stations"_s);
    search->setFocus();
    QTest::keyClicks(search, u"jazz"_s);
    QTest::keyClick(search, Qt::Key_Return);
    // Recordings have no volume of their own.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->recordings().size() == 1; }));
    EXPECT_FALSE(named<QSlider>(dialog, u"Volume it rises to"_s)->isVisibleTo(&dialog));
    named<QTimeEdit>(dialog, u"Ends at"_s)->setTime(QTime(9, 30));

    // A new start reads back what was edited.
    host = makeHost();
    ASSERT_EQ(host->alarms().size(), 1U);
    const Alarm& alarm = host->alarms()[0];
    EXPECT_EQ(alarm.when.time, 6h + 45min);
    EXPECT_EQ(alarm.when.days, dayBit(std::chrono::Monday));
    EXPECT_EQ(alarm.stationId, "s2");
    EXPECT_EQ(alarm.volume, 80);
    EXPECT_EQ(alarm.riseTime, 5min);
    ASSERT_EQ(host->recordings().size(), 1U);
    EXPECT_EQ(host->recordings()[0].start.time, 8h);
    EXPECT_EQ(host->recordings()[0].end, 9h + 30min);

    AlarmsDialog again(*host, browserStationFinder(catalog.browser));
    again.show();
    QApplication::setActiveWindow(&again);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    ASSERT_EQ(again.list()->count(), 2);
    const QLocale locale;
    EXPECT_EQ(again.list()->item(0)->text(),
        u"Alarm \u2066%1\u2069 · %2 · Radio Two Jazz"_s.arg(
            locale.toString(QTime(6, 45), QLocale::ShortFormat), locale.standaloneDayName(1, QLocale::ShortFormat)));
    again.list()->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(host->alarms()[0].enabled);
    again.list()->setCurrentRow(1);
    again.list()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->recordings().empty(); }));
    host = makeHost();
    EXPECT_TRUE(host->recordings().empty());
    ASSERT_EQ(host->alarms().size(), 1U);
    EXPECT_FALSE(host->alarms()[0].enabled);
}

TEST_F(AlarmsDialogTest, EveryControlHasANameToBeReadBy)
{
    AlarmsDialog dialog(*host, browserStationFinder(catalog.browser));
    host->setAlarms({Alarm {"a", {7h, 0}, "s1", 50, 120s, true, {}}});
    dialog.refresh();
    dialog.list()->setCurrentRow(0);
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        // A spin box's own field is read as the spin box.
        const bool part = qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()) != nullptr;
        if (!part && widget->isVisibleTo(&dialog) && widget->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->metaObject()->className();
        }
    }
}

TEST_F(AlarmsDialogTest, TheLoginEntryStartsThisProgramToTheTray)
{
    struct Case {
        QString program;
        QString exec;
    };
    for (const Case& c : std::initializer_list<Case> {
             {u"/usr/bin/pemba-vello"_s, u"Exec=\"/usr/bin/pemba-vello\" --started-at-login\n"_s},
             {u"/opt/my \"radio\"/$bin%"_s, u"Exec=\"/opt/my \\\\\"radio\\\\\"/\\\\$bin%%\" --started-at-login\n"_s},
         }) {
        SCOPED_TRACE(c.program.toStdString());
        ASSERT_EQ(Autostart::set(true, c.program), QString());
        const auto entry = readFile(config.path / "autostart/org.pembavello.PembaVello.desktop");
        ASSERT_TRUE(entry);
        const QString text = QString::fromStdString(*entry);
        EXPECT_TRUE(text.contains(c.exec)) << entry->c_str();
        EXPECT_TRUE(text.contains(u"\nX-GNOME-Autostart-enabled=true\n"_s));
    }
    // The box shows it is on; unchecked, the entry goes.
    QCheckBox* box = Autostart::makeCheckBox(nullptr);
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(Autostart::isOn());
    EXPECT_FALSE(std::filesystem::exists(config.path / "autostart/org.pembavello.PembaVello.desktop"));
    delete box;
    // The entry's option starts the player in the tray.
    const auto parsed = parseCommandLine({u"pemba-vello"_s, u"--started-at-login"_s});
    ASSERT_TRUE(std::holds_alternative<LaunchOptions>(parsed));
    EXPECT_TRUE(std::get<LaunchOptions>(parsed).startedAtLogin);
}

TEST(AlarmControlsTest, ARingingAlarmOffersSnoozeAndStopOverTheMiniPlayerInTheTrayAndInANotice)
{
    WindowFakes fakes;
    MainWindow window(fakes.browser, fakes.session, fakes.preferences, fakes.artwork, [](const CatalogSource&) {});
    ManualWallClock clock(fakes.queue, "Europe/Berlin", "2024-06-10 06:59");
    MemoryDocumentStore store;
    NoTone tone;
    NoPlayer player;
    std::vector<QString> notices;
    fakes.source.answer(radios);
    AlarmControls controls(window, {fakes.queue, clock, store, fakes.media, fakes.http, tone, player}, {},
        browserStationFinder(fakes.browser), [&notices](const QString& what) { notices.push_back(what); });
    controls.start();
    controls.host().setAlarms({Alarm {"a", {7h, everyDay}, "s1", 50, 120s, true, {}}});
    // "Alarms…" opens the dialog.
    QAction* open = window.playbackMenu()->actions().constLast();
    ASSERT_EQ(open->text(), AlarmControls::tr("&Alarms…"));
    open->trigger();
    EXPECT_NE(window.findChild<AlarmsDialog*>(), nullptr);
    window.show();
    fakes.queue.advance(60s);
    ASSERT_TRUE(controls.host().ringingAlarm());
    EXPECT_TRUE(controls.bar()->isVisible());
    EXPECT_EQ(window.trayMenu()->actions().constFirst(), controls.snoozeAction());
    EXPECT_TRUE(controls.snoozeAction()->isVisible() && controls.stopAction()->isVisible());
    ASSERT_EQ(notices.size(), 1U);
    EXPECT_TRUE(notices[0].contains(u"Radio One"_s));
    // Snoozed from the bar: it rings again in 10 minutes, and is stopped from the tray.
    controls.bar()->snoozeButton()->click();
    EXPECT_FALSE(controls.host().ringingAlarm() || controls.bar()->isVisible() || controls.stopAction()->isVisible());
    fakes.queue.advance(10min);
    ASSERT_TRUE(controls.host().ringingAlarm());
    controls.stopAction()->trigger();
    EXPECT_FALSE(controls.host().ringingAlarm());
    fakes.queue.advance(10min);
    EXPECT_FALSE(controls.host().ringingAlarm());
}

} // namespace
} // namespace Vello
