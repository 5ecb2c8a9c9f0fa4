#include "windowharness.h"

#include "screens/stationlistview.h"
#include "widgets/releasestationrowview.h"
#include "widgets/stationpagingscrollview.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace Vello {
namespace {

std::vector<Station> stationsWithLogos(std::size_t count)
{
    std::vector<Station> stations = makeStations(count);
    for (std::size_t i = 0; i < stations.size(); ++i) {
        stations[i].favicon = "http://logos.test/" + std::to_string(i) + ".png";
    }
    return stations;
}

std::size_t logoLoads(const WindowHarness& h)
{
    return static_cast<std::size_t>(h.artwork.downloadsInFlight()) + h.artwork.downloadsQueued();
}

TEST(StationListView, AWholeCatalogBuildsOnlyTheRowsNearTheVisiblePart)
{
    WindowHarness h;
    h.deliver(stationsWithLogos(50'000));
    h.clickSidebar(QStringLiteral("Library"));
    click(h.buttons(QStringLiteral("Top Stations")).front());
    h.settle();

    StationListView* list = h.window->stationList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->stationCount(), 50'000U);
    EXPECT_EQ(list->height(), 50'000 * 86 - 8);
    EXPECT_GE(list->liveRows().size(), 8U);
    EXPECT_LE(list->liveRows().size(), 40U);
    EXPECT_LE(h.http.requestedUrls().size(), 40U);
    EXPECT_LE(logoLoads(h), 40U);
    EXPECT_EQ(h.rowNames().front(), "Station 0");

    // Far down: the rows there, at the places they would have in a fully built list.
    const int listTop = list->mapTo(h.window->contentStack(), QPoint(0, 0)).y();
    h.scrollTo(listTop + 30'000 * 86);
    ASSERT_EQ(h.scrollY(), listTop + 30'000 * 86);
    EXPECT_LE(list->liveRows().size(), 40U);
    EXPECT_EQ(h.window->findChildren<ReleaseStationRowView*>().size(), list->liveRows().size());
    EXPECT_LE(logoLoads(h), 40U);
    bool sawTopRow = false;
    for (const auto& [index, row] : list->liveRows()) {
        const auto* stationRow = static_cast<ReleaseStationRowView*>(row);
        EXPECT_EQ(stationRow->station().displayName(), "Station " + std::to_string(index));
        EXPECT_EQ(row->geometry(), StationListView::rowRect(index, list->width()));
        EXPECT_GE(index + 5, 30'000U);
        EXPECT_LE(index, 30'015U);
        sawTopRow = sawTopRow || index == 30'000;
    }
    EXPECT_TRUE(sawTopRow);

    // The rows follow the width of the window.
    h.window->resize(1400, 760);
    for (const auto& [index, row] : list->liveRows()) {
        EXPECT_EQ(row->width(), list->width());
    }
}

TEST(StationListView, ATallerViewportShowsMoreRowsWithoutScrolling)
{
    WindowHarness h;
    h.deliver(makeStations(300));
    h.clickSidebar(QStringLiteral("Browse"));
    const std::size_t shortRows = h.window->stationList()->liveRows().size();
    h.window->resize(1180, 1400);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_GT(h.window->stationList()->liveRows().size(), shortRows);
    EXPECT_LE(h.window->stationList()->liveRows().size(), 40U);
}

TEST(StationListView, AnEmptyListIsEitherSilentOrSaysSo)
{
    WindowHarness h;
    StationPagingScrollView& area = *h.window->contentScroll();
    auto never = [](const Station&, QWidget*) -> QWidget* {
        ADD_FAILURE() << "an empty list builds no rows";
        return nullptr;
    };
    StationListView silent({}, never, area);
    EXPECT_EQ(silent.height(), 0);
    EXPECT_EQ(silent.emptyLabel(), nullptr);

    StationListView explained({}, never, area, QStringLiteral("No stations here yet."));
    ASSERT_NE(explained.emptyLabel(), nullptr);
    EXPECT_GT(explained.height(), 0);
    explained.startTracking();
}

TEST(StationListView, ARetiredListBuildsNothingMore)
{
    WindowHarness h;
    std::vector<Station> stations = makeStations(100);
    std::vector<const Station*> pointers;
    for (const Station& station : stations) {
        pointers.push_back(&station);
    }
    int built = 0;
    StationListView list(
        pointers,
        [&](const Station&, QWidget* parent) {
            ++built;
            return new QWidget(parent);
        },
        *h.window->contentScroll());
    list.startTracking();
    EXPECT_GT(built, 0);
    EXPECT_LE(built, 40);
    const int before = built;
    list.retire();
    stations.clear();
    list.resize(800, list.height());
    list.updateVisibleRows();
    EXPECT_EQ(built, before);
}

} // namespace
} // namespace Vello
