#pragma once

#include "base/listeners.h"
#include "catalog/catalogsource.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QCloseEvent;
class QMenu;
class QSystemTrayIcon;

namespace Vello {

class ArtworkLoader;
class BrowserController;
class MainView;
class PlaybackSession;
class Preferences;
class PreferencesDialog;
struct NowPlaying;

// The one window: the player's views under the desktop's own frame, and the application menu.
// Closing it ends the program, unless the desktop has a system tray and the preference keeps the
// player going there: then the window hides until the tray icon is clicked.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int initialWidth = 1180;
    static constexpr int initialHeight = 760;
    static constexpr int minimumWidth = 920;
    static constexpr int minimumHeight = 620;

    // Changes where `source` loads from next, when a person chooses another catalog source.
    using CatalogSourceSetter = std::function<void(const CatalogSource&)>;

    // The window's title and the tray follow `session`. Every argument must outlive the window.
    MainWindow(BrowserController& browser, PlaybackSession& session, Preferences& preferences, ArtworkLoader& artwork,
        CatalogSourceSetter setCatalogSource, QWidget* parent = nullptr);

    [[nodiscard]] MainView* mainView() const { return m_mainView; }
    [[nodiscard]] QMenu* applicationMenu() const { return m_applicationMenu; }
    [[nodiscard]] QMenu* playbackMenu() const { return m_playbackMenu; }

    // Puts the window in the middle of the screen it is on.
    void centerOnScreen();
    // The command line chose this run's catalog: a source chosen in Preferences is stored for the
    // next start, and this run keeps loading from the command line's.
    void pinCatalogSource() { m_catalogSourcePinned = true; }

    // "<song> – Pemba Vello" while the station says what is on, "Paused – Pemba Vello" while
    // paused, else the application's name.
    [[nodiscard]] static QString windowTitleFor(const NowPlaying& nowPlaying);
    // The tray icon's tooltip: the application's name, what plays and how playback goes, a line each.
    [[nodiscard]] static QString trayToolTipFor(const NowPlaying& nowPlaying);

    // Whether the desktop has a system tray to play on from; without one closing quits.
    void setTrayAvailable(bool available) { m_trayAvailable = available; }
    // Puts the application's icon with the tray menu in the system tray, and makes it available.
    void showTrayIcon();
    // The tray icon's menu: what is playing, the transport actions and Quit.
    [[nodiscard]] QMenu* trayMenu() const { return m_trayMenu; }
    // Closes the window for good, tray or not.
    void quit();
    // Shows the window, hidden, minimised or behind others, in front and active.
    void bringForward();

Q_SIGNALS:
    // A press on empty background asked the desktop to move the window.
    void systemMoveRequested();
    // Closing hid the window for the first time: the tray should tell the person where it went.
    void stillPlayingInTray(const QString& message);
    // The window closed for good: the program should end.
    void closedForGood();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void buildTrayMenu();
    // Brings the title, the tray and the Sleep Timer menu up to date with the session.
    void showNowPlaying();
    void showAbout();
    void showPreferences();

    BrowserController& m_browser;
    PlaybackSession& m_session;
    CatalogSourceSetter m_setCatalogSource;
    Preferences& m_preferences;
    MainView* m_mainView;
    QPointer<PreferencesDialog> m_preferencesDialog;
    QMenu* m_applicationMenu = nullptr;
    QMenu* m_playbackMenu = nullptr;
    // The Sleep Timer menu's entries, checked to match the timer.
    QList<QAction*> m_sleepTimerActions;
    QAction* m_quitAction = nullptr;
    QMenu* m_trayMenu = nullptr;
    // What is playing: the tray menu's first line, not to be chosen.
    QAction* m_trayNowPlaying = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    bool m_trayAvailable = false;
    bool m_catalogSourcePinned = false;
    bool m_quitting = false;
    Subscription m_sessionFollowed;
};

} // namespace Vello
