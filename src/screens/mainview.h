#pragma once

#include "panel.h"
#include "playbackactions.h"
#include "playerviews.h"
#include "stationlist.h"

#include "base/listeners.h"
#include "browser/browserview.h"
#include "browser/screen.h"
#include "catalog/station.h"
#include "session/nowplaying.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QMessageBox;
class QVBoxLayout;

namespace Vello {

class ArtworkLoader;
class AspectFillImage;
class BrowserController;
class ElidedLabel;
class FocusKeeper;
class MiniPlayer;
class PlaybackActions;
class PlaybackSession;
class SearchField;
class Sidebar;
class StationScrollArea;
class TransportControls;
class VolumeControl;

// The main window's views: the sidebar, the scrolling content rebuilt for each screen, and the
// mini player floating over the content's bottom. The state and every decision live in the
// BrowserController and the PlaybackSession it is given; this side builds widgets from that
// state, follows the session's changes and forwards what the person does back to them.
class MainView final : public QWidget, public BrowserView {
    Q_OBJECT

public:
    static constexpr int miniPlayerHeight = 76;
    static constexpr int miniPlayerSideMargin = 20;
    static constexpr int miniPlayerBottomMargin = 18;

    // Builds the shell and starts `browser` in it, which loads the pictures, favourites and
    // recents and asks for the catalog. All three must outlive the view.
    MainView(BrowserController& browser, PlaybackSession& session, ArtworkLoader& artwork, QWidget* parent = nullptr);
    ~MainView() override;

    [[nodiscard]] Sidebar* sidebar() const { return m_sidebar; }
    [[nodiscard]] StationScrollArea* contentScroll() const { return m_contentScroll; }
    [[nodiscard]] QWidget* contentStack() const { return m_contentStack; }
    [[nodiscard]] MiniPlayer* miniPlayer() const { return m_miniPlayer; }
    // What the now-playing views show, as last given to showNowPlaying().
    [[nodiscard]] const NowPlaying& nowPlaying() const { return m_nowPlaying; }
    // Brings every now-playing view up to date; the session's changes call it.
    void showNowPlaying(const NowPlaying& nowPlaying);
    [[nodiscard]] SearchField* search() const { return m_search; }
    // The current screen's station list (or the list of songs heard); null while a screen switch has emptied the
    // content.
    [[nodiscard]] StationList* stationList() const { return m_stationList; }
    // Play/Pause, Next, Previous, a random station and the volume, with their shortcuts, for
    // the Playback menu. Play/Pause first.
    [[nodiscard]] const QList<QAction*>& playbackActions() const { return m_playbackActions->actions(); }
    // The content's items from top to bottom.
    [[nodiscard]] std::vector<QWidget*> contentItems() const;

    [[nodiscard]] std::string searchText() const override;
    void setLoading(bool loading) override;
    void render(bool resetScroll) override;
    void renderSidebar() override;
    void clearContent() override;
    void loadFallbackImage() override;
    void loadHeroImage() override;
    void showLoadProgress(const LoadProgress& progress) override;
    void showNotice(const Text& notice) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildShell();
    void layoutShell();
    // Takes the window's long-lived views out of the content before it is thrown away.
    void detachPersistentViews();
    void discardContent();
    void appendContent(QWidget* item);
    // Makes the scroll area take the content's new height now, so a scroll position can be set.
    void syncContentGeometry();
    void followKeyboardFocus();

    // The loading, empty-catalog or error status with its progress or "Try Again", if any.
    void appendStatusPanel();
    [[nodiscard]] QWidget* makeTopBar();
    [[nodiscard]] QWidget* makeStationList(std::vector<const Station*> stations);
    [[nodiscard]] QWidget* makeStationRow(const Station& station, QWidget* parent);
    // The songs heard, in rows the size of a station's.
    [[nodiscard]] QWidget* makeSongList();
    [[nodiscard]] QWidget* makeHomeHeroRow();
    [[nodiscard]] Panel* makePlayerScreenPanel();
    // The current station's logo in the Home card and the Player panel, where they are shown.
    void showArtwork();

    BrowserController& m_browser;
    PlaybackSession& m_session;
    ArtworkLoader& m_artwork;

    Sidebar* m_sidebar = nullptr;
    StationScrollArea* m_contentScroll = nullptr;
    QWidget* m_contentStack = nullptr;
    QVBoxLayout* m_contentLayout = nullptr;
    SearchField* m_search = nullptr;
    MiniPlayer* m_miniPlayer = nullptr;
    ElidedLabel* m_railTitle = nullptr;
    ElidedLabel* m_railMeta = nullptr;
    AspectFillImage* m_playerHero = nullptr;
    QPixmap m_fallbackImage;
    QPointer<StationList> m_stationList;
    std::unique_ptr<PlaybackActions> m_playbackActions;
    std::unique_ptr<FocusKeeper> m_focus;
    NowPlaying m_nowPlaying;
    NowPlayingLines m_railLines;
    NowPlayingLines m_panelLines;
    QPointer<QWidget> m_heroRow;
    QPointer<Panel> m_playerPanel;
    QPointer<VolumeControl> m_panelVolume;
    // The transport rows of the Home card and of the Player panel, while they are shown.
    QPointer<TransportControls> m_railTransport;
    QPointer<TransportControls> m_panelTransport;
    QPointer<Panel> m_statusPanel;
    // The notice on screen, which notices arriving while it shows join.
    QPointer<QMessageBox> m_notice;

    Subscription m_sessionFollowed;
};

} // namespace Vello
