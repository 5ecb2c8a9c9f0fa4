#include "app/mainwindow.h"

#include "app/launchoptions.h"
#include "app/preferencesdialog.h"
#include "app/recordingpreferences.h"

#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/miniplayer.h"
#include "screens/sidebar.h"
#include "screens/stationdialog.h"
#include "widgets/elidedlabel.h"
#include "widgets/searchfield.h"
#include "widgets/stationrow.h"
#include "widgets/vellobutton.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <tuple>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

struct MainWindowTest : ::testing::Test, WindowFakes {
    std::vector<CatalogSource> chosenSources;
    MainWindow window {browser, session, preferences, artwork,
        [this](const CatalogSource& chosen) { chosenSources.push_back(chosen); }};
};

TEST_F(MainWindowTest, OpensCentredNoSmallerThanItsMinimumWithMenusInTheDesktopsShape)
{
    window.resize(600, 400);
    EXPECT_EQ(window.size(), QSize(920, 620));
    // Every menu, each entry with its key ("-" a separator); no key does two things.
    QStringList menus;
    QStringList keys;
    for (const QAction* menu : window.menuBar()->actions()) {
        QStringList entries;
        for (const QAction* action : menu->menu()->actions()) {
            const QString key = action->shortcut().toString();
            entries.append(action->isSeparator() ? u"-"_s
                    : key.isEmpty()              ? action->text()
                                                 : action->text() + u' ' + key);
            if (!key.isEmpty()) {
                EXPECT_FALSE(keys.contains(key)) << key.toStdString();
                keys.append(key);
            }
        }
        menus.append(menu->text() + u": "_s + entries.join(u", "_s));
    }
    EXPECT_EQ(menus.join(u'\n').toStdString(),
        "&Pemba Vello: &Reload Stations Ctrl+R, &Add Station… Ctrl+N, -, &Import Favorites… Ctrl+O, "
        "&Export Favorites… Ctrl+E, -, &Preferences… Ctrl+,, -, &Quit Ctrl+Q\n"
        "P&layback: &Play/Pause Space, &Next Alt+Right, Pre&vious Alt+Left, Play a &Random Station Ctrl+Shift+S, -, "
        "Volume &Up Ctrl+Up, Volume &Down Ctrl+Down, &Mute Ctrl+M, -, &Back 15 s Ctrl+Left, &Forward 15 s "
        "Ctrl+Right, Go &Live Ctrl+End, Re&cord Ctrl+Shift+R, -, &Sleep Timer\n"
        "&Help: &About Pemba Vello");
    // F10 opens the first menu, Alt and a title's letter its own.
    window.show();
    QApplication::setActiveWindow(&window);
    for (const auto& [key, modifiers, title] : {std::tuple {Qt::Key_F10, Qt::NoModifier, u"&Pemba Vello"_s},
             std::tuple {Qt::Key_L, Qt::AltModifier, u"P&layback"_s}}) {
        QTest::keyClick(&window, key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << title.toStdString();
        EXPECT_EQ(menu->title(), title);
        menu->close();
    }
    window.menuBar()->actions().back()->menu()->actions().front()->trigger();
    auto* box = window.findChild<QMessageBox*>();
    ASSERT_TRUE(box != nullptr && box->isVisible());
    EXPECT_TRUE(box->text().startsWith(u"Pemba Vello"_s));
    box->close();
    window.show();
    window.centerOnScreen();
    EXPECT_LE((window.frameGeometry().center() - window.screen()->availableGeometry().center()).manhattanLength(), 2);
}

TEST_F(MainWindowTest, APressOnEmptyBackgroundMovesTheWindowTheTitleNamesTheSongAndKeysWork)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy moves(&window, &MainWindow::systemMoveRequested);
    QWidget* sidebar = window.mainView()->sidebar();
    QTest::mouseClick(sidebar, Qt::LeftButton, {}, QPoint(100, sidebar->height() - 40));
    EXPECT_EQ(moves.count(), 1);

    QTest::mouseClick(window.mainView()->findChild<QWidget*>(u"topBar"_s), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(moves.count(), 2) << "the top bar's rim is background too";

    QTest::mouseClick(sidebar->findChild<QAbstractButton*>(), Qt::LeftButton);
    EXPECT_EQ(moves.count(), 2) << "a control is no background";

    MainView& view = *window.mainView();
    NowPlaying nowPlaying;
    nowPlaying.title = Text::verbatim("<b>Rock</b> & Roll");
    // The song, the phase, and what the title and the tray's tooltip say.
    using Case = std::tuple<std::string, PlaybackPhase, QString, QString>;
    for (const auto& [song, phase, title, toolTip] :
        {Case {"Two\nLines <b>x</b>", PlaybackPhase::Playing, u"Two Lines <b>x</b> – Pemba Vello"_s,
             u"Pemba Vello\n<b>Rock</b> & Roll – Two Lines <b>x</b>"_s},
            Case {"", PlaybackPhase::Playing, u"Pemba Vello"_s, u"Pemba Vello\n<b>Rock</b> & Roll"_s},
            Case {"Song", PlaybackPhase::Paused, u"Paused – Pemba Vello"_s,
                u"Pemba Vello\n<b>Rock</b> & Roll – Song\nPaused"_s}}) {
        nowPlaying.songTitle = song;
        nowPlaying.phase = phase;
        nowPlaying.status = Text::verbatim(phase == PlaybackPhase::Paused ? "Paused" : "");
        EXPECT_EQ(MainWindow::windowTitleFor(nowPlaying), title);
        EXPECT_EQ(MainWindow::trayToolTipFor(nowPlaying), toolTip);
    }
    // Each key once: a key that does nothing or the wrong thing leaves another volume.
    view.search()->textField()->setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_M}) {
        QTest::keyClick(view.search()->textField(), key, Qt::ControlModifier);
    }
    EXPECT_EQ(std::pair(session.volume(), session.isMuted()), std::pair(0.95, true));

    // Space plays and pauses wherever nothing else takes it: in the search field it is typed.
    source.answer(makeStations(3));
    queue.runPending();
    QTest::keyClick(view.search()->textField(), Qt::Key_Space);
    EXPECT_EQ(view.search()->textField()->text(), u" "_s);
    EXPECT_FALSE(session.currentStation().has_value());
    view.search()->textField()->clear();
    view.search()->textField()->clearFocus();
    for (const auto& [key, modifiers, playing] : {std::tuple {Qt::Key_Space, Qt::NoModifier, "s0"},
             std::tuple {Qt::Key_Right, Qt::AltModifier, "s1"}, std::tuple {Qt::Key_Left, Qt::AltModifier, "s0"}}) {
        QTest::keyClick(&window, key, modifiers);
        EXPECT_EQ(session.currentStation().value_or(Station()).id(), playing);
    }
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_EQ(session.playbackState().phase, PlaybackPhase::Paused);
    EXPECT_EQ(window.windowTitle(), u"Paused – Pemba Vello"_s) << "the title follows the session";
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(session.playbackState().phase, PlaybackPhase::Paused) << "a random station plays";

    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now}));

    // Space after a click plays or pauses, whatever the focus; after the keyboard moved it, it presses.
    const auto heart
        = [&view] { return static_cast<StationRow*>(view.stationList()->liveRows().at(1))->favoriteButton(); };
    heart()->setFocus(Qt::TabFocusReason);
    for (const int screen : {1, 0}) {
        QTest::mouseClick(view.sidebar()->findChildren<QAbstractButton*>().at(screen), Qt::LeftButton);
        queue.runPending();
    }
    ASSERT_EQ(QApplication::focusWidget(), heart()) << "back on the heart, unseen";
    for (const auto& [key, favorites] : {std::pair {Qt::Key_Space, 0U}, std::pair {Qt::Key_Down, 0U},
             std::pair {Qt::Key_Up, 0U}, std::pair {Qt::Key_Space, 1U}}) {
        pressKey(key);
        queue.runPending();
        EXPECT_EQ(browser.favorites().size(), favorites);
    }
    EXPECT_FALSE(session.isPlaybackActive()) << "the first Space paused";
}

TEST_F(MainWindowTest, ASleepTimerChosenInThePlaybackMenuShowsInTheMiniPlayerTillAPause)
{
    window.show();
    source.answer(makeStations(3));
    queue.runPending();
    MainView& view = *window.mainView();
    session.playSelected();
    queue.runPending();
    const auto menus = window.findChildren<QMenu*>();
    const auto found = std::ranges::find(menus, u"&Sleep Timer"_s, &QMenu::title);
    ASSERT_NE(found, menus.end());
    const QMenu* sleep = *found;
    QStringList entries;
    for (const QAction* action : sleep->actions()) {
        entries.append(action->text());
    }
    EXPECT_EQ(entries,
        QStringList({u"&Off"_s, u"&15 Minutes"_s, u"&30 Minutes"_s, u"&45 Minutes"_s, u"&60 Minutes"_s,
            u"&90 Minutes"_s, u"&End of the Current Song"_s}));
    const auto* label = view.miniPlayer()->findChild<QLabel*>(u"sleepTimer"_s);
    EXPECT_FALSE(label->isVisible());

    sleep->actions()[2]->trigger();
    queue.runPending();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), u"Sleep in 30 min"_s);
    session.pause();
    queue.runPending();
    EXPECT_FALSE(label->isVisible());
    EXPECT_TRUE(sleep->actions().front()->isChecked()) << "a pause by hand turns the timer off";
}

TEST_F(MainWindowTest, AStationAddedIsCheckedAsTypedListedUnderMyStationsAndRemovedFromItsRow)
{
    MemoryDocumentStore documents;
    MainView& view = *window.mainView();
    browser.tellOnce(browser.personal().keepOwnStationsIn(documents));
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    source.answer(makeStations(2));
    queue.runPending();
    // A form runs a loop of its own: it is filled in from within that loop.
    const auto button = [](const QString& name) {
        const auto found = QApplication::activeModalWidget()->findChildren<QPushButton*>(Qt::FindChildrenRecursively);
        return *std::ranges::find(found, name, &QPushButton::text);
    };
    QTimer::singleShot(0, [&button] {
        auto* dialog = qobject_cast<StationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QPushButton* add = button(u"Add Station"_s);
        dialog->nameField()->insert(u"Ψ Radio"_s);
        QTest::keyClicks(dialog->addressField(), u"radio.lan:8000/live"_s);
        EXPECT_FALSE(add->isEnabled());
        EXPECT_FALSE(dialog->addressField()->accessibleDescription().isEmpty()) << "the field says it is wrong";
        dialog->addressField()->setCursorPosition(0);
        QTest::keyClicks(dialog->addressField(), u"http://"_s);
        EXPECT_TRUE(add->isEnabled() && dialog->addressField()->accessibleDescription().isEmpty());
        QTest::keyClick(dialog->addressField(), Qt::Key_Return);
    });
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    queue.runPending();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(std::pair(browser.screen(), browser.mode()), std::pair(Screen::Library, ListMode::Own));
    ASSERT_EQ(browser.personal().ownStations().size(), 1U);
    EXPECT_EQ(browser.personal().ownStations()[0].radioURL(), "http://radio.lan:8000/live");

    const auto rows = view.findChildren<StationRow*>();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->metaLabel()->text(), u"World  |  Music  |  My station"_s);
    QTimer::singleShot(0, [&button] {
        auto* dialog = qobject_cast<StationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(
            std::pair(dialog->windowTitle(), dialog->nameField()->text()), std::pair(u"Edit Station"_s, u"Ψ Radio"_s));
        QTimer::singleShot(0, [&button] { QTest::mouseClick(button(u"Remove"_s), Qt::LeftButton); });
        QTest::mouseClick(button(u"Remove Station…"_s), Qt::LeftButton);
    });
    QTest::mouseClick(rows[0]->editButton(), Qt::LeftButton);
    EXPECT_TRUE(browser.personal().ownStations().empty());
    EXPECT_EQ(documents.documents.at(std::string(OwnStations::documentName)), "{\"version\": 1, \"stations\": []}\n");
}

TEST_F(MainWindowTest, PreferencesWorkByKeyboardAloneAndApplyOnlyAValidChoiceAtOnce)
{
    // Stored, so that a build with a document of its own starts from the directory too.
    preferences.texts[PreferenceKey::catalogSource] = "directory";
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Comma, Qt::ControlModifier);
    QPointer<PreferencesDialog> dialog = window.findChild<PreferencesDialog*>();
    ASSERT_TRUE(dialog != nullptr && dialog->isVisible());
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus || qobject_cast<QGroupBox*>(control) != nullptr) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
        }
    }

    // A mnemonic clicks its button only after showing the press for a moment: hence the waits.
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    const auto focusedName = [] { return QApplication::focusWidget()->accessibleName(); };
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusedName() == u"Address of the catalog document"_s; }));
    QWidget* field = QApplication::focusWidget();
    QTest::keyClicks(field, u"example.org/stations.json"_s);
    EXPECT_FALSE(field->accessibleDescription().isEmpty()) << "the field says it is wrong";
    // With the directory chosen the field is out of use, and so is what is wrong with it.
    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !field->isEnabled(); }));
    EXPECT_TRUE(field->accessibleDescription().isEmpty());
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }));
    EXPECT_FALSE(field->accessibleDescription().isEmpty());
    press(Qt::Key_Return);
    EXPECT_TRUE(preferences.writes.empty() && chosenSources.empty());
    press(Qt::Key_Home);
    QTest::keyClicks(field, u"https://"_s);
    EXPECT_TRUE(field->accessibleDescription().isEmpty());
    press(Qt::Key_Return);
    press(Qt::Key_Return); // the same address again: nothing new to load
    const CatalogSource typed {.documentUrl = "https://example.org/stations.json"};
    EXPECT_EQ(preferredCatalogSource(preferences), typed);
    EXPECT_EQ(chosenSources, std::vector {typed});
    EXPECT_EQ(source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now}));

    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosenSources.size() == 2; }));
    EXPECT_EQ(preferredCatalogSource(preferences), CatalogSource {});
    EXPECT_EQ(source.refreshes.size(), 3U);
    press(Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return chosenSources.size() == 3; })) << "the address kept applies at once";
    EXPECT_EQ(chosenSources.back(), typed);
    press(Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preferences.flags.contains(PreferenceKey::countPlays.key); }));
    EXPECT_FALSE(preferences.flags[PreferenceKey::countPlays.key]);
    EXPECT_EQ(source.refreshes.size(), 4U) << "the flag alone reloads nothing";
    press(Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preferences.flags.contains(PreferenceKey::openStationsEarly.key); }));
    EXPECT_FALSE(preferences.flags[PreferenceKey::openStationsEarly.key]);
    press(Qt::Key_Escape);
    EXPECT_FALSE(dialog && dialog->isVisible());

    // Once the command line has chosen the run's catalog, a choice waits for the next start.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window.pinCatalogSource();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Comma, Qt::ControlModifier);
    dialog = window.findChild<PreferencesDialog*>();
    ASSERT_TRUE(dialog && dialog->findChild<QLabel*>(u"sourcePinned"_s)->isVisible());
    QApplication::setActiveWindow(dialog);
    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return preferredCatalogSource(preferences) == CatalogSource {}; }));
    EXPECT_EQ(chosenSources.size(), 3U) << "this run keeps its source";
}

TEST(RecordingPreferencesTest, TheFolderCompleteSongsAndMinutesKeptAreStoredAndShownAgain)
{
    MemoryPreferences preferences;
    const auto folder = [&preferences] { return preferences.text(PreferenceKey::recordingFolder).value_or("(unset)"); };
    {
        RecordingPreferences group(preferences);
        EXPECT_EQ(group.folder()->text().toStdString(), recordingPlaces().music) << "the music folder's, till chosen";
        EXPECT_TRUE(group.folder()->text().endsWith(u"/Pemba Vello"_s));
        EXPECT_FALSE(group.keepOnlyCompleteSongs()->isChecked()) << "nothing is deleted unless asked";
        EXPECT_EQ(group.keptMinutes()->value(), 30);
        const struct {
            QString typed;
            std::string stored;
        } cases[] = {{u"  /media/disk/Radio/ "_s, "/media/disk/Radio"}, {u"relative/folder"_s, "/media/disk/Radio"},
            {u"/a/b/../c/"_s, "/a/c"}, {u""_s, "/a/c"}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed.toStdString());
            group.folder()->setText(c.typed);
            Q_EMIT group.folder()->editingFinished();
            EXPECT_EQ(folder(), c.stored);
            EXPECT_EQ(group.folder()->text().toStdString(), c.stored) << "the field shows what is kept";
        }
        group.keepOnlyCompleteSongs()->click();
        group.keptMinutes()->setValue(45);
    }
    const RecordingPreferences again(preferences);
    EXPECT_EQ(again.folder()->text(), u"/a/c"_s);
    EXPECT_TRUE(again.keepOnlyCompleteSongs()->isChecked());
    EXPECT_EQ(again.keptMinutes()->value(), 45);
}

TEST_F(MainWindowTest, WithATrayClosingHidesAndSaysWhereOnceQuitQuitsAndTheTrayMenuFollowsTheSong)
{
    const QList<QAction*> entries = window.trayMenu()->actions();
    EXPECT_EQ(entries.mid(2, 3), window.mainView()->playbackActions().first(3));
    session.play(makeStation("r", "Rock & Roll FM"));
    for (const auto& [song, line] :
        {std::pair {"", u"Rock && Roll FM"_s}, std::pair {"Two\nLines", u"Rock && Roll FM – Two Lines"_s}}) {
        media.players.back()->emit(MediaTags {song, ""});
        queue.runPending();
        EXPECT_EQ(std::pair(entries[0]->text(), entries[0]->isEnabled()), std::pair(line, false));
    }

    QSignalSpy notices(&window, &MainWindow::stillPlayingInTray);
    QSignalSpy ends(&window, &MainWindow::closedForGood);
    // The tray, the preference, whether the tray menu's Quit closes, and whether the window closes.
    using Row = std::tuple<bool, std::optional<bool>, bool, bool>;
    for (const auto& [tray, keepPlaying, quit, closes] :
        std::initializer_list<Row> {{true, std::nullopt, false, false}, {true, std::nullopt, false, false},
            {true, false, false, true}, {false, true, false, true}, {true, true, true, true}}) {
        window.setTrayAvailable(tray);
        if (keepPlaying) {
            preferences.flags[PreferenceKey::keepPlayingInBackground.key] = *keepPlaying;
        }
        window.show();
        const qsizetype endsBefore = ends.count();
        if (quit) {
            entries.back()->trigger();
        } else {
            EXPECT_EQ(window.close(), closes);
        }
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(ends.count() - endsBefore, closes ? 1 : 0);
        EXPECT_EQ(notices.count(), 1) << "once only, the first time the window hides";
    }
    EXPECT_TRUE(preferences.flags[PreferenceKey::trayNoticeShown.key]);
}

} // namespace
} // namespace Vello
