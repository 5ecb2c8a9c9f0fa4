#include "windowharness.h"

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// Every row slot the viewport shows has its row, and the focus is on a control of a row in view.
void expectRowsCoverTheViewport(const WindowHarness& h)
{
    StationList* list = h.window->stationList();
    QWidget* viewport = h.window->contentScroll()->viewport();
    const int top = list->mapFrom(viewport, QPoint(0, 0)).y();
    const int bottom = std::min(top + viewport->height(), list->height());
    for (int y = std::max(0, top); y < bottom; y += 86) {
        const auto index = static_cast<std::size_t>(y / 86);
        const auto row = list->liveRows().find(index);
        ASSERT_NE(row, list->liveRows().end()) << "no row " << index << " at scroll " << h.scrollY();
        EXPECT_TRUE(row->second->isVisible());
    }
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_TRUE(list->isAncestorOf(focused));
    const int focusedY = focused->mapTo(viewport, QPoint(0, 0)).y();
    EXPECT_GE(focusedY, -86);
    EXPECT_LE(focusedY, viewport->height());
}

TEST(StationList, AWholeCatalogBuildsOnlyTheRowsNearTheVisiblePartWhereverKeysAndWheelGo)
{
    WindowHarness h;
    std::vector<Station> stations = makeStations(50'000);
    for (std::size_t i = 0; i < stations.size(); ++i) {
        StationFields fields = stations[i].fields();
        fields.favicon = "http://logos.test/" + std::to_string(i) + ".png";
        stations[i] = fields;
    }
    h.deliver(std::move(stations));
    h.tap(u"Library"_s);
    h.tap(u"Top Stations"_s);

    StationList* list = h.window->stationList();
    EXPECT_EQ(list->height(), 50'000 * 86 - 8);
    EXPECT_GE(list->liveRows().size(), 8U);
    EXPECT_LE(list->liveRows().size(), 40U);
    EXPECT_LE(h.http.requestedUrls().size(), 40U);

    // Far down: the rows there, at the places they would have in a fully built list.
    const int listTop = list->mapTo(h.window->contentStack(), QPoint(0, 0)).y();
    h.scrollTo(listTop + 30'000 * 86);
    EXPECT_EQ(h.window->findChildren<StationRow*>().size(), list->liveRows().size());
    EXPECT_LE(h.artwork.downloadsInFlight() + static_cast<int>(h.artwork.downloadsQueued()), 40);
    EXPECT_TRUE(list->liveRows().contains(30'000));
    for (const auto& [index, row] : list->liveRows()) {
        EXPECT_EQ(static_cast<StationRow*>(row)->station().displayName(), "Station " + std::to_string(index));
        EXPECT_EQ(row->geometry(), StationList::rowRect(index, list->width()));
        EXPECT_GE(index + 5, 30'000U);
        EXPECT_LE(index, 30'015U);
    }

    h.scrollTo(0);
    QApplication::setActiveWindow(h.window.get());
    h.buttons(u"Play Station 1"_s).front()->setFocus(Qt::TabFocusReason);
    // Down and Up keep the focus on the same control of the next row.
    pressKey(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), h.buttons(u"Play Station 2"_s).front());
    pressKey(Qt::Key_Up);
    pressKey(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), h.buttons(u"Play Station 0"_s).front());

    // Twelve pages down, then thirty notches of the wheel: each step moves on, whatever has the focus.
    for (int step = 0; step < 42; ++step) {
        const int before = h.scrollY();
        step < 12 ? pressKey(Qt::Key_PageDown) : h.turnWheel(-1);
        h.settle();
        EXPECT_GT(h.scrollY(), before) << "step " << step;
        expectRowsCoverTheViewport(h);
    }
    pressKey(Qt::Key_End);
    h.settle();
    expectRowsCoverTheViewport(h);
    EXPECT_EQ(h.rowNames().back(), "Station 49999");
    pressKey(Qt::Key_Home);
    h.settle();
    EXPECT_EQ(h.scrollY(), 0);
    expectRowsCoverTheViewport(h);
}

} // namespace
} // namespace Vello
