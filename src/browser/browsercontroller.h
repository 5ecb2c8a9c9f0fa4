#pragma once

#include "favoritesfile.h"
#include "favoritesimport.h"
#include "ownstations.h"
#include "ports/mainqueue.h"
#include "screen.h"
#include "searchablecatalog.h"
#include "sleeptimer.h"
#include "songhistory.h"
#include "stationlibrary.h"

#include "catalog/station.h"
#include "catalog/stationsource.h"
#include "playback/playbackstate.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace Vello {

class BrowserView;
class DocumentStore;
class HttpClient;
class IdleInhibitor;
class MediaBackend;
class PacedSongNotifier;
class PlayerController;
class Preferences;
class SongNotifier;

// The state and behaviour of the main window: what it lists, searches, pages, remembers and
// plays. The window's views show this state and forward the user's actions here; every call
// comes on the GUI thread.
class BrowserController final {
public:
    static constexpr std::size_t browsePageSize = 40;
    static constexpr std::chrono::milliseconds searchDebounce {160};
    static constexpr int contentInsetWithPlayer = 120;
    static constexpr int contentInsetWithoutPlayer = 28;
    static constexpr std::int64_t nowPlayingTitleLimit = 64;
    // How far one press of the volume keys moves the volume.
    static constexpr double volumeStep = 0.05;

    BrowserController(BrowserView& view, StationSource& source, MediaBackend& media, HttpClient& http,
        Preferences& preferences, MainQueue& queue);
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
    [[nodiscard]] std::size_t browseVisibleLimit() const { return m_browseVisibleLimit; }
    [[nodiscard]] bool isLoadingNextBrowsePage() const { return m_isLoadingNextBrowsePage; }
    // The whole catalog in display order, as last delivered.
    [[nodiscard]] const std::vector<Station>& allStations() const { return m_catalog.stations(); }
    // The stations the person added by hand, in the order added; empty until keepOwnStationsIn().
    [[nodiscard]] const std::vector<Station>& ownStations() const;
    [[nodiscard]] const FavoriteSet& favorites() const { return m_library.favorites(); }
    [[nodiscard]] const std::vector<std::string>& recentIds() const { return m_library.recentIds(); }
    [[nodiscard]] bool isFavorite(const Station& station) const;
    [[nodiscard]] const std::optional<Station>& currentStation() const;
    [[nodiscard]] const PlaybackState& playbackState() const;
    // The song on the air, when the station says; empty otherwise.
    [[nodiscard]] const std::string& streamTitle() const;
    // The song titles the stations sent, newest first; empty until keepSongsIn() is called.
    [[nodiscard]] const std::deque<SongHistory::Entry>& songsHeard() const;
    // The loudness the person set, on the cubic scale, 0 to 1, and whether it is muted. The
    // sleep timer's fade lowers what the player plays at, never this.
    [[nodiscard]] double volume() const;
    [[nodiscard]] bool isMuted() const;

    // The list of the moment for the current mode and search text, worked out afresh. The
    // pointers are valid until the next catalog arrives: use them within one render.
    [[nodiscard]] std::vector<const Station*> filteredStations() const;
    // How many rows of filteredStations() the current screen shows.
    [[nodiscard]] std::size_t rowsShownNow(std::size_t listSize) const;

    // Loads the pictures, restores favourites and recents, follows the player, shows Home and
    // asks for the catalog. Called once, after the views exist.
    void start();

    // Remembers the songs heard in `documents` from now on, starting from the list saved there,
    // each with the time `clock` tells.
    void keepSongsIn(DocumentStore& documents, SongHistory::Clock clock = &std::chrono::system_clock::now);
    // Forgets every song heard, in memory and in the saved list.
    void clearSongs();
    // Keeps the stations added by hand in `documents` from now on, starting from the list saved
    // there. They are listed, searched and played like the catalog's, whatever it downloads.
    void keepOwnStationsIn(DocumentStore& documents);
    // Adds a station of the person's own made from `draft`, or, given the identifier of one,
    // changes that one. The station saved, or what is wrong with the draft.
    Result<Station> saveOwnStation(const StationDraft& draft, std::string_view id = {});
    // Removes the own station `id`, and its place among the favourites.
    void removeOwnStation(const std::string& id);
    // Holds the session's idle lock through `inhibitor` while a stream plays or is on its way,
    // and lets it go otherwise. `inhibitor` must outlive this controller.
    void keepAwakeWith(IdleInhibitor& inhibitor);
    // Tells `notifier` of each song added to the songs heard, while the preference is on and
    // the window is not active, at most one an interval (PacedSongNotifier). `notifier` must
    // outlive this controller.
    void notifySongsThrough(SongNotifier& notifier);
    // Whether the window is the one the person is using; songs are announced only when not.
    void setWindowActive(bool active) { m_windowActive = active; }

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
    // What an export file holds: every favourite, and every own station with what it is made of.
    [[nodiscard]] std::vector<FavoriteEntry> favoritesToExport() const;
    // Adds the own stations of `file` not yet here, under their identifiers, and the favourites
    // among them not yet favourites; says what was added and what was skipped.
    ImportSummary importFavorites(const FavoritesFile::Contents& file);

    // Plays `station` and records it as the most recent; a station other than the current one
    // counts as a play for the catalog source.
    void play(const Station& station);
    // Restarts the current station, or plays the first of the list when none is current.
    void playSelected();
    void pause();
    // Pauses what is playing or on its way, and otherwise plays as playSelected() does.
    void playPause();
    // Whether a stream is playing or on its way: connecting, buffering or reconnecting.
    [[nodiscard]] bool isPlaybackActive() const;
    void playPrevious();
    void playNext();
    // The pointer or keyboard focus came to rest on the Play button of `station`, or on Next or
    // Previous (and stays there as they play), until endRest(). Unless the network is metered
    // or the preference says no, the station that a click would play is opened early, unheard.
    void restOn(const Station& station);
    void restOnNext();
    void restOnPrevious();
    void endRest();
    // Whether the network charges by the byte, as far as the platform can tell; nothing is
    // opened early while it does.
    void setNetworkMetered(bool metered);
    // Plays a station of the list picked at random.
    void shuffle();
    void openPlayer();
    // Sets the volume, kept within 0 to 1, and remembers it; a change lifts the mute.
    void setVolume(double volume);
    void setMuted(bool muted);
    // The volume keys: up or down by `steps` times volumeStep, and mute or unmute.
    void changeVolume(int steps);
    void toggleMute();
    // Brings the now-playing parts of the window up to date with the current station.
    void refreshPlayer();

    // Starts the sleep timer afresh with `choice`, or stops it with Off (restoring the volume
    // at once if it was fading). Pausing by hand stops it too; a reconnect does not.
    void setSleepTimer(SleepChoice choice);
    [[nodiscard]] SleepChoice sleepTimer() const { return m_sleepTimer.choice(); }

private:
    using CatalogAnswer = std::variant<SearchableCatalog, Error>;

    struct ProgressRelay;

    void startLoad(Refresh refresh);
    // Once, at the first catalog with stations: the last station played becomes the current
    // one, playing or ready to play as the preference says, unless another is current.
    void takeUpLastStation();
    void receive(std::uint64_t load, CatalogAnswer answer);
    void deliverProgress(const std::shared_ptr<ProgressRelay>& relay);
    // Hands memory freed by a catalog answer back to the system.
    static void giveBackMemory();
    [[nodiscard]] std::optional<std::size_t> currentIndexIn(const std::vector<const Station*>& list) const;
    // The station `step` (1 or -1) away from the current one in the list of the moment; the
    // list's first or last when none is current there. Valid until the next catalog arrives.
    [[nodiscard]] const Station* stationBeside(int step) const;
    // Opens `station` early when nothing forbids it.
    void openEarly(const Station& station);
    // The pointer or focus rests on Next (1) or Previous (-1).
    void restBeside(int step);
    // Runs `task` on a later turn of the main queue unless this controller is gone by then.
    void postGuarded(MainQueue::Task task);
    void restoreVolume();
    // Gives the player the person's volume, lowered while the sleep timer fades.
    void applyVolume();
    // Adds the current station's song to the songs heard when it is a new one, and announces it.
    void noteSongHeard();
    // Hands the catalog the own stations as they are now, and shows the list again.
    void ownStationsChanged();
    // Takes or lets go the idle lock as the playback phase asks.
    void keepAwakeWhilePlaying();
    void postGuardedAfter(std::chrono::milliseconds delay, MainQueue::Task task);
    // Shows `notice`, if any, once the window is up.
    void tellOnce(std::optional<Text> notice);

    BrowserView& m_view;
    StationSource& m_source;
    MainQueue& m_queue;
    Preferences& m_preferences;
    std::unique_ptr<PlayerController> m_player;
    // The volume the person set, and the share of it the sleep timer's fade leaves.
    double m_volume = 1.0;
    double m_volumeShare = 1.0;
    SleepTimer m_sleepTimer;
    StationLibrary m_library;
    SearchableCatalog m_catalog;
    Screen m_screen = Screen::Home;
    ListMode m_mode = ListMode::Top;
    Text m_statusMessage = VELLO_TR("Core", "Loading stations...");
    std::optional<LoadProgress> m_loadProgress;
    // Counts the loads started; only the latest one's answers and progress count.
    std::uint64_t m_loadGeneration = 0;
    std::shared_ptr<Cancellable> m_searchWorkItem;
    std::size_t m_browseVisibleLimit = browsePageSize;
    bool m_isLoadingNextBrowsePage = false;
    std::mt19937_64 m_random;
    bool m_lastStationTakenUp = false;
    // The current station was taken up at start and has not been played since: a Play starts
    // it as a new listen.
    bool m_currentOnlyCued = false;
    std::unique_ptr<SongHistory> m_songs;
    std::unique_ptr<OwnStations> m_own;
    // The station and title last offered to the songs heard: the player reports the same
    // title with every change of state.
    std::pair<std::string, std::string> m_lastSongHeard;
    IdleInhibitor* m_idleInhibitor = nullptr;
    bool m_inhibiting = false;
    std::unique_ptr<PacedSongNotifier> m_songNotifier;
    bool m_windowActive = false;
    bool m_networkMetered = false;
    // 1 or -1 while the pointer or focus rests on Next or Previous, 0 otherwise.
    int m_restStep = 0;
    // Callbacks that may outlive the controller hold a weak copy and do nothing once it expires.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
