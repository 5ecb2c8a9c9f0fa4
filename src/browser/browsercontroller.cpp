#include "browsercontroller.h"

#include "browserview.h"
#include "searchtext.h"

#include "ports/documentstore.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"
#include "session/playbacksession.h"

#include <algorithm>

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

BrowserController::BrowserController(
    StationSource& source, PlaybackSession& session, Preferences& preferences, MainQueue& queue)
    : m_source(source)
    , m_session(session)
    , m_queue(queue)
    , m_preferences(preferences)
    , m_library(preferences)
    , m_random(std::random_device {}())
    , m_sessionFollowed(session.subscribe([this](const SessionChanges& changes) {
        if ((changes.songHeard || changes.songsReplaced) && m_screen == Screen::Library && m_mode == ListMode::Songs) {
            render(false);
        }
    }))
{
    m_session.setListOfTheMoment([this] { return filteredStations(); });
    m_session.setOnListenStarted([this](const Station& station) { listenStarted(station); });
}

BrowserController::~BrowserController()
{
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    m_session.setListOfTheMoment(nullptr);
    m_session.setOnListenStarted(nullptr);
}

bool BrowserController::isFavorite(const Station& station) const
{
    return m_library.isFavorite(station.id());
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
        m_session.updateCurrentStation(*station);
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
    render(false);
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
        render(false);
    }
    return imported;
}

std::vector<const Station*> BrowserController::filteredStations() const
{
    return m_catalog.filtered(m_mode, m_library.favorites(), m_library.recentIds(),
        searchQuery(m_view != nullptr ? m_view->searchText() : std::string()));
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
        postGuarded([this, text = std::move(*notice)] {
            if (m_view != nullptr) {
                m_view->showNotice(text);
            } else {
                m_notices.push_back(text);
            }
        });
    }
}

void BrowserController::render(bool resetScroll)
{
    if (m_view != nullptr) {
        m_view->render(resetScroll);
    }
    m_session.listOfTheMomentChanged();
}

void BrowserController::postGuardedAfter(std::chrono::milliseconds delay, MainQueue::Task task)
{
    m_queue.postAfter(delay, [alive = std::weak_ptr<int>(m_lifetime), task = std::move(task)] {
        if (alive.lock()) {
            task();
        }
    });
}

void BrowserController::start(BrowserView& view)
{
    m_view = &view;
    m_view->loadFallbackImage();
    m_view->loadHeroImage();
    m_library.restore();
    tellOnce(m_preferences.notice());
    for (const Text& notice : std::exchange(m_notices, {})) {
        tellOnce(notice);
    }
    render(true);
    startLoad(Refresh::IfDue);
}

void BrowserController::stop()
{
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    m_view = nullptr;
    // Nothing posted for the views runs any more.
    m_lifetime.reset();
}

void BrowserController::reloadStations()
{
    if (m_catalog.empty()) {
        m_statusMessage = loadingMessage;
        render(true);
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
    m_view->showLoadProgress(figures);
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
    render(true);
    giveBackMemory();
}

void BrowserController::takeUpLastStation()
{
    if (m_lastStationTakenUp || m_catalog.empty() || m_session.currentStation() || m_library.recentIds().empty()) {
        return;
    }
    m_lastStationTakenUp = true;
    const Station* found = m_catalog.find(m_library.recentIds().front());
    if (found == nullptr) {
        return;
    }
    m_session.takeUp(*found, isOn(m_preferences, PreferenceKey::continueLastStation));
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
    m_view->setLoading(false);
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
    m_view->renderSidebar();
    m_view->clearContent();
    postGuarded([this] { render(true); });
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
    m_view->setLoading(true);
    m_searchWorkItem = m_queue.postAfter(searchDebounce, [alive = std::weak_ptr<int>(m_lifetime), this] {
        if (!alive.lock()) {
            return;
        }
        postGuarded([this] {
            m_view->setLoading(false);
            render(true);
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
    render(false);
    m_isLoadingNextBrowsePage = false;
}

void BrowserController::chooseListMode(ListMode mode)
{
    m_mode = mode;
    render(true);
}

void BrowserController::toggleFavorite(const Station& station)
{
    m_library.toggleFavorite(station.id());
    render(true);
}

void BrowserController::listenStarted(const Station& station)
{
    // The directory has never heard of a station added by hand.
    if (!OwnStations::isOwnId(station.id()) && isOn(m_preferences, PreferenceKey::countPlays)) {
        m_source.countPlay(station);
    }
    m_library.recordRecent(station.id());
}

void BrowserController::openPlayer()
{
    switchScreen(Screen::Player);
}

} // namespace Vello
