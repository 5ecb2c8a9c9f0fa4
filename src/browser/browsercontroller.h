#pragma once

#include "browsescope.h"
#include "catalogloader.h"
#include "personalstations.h"
#include "ports/mainqueue.h"
#include "screen.h"
#include "searchablecatalog.h"
#include "stationlibrary.h"

#include "base/listeners.h"
#include "catalog/station.h"
#include "catalog/stationsource.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Vello {

class BrowserView;
class DocumentStore;
class PlaybackSession;
class Preferences;

// The state and behaviour of the main window: what it lists, searches, pages and remembers. The
// window's views show this state and forward the person's actions here; what plays is the
// session's, which walks the list of the moment this gives it. Every call comes on the GUI
// thread.
class BrowserController final {
public:
    static constexpr std::size_t browsePageSize = 40;
    static constexpr std::chrono::milliseconds searchDebounce {160};

    // Every argument must outlive the controller.
    BrowserController(StationSource& source, PlaybackSession& session, Preferences& preferences, MainQueue& queue);
    ~BrowserController();

    BrowserController(const BrowserController&) = delete;
    BrowserController& operator=(const BrowserController&) = delete;

    [[nodiscard]] Screen screen() const { return m_screen; }
    [[nodiscard]] ListMode mode() const { return m_mode; }
    // Empty once a non-empty catalog has arrived; otherwise what the screens show above their lists.
    [[nodiscard]] const Text& statusMessage() const { return m_statusMessage; }
    // How far the catalog's download has come while "Loading stations..." shows; nothing until
    // the download first reports.
    [[nodiscard]] const std::optional<LoadProgress>& loadProgress() const { return m_loadProgress; }
    // Whether the status offers to try again: the last answer was a failure and no station is shown.
    [[nodiscard]] bool offersRetry() const;
    // Whether the window still waits for the catalog's answer, stations or a failure.
    [[nodiscard]] bool isLoadingStations() const;
    [[nodiscard]] std::size_t browseVisibleLimit() const { return m_browseVisibleLimit; }
    [[nodiscard]] bool isLoadingNextBrowsePage() const { return m_isLoadingNextBrowsePage; }
    // The whole catalog in display order, as last delivered.
    [[nodiscard]] const std::vector<Station>& allStations() const { return m_catalog.stations(); }
    // The stations added by hand and the favourites file.
    [[nodiscard]] PersonalStations& personal() { return m_personal; }
    [[nodiscard]] const PersonalStations& personal() const { return m_personal; }
    [[nodiscard]] const FavoriteSet& favorites() const { return m_library.favorites(); }
    [[nodiscard]] const std::vector<std::string>& recentIds() const { return m_library.recentIds(); }
    [[nodiscard]] bool isFavorite(const Station& station) const;

    // The list of the moment for the current mode and search text, worked out afresh. The
    // pointers are valid until the next catalog arrives: use them within one render.
    [[nodiscard]] std::vector<const Station*> filteredStations() const;
    // How many rows of filteredStations() the current screen shows.
    [[nodiscard]] std::size_t rowsShownNow(std::size_t listSize) const;
    // What Browse lists: a country, language or genre chosen, and the optional filters.
    [[nodiscard]] BrowseScope& browseScope() { return m_scope; }

    // Shows its state in `view` from now on: loads the pictures, restores favourites and
    // recents, shows Home and asks for the catalog. Called once, when the views exist.
    void start(BrowserView& view);
    // The views are going: nothing is shown from now on, and nothing waiting for them runs.
    void stop();
    // Shows `notice`, if any, once, when the window is up.
    void tellOnce(std::optional<Text> notice);
    // Asks the source for the catalog again ("Reload Stations", "Try Again"). Answers and
    // progress of earlier loads are ignored from now on; the stations shown stay until the new
    // load answers.
    void reloadStations();

    void switchScreen(Screen screen);
    // The search field's text changed.
    void onSearchTextChanged();
    // Starts, or starts again, the wait after which the search results are shown.
    void scheduleSearchRender();
    // Adds a page to the Browse list; the content view calls it as it nears its end.
    void loadNextBrowsePage();
    // A Library chip: Favorites, Recent, Songs or Top Stations.
    void chooseListMode(ListMode mode);
    void toggleFavorite(const Station& station);

    void openPlayer();

private:
    void startLoad(Refresh refresh);
    void receive(CatalogLoader::Answer answer);
    void showProgress(const LoadProgress& figures);
    // Once, at the first catalog with stations: the last station played becomes the current
    // one, playing or ready to play as the preference says, unless another is current.
    void takeUpLastStation();
    // A station was chosen to listen to: it becomes the most recent, and a catalog station
    // counts as a play for the catalog source.
    void listenStarted(const Station& station);
    // Rebuilds the content while there is a view, and tells the session its list may have changed.
    void render(bool resetScroll);
    // Runs `task` on a later turn of the main queue unless this controller is gone by then.
    void postGuarded(MainQueue::Task task);
    void postGuardedAfter(std::chrono::milliseconds delay, MainQueue::Task task);

    BrowserView* m_view = nullptr;
    StationSource& m_source;
    PlaybackSession& m_session;
    MainQueue& m_queue;
    Preferences& m_preferences;
    StationLibrary m_library;
    SearchableCatalog m_catalog;
    // Reads m_catalog's stations on its workers: it goes first.
    BrowseScope m_scope;
    CatalogLoader m_loader;
    Screen m_screen = Screen::Home;
    ListMode m_mode = ListMode::Top;
    Text m_statusMessage = VELLO_TR("Core", "Loading stations...");
    std::optional<LoadProgress> m_loadProgress;
    std::shared_ptr<Cancellable> m_searchWorkItem;
    std::size_t m_browseVisibleLimit = browsePageSize;
    bool m_isLoadingNextBrowsePage = false;
    PersonalStations m_personal;
    bool m_lastStationTakenUp = false;
    // Notices that came before the view.
    std::vector<Text> m_notices;
    Subscription m_sessionFollowed;
    // Callbacks that may outlive the controller hold a weak copy and do nothing once it expires.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
