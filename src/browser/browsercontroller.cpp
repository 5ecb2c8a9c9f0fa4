#include "browsercontroller.h"

#include "browserview.h"
#include "pacedsongnotifier.h"
#include "ports/documentstore.h"
#include "ports/idleinhibitor.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"
#include "ports/songnotifier.h"
#include "searchtext.h"

#include "playback/playercontroller.h"
#include "playback/streamtitle.h"

#include <algorithm>
#include <cmath>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <mutex>
#include <string_view>
#include <type_traits>
#include <utility>

namespace Vello {

namespace {

constexpr MarkedText loadingMessage = VELLO_TR("Core", "Loading stations...");
constexpr const char* failureMessage = VELLO_TR("Core", "Unable to load stations: %1");

// A station's text as it is, or, where the station lacks it, its stand-in to translate.
Text standInOr(std::string text, const char* standIn)
{
    return text == standIn ? Text(standIn) : Text::verbatim(std::move(text));
}

// At most this often the download's progress reaches the window: often enough for the bar to
// move smoothly, rarely enough not to keep the GUI thread busy on a fast line.
constexpr std::chrono::milliseconds progressInterval {100};

} // namespace

// Carries the download's progress from the worker to the GUI thread: the worker only records
// the latest figures, and at most one delivery is queued or holding back at a time.
struct BrowserController::ProgressRelay {
    std::uint64_t load = 0;
    std::mutex mutex;
    LoadProgress latest;
    bool fresh = false;
    bool busy = false;
};

BrowserController::BrowserController(BrowserView& view, StationSource& source, MediaBackend& media, HttpClient& http,
    Preferences& preferences, MainQueue& queue)
    : m_view(view)
    , m_source(source)
    , m_queue(queue)
    , m_preferences(preferences)
    , m_player(std::make_unique<PlayerController>(media, queue, http))
    , m_sleepTimer(queue,
          {.setVolumeShare =
                  [this](double share) {
                      m_volumeShare = share;
                      applyVolume();
                  },
              .pause =
                  [this] {
                      if (isPlaybackActive()) {
                          m_player->pause();
                      }
                  },
              .changed = [this] { refreshPlayer(); }})
    , m_library(preferences)
    , m_random(std::random_device {}())
{
}

BrowserController::~BrowserController()
{
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    // The player may still call back while it is torn down; nothing here must run by then.
    m_lifetime.reset();
    m_player->setOnStateChange(nullptr);
}

bool BrowserController::isFavorite(const Station& station) const
{
    return m_library.isFavorite(station.id());
}

const std::optional<Station>& BrowserController::currentStation() const
{
    return m_player->currentStation();
}

const PlaybackState& BrowserController::playbackState() const
{
    return m_player->playbackState();
}

const std::string& BrowserController::streamTitle() const
{
    return m_player->streamTitle();
}

const std::deque<SongHistory::Entry>& BrowserController::songsHeard() const
{
    static const std::deque<SongHistory::Entry> none;
    return m_songs ? m_songs->entries() : none;
}

void BrowserController::keepSongsIn(DocumentStore& documents, SongHistory::Clock clock)
{
    m_songs = std::make_unique<SongHistory>(documents, m_queue, std::move(clock));
    tellOnce(m_songs->restore());
    m_lastSongHeard = {};
    noteSongHeard();
    if (m_mode == ListMode::Songs) {
        m_view.render(false);
    }
}

void BrowserController::clearSongs()
{
    if (!m_songs) {
        return;
    }
    m_songs->clear();
    if (m_mode == ListMode::Songs) {
        m_view.render(true);
    }
}

const std::vector<Station>& BrowserController::ownStations() const
{
    static const std::vector<Station> none;
    return m_own ? m_own->stations() : none;
}

void BrowserController::keepOwnStationsIn(DocumentStore& documents)
{
    m_own = std::make_unique<OwnStations>(documents, [this] {
        static constexpr std::string_view digits = "0123456789abcdef";
        std::string id;
        for (int i = 0; i < 32; ++i) {
            id += digits[m_random() % digits.size()];
        }
        return id;
    });
    tellOnce(m_own->restore());
    ownStationsChanged();
}

Result<Station> BrowserController::saveOwnStation(const StationDraft& draft, std::string_view id)
{
    if (!m_own) {
        return Error {VELLO_TR("Core", "Stations of your own cannot be kept here.")};
    }
    Result<Station> saved = id.empty() ? m_own->add(draft) : m_own->update(id, draft);
    if (const auto* station = std::get_if<Station>(&saved)) {
        // The station playing shows its new name and logo everywhere it is shown.
        m_player->updateCurrentStation(*station);
        ownStationsChanged();
    }
    return saved;
}

void BrowserController::removeOwnStation(const std::string& id)
{
    if (!m_own || !m_own->remove(id)) {
        return;
    }
    if (m_library.isFavorite(id)) {
        m_library.toggleFavorite(id);
    }
    ownStationsChanged();
}

void BrowserController::ownStationsChanged()
{
    m_catalog.setOwnStations(m_own->stations());
    m_view.render(false);
}

std::vector<FavoriteEntry> BrowserController::favoritesToExport() const
{
    std::vector<FavoriteEntry> entries;
    for (const std::string& id : m_library.favorites()) {
        const Station* station = m_catalog.find(id);
        entries.push_back(FavoriteEntry {id, station != nullptr ? station->displayName() : std::string()});
        if (station != nullptr && OwnStations::isOwnId(id)) {
            entries.back().own = OwnStations::draftOf(*station);
        }
    }
    for (const Station& station : ownStations()) {
        if (!m_library.isFavorite(station.id())) {
            entries.push_back(
                FavoriteEntry {station.id(), station.displayName(), OwnStations::draftOf(station), false});
        }
    }
    return entries;
}

ImportSummary BrowserController::importFavorites(const FavoritesFile::Contents& file)
{
    const ImportSummary imported = mergeImported(file, m_library, m_own.get());
    if (imported.ownStations > 0) {
        ownStationsChanged();
    } else if (imported.favorites > 0) {
        m_view.render(false);
    }
    return imported;
}

void BrowserController::keepAwakeWith(IdleInhibitor& inhibitor)
{
    m_idleInhibitor = &inhibitor;
    m_inhibiting = false;
    keepAwakeWhilePlaying();
}

void BrowserController::keepAwakeWhilePlaying()
{
    const bool wanted = isPlaybackActive();
    if (m_idleInhibitor != nullptr && wanted != m_inhibiting) {
        m_inhibiting = wanted;
        m_idleInhibitor->setInhibited(wanted);
    }
}

void BrowserController::notifySongsThrough(SongNotifier& notifier)
{
    m_songNotifier = std::make_unique<PacedSongNotifier>(notifier, m_queue);
}

void BrowserController::noteSongHeard()
{
    const auto& current = m_player->currentStation();
    if (!m_songs || !current) {
        return;
    }
    std::pair<std::string, std::string> heard {current->id(), m_player->streamTitle()};
    if (heard == m_lastSongHeard) {
        return;
    }
    m_lastSongHeard = std::move(heard);
    if (!m_songs->record(m_lastSongHeard.first, current->displayName(), m_lastSongHeard.second)) {
        return;
    }
    if (m_screen == Screen::Library && m_mode == ListMode::Songs) {
        m_view.render(false);
    }
    if (m_songNotifier != nullptr && !m_windowActive && isOn(m_preferences, PreferenceKey::notifySongChanges)) {
        m_songNotifier->notify({.song = m_songs->entries().front().title,
            .station = current->displayName(),
            .favicon = std::string(current->favicon().value_or(""))});
    }
}

double BrowserController::volume() const
{
    return m_volume;
}

bool BrowserController::isMuted() const
{
    return m_player->isMuted();
}

void BrowserController::setVolume(double volume)
{
    if (std::isnan(volume)) {
        return;
    }
    const double level = std::clamp(volume, 0.0, 1.0);
    if (level == m_volume) {
        return;
    }
    m_volume = level;
    applyVolume();
    m_preferences.setNumber(PreferenceKey::volume.key, level);
    // Moving the volume is a wish to hear something: it lifts the mute, as desktop mixers do.
    if (m_player->isMuted()) {
        m_player->setMuted(false);
        m_preferences.setFlag(PreferenceKey::muted.key, false);
    }
    refreshPlayer();
}

void BrowserController::setMuted(bool muted)
{
    if (muted == m_player->isMuted()) {
        return;
    }
    m_player->setMuted(muted);
    m_preferences.setFlag(PreferenceKey::muted.key, muted);
    refreshPlayer();
}

void BrowserController::changeVolume(int steps)
{
    // Rounded to whole percent, so repeated steps land on 0 and 1 exactly.
    setVolume(std::round((m_volume + steps * volumeStep) * 100) / 100);
}

void BrowserController::toggleMute()
{
    setMuted(!m_player->isMuted());
}

void BrowserController::restoreVolume()
{
    m_volume = std::clamp(valueOf(m_preferences, PreferenceKey::volume), 0.0, 1.0);
    applyVolume();
    m_player->setMuted(isOn(m_preferences, PreferenceKey::muted));
}

void BrowserController::applyVolume()
{
    m_player->setVolume(m_volume * m_volumeShare);
}

void BrowserController::setSleepTimer(SleepChoice choice)
{
    m_sleepTimer.choose(choice, m_player->streamTitle());
}

std::vector<const Station*> BrowserController::filteredStations() const
{
    return m_catalog.filtered(m_mode, m_library.favorites(), m_library.recentIds(), searchQuery(m_view.searchText()));
}

std::size_t BrowserController::rowsShownNow(std::size_t listSize) const
{
    return rowsShown(m_screen, m_browseVisibleLimit, listSize);
}

void BrowserController::postGuarded(MainQueue::Task task)
{
    m_queue.post([alive = std::weak_ptr<int>(m_lifetime), task = std::move(task)] {
        if (alive.lock()) {
            task();
        }
    });
}

void BrowserController::tellOnce(std::optional<Text> notice)
{
    if (notice) {
        postGuarded([this, text = std::move(*notice)] { m_view.showNotice(text); });
    }
}

void BrowserController::postGuardedAfter(std::chrono::milliseconds delay, MainQueue::Task task)
{
    m_queue.postAfter(delay, [alive = std::weak_ptr<int>(m_lifetime), task = std::move(task)] {
        if (alive.lock()) {
            task();
        }
    });
}

void BrowserController::start()
{
    m_view.loadFallbackImage();
    m_view.loadHeroImage();
    m_library.restore();
    tellOnce(m_preferences.notice());
    restoreVolume();
    m_player->setOnStateChange([this] {
        postGuarded([this] {
            m_sleepTimer.followSong(m_player->streamTitle());
            refreshPlayer();
        });
    });
    m_view.render(true);
    startLoad(Refresh::IfDue);
}

void BrowserController::reloadStations()
{
    if (m_catalog.empty()) {
        m_statusMessage = loadingMessage;
        m_view.render(true);
    }
    startLoad(Refresh::Now);
}

bool BrowserController::offersRetry() const
{
    return m_catalog.empty() && m_statusMessage.source() == failureMessage;
}

void BrowserController::startLoad(Refresh refresh)
{
    const std::uint64_t load = ++m_loadGeneration;
    m_loadProgress.reset();
    auto relay = std::make_shared<ProgressRelay>();
    relay->load = load;
    const std::weak_ptr<int> alive = m_lifetime;
    // The source may answer on a worker thread, and after this controller is gone: the answer
    // only ever crosses over through the main queue, and the weak token decides there. The
    // search index is built on a thread of its own, so a download never stalls the window.
    auto completion = [alive, &queue = m_queue, this, load](StationsResult result) {
        auto answer = std::make_shared<CatalogAnswer>();
        if (auto* stations = std::get_if<std::vector<Station>>(&result)) {
            answer->emplace<SearchableCatalog>(std::move(*stations));
        } else {
            answer->emplace<Error>(std::move(std::get<Error>(result)));
        }
        queue.post([alive, this, load, answer] {
            if (alive.lock()) {
                receive(load, std::move(*answer));
            }
        });
    };
    auto progress = [alive, &queue = m_queue, this, relay](LoadProgress figures) {
        const std::lock_guard lock(relay->mutex);
        relay->latest = figures;
        relay->fresh = true;
        if (!std::exchange(relay->busy, true)) {
            queue.post([alive, this, relay] {
                if (alive.lock()) {
                    deliverProgress(relay);
                }
            });
        }
    };
    m_source.load(std::move(completion), std::move(progress), refresh);
}

void BrowserController::deliverProgress(const std::shared_ptr<ProgressRelay>& relay)
{
    LoadProgress figures;
    {
        const std::lock_guard lock(relay->mutex);
        if (!relay->fresh || relay->load != m_loadGeneration) {
            relay->busy = false;
            return;
        }
        figures = relay->latest;
        relay->fresh = false;
    }
    // Figures that arrive meanwhile wait for this.
    postGuardedAfter(progressInterval, [this, relay] { deliverProgress(relay); });
    // A list on screen or an error says more than a bar would.
    if (m_statusMessage != Text(loadingMessage)) {
        return;
    }
    m_loadProgress = figures;
    m_view.showLoadProgress(figures);
}

void BrowserController::receive(std::uint64_t load, CatalogAnswer answer)
{
    if (load != m_loadGeneration) {
        return;
    }
    m_loadProgress.reset();
    if (auto* catalog = std::get_if<SearchableCatalog>(&answer)) {
        m_catalog = std::move(*catalog);
        m_catalog.setOwnStations(ownStations());
        m_statusMessage = m_catalog.empty() ? VELLO_TR("Core", "No stations are available right now.") : Text();
        takeUpLastStation();
    } else {
        m_statusMessage = {failureMessage, {std::get<Error>(answer).description}};
    }
    m_view.render(true);
    giveBackMemory();
}

void BrowserController::takeUpLastStation()
{
    if (m_lastStationTakenUp || m_catalog.empty() || m_player->currentStation() || m_library.recentIds().empty()) {
        return;
    }
    m_lastStationTakenUp = true;
    const Station* found = m_catalog.find(m_library.recentIds().front());
    if (found == nullptr) {
        return;
    }
    // Not counted as a play: nobody chose it just now.
    if (isOn(m_preferences, PreferenceKey::continueLastStation)) {
        m_player->play(*found);
    } else {
        m_player->cue(*found);
        m_currentOnlyCued = m_player->currentStation().has_value();
    }
    refreshPlayer();
}

void BrowserController::giveBackMemory()
{
#if defined(__GLIBC__)
    // The previous catalog, the document and the decoder's working memory were freed as many
    // small blocks among the ones kept; glibc holds on to such pages until asked.
    malloc_trim(0);
#endif
}

void BrowserController::switchScreen(Screen screen)
{
    if (screen == m_screen) {
        return;
    }
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    m_view.setLoading(false);
    m_screen = screen;
    // Home lists the top stations, whatever the Library's chips chose; the Player's "Up Next" is
    // the list the person came from, which Next and Previous walk, unless that was the songs
    // heard, which are no stations to list or play next.
    if (screen == Screen::Library) {
        m_mode = ListMode::Favorites;
    } else if (screen != Screen::Player || m_mode == ListMode::Songs) {
        m_mode = ListMode::Top;
    }
    if (screen == Screen::Browse) {
        m_browseVisibleLimit = browsePageSize;
    }
    m_view.renderSidebar();
    m_view.clearContent();
    postGuarded([this] { m_view.render(true); });
}

void BrowserController::onSearchTextChanged()
{
    scheduleSearchRender();
}

void BrowserController::scheduleSearchRender()
{
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    m_mode = ListMode::Search;
    m_browseVisibleLimit = browsePageSize;
    m_view.setLoading(true);
    m_searchWorkItem = m_queue.postAfter(searchDebounce, [alive = std::weak_ptr<int>(m_lifetime), this] {
        if (!alive.lock()) {
            return;
        }
        postGuarded([this] {
            m_view.setLoading(false);
            m_view.render(true);
        });
    });
}

void BrowserController::loadNextBrowsePage()
{
    if (m_screen != Screen::Browse || m_isLoadingNextBrowsePage) {
        return;
    }
    const std::size_t available = filteredStations().size();
    if (m_browseVisibleLimit >= available) {
        return;
    }
    m_isLoadingNextBrowsePage = true;
    m_browseVisibleLimit = std::min(available, m_browseVisibleLimit + browsePageSize);
    m_view.render(false);
    m_isLoadingNextBrowsePage = false;
}

void BrowserController::chooseListMode(ListMode mode)
{
    m_mode = mode;
    m_view.render(true);
}

void BrowserController::toggleFavorite(const Station& station)
{
    m_library.toggleFavorite(station.id());
    m_view.render(true);
}

void BrowserController::play(const Station& station)
{
    // Copied first: `station` may live in the catalog or be the player's own current station,
    // and neither must change under us while we use it.
    const Station chosen = station; // NOLINT(performance-unnecessary-copy-initialization)
    // Playing the current station again resumes or retries it: that is not another listener.
    const auto& current = m_player->currentStation();
    const bool another = !current || current->id() != chosen.id() || m_currentOnlyCued;
    m_currentOnlyCued = false;
    m_player->play(chosen);
    // The directory has never heard of a station added by hand.
    if (another && !OwnStations::isOwnId(chosen.id()) && isOn(m_preferences, PreferenceKey::countPlays)) {
        m_source.countPlay(chosen);
    }
    m_library.recordRecent(chosen.id());
    refreshPlayer();
    // Resting on Next or Previous, the pointer now points at the station beyond this one.
    if (m_restStep != 0) {
        restBeside(m_restStep);
    }
}

void BrowserController::playSelected()
{
    if (const auto& current = m_player->currentStation()) {
        if (m_currentOnlyCued) {
            play(*current);
            return;
        }
        const Station again = *current;
        m_player->play(again);
        return;
    }
    const auto list = filteredStations();
    if (!list.empty()) {
        play(*list.front());
    }
}

void BrowserController::pause()
{
    // A pause by hand says the person has stopped listening: the timer has nothing left to do.
    m_sleepTimer.cancel();
    m_player->pause();
}

void BrowserController::playPause()
{
    if (isPlaybackActive()) {
        pause();
    } else {
        playSelected();
    }
}

bool BrowserController::isPlaybackActive() const
{
    switch (m_player->playbackState().phase) {
    case PlaybackPhase::Connecting:
    case PlaybackPhase::Buffering:
    case PlaybackPhase::Playing:
    case PlaybackPhase::Reconnecting:
        return true;
    case PlaybackPhase::Idle:
    case PlaybackPhase::Paused:
    case PlaybackPhase::Failed:
        return false;
    }
    return false;
}

std::optional<std::size_t> BrowserController::currentIndexIn(const std::vector<const Station*>& list) const
{
    const auto& current = m_player->currentStation();
    if (!current) {
        return std::nullopt;
    }
    const std::string id = current->id();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->id() == id) {
            return i;
        }
    }
    return std::nullopt;
}

const Station* BrowserController::stationBeside(int step) const
{
    const auto list = filteredStations();
    if (list.empty()) {
        return nullptr;
    }
    const std::size_t size = list.size();
    const auto current = currentIndexIn(list);
    if (!current) {
        return step > 0 ? list.front() : list.back();
    }
    return list[(*current + (step > 0 ? 1 : size - 1)) % size];
}

void BrowserController::playPrevious()
{
    if (const Station* station = stationBeside(-1)) {
        play(*station);
    }
}

void BrowserController::playNext()
{
    if (const Station* station = stationBeside(1)) {
        play(*station);
    }
}

void BrowserController::restOn(const Station& station)
{
    m_restStep = 0;
    openEarly(station);
}

void BrowserController::restOnNext()
{
    restBeside(1);
}

void BrowserController::restOnPrevious()
{
    restBeside(-1);
}

void BrowserController::restBeside(int step)
{
    m_restStep = step;
    if (const Station* station = stationBeside(step)) {
        openEarly(*station);
    }
}

void BrowserController::endRest()
{
    m_restStep = 0;
    m_player->endRest();
}

void BrowserController::setNetworkMetered(bool metered)
{
    m_networkMetered = metered;
    if (metered) {
        m_player->closeIntent();
    }
}

void BrowserController::openEarly(const Station& station)
{
    if (m_networkMetered || !isOn(m_preferences, PreferenceKey::openStationsEarly)) {
        m_player->endRest();
        return;
    }
    m_player->restOn(station);
}

void BrowserController::shuffle()
{
    const auto list = filteredStations();
    if (list.empty()) {
        return;
    }
    std::uniform_int_distribution<std::size_t> pick(0, list.size() - 1);
    play(*list[pick(m_random)]);
}

void BrowserController::openPlayer()
{
    switchScreen(Screen::Player);
}

void BrowserController::refreshPlayer()
{
    NowPlaying nowPlaying;
    if (const auto& current = m_player->currentStation()) {
        nowPlaying.title = standInOr(current->limitedDisplayName(nowPlayingTitleLimit), unnamedStationText);
        nowPlaying.detail = standInOr(current->subtitle(), liveStationText);
        nowPlaying.miniPlayerVisible = true;
        nowPlaying.contentBottomInset = contentInsetWithPlayer;
        nowPlaying.songTitle = m_player->streamTitle();
        nowPlaying.streamDetails = streamDetailsText(m_player->streamDetails());
        nowPlaying.status = playbackStatusText(m_player->playbackState());
        nowPlaying.phase = m_player->playbackState().phase;
        nowPlaying.sleepLabel = m_sleepTimer.label();
    } else {
        nowPlaying.contentBottomInset = contentInsetWithoutPlayer;
    }
    nowPlaying.volume = m_volume;
    nowPlaying.muted = m_player->isMuted();
    nowPlaying.sleepTimer = m_sleepTimer.choice();
    m_view.showNowPlaying(nowPlaying);
    keepAwakeWhilePlaying();
    noteSongHeard();
}

} // namespace Vello
