#include "browsercontroller.h"

#include "browserview.h"
#include "searchtext.h"

#include "ports/documentstore.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"
#include "session/playbacksession.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace Vello {

namespace {

constexpr MarkedText loadingMessage = VELLO_TR("Core", "Loading stations...");
constexpr const char* failureMessage = VELLO_TR("Core", "Unable to load stations: %1");
} // namespace

BrowserController::BrowserController(
    StationSource& source, PlaybackSession& session, Preferences& preferences, MainQueue& queue)
    : m_source(source)
    , m_session(session)
    , m_queue(queue)
    , m_preferences(preferences)
    , m_library(preferences)
    , m_scope(queue, preferences,
          [this](bool listChanged) {
              if (listChanged) {
                  m_browseVisibleLimit = browsePageSize;
              }
              if (m_screen == Screen::Browse) {
                  render(listChanged);
              }
          })
    , m_loader(
          source, queue, [this](CatalogLoader::Answer answer) { receive(std::move(answer)); },
          [this](const LoadProgress& figures) { showProgress(figures); })
    , m_personal(
          m_library, [this](std::string_view id) { return m_catalog.find(id); },
          [this](const Station* saved) {
              // The station playing shows its new name and logo everywhere it is shown.
              if (saved != nullptr) {
                  m_session.updateCurrentStation(*saved);
              }
              m_catalog.setOwnStations(m_personal.ownStations());
              render(false);
          })
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

std::vector<const Station*> BrowserController::filteredStations() const
{
    auto list = m_catalog.filtered(m_mode, m_library.favorites(), m_library.recentIds(),
        searchQuery(m_view != nullptr ? m_view->searchText() : std::string()));
    m_scope.narrow(list);
    return list;
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

void BrowserController::startLoad(Refresh refresh)
{
    m_loadProgress.reset();
    m_loader.load(refresh);
}

void BrowserController::stop()
{
    if (m_searchWorkItem) {
        m_searchWorkItem->cancel();
    }
    m_view = nullptr;
    m_loader.cancel();
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

bool BrowserController::isLoadingStations() const
{
    return m_statusMessage == Text(loadingMessage);
}

void BrowserController::showProgress(const LoadProgress& figures)
{
    // A list on screen or an error says more than a bar would.
    if (!isLoadingStations()) {
        return;
    }
    m_loadProgress = figures;
    m_view->showLoadProgress(figures);
}

void BrowserController::receive(CatalogLoader::Answer answer)
{
    m_loadProgress.reset();
    if (auto* catalog = std::get_if<SearchableCatalog>(&answer)) {
        m_scope.release();
        m_catalog = std::move(*catalog);
        m_catalog.setOwnStations(m_personal.ownStations());
        m_scope.follow(m_catalog.stations());
        m_statusMessage = m_catalog.empty() ? VELLO_TR("Core", "No stations are available right now.") : Text();
        takeUpLastStation();
    } else {
        m_statusMessage = {failureMessage, {std::get<Error>(answer).description}};
    }
    render(true);
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
    m_scope.followScreen(screen);
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
