#include "mainview.h"

#include "facetpicker.h"
#include "focuskeeper.h"
#include "libraryheader.h"
#include "miniplayer.h"
#include "outputpicker.h"
#include "panel.h"
#include "playbackactions.h"
#include "playerviews.h"
#include "recordcontrol.h"
#include "sectionbuilders.h"
#include "sidebar.h"
#include "songrow.h"
#include "stationdialog.h"
#include "stationlist.h"
#include "transportcontrols.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "session/playbacksession.h"
#include "widgets/artworkloader.h"
#include "widgets/aspectfillimage.h"
#include "widgets/elidedlabel.h"
#include "widgets/imagedecoderwarnings.h"
#include "widgets/palette.h"
#include "widgets/resources.h"
#include "widgets/searchfield.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/stationrow.h"
#include "widgets/stationscrollarea.h"
#include "widgets/vellobutton.h"
#include "widgets/volumecontrol.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace Vello {

namespace {

constexpr int contentSpacing = 18;
constexpr int contentTopInset = 22;
constexpr int contentSideInset = 26;
constexpr int topBarHeight = 74;
// The content's room at its bottom, for the mini player floating over it while it shows.
constexpr int contentInsetWithPlayer = 120;
constexpr int contentInsetWithoutPlayer = 28;

// Hides `widget` at once and deletes it on the next turn of the loop: the click that asked for
// the rebuild may still be running inside it.
void discard(QWidget* widget)
{
    widget->hide();
    widget->deleteLater();
}

} // namespace

MainView::MainView(BrowserController& browser, PlaybackSession& session, ArtworkLoader& artwork, QWidget* parent)
    : QWidget(parent)
    , m_browser(browser)
    , m_session(session)
    , m_artwork(artwork)
{
    silenceImageDecoderWarnings();
    buildShell();
    renderSidebar();
    m_sessionFollowed = m_session.subscribe([this](const SessionChanges& changes) {
        if (changes.nowPlaying()) {
            showNowPlaying(nowPlayingOf(m_session));
        }
        // Only a recording that stops on its own leaves a failure; the next one clears it.
        if (changes.recording && !m_session.recording().failure.empty()) {
            showNotice(m_session.recording().failure);
        }
        // A song saved says so on its row; one that could not be says why.
        if (changes.songSaved && !m_session.recorder().saveNotice().saved) {
            showNotice(m_session.recorder().saveNotice().text);
        }
    });
    m_browser.start(*this);
}

MainView::~MainView()
{
    // The browser and the session outlive these views: they let go of them first. The focus and
    // the pointer leaving them as the window closes must not reach the session.
    m_sessionFollowed.cancel();
    m_browser.stop();
    for (VelloButton* button : findChildren<VelloButton*>()) {
        disconnect(button, &VelloButton::restingChanged, nullptr, nullptr);
    }
    if (m_stationList) {
        m_stationList->retire();
    }
}

void MainView::buildShell()
{
    setObjectName(QStringLiteral("mainView"));

    m_sidebar = new Sidebar(m_browser, this);

    m_contentScroll = new StationScrollArea(this);
    m_contentScroll->setObjectName(QStringLiteral("contentScroll"));
    m_contentScroll->viewport()->setAutoFillBackground(false);
    m_contentScroll->setOnApproachingBottom([this] { m_browser.loadNextBrowsePage(); });

    m_contentStack = new QWidget;
    m_contentStack->setObjectName(QStringLiteral("contentStack"));
    m_contentLayout = new QVBoxLayout(m_contentStack);
    m_contentLayout->setSpacing(contentSpacing);
    // Room for the mini player comes with it: showNowPlaying() sets the bottom inset.
    m_contentLayout->setContentsMargins(contentSideInset, contentTopInset, contentSideInset, contentInsetWithoutPlayer);
    // Takes the height the content leaves free, so no item is ever stretched past its own.
    m_contentLayout->addStretch(1);
    // Always the viewport's width, whatever an item asks for: an item too wide for it is cut
    // on its own right instead of pushing every other item past the window's edge.
    m_contentLayout->setSizeConstraint(QLayout::SetNoConstraint);
    m_contentStack->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_contentScroll->setWidget(m_contentStack);
    m_contentStack->setAutoFillBackground(false);

    m_search = new SearchField(this);
    m_search->hide();
    QLineEdit* field = m_search->textField();
    // Only the person's edits start a search; text set by the program does not.
    connect(field, &QLineEdit::textEdited, this, [this] { m_browser.onSearchTextChanged(); });

    m_railTitle = makeLabel({}, 21, QFont::Bold, Qt::white, this);
    m_railTitle->setObjectName(QStringLiteral("railTitle"));
    m_railTitle->hide();
    m_railMeta = makeLabel({}, 13, QFont::DemiBold, velloMuted(), this);
    m_railMeta->setObjectName(QStringLiteral("railMeta"));
    m_railMeta->hide();
    m_playerHero = new AspectFillImage(this);
    m_playerHero->setObjectName(QStringLiteral("playerHero"));
    m_playerHero->hide();

    m_miniPlayer = new MiniPlayer(m_browser, m_session, this);
    m_focus = std::make_unique<FocusKeeper>(*this, *m_search, *m_contentScroll);
    m_playbackActions = std::make_unique<PlaybackActions>(m_session, *this);

    // Later siblings draw above earlier ones: the mini player floats over the content.
    m_sidebar->lower();
    m_miniPlayer->raise();
    layoutShell();
    followKeyboardFocus();
}

void MainView::followKeyboardFocus()
{
    // The content scrolls to show whatever takes the focus, clear of the mini player; the
    // list's own hand-overs while it builds rows follow the person's scroll instead.
    m_miniPlayer->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now != nullptr && !m_focus->isRestoring() && !(m_stationList && m_stationList->isUpdating())) {
            m_contentScroll->reveal(now);
        }
    });
}

bool MainView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_miniPlayer
        && (event->type() == QEvent::Show || event->type() == QEvent::Hide || event->type() == QEvent::Move)) {
        m_contentScroll->setObscuredBottom(
            m_miniPlayer->isVisibleTo(this) ? m_contentScroll->height() - m_miniPlayer->y() : 0);
    }
    return QWidget::eventFilter(watched, event);
}

void MainView::keyPressEvent(QKeyEvent* event)
{
    // Keys that scroll reach the content from anywhere in the window, the sidebar included.
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        QCoreApplication::sendEvent(m_contentScroll, event);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainView::layoutShell()
{
    // Laid out left to right, then mirrored in a right-to-left language: the sidebar on the right.
    const auto place = [this](QWidget* widget, const QRect& logical) {
        widget->setGeometry(QStyle::visualRect(layoutDirection(), rect(), logical));
    };
    const int contentWidth = std::max(0, width() - Sidebar::width);
    place(m_sidebar, {0, 0, Sidebar::width, height()});
    place(m_contentScroll, {Sidebar::width, 0, contentWidth, height()});
    place(m_miniPlayer,
        {Sidebar::width + miniPlayerSideMargin, height() - miniPlayerBottomMargin - miniPlayerHeight,
            std::max(0, contentWidth - 2 * miniPlayerSideMargin), miniPlayerHeight});
}

void MainView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutShell();
}

void MainView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), velloBackground());
}

std::vector<QWidget*> MainView::contentItems() const
{
    std::vector<QWidget*> items;
    for (int i = 0; i < m_contentLayout->count(); ++i) {
        if (QWidget* item = m_contentLayout->itemAt(i)->widget()) {
            items.push_back(item);
        }
    }
    return items;
}

std::string MainView::searchText() const
{
    return m_search->textField()->text().toStdString();
}

void MainView::setLoading(bool loading)
{
    m_search->setLoading(loading);
}

void MainView::loadFallbackImage()
{
    m_fallbackImage = loadResourceImage(QStringLiteral("vello-station-fallback"), QStringLiteral("webp"));
}

void MainView::loadHeroImage()
{
    m_playerHero->setImage(loadResourceImage(QStringLiteral("vello-hero"), QStringLiteral("webp")));
}

void MainView::showNowPlaying(const NowPlaying& nowPlaying)
{
    m_railTitle->setText(translated(nowPlaying.title));
    m_railMeta->setText(translated(nowPlaying.detail));
    for (QLabel* label : {m_railTitle, m_railMeta}) {
        // Put aside while no hero row holds them, they stay hidden.
        if (label->parentWidget() != this) {
            revealText(label);
        }
    }
    m_miniPlayer->showNowPlaying(nowPlaying);
    m_contentLayout->setContentsMargins(contentSideInset, contentTopInset, contentSideInset,
        nowPlaying.miniPlayerVisible ? contentInsetWithPlayer : contentInsetWithoutPlayer);
    showNowPlayingLines(m_railLines, nowPlaying);
    // The Player panel follows the player like the others: its name, song and state always belong
    // to the same station.
    if (m_playerPanel) {
        showPlayerPanelTexts(*m_playerPanel, playerPanelTexts(m_session.currentStation()));
    }
    showArtwork();
    showNowPlayingLines(m_panelLines, nowPlaying);
    if (m_panelVolume) {
        m_panelVolume->showVolume(nowPlaying.volume, nowPlaying.muted);
    }
    for (TransportControls* transport : {m_railTransport.data(), m_panelTransport.data()}) {
        if (transport != nullptr) {
            transport->showPhase(nowPlaying.phase);
        }
    }
    m_nowPlaying = nowPlaying;
}

void MainView::renderSidebar()
{
    m_focus->remember(m_sidebar, nullptr);
    m_sidebar->render();
    m_focus->restore(m_sidebar, nullptr);
}

void MainView::detachPersistentViews()
{
    for (QWidget* view : {static_cast<QWidget*>(m_search), static_cast<QWidget*>(m_playerHero),
             static_cast<QWidget*>(m_railTitle), static_cast<QWidget*>(m_railMeta)}) {
        if (view->parentWidget() != this) {
            view->hide();
            view->setParent(this);
        }
    }
}

void MainView::discardContent()
{
    // The list reads stations that the next catalog replaces: it lets go of them before anything
    // else can make it build a row.
    m_focus->remember(m_contentStack, m_stationList);
    if (m_stationList) {
        m_stationList->retire();
        m_stationList.clear();
    }
    detachPersistentViews();
    // Everything but the trailing stretch.
    while (m_contentLayout->count() > 1) {
        QLayoutItem* item = m_contentLayout->takeAt(0);
        if (QWidget* widget = item->widget()) {
            discard(widget);
        }
        delete item;
    }
}

void MainView::clearContent()
{
    discardContent();
}

void MainView::appendContent(QWidget* item)
{
    m_contentLayout->insertWidget(m_contentLayout->count() - 1, item);
    item->show();
}

void MainView::syncContentGeometry()
{
    m_contentLayout->activate();
    QEvent layoutRequest(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_contentScroll, &layoutRequest);
}

void MainView::render(bool resetScroll)
{
    const QPoint origin(m_contentScroll->horizontalScrollBar()->value(), m_contentScroll->verticalScrollBar()->value());
    discardContent();

    appendContent(makeTopBar());
    appendStatusPanel();

    // One evaluation per render: on Library with a search this is the whole filtered catalog.
    std::vector<const Station*> stations = m_browser.filteredStations();
    stations.resize(m_browser.rowsShownNow(stations.size()));
    switch (m_browser.screen()) {
    case Screen::Home:
        appendContent(makeHomeHeroRow());
        appendContent(makeSectionTitle(tr("Top Stations")));
        break;
    case Screen::Browse:
        appendContent(makeSectionTitle(tr("Browse")));
        appendContent(new FacetPicker(m_browser.browseScope()));
        appendContent(makeSectionTitle(tr("Browse Stations")));
        break;
    case Screen::Library:
        appendContent(makeLibraryTitle(m_browser, m_session, *this));
        appendContent(makeChipRow(m_browser));
        break;
    case Screen::Player:
        appendContent(makePlayerScreenPanel());
        appendContent(makeSectionTitle(tr("Up Next")));
        break;
    }
    if (m_browser.screen() == Screen::Library && m_browser.mode() == ListMode::Songs) {
        appendContent(makeSongList());
    } else {
        appendContent(makeStationList(std::move(stations)));
    }

    syncContentGeometry();
    const QPoint target = resetScroll ? QPoint(0, 0) : origin;
    m_contentScroll->horizontalScrollBar()->setValue(target.x());
    m_contentScroll->verticalScrollBar()->setValue(target.y());
    if (m_stationList) {
        m_stationList->startTracking();
    }
    m_focus->restoreSearch();
    m_focus->restore(m_contentStack, m_stationList);
}

QWidget* MainView::makeHomeHeroRow()
{
    m_railLines = makeNowPlayingLines(14, 12, true);
    showNowPlayingLines(m_railLines, m_nowPlaying);
    m_railTransport = new TransportControls(m_session);
    m_heroRow = makeHeroRow(m_playerHero, m_railTitle, m_railMeta, m_railLines, m_fallbackImage, m_railTransport);
    showArtwork();
    return m_heroRow;
}

Panel* MainView::makePlayerScreenPanel()
{
    m_panelLines = makeNowPlayingLines(17, 14, true);
    m_panelVolume = makeVolumeControl(m_session);
    m_panelTransport = new TransportControls(m_session);
    m_playerPanel = makePlayerPanel(playerPanelTexts(m_session.currentStation()), m_panelLines, m_fallbackImage,
        withRecordControl(m_panelTransport, m_session), withOutputPicker(m_session, m_panelVolume));
    showNowPlayingLines(m_panelLines, m_nowPlaying);
    showArtwork();
    return m_playerPanel;
}

void MainView::showArtwork()
{
    for (QWidget* view : {m_heroRow.data(), static_cast<QWidget*>(m_playerPanel.data())}) {
        if (view != nullptr) {
            showStationArtwork(*view, m_session.currentStation(), m_artwork, m_fallbackImage);
        }
    }
}

void MainView::appendStatusPanel()
{
    const Text& status = m_browser.statusMessage();
    if (status.empty()) {
        m_statusPanel.clear();
        return;
    }
    std::function<void()> onTryAgain;
    if (m_browser.offersRetry()) {
        onTryAgain = [this] { m_browser.reloadStations(); };
    }
    m_statusPanel = makeStatusPanel(translated(status), m_browser.loadProgress(), onTryAgain);
    appendContent(m_statusPanel);
}

void MainView::showLoadProgress(const LoadProgress& progress)
{
    if (m_statusPanel) {
        showStatusProgress(m_statusPanel, progress);
    }
}

void MainView::showNotice(const Text& notice)
{
    if (m_notice) {
        m_notice->setText(m_notice->text() + QStringLiteral("\n\n") + translated(notice));
        return;
    }
    m_notice = new QMessageBox(QMessageBox::Information,
        QCoreApplication::translate("Vello::MainWindow", "Pemba Vello"), translated(notice), QMessageBox::Ok, this);
    m_notice->setAttribute(Qt::WA_DeleteOnClose);
    m_notice->open();
}

QWidget* MainView::makeTopBar()
{
    auto* bar = new Panel(16, QColor::fromRgbF(0.052F, 0.06F, 0.07F, 0.98F), velloBorder());
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setFixedHeight(topBarHeight);
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(18, 0, 18, 0);
    layout->addWidget(m_search, 1, Qt::AlignVCenter);
    m_search->show();
    return bar;
}

QWidget* MainView::makeStationList(std::vector<const Station*> stations)
{
    // While a status explains why a list is empty, the list itself says nothing.
    QString emptyText;
    if (m_browser.screen() == Screen::Library && m_browser.mode() == ListMode::Own) {
        emptyText = tr("No stations of your own yet. Add one by its address with Add Station…");
    } else if (m_browser.statusMessage().empty()) {
        emptyText = tr("No stations here yet.");
    }
    auto* list = new StationList(
        std::move(stations),
        [this](const Station& station, QWidget* parent) { return makeStationRow(station, parent); }, *m_contentScroll,
        emptyText);
    list->setObjectName(QStringLiteral("stationList"));
    m_stationList = list;
    return list;
}

QWidget* MainView::makeSongList()
{
    // A copy: the rows are built as the person scrolls, and the songs heard change meanwhile.
    auto songs = std::make_shared<const std::vector<SongHistory::Entry>>(
        m_session.songsHeard().begin(), m_session.songsHeard().end());
    auto* list = new StationList(
        songs->size(),
        [this, songs](std::size_t index, QWidget* parent) {
            const SongHistory::Entry& song = (*songs)[index];
            auto* row = new SongRow(song, parent);
            if (const auto kept = m_session.recorder().keptSong(song.title, song.stationId, song.heard)) {
                row->offerSave(m_session, *kept);
            }
            return row;
        },
        [songs](std::size_t index) {
            const SongHistory::Entry& song = (*songs)[index];
            return std::to_string(song.heard.time_since_epoch().count()) + '\n' + song.stationId + '\n' + song.title;
        },
        *m_contentScroll, tr("No songs heard yet. Titles the stations send appear here."));
    list->setObjectName(QStringLiteral("songList"));
    m_stationList = list;
    return list;
}

QWidget* MainView::makeStationRow(const Station& station, QWidget* parent)
{
    auto* row = new StationRow(station, m_fallbackImage, m_browser.isFavorite(station), m_artwork, parent);
    // Playing leaves the list as it is; a favourite changes every row's heart, so it rebuilds.
    row->setOnPlay([this](const Station& chosen) { m_session.play(chosen); });
    // Resting on the play button opens the station early, so that the click sounds at once.
    connect(row->playButton(), &VelloButton::restingChanged, row,
        [this, row](bool resting) { resting ? m_session.restOn(row->station()) : m_session.endRest(); });
    row->setOnFavorite([this](const Station& chosen) { m_browser.toggleFavorite(chosen); });
    if (OwnStations::isOwnId(station.id())) {
        row->setOnEdit([this](const Station& chosen) { editOwnStation(this, m_browser, &chosen); });
    }
    return row;
}

} // namespace Vello
