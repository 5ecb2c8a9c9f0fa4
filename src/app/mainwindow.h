#pragma once

#include "catalog/catalogsource.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;

namespace Vello {

class ArtworkLoader;
class HttpClient;
class MainQueue;
class MediaBackend;
class Preferences;
class PreferencesDialog;
class MainView;
class StationSource;
struct NowPlaying;

// The one window: the player's views under the desktop's own frame, and the application menu.
// Closing it ends the program.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int initialWidth = 1180;
    static constexpr int initialHeight = 760;
    static constexpr int minimumWidth = 920;
    static constexpr int minimumHeight = 620;

    // Changes where `source` loads from next, when a person chooses another catalog source.
    using CatalogSourceSetter = std::function<void(const CatalogSource&)>;

    MainWindow(StationSource& source, MediaBackend& media, HttpClient& http, Preferences& preferences, MainQueue& queue,
        ArtworkLoader& artwork, CatalogSourceSetter setCatalogSource, QWidget* parent = nullptr);

    [[nodiscard]] MainView* controller() const { return m_controller; }
    [[nodiscard]] QMenu* applicationMenu() const { return m_applicationMenu; }

    // Puts the window in the middle of the screen it is on.
    void centerOnScreen();

    // "<song> – Pemba Vello" while the station says what is on, else the application's name.
    [[nodiscard]] static QString windowTitleFor(const NowPlaying& nowPlaying);

Q_SIGNALS:
    // A press on empty background asked the desktop to move the window.
    void systemMoveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildMenu();
    void followNowPlaying();
    void showAbout();
    void showPreferences();

    CatalogSourceSetter m_setCatalogSource;
    Preferences& m_preferences;
    MainView* m_controller;
    QPointer<PreferencesDialog> m_preferencesDialog;
    QMenu* m_applicationMenu = nullptr;
    // The Sleep Timer menu's entries, checked to match the timer.
    QList<QAction*> m_sleepTimerActions;
};

} // namespace Vello
