#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/miniplayer.h"
#include "screens/sectionbuilders.h"
#include "screens/sidebar.h"
#include "widgets/arcspinner.h"
#include "widgets/elidedlabel.h"
#include "widgets/searchfield.h"
#include "widgets/sidebarnavbutton.h"

#include <QAccessible>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;
using Outline = std::vector<std::string>;

TEST(MainView, EveryScreenListsItsItemsInOrderAndTheKeyboardKeepsItsPlaceInIt)
{
    WindowHarness h;
    const auto show = [&h](const QString& screen, const Outline& outline) {
        SCOPED_TRACE(screen.toStdString());
        h.tap(screen);
        EXPECT_EQ(h.contentOutline(), outline);
        for (SidebarNavButton* button : h.window->sidebar()->findChildren<SidebarNavButton*>()) {
            EXPECT_EQ(button->isActive(), button->accessibleName() == screen);
        }
    };
    // Before the catalog: every screen carries the loading status, and its empty list keeps quiet.
    const std::string loading = "status:Loading stations...";
    show(u"Home"_s, {"topBar", loading, "heroRow", "title:Top Stations", "list:0"});
    show(u"Library"_s, {"topBar", loading, "title:Your Library", "chipRow", "list:0"});
    show(u"Browse"_s, {"topBar", loading, "title:Discover", "title:Browse Stations", "list:0"});
    h.deliver(makeStations(30));
    EXPECT_EQ(h.contentOutline(), (Outline {"topBar", "title:Discover", "title:Browse Stations", "list:30"}));
    show(u"Home"_s, {"topBar", "heroRow", "title:Top Stations", "list:18"});
    show(u"Player"_s, {"topBar", "playerPanel", "title:Up Next", "list:12"});
    show(u"Library"_s, {"topBar", "title:Your Library", "chipRow", "list:0:No stations here yet."});
    // The chips choose the list, and a new list starts at the top.
    h.tap(u"Top Stations"_s);
    EXPECT_EQ(h.contentOutline().back(), "list:30");
    h.scrollTo(1000);
    h.tap(u"Play Station 20"_s);
    h.tap(u"Recent"_s);
    EXPECT_EQ(h.rowNames(), (Outline {"Station 20"}));
    EXPECT_EQ(h.scrollY(), 0);

    QApplication::setActiveWindow(h.window.get());

    // Space on a sidebar item, then on a heart, rebuilds: the new item of that screen or station keeps the focus.
    for (const auto& [pressed, focused] : {std::pair {u"Browse"_s, u"Browse"_s},
             std::pair {u"Add Station 4 to favourites"_s, u"Remove Station 4 from favourites"_s}}) {
        h.buttons(pressed).front()->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Space);
        h.settle();
        EXPECT_EQ(QApplication::focusWidget(), h.buttons(focused).front());
    }
    EXPECT_EQ(h.window->browser().screen(), Screen::Discover);

    // With the mini player up, a control reached by the keyboard is scrolled clear of it.
    Panel* mini = h.window->miniPlayer();
    ASSERT_TRUE(mini->isVisible());
    h.buttons(u"Play Station 2"_s).front()->setFocus(Qt::TabFocusReason);
    for (int row = 0; row < 8; ++row) {
        pressKey(Qt::Key_Down);
        const QWidget* focused = QApplication::focusWidget();
        EXPECT_LE(focused->mapTo(h.window.get(), QPoint(0, focused->height())).y(), mini->y()) << "row " << row;
    }

    // The mini player is a button for the keyboard and for assistive tools.
    EXPECT_TRUE(mini->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mini)->role(), QAccessible::Button);
    mini->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    h.settle();
    EXPECT_EQ(h.window->browser().screen(), Screen::Player);

    // A failed download with nothing to show offers to try again.
    WindowHarness failed;
    failed.source.answer(Error {"Gone."});
    failed.settle();
    EXPECT_EQ(failed.contentOutline().at(1), "status:Unable to load stations: Gone.");
    failed.tap(u"Try Again"_s);
    EXPECT_EQ(failed.source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now}));
}

TEST(MainView, TypedSearchesPageByWheelAndKeysKeepingTheTextRowsAndFocus)
{
    WindowHarness h;
    h.deliver(makeStations(1200));
    h.tap(u"Browse"_s);
    QLineEdit* field = h.window->search()->textField();
    QApplication::setActiveWindow(h.window.get());
    field->setFocus();
    field->insert(u"station 1"_s);
    Q_EMIT field->textEdited(field->text());
    EXPECT_TRUE(h.window->search()->spinner()->isVisible());
    h.queue.advance(BrowserController::searchDebounce);
    h.settle();
    EXPECT_FALSE(h.window->search()->spinner()->isVisible());
    // Every render keeps the field, its text, its cursor and its focus, and the content where it was.
    const auto nextPage = [&h, field] {
        QCoreApplication::processEvents();
        h.settle();
        EXPECT_EQ(std::pair(field->text(), field->cursorPosition()), std::pair(u"station 1"_s, 9));
        EXPECT_TRUE(field->hasFocus());
        const auto names = h.rowNames();
        EXPECT_TRUE(std::ranges::all_of(names, [](const auto& name) { return name.starts_with("Station 1"); }));
        return h.contentOutline().back();
    };
    EXPECT_EQ(nextPage(), "list:40");
    h.scrollTo(1 << 20);
    const int origin = h.scrollY();
    // A wheel turn near the end asks for the next page on the next turn of the loop.
    h.turnWheel(-1);
    EXPECT_EQ(nextPage(), "list:80");
    EXPECT_EQ(h.scrollY(), origin);

    // Page Down in the search field scrolls the content.
    for (int page = 0; page < 12; ++page) {
        pressKey(Qt::Key_PageDown);
    }
    EXPECT_EQ(nextPage(), "list:120");
}

// Under AddressSanitizer a row that outlived its station would fail at the end as it paints.
TEST(MainView, TheMiniPlayerAndTheHomeCardDriveOnePlayerThatOutlivesTheCatalog)
{
    WindowHarness h;
    MiniPlayer* mini = h.window->miniPlayer();
    std::vector<Station> stations = makeStations(300);
    StationFields local = stations[0].fields();
    local.url_resolved = "file:///etc/passwd";
    stations[0] = local;
    h.deliver(std::move(stations));
    ASSERT_EQ(h.buttons(u"Play"_s).size(), 1U) << "the mini player is hidden until a station is current";
    for (const int played : {0, 3}) {
        h.tap(u"Play Station %1"_s.arg(played));
        EXPECT_EQ(mini->isVisible(), played == 3);
        EXPECT_EQ(h.window->contentStack()->layout()->contentsMargins().bottom(), played == 3 ? 120 : 28);
    }
    ASSERT_EQ(h.media.players.size(), 1U);
    EXPECT_EQ(mini->title()->text(), u"Station 3"_s);
    h.window->resize(1400, 900);
    EXPECT_EQ(mini->geometry(), QRect(240, 900 - 18 - 76, 1400 - 220 - 40, 76));

    // The Home card's transport first, the mini player's last; Play restarts the current station.
    const std::tuple<QString, bool, std::string> presses[]
        = {{u"Next"_s, true, "s4"}, {u"Next"_s, false, "s5"}, {u"Previous"_s, true, "s4"}, {u"Play"_s, false, "s4"}};
    for (const auto& [name, last, expected] : presses) {
        h.tap(name, last);
        EXPECT_EQ(h.window->browser().currentStation()->id(), expected) << name.toStdString();
    }
    EXPECT_EQ(h.media.players.size(), 5U);

    // The title is part of the panel's empty area; the buttons are not.
    h.tap(u"Pause"_s, true);
    EXPECT_EQ(h.window->browser().screen(), Screen::Home);
    click(const_cast<ElidedLabel*>(mini->title()));
    h.settle();
    EXPECT_EQ(h.window->browser().screen(), Screen::Player);
    // There the panel's Pause pauses too.
    h.tap(u"Pause"_s);
    const auto& calls = h.media.players.back()->calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "pause"), 2);

    h.tap(u"Browse"_s);
    h.scrollTo(1500);
    std::vector<Station> next = makeStations(300);
    for (Station& station : next) {
        StationFields renamed = station.fields();
        renamed.name = "New " + *renamed.name;
        station = renamed;
    }
    h.deliver(std::move(next));
    h.window->grab();
    h.scrollTo(3000);
    h.window->grab();
    EXPECT_EQ(mini->title()->text(), u"Station 4"_s);
    EXPECT_TRUE(mini->isVisible());
    EXPECT_EQ(h.rowNames().front().substr(0, 4), "New ");
}

TEST(MainView, ALongCountryIsCutInsideThePlayerPanelAtTheMinimumWidth)
{
    WindowHarness h;
    h.window->resize(920, 760);
    const std::string country = "The United Kingdom Of Great Britain And Northern Ireland";
    h.deliver({makeStation("uk", "Long Wave", country, country + " folk"),
        makeStation("jp", "東京ジャズ FM 🎷", "Japan", "jazz"),
        makeStation("kr", "서울 인디 🎸 Radio", "South Korea", "indie"),
        makeStation("cn", "上海古典音乐 🎻", "China", "classical"),
        makeStation("em", "🌊 Ocean Waves 🌙", "Portugal", "ambient")});
    h.saveShot(u"station-names-cjk-emoji"_s);
    h.tap(u"Play Long Wave"_s);
    h.tap(u"Player"_s);
    h.saveShot(u"player-long-country-minimum-width"_s);

    const QWidget* viewport = h.window->contentScroll()->viewport();
    const auto* panel = h.window->contentStack()->findChild<Panel*>(u"playerPanel"_s);
    EXPECT_EQ(panel->width(), viewport->width() - 2 * 26);
    EXPECT_EQ(panel->findChild<QLabel*>(u"playerTitle"_s)->text(), u"Long Wave"_s);
    QStringList badgeTexts;
    for (const Panel* badge :
        {panel->findChild<Panel*>(u"playerPlace"_s), panel->findChild<Panel*>(u"playerGenre"_s)}) {
        EXPECT_LE(badge->mapTo(panel, QPoint(badge->width(), 0)).x(), panel->width() - 34);
        EXPECT_TRUE(badge->findChild<ElidedLabel*>()->displayedText().endsWith(u'…'));
        badgeTexts.append(badge->findChild<ElidedLabel*>()->text());
    }
    EXPECT_EQ(badgeTexts, QStringList({toQString(country), toQString(country + " folk")}));
    for (QAbstractButton* button : h.window->contentStack()->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            EXPECT_LE(button->mapTo(viewport, QPoint(button->width(), 0)).x(), viewport->width())
                << button->accessibleName().toStdString();
        }
    }
    QApplication::setActiveWindow(h.window.get());
    panel->findChildren<QAbstractButton*>().at(1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), u"Play"_s);
    h.saveShot(u"focused-play-button"_s);
}

} // namespace
} // namespace Vello
