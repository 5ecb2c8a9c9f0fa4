#include "mainwindow.h"

#include "favoritestransfer.h"
#include "preferencesdialog.h"
#include "spacekey.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"
#include "screens/mainview.h"
#include "screens/stationdialog.h"
#include "session/nowplaying.h"
#include "session/playbacksession.h"
#include "widgets/menustyle.h"
#include "widgets/palette.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QWindow>

#include <utility>

namespace Vello {

namespace {

// The program's name, which a language may write in its own script.
QString appName()
{
    return MainWindow::tr("Pemba Vello");
}

// What plays, on one line: "<station> – <song>", the station alone, or that nothing plays.
QString nowPlayingLine(const NowPlaying& nowPlaying)
{
    const QString station = translated(nowPlaying.title).simplified();
    const QString song = QString::fromStdString(nowPlaying.songTitle).simplified();
    return station.isEmpty() ? MainWindow::tr("Not Playing")
        : song.isEmpty()     ? station
                             : MainWindow::tr("%1 – %2", "station – song").arg(station, song);
}

// The tray menu's first line.
QString trayLineFor(const NowPlaying& nowPlaying)
{
    // A menu entry reads a lone & as a mnemonic's marker.
    return nowPlayingLine(nowPlaying).replace(u'&', QStringLiteral("&&"));
}

// The Sleep Timer menu's entries, in order.
struct SleepEntry {
    const char* name = nullptr;
    SleepChoice choice;
};
const SleepEntry sleepEntries[] = {
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&Off"), SleepChoice::off()},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&15 Minutes"), SleepChoice::after(15)},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&30 Minutes"), SleepChoice::after(30)},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&45 Minutes"), SleepChoice::after(45)},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&60 Minutes"), SleepChoice::after(60)},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&90 Minutes"), SleepChoice::after(90)},
    {QT_TRANSLATE_NOOP("Vello::MainWindow", "&End of the Current Song"), SleepChoice::endOfSong()},
};

} // namespace

MainWindow::MainWindow(BrowserController& browser, PlaybackSession& session, Preferences& preferences,
    ArtworkLoader& artwork, CatalogSourceSetter setCatalogSource, QWidget* parent)
    : QMainWindow(parent)
    , m_browser(browser)
    , m_session(session)
    , m_setCatalogSource(std::move(setCatalogSource))
    , m_preferences(preferences)
    , m_mainView(new MainView(browser, session, artwork, this))
{
    setCentralWidget(m_mainView);
    setWindowTitle(appName());
    QPalette colors = palette();
    colors.setColor(QPalette::Window, velloBackground());
    // The menu bar draws on the window's dark background: its titles need light text.
    colors.setColor(QPalette::WindowText, velloMuted());
    colors.setColor(QPalette::ButtonText, velloMuted());
    setPalette(colors);
    resize(initialWidth, initialHeight);
    setMinimumSize(minimumWidth, minimumHeight);
    buildMenu();
    buildTrayMenu();
    m_sessionFollowed = m_session.subscribe([this](const SessionChanges& changes) {
        if (changes.nowPlaying()) {
            showNowPlaying();
        }
    });
    QApplication::instance()->installEventFilter(new SpaceKey(*this, *m_mainView->playbackActions().front(), this));
}

void MainWindow::showNowPlaying()
{
    const NowPlaying nowPlaying = nowPlayingOf(m_session);
    setWindowTitle(windowTitleFor(nowPlaying));
    m_trayNowPlaying->setText(trayLineFor(nowPlaying));
    if (m_trayIcon != nullptr) {
        m_trayIcon->setToolTip(trayToolTipFor(nowPlaying));
    }
    // The timer also ends by itself and with a pause by hand: the menu shows Off again.
    for (qsizetype i = 0; i < m_sleepTimerActions.size(); ++i) {
        if (sleepEntries[i].choice == nowPlaying.sleepTimer) {
            m_sleepTimerActions[i]->setChecked(true);
        }
    }
}

QString MainWindow::windowTitleFor(const NowPlaying& nowPlaying)
{
    // A title bar has one line: breaks and tabs in what a station sends become spaces. Paused, the
    // song on the air is not what the person hears: the title says it is paused instead.
    const QString song = nowPlaying.phase == PlaybackPhase::Paused
        ? translated(nowPlaying.status)
        : QString::fromStdString(nowPlaying.songTitle).simplified();
    return song.isEmpty() ? appName() : tr("%1 – %2", "song – program").arg(song, appName());
}

QString MainWindow::trayToolTipFor(const NowPlaying& nowPlaying)
{
    // The program's name first: a tray that shows rich text tells it from plain text by the
    // first line, and a station's name must never be read as markup.
    QStringList lines {appName(), nowPlayingLine(nowPlaying)};
    if (const QString status = translated(nowPlaying.status).simplified(); !status.isEmpty()) {
        lines += status;
    }
    if (nowPlaying.recording) {
        lines += tr("Recording");
    }
    return lines.join(u'\n');
}

void MainWindow::buildMenu()
{
    // Every title and entry has a letter of its own, pressed with Alt or while its menu is open.
    m_applicationMenu = menuBar()->addMenu(tr("&Pemba Vello", "the application's menu"));
    // The menu is drawn by Qt's style: it takes the dark theme from the palette, and separators
    // that show on it from MenuStyle.
    useDarkMenuLook(*m_applicationMenu);

    auto* about = new QAction(tr("&About %1").arg(appName()), this);
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    QAction* reload = new QAction(tr("&Reload Stations"), this);
    reload->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    reload->setMenuRole(QAction::NoRole);
    connect(reload, &QAction::triggered, this, [this] { m_browser.reloadStations(); });
    auto* addStation = new QAction(tr("&Add Station…"), this);
    addStation->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addStation->setMenuRole(QAction::NoRole);
    connect(addStation, &QAction::triggered, this, [this] { editOwnStation(this, m_browser); });
    auto* importAction = new QAction(tr("&Import Favorites…"), this);
    importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(importAction, &QAction::triggered, this, [this] { importFavorites(this, m_browser); });
    auto* exportAction = new QAction(tr("&Export Favorites…"), this);
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(exportAction, &QAction::triggered, this, [this] { exportFavorites(this, m_browser); });
    auto* preferencesAction = new QAction(tr("&Preferences…"), this);
    // QKeySequence::Preferences has a key on macOS only; Ctrl+, (Cmd+, there) works everywhere.
    preferencesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    preferencesAction->setMenuRole(QAction::PreferencesRole);
    connect(preferencesAction, &QAction::triggered, this, &MainWindow::showPreferences);
    // Quitting is closing the window for good, even when closing it would only hide it.
    m_quitAction = new QAction(this);
    m_quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quitAction->setMenuRole(QAction::QuitRole);
    connect(m_quitAction, &QAction::triggered, this, &MainWindow::quit);

#if defined(Q_OS_MACOS)
    // The application menu as the Mac has it: About first, Hide and Hide Others before Quit.
    m_applicationMenu->addAction(about);
    m_applicationMenu->addSeparator();
    m_applicationMenu->addActions({reload, addStation, exportAction, importAction, preferencesAction});
    m_applicationMenu->addSeparator();
    QAction* hide = m_applicationMenu->addAction(tr("Hide %1").arg(appName()));
    hide->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    hide->setMenuRole(QAction::NoRole);
    connect(hide, &QAction::triggered, this, &QWidget::showMinimized);
    // No desktop offers this through Qt: the entry keeps its place and shortcut, disabled.
    QAction* hideOthers = m_applicationMenu->addAction(tr("Hide Others"));
    hideOthers->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H));
    hideOthers->setMenuRole(QAction::NoRole);
    hideOthers->setEnabled(false);
    m_applicationMenu->addSeparator();
    m_quitAction->setText(tr("Quit %1").arg(appName()));
    m_applicationMenu->addAction(m_quitAction);
#else
    // The shape of Qt and KDE applications: the application's commands, then Quit, under its
    // name; About under Help.
    m_applicationMenu->addActions({reload, addStation});
    m_applicationMenu->addSeparator();
    m_applicationMenu->addActions({importAction, exportAction});
    m_applicationMenu->addSeparator();
    m_applicationMenu->addAction(preferencesAction);
    m_applicationMenu->addSeparator();
    m_quitAction->setText(tr("&Quit"));
    m_applicationMenu->addAction(m_quitAction);
#endif

    QMenu* playback = menuBar()->addMenu(tr("P&layback"));
    m_playbackMenu = playback;
    useDarkMenuLook(*playback);
    const QList<QAction*>& actions = m_mainView->playbackActions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        // Play/Pause, Next, Previous, the random station; then the volume; then Record.
        if (i == 4 || i == 7) {
            playback->addSeparator();
        }
        playback->addAction(actions[i]);
    }
    playback->addSeparator();
    QMenu* sleep = playback->addMenu(tr("&Sleep Timer"));
    useDarkMenuLook(*sleep);
    auto* choices = new QActionGroup(sleep);
    for (const SleepEntry& entry : sleepEntries) {
        QAction* action = sleep->addAction(tr(entry.name));
        action->setCheckable(true);
        action->setChecked(entry.choice == SleepChoice::off());
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice = entry.choice] { m_session.setSleepTimer(choice); });
        m_sleepTimerActions.append(action);
    }

#if !defined(Q_OS_MACOS)
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    useDarkMenuLook(*help);
    help->addAction(about);
#endif
    // F10 opens the first menu, as in the desktop's own applications.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(QKeySequence(Qt::Key_F10));
    connect(openMenus, &QAction::triggered, this,
        [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    addAction(openMenus);
}

void MainWindow::buildTrayMenu()
{
    m_trayMenu = new QMenu(this);
    useDarkMenuLook(*m_trayMenu);
    m_trayNowPlaying = m_trayMenu->addAction(trayLineFor(NowPlaying {}));
    m_trayNowPlaying->setEnabled(false);
    m_trayMenu->addSeparator();
    // Play/Pause, Next and Previous: the Playback menu's own actions.
    m_trayMenu->addActions(m_mainView->playbackActions().first(3));
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
}

void MainWindow::showTrayIcon()
{
    if (m_trayIcon != nullptr) {
        return;
    }
    m_trayAvailable = true;
    m_trayIcon = new QSystemTrayIcon(windowIcon(), this);
    m_trayIcon->setToolTip(trayToolTipFor(nowPlayingOf(m_session)));
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger) {
            return;
        }
        if (isVisible() && !isMinimized()) {
            hide();
            return;
        }
        bringForward();
    });
    connect(this, &MainWindow::stillPlayingInTray, m_trayIcon,
        [this](const QString& message) { m_trayIcon->showMessage(appName(), message, windowIcon()); });
    m_trayIcon->show();
}

void MainWindow::bringForward()
{
    // Un-minimised, but a maximised window stays maximised.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void MainWindow::quit()
{
    m_quitting = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool keepPlaying = m_trayAvailable && isOn(m_preferences, PreferenceKey::keepPlayingInBackground);
    if (m_quitting || !keepPlaying) {
        QMainWindow::closeEvent(event);
        Q_EMIT closedForGood();
        return;
    }
    event->ignore();
    hide();
    if (!isOn(m_preferences, PreferenceKey::trayNoticeShown)) {
        m_preferences.setFlag(PreferenceKey::trayNoticeShown.key, true);
        Q_EMIT stillPlayingInTray(
            tr("%1 is still playing. Click its icon in the system tray to show the window again.").arg(appName()));
    }
}

void MainWindow::showAbout()
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About %1").arg(appName()),
        tr("%1 %2\nInternet radio, most popular first.", "program, version")
            .arg(appName(), QCoreApplication::applicationVersion()),
        QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A dialog is a window of its own and does not inherit the window's colours.
    box->setPalette(velloDarkPalette(box->palette()));
    if (const QIcon icon = windowIcon(); !icon.isNull()) {
        box->setIconPixmap(icon.pixmap(64, 64));
    }
    box->open();
}

void MainWindow::showPreferences()
{
    if (m_preferencesDialog) {
        m_preferencesDialog->raise();
        m_preferencesDialog->activateWindow();
        return;
    }
    m_preferencesDialog = new PreferencesDialog(m_preferences, m_trayAvailable, this);
    m_preferencesDialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog edits the stored choice even when --catalog-url or --directory-server chose
    // the source of this run, which keeps theirs to its end.
    if (m_catalogSourcePinned) {
        m_preferencesDialog->showSourcePinned();
    } else {
        connect(
            m_preferencesDialog, &PreferencesDialog::catalogSourceChosen, this, [this](const CatalogSource& source) {
                m_setCatalogSource(source);
                m_browser.reloadStations();
            });
    }
    m_preferencesDialog->show();
}

void MainWindow::centerOnScreen()
{
    const QScreen* display = screen();
    if (display == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Reaches the window only when the control with the focus, if any, did not take it.
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        m_mainView->playbackActions().front()->trigger();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // Presses reach the window only when nothing inside claimed them: empty background.
    if (event->button() != Qt::LeftButton) {
        QMainWindow::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT systemMoveRequested();
    if (QWindow* window = windowHandle()) {
        window->startSystemMove();
    }
}

} // namespace Vello
