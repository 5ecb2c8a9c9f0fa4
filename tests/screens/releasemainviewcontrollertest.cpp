#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/panelview.h"
#include "widgets/arcspinner.h"
#include "widgets/elidedlabel.h"
#include "widgets/searchpillview.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/stationpagingscrollview.h"
#include "widgets/vellobutton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace Vello {
namespace {

using Outline = std::vector<std::string>;

TEST(ReleaseMainViewController, EveryScreenListsItsItemsInOrderWithAndWithoutAStatus)
{
    WindowHarness h;
    // Before the catalog: every screen carries the loading status, and its empty list keeps quiet.
    const std::string loading = "status:Loading stations...";
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", loading, "hero", "title:Top Stations", "list:0"}));
    h.clickSidebar(QStringLiteral("Library"));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", loading, "title:Your Library", "chips", "list:0"}));
    h.clickSidebar(QStringLiteral("Browse"));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", loading, "title:Discover", "title:Browse Stations", "list:0"}));

    h.deliver(makeStations(30));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", "title:Discover", "title:Browse Stations", "list:30"}));
    h.clickSidebar(QStringLiteral("Home"));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", "hero", "title:Top Stations", "list:18"}));
    h.clickSidebar(QStringLiteral("Player"));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", "player", "title:Up Next", "list:12"}));
    h.clickSidebar(QStringLiteral("Library"));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", "title:Your Library", "chips", "list:0:No stations here yet."}));

    // A failed download: the message replaces the empty-list text everywhere.
    WindowHarness failed;
    failed.source.answer(Error {"Gone."});
    failed.settle();
    EXPECT_EQ(failed.contentOutline(),
        (Outline {"topBar", "status:Unable to load stations: Gone.", "hero", "title:Top Stations", "list:0"}));
}

TEST(ReleaseMainViewController, SidebarMarksTheCurrentScreenAndIgnoresASwitchToIt)
{
    WindowHarness h;
    h.deliver(makeStations(200));
    // The visible items' titles, the active one in brackets.
    auto marked = [&] {
        Outline titles;
        for (SidebarNavButton* button : h.window->sidebar()->findChildren<SidebarNavButton*>()) {
            if (button->isVisible()) {
                const std::string title = button->accessibleName().toStdString();
                titles.push_back(button->isActive() ? "[" + title + "]" : title);
                EXPECT_EQ(button->width(), 198);
            }
        }
        return titles;
    };
    EXPECT_EQ(marked(), (Outline {"[Home]", "Browse", "Library", "Player"}));
    h.clickSidebar(QStringLiteral("Browse"));
    EXPECT_EQ(marked(), (Outline {"Home", "[Browse]", "Library", "Player"}));

    h.scrollTo(900);
    const auto before = h.window->contentItems();
    h.clickSidebar(QStringLiteral("Browse"));
    EXPECT_EQ(h.window->contentItems(), before);
    EXPECT_EQ(h.scrollY(), 900);
    EXPECT_EQ(h.queue.pendingCount(), 0U);

    // Another screen: the content empties at once and the new one starts at the top.
    click(h.buttons(QStringLiteral("Library")).front());
    EXPECT_TRUE(h.window->contentItems().empty());
    EXPECT_EQ(h.window->stationList(), nullptr);
    h.settle();
    EXPECT_EQ(h.contentOutline().front(), "topBar");
    EXPECT_EQ(h.scrollY(), 0);
}

TEST(ReleaseMainViewController, ChipsChooseTheLibraryListAndReturnToTheTop)
{
    WindowHarness h;
    h.deliver(makeStations(100));
    h.clickSidebar(QStringLiteral("Library"));
    ASSERT_EQ(h.buttons(QStringLiteral("Favorites")).size(), 1U);
    h.tap(QStringLiteral("Top Stations"));
    EXPECT_EQ(h.contentOutline().back(), "list:100");
    h.scrollTo(2000);

    h.tap(QStringLiteral("Play Station 30"));
    h.tap(QStringLiteral("Recent"));
    EXPECT_EQ(h.rowNames(), (Outline {"Station 30"}));
    EXPECT_EQ(h.scrollY(), 0);
}

TEST(ReleaseMainViewController, DiscoverPagingKeepsTheRowsOnScreenWhereTheyWere)
{
    WindowHarness h;
    h.deliver(makeStations(200));
    h.clickSidebar(QStringLiteral("Browse"));
    ASSERT_EQ(h.contentOutline().back(), "list:40");

    // The search field keeps its focus through the rebuild without pulling the content up.
    QApplication::setActiveWindow(h.window.get());
    h.window->search()->textField()->setFocus();
    h.scrollTo(1 << 20);
    const int origin = h.scrollY();
    ASSERT_GT(origin, 0);
    const auto rowsBefore = h.rowNames();

    // A wheel turn near the end asks for the next page on the next turn of the loop.
    turnWheel(h, -1);
    QCoreApplication::processEvents();
    h.settle();

    EXPECT_EQ(h.contentOutline().back(), "list:80");
    EXPECT_EQ(h.scrollY(), origin);
    EXPECT_TRUE(h.window->search()->textField()->hasFocus());
    const auto rowsAfter = h.rowNames();
    ASSERT_FALSE(rowsBefore.empty());
    EXPECT_NE(std::find(rowsAfter.begin(), rowsAfter.end(), rowsBefore.back()), rowsAfter.end());
}

TEST(ReleaseMainViewController, AFavouriteToggleRebuildsEveryRowAndScrollsToTheTop)
{
    WindowHarness h;
    h.deliver(makeStations(60));
    h.clickSidebar(QStringLiteral("Browse"));
    h.scrollTo(1500);
    h.tap(QStringLiteral("Add Station 20 to favourites"));
    EXPECT_EQ(h.scrollY(), 0);
    h.scrollTo(1500);
    EXPECT_EQ(h.buttons(QStringLiteral("Remove Station 20 from favourites")).size(), 1U);

    h.clickSidebar(QStringLiteral("Library"));
    EXPECT_EQ(h.rowNames(), (Outline {"Station 20"}));
}

// Under AddressSanitizer a row that outlived its station would fail at the end as it paints.
TEST(ReleaseMainViewController, TheMiniPlayerAppearsWithAStationOpensThePlayerAndOutlivesTheCatalog)
{
    WindowHarness h;
    PanelView* mini = h.window->miniPlayerPanel();
    const auto* layout = static_cast<QVBoxLayout*>(h.window->contentStack()->layout());
    EXPECT_FALSE(mini->isVisible());
    EXPECT_EQ(layout->contentsMargins().bottom(), 120);

    h.deliver(makeStations(300));
    h.tap(QStringLiteral("Play Station 3"));
    EXPECT_TRUE(mini->isVisible());
    EXPECT_EQ(h.window->miniTitle()->text(), QStringLiteral("Station 3"));
    EXPECT_EQ(layout->contentsMargins(), QMargins(26, 22, 26, 120));
    EXPECT_EQ(mini->geometry(), QRect(240, 760 - 18 - 76, 1180 - 220 - 40, 76));

    h.window->resize(1400, 900);
    EXPECT_EQ(mini->geometry(), QRect(240, 900 - 18 - 76, 1400 - 220 - 40, 76));
    EXPECT_EQ(h.window->sidebar()->width(), 220);

    // The title is part of the panel's empty area; the buttons are not.
    h.tap(QStringLiteral("Pause"), true);
    EXPECT_EQ(h.window->browser().screen(), Screen::Home);
    click(const_cast<ElidedLabel*>(h.window->miniTitle()));
    h.settle();
    EXPECT_EQ(h.window->browser().screen(), Screen::Player);

    h.clickSidebar(QStringLiteral("Browse"));
    h.scrollTo(1500);

    std::vector<Station> next = makeStations(300);
    for (Station& station : next) {
        station.name = "New " + *station.name;
    }
    h.deliver(std::move(next));
    h.window->grab();
    h.scrollTo(3000);
    h.window->grab();
    EXPECT_EQ(h.window->miniTitle()->text(), QStringLiteral("Station 3"));
    EXPECT_TRUE(mini->isVisible());
    EXPECT_EQ(h.rowNames().front().substr(0, 4), "New ");
}

TEST(ReleaseMainViewController, OnlyAWebAddressPlaysAndItPlaysEncoded)
{
    struct Case {
        std::optional<std::string> address;
        std::string opened;
    };
    const Case cases[] = {
        {std::nullopt, ""},
        {"file:///etc/passwd", ""},
        {"http://radio.köln.de/ström.mp3", "http://radio.xn--kln-sna.de/str%C3%B6m.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.value_or("none"));
        WindowHarness h;
        Station station = makeStation("x", "Station");
        station.url = c.address;
        station.url_resolved = c.address;
        h.deliver({station});
        h.tap(QStringLiteral("Play Station"));
        EXPECT_EQ(h.window->miniPlayerPanel()->isVisible(), !c.opened.empty());
        EXPECT_EQ(h.window->contentStack()->layout()->contentsMargins().bottom(), c.opened.empty() ? 28 : 120);
        EXPECT_EQ(h.media.players.empty() ? std::string() : h.media.players.back()->url, c.opened);
    }
}

TEST(ReleaseMainViewController, TransportButtonsSendTheSameCommandsFromEveryRow)
{
    WindowHarness h;
    h.deliver(makeStations(5));
    // The mini player's row and the Home card's row.
    const auto plays = h.buttons(QStringLiteral("Play"));
    ASSERT_EQ(plays.size(), 1U) << "the mini player is hidden until a station is current";
    for (const char16_t* name : {u"Previous", u"Play", u"Pause", u"Next"}) {
        for (QAbstractButton* button : h.buttons(QString::fromUtf16(name))) {
            EXPECT_EQ(button->size(), QSize(38, 38));
            EXPECT_EQ(button->toolTip(), QString::fromUtf16(name));
            EXPECT_EQ(static_cast<VelloButton*>(button)->cornerRadius(), 19);
        }
    }
    EXPECT_EQ(static_cast<VelloButton*>(plays.front())->symbolName(), QStringLiteral("play.fill"));

    h.tap(QStringLiteral("Play"));
    EXPECT_EQ(h.window->browser().currentStation()->id(), "s0");
    ASSERT_EQ(h.buttons(QStringLiteral("Next")).size(), 2U);
    h.tap(QStringLiteral("Next"), true);
    EXPECT_EQ(h.window->browser().currentStation()->id(), "s1");
    h.tap(QStringLiteral("Next"));
    EXPECT_EQ(h.window->browser().currentStation()->id(), "s2");
    h.tap(QStringLiteral("Previous"), true);
    EXPECT_EQ(h.window->browser().currentStation()->id(), "s1");

    h.clickSidebar(QStringLiteral("Player"));
    const auto pauses = h.buttons(QStringLiteral("Pause"));
    ASSERT_EQ(pauses.size(), 2U);
    for (QAbstractButton* pause : pauses) {
        click(pause);
    }
    const auto& calls = h.media.players.back()->calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "pause"), 2);
}

TEST(ReleaseMainViewController, PlayerScreenShowsTheStationCurrentWhenItWasBuilt)
{
    WindowHarness h;
    Station station = makeStation("k", "Kathmandu FM", std::string(" Nepal "), std::string("folk, news"));
    h.deliver({station, makeStation("j", "Jazz Lounge")});
    h.clickSidebar(QStringLiteral("Player"));
    auto texts = [&] {
        std::vector<std::string> shown;
        for (const char* name : {"playerTitle", "playerSubtitle"}) {
            shown.push_back(h.window->findChild<QLabel*>(QString::fromLatin1(name))->text().toStdString());
        }
        for (PanelView* badge : h.window->contentStack()->findChildren<PanelView*>(QStringLiteral("badge"))) {
            shown.push_back(badge->findChild<QLabel*>()->text().toStdString());
        }
        return shown;
    };
    h.tap(QStringLiteral("Play Kathmandu FM"));
    EXPECT_EQ(texts().front(), "") << "the panel is a snapshot until the next render";
    h.clickSidebar(QStringLiteral("Home"));
    h.clickSidebar(QStringLiteral("Player"));
    EXPECT_EQ(texts(), (Outline {"Kathmandu FM", station.subtitle(), " Nepal ", "folk"}));
}

TEST(ReleaseMainViewController, ALongCountryIsCutInsideThePlayerPanelAtTheMinimumWidth)
{
    WindowHarness h;
    h.window->resize(920, 760);
    const std::string country = "The United Kingdom Of Great Britain And Northern Ireland";
    h.deliver({makeStation("uk", "Long Wave", country, country + " folk"),
        makeStation("jp", "東京ジャズ FM 🎷", std::string("Japan"), std::string("jazz")),
        makeStation("kr", "서울 인디 🎸 Radio", std::string("South Korea"), std::string("indie")),
        makeStation("cn", "上海古典音乐 🎻", std::string("China"), std::string("classical")),
        makeStation("em", "🌊 Ocean Waves 🌙", std::string("Portugal"), std::string("ambient"))});
    h.saveShot(QStringLiteral("station-names-cjk-emoji"));
    h.tap(QStringLiteral("Play Long Wave"));
    h.clickSidebar(QStringLiteral("Player"));
    h.saveShot(QStringLiteral("player-long-country-minimum-width"));

    const QWidget* viewport = h.window->contentScroll()->viewport();
    EXPECT_EQ(h.window->contentStack()->width(), viewport->width());
    const auto* panel = h.window->contentStack()->findChild<PanelView*>(QStringLiteral("playerPanel"));
    EXPECT_EQ(panel->width(), viewport->width() - 2 * 26);
    const auto badges = panel->findChildren<PanelView*>(QStringLiteral("badge"));
    ASSERT_EQ(badges.size(), 2U);
    for (const PanelView* badge : badges) {
        EXPECT_LE(badge->mapTo(panel, QPoint(badge->width(), 0)).x(), panel->width() - 34);
        EXPECT_TRUE(badge->findChild<ElidedLabel*>()->displayedText().endsWith(u'…'));
    }
    for (QAbstractButton* button : h.window->contentStack()->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            EXPECT_LE(button->mapTo(viewport, QPoint(button->width(), 0)).x(), viewport->width())
                << button->accessibleName().toStdString();
        }
    }
    QApplication::setActiveWindow(h.window.get());
    panel->findChildren<QAbstractButton*>().at(1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Play"));
    h.saveShot(QStringLiteral("focused-play-button"));
}

TEST(ReleaseMainViewController, TypedSearchTextAndFocusSurviveEveryRender)
{
    WindowHarness h;
    h.deliver({makeStation("a", "Alpha Jazz"), makeStation("b", "Beta Rock"), makeStation("c", "Gamma Jazz")});
    h.clickSidebar(QStringLiteral("Library"));
    QLineEdit* field = h.window->search()->textField();
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Search"));
    QApplication::setActiveWindow(h.window.get());
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    field->insert(QStringLiteral("jazz"));
    Q_EMIT field->textEdited(field->text());
    EXPECT_TRUE(h.window->search()->spinner()->isVisible());

    h.queue.advance(BrowserController::searchDebounce);
    h.settle();
    EXPECT_EQ(h.rowNames(), (Outline {"Alpha Jazz", "Gamma Jazz"}));
    EXPECT_EQ(field->text(), QStringLiteral("jazz"));
    EXPECT_EQ(field->cursorPosition(), 4);
    EXPECT_FALSE(h.window->search()->spinner()->isVisible());
    EXPECT_EQ(h.window->search()->parentWidget(), h.window->contentItems().front());
    EXPECT_TRUE(field->hasFocus());
}

TEST(ReleaseMainViewController, TheKeyboardKeepsItsPlaceThroughRebuildsAndStaysInSight)
{
    WindowHarness h;
    h.deliver(makeStations(60));
    QApplication::setActiveWindow(h.window.get());

    // Space on a sidebar item, then on a heart, rebuilds: the new item of that screen or station keeps the focus.
    for (const auto& [pressed, focused] : {std::pair {u"Browse", u"Browse"},
             std::pair {u"Add Station 4 to favourites", u"Remove Station 4 from favourites"}}) {
        h.buttons(QString::fromUtf16(pressed)).front()->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Space);
        h.settle();
        EXPECT_EQ(QApplication::focusWidget(), h.buttons(QString::fromUtf16(focused)).front());
        EXPECT_EQ(h.window->browser().screen(), Screen::Discover);
    }

    // With the mini player up, a control reached by the keyboard is scrolled clear of it.
    h.tap(QStringLiteral("Play Station 0"));
    PanelView* mini = h.window->miniPlayerPanel();
    ASSERT_TRUE(mini->isVisible());
    h.buttons(QStringLiteral("Play Station 2")).front()->setFocus(Qt::TabFocusReason);
    for (int row = 0; row < 8; ++row) {
        pressKey(Qt::Key_Down);
        QWidget* focused = QApplication::focusWidget();
        const int bottom = focused->mapTo(h.window.get(), QPoint(0, focused->height())).y();
        EXPECT_LE(bottom, mini->y()) << "row " << row;
        EXPECT_GE(focused->mapTo(h.window.get(), QPoint(0, 0)).y(), 0);
    }

    // The mini player is a button for the keyboard and for assistive tools.
    EXPECT_TRUE(mini->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mini)->role(), QAccessible::Button);
    mini->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    h.settle();
    EXPECT_EQ(h.window->browser().screen(), Screen::Player);
}

} // namespace
} // namespace Vello
