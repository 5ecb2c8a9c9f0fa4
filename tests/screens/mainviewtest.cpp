#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "playback/standbystreams.h"
#include "screens/miniplayer.h"
#include "screens/sectionbuilders.h"
#include "screens/sidebar.h"
#include "widgets/elidedlabel.h"
#include "widgets/searchfield.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/stationrow.h"
#include "widgets/vellobutton.h"

#include <QAccessible>
#include <QLineEdit>

#include "browserfakes.h"
#include "screens/songrow.h"
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;
using Outline = std::vector<std::string>;

// The labels that assistive tools reach, past what is hidden, with nothing to say.
Outline namelessLabels(const QWidget* window)
{
    Outline found;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
        if (!heard->state().invisible && heard->role() == QAccessible::StaticText
            && heard->text(QAccessible::Name).trimmed().isEmpty()) {
            found.push_back(label->objectName().toStdString());
        }
    }
    return found;
}

TEST(MainView, EveryScreenListsItsItemsInOrderAndTheKeyboardKeepsItsPlaceInIt)
{
    WindowHarness h;
    const auto show = [&h](const QString& screen, const Outline& outline) {
        SCOPED_TRACE(screen.toStdString());
        h.tap(screen);
        EXPECT_EQ(h.contentOutline(), outline);
        EXPECT_EQ(namelessLabels(h.window.get()), Outline {}) << "nothing plays yet";
        for (SidebarNavButton* button : h.window->sidebar()->findChildren<SidebarNavButton*>()) {
            EXPECT_EQ(button->isActive(), button->accessibleName() == screen);
        }
    };
    // Before the catalog the screen carries the loading status, and its empty list keeps quiet.
    show(u"Browse"_s,
        {"topBar", "status:Loading stations...", "title:Browse", "facetPicker", "title:Browse Stations", "list:0"});
    h.deliver(makeStations(30));
    EXPECT_EQ(
        h.contentOutline(), (Outline {"topBar", "title:Browse", "facetPicker", "title:Browse Stations", "list:30"}));
    EXPECT_EQ(h.window->contentStack()->layout()->contentsMargins().bottom(), 28) << "no room for no mini player";
    show(u"Home"_s, {"topBar", "heroRow", "title:Top Stations", "list:18"});
    show(u"Player"_s, {"topBar", "playerPanel", "title:Up Next", "list:12"});
    EXPECT_FALSE(h.window->contentStack()->findChild<QWidget*>(u"playerGenre"_s)->isVisible()) << "no station";
    show(u"Library"_s, {"topBar", "title:Your Library", "chipRow", "list:0:No stations here yet."});
    // A chip chooses the list, and a new list starts at the top.
    h.tap(u"Top Stations"_s);
    h.scrollTo(1000);
    h.tap(u"Play Station 20"_s);
    h.tap(u"Recent"_s);
    EXPECT_EQ(h.rowNames(), (Outline {"Station 20"}));
    EXPECT_EQ(h.scrollY(), 0);
    // The chosen chip is marked, for the eye and for assistive tools.
    for (QAbstractButton* chip : h.window->findChild<QWidget*>(u"chipRow"_s)->findChildren<QAbstractButton*>()) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(chip)->state().checked, chip->accessibleName() == u"Recent"_s);
    }
    // The chip chose the Library's list only: Home's title keeps its word.
    show(u"Home"_s, {"topBar", "heroRow", "title:Top Stations", "list:18"});
    h.tap(u"Library"_s);

    QApplication::setActiveWindow(h.window.get());

    // Space on a sidebar item, then on a heart, rebuilds: the new item of that screen or station keeps the focus.
    for (const auto& [pressed, focused] : {std::pair {u"Browse"_s, u"Browse"_s},
             std::pair {u"Add Station 4 to favorites"_s, u"Remove Station 4 from favorites"_s}}) {
        h.buttons(pressed).front()->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Space);
        h.settle();
        EXPECT_EQ(QApplication::focusWidget(), h.buttons(focused).front());
    }
    EXPECT_EQ(h.browser.screen(), Screen::Browse);

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
    EXPECT_EQ(h.browser.screen(), Screen::Player);

    // A failed download with nothing to show offers to try again.
    WindowHarness failed;
    failed.source.answer(Error {Text::verbatim("Gone.")});
    failed.settle();
    failed.tap(u"Try Again"_s);
    EXPECT_EQ(failed.source.refreshes, (std::vector {Refresh::IfDue, Refresh::Now}));
}

TEST(MainView, TypedSearchesPageByKeysKeepingTheTextRowsAndFocus)
{
    WindowHarness h;
    h.deliver(makeStations(1200));
    h.tap(u"Browse"_s);
    QLineEdit* field = h.window->search()->textField();
    QApplication::setActiveWindow(h.window.get());
    field->setFocus();
    field->insert(u"station 1"_s);
    Q_EMIT field->textEdited(field->text());
    h.queue.advance(BrowserController::searchDebounce);
    h.settle();
    // Every render keeps the field, its text, its cursor and its focus, and the content where it was.
    const auto nextPage = [&h, field] {
        QCoreApplication::processEvents();
        h.settle();
        EXPECT_EQ(std::pair(field->text(), field->cursorPosition()), std::pair(u"station 1"_s, 9));
        EXPECT_TRUE(field->hasFocus());
        return h.contentOutline().back();
    };
    EXPECT_EQ(nextPage(), "list:40");

    // Page Down in the search field scrolls the content; near its end the next page comes, on the
    // next turn of the loop.
    for (int page = 0; page < 12; ++page) {
        pressKey(Qt::Key_PageDown);
    }
    const int scrolled = h.scrollY();
    EXPECT_GT(scrolled, 0);
    EXPECT_EQ(nextPage(), "list:80");
    EXPECT_EQ(h.scrollY(), scrolled);
}

// Under AddressSanitizer a row that outlived its station would fail at the end as it paints.
TEST(MainView, TheMiniPlayerDrivesThePlayerThatOutlivesTheCatalog)
{
    WindowHarness h;
    MiniPlayer* mini = h.window->miniPlayer();
    h.deliver(makeStations(300));
    EXPECT_FALSE(mini->isVisible()) << "hidden until a station is current";
    h.tap(u"Play Station 3"_s);
    ASSERT_TRUE(mini->isVisible());

    // One press of each player's transport; which station a command picks is the controller's.
    h.tap(u"Next"_s, true);
    EXPECT_EQ(h.session.currentStation()->id(), "s4");
    EXPECT_EQ(h.browser.screen(), Screen::Home) << "a button is no part of the panel's empty area";
    // The pointer resting on Next, or on a row's Play, opens the station it would play, unheard.
    for (const auto& [button, station] : {std::pair {u"Next"_s, "/s5"}, std::pair {u"Play Station 7"_s, "/s7"}}) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(h.buttons(button).back(), &enter);
        h.queue.advance(StandbyStreams::restBeforeOpening);
        EXPECT_TRUE(h.media.players.back()->url.ends_with(station) && h.media.players.back()->muted) << station;
    }
    // The title is, and opens the Player, whose panel pauses.
    QTest::mouseClick(const_cast<ElidedLabel*>(mini->title()), Qt::LeftButton);
    h.settle();
    EXPECT_EQ(h.browser.screen(), Screen::Player);
    h.tap(u"Pause"_s);
    const auto& calls = h.media.players.at(1)->calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "pause"), 1);

    h.tap(u"Browse"_s);
    h.scrollTo(1500);
    std::vector<Station> next;
    next.reserve(300);
    for (int i = 0; i < 300; ++i) {
        next.push_back(makeStation("n" + std::to_string(i), "New " + std::to_string(i)));
    }
    h.deliver(std::move(next));
    h.window->grab();
    h.scrollTo(3000);
    h.window->grab();
    EXPECT_EQ(mini->title()->text(), u"Station 4"_s);
    EXPECT_TRUE(mini->isVisible());
    EXPECT_TRUE(h.rowNames().front().starts_with("New "));
}

// How long names, countries and genres are cut at the narrowest window the screenshots show.
TEST(MainView, ScreenshotsOfLongTextsAtTheMinimumWidthAndOfAFocusedPlayButton)
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

    const auto* panel = h.window->contentStack()->findChild<Panel*>(u"playerPanel"_s);
    QApplication::setActiveWindow(h.window.get());
    panel->findChildren<QAbstractButton*>().at(1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), u"Play"_s);
    h.saveShot(u"focused-play-button"_s);
}

// In a right-to-left language the shell and the rows mirror; the transport keeps time's direction.
TEST(MainView, ARightToLeftWindowMirrorsItsShellAndRows)
{
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    WindowHarness h;
    h.deliver(makeStations(2));
    EXPECT_GT(h.window->sidebar()->x(), h.window->contentScroll()->x());
    const auto* row = h.window->findChild<StationRow*>();
    ASSERT_NE(row, nullptr);
    EXPECT_GT(row->artworkRect().left(), row->width() / 2);
    EXPECT_LT(row->nameLabel()->geometry().right(), row->artworkRect().left()) << "the name clears the logo";
    EXPECT_EQ(h.window->findChild<QWidget*>(u"transport"_s)->layoutDirection(), Qt::LeftToRight);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

// Takes the addresses the window asks the desktop to open, so none leaves the machine.
class UrlRecorder final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

TEST(SongsHeard, TheSongsChipListsTheTitlesWithTheirTimeAndCopiesOrSearchesOne)
{
    MemoryDocumentStore documents;
    WindowHarness h;
    const QDateTime afternoon(QDate(2026, 5, 4), QTime(14, 32, 10));
    const std::chrono::system_clock::time_point heard(std::chrono::seconds(afternoon.toSecsSinceEpoch()));
    (void)h.session.keepSongsIn(documents, [heard] { return heard; });
    h.deliver(makeStations(3));
    h.tap(u"Library"_s);
    h.tap(u"Songs"_s);
    h.session.play(h.browser.allStations()[1]);
    h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
    // The song is kept from its title change on, so it can be saved.
    FakeRecorderRecord& kept = *h.media.players.back()->recorders.back();
    kept.emit(RecorderFormatKnown {RecordedFormat::Mp3});
    kept.emit(SongKept {{2, "Ceremony", "New Order", heard, {}}});
    h.media.players.back()->emit(MediaTags {"Ceremony", "New Order"});
    h.settle();
    QList<SongRow*> rows = h.window->findChildren<SongRow*>();
    ASSERT_EQ(rows.size(), 1);
    ASSERT_NE(rows[0]->saveButton(), nullptr);
    h.tap(u"Save New Order - Ceremony"_s);
    EXPECT_EQ(kept.calls.back(), "saveSong 2");
    EXPECT_EQ(rows[0]->saveButton()->text(), u"Saving…"_s);
    kept.emit(PieceWritten {{"/music/Station 1/New Order - Ceremony.mp3", {2, {}, {}, {}, {}}, true, true}, true});
    h.settle();
    EXPECT_EQ(rows[0]->saveButton()->text(), u"Saved"_s);
    // Built again, the row saved stays saved.
    h.tap(u"Favorites"_s);
    h.tap(u"Songs"_s);
    rows = h.window->findChildren<SongRow*>();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->saveButton()->text(), u"Saved"_s);
    EXPECT_FALSE(rows[0]->saveButton()->isEnabled());
    EXPECT_EQ(rows[0]->titleLabel()->text(), u"New Order - Ceremony"_s);
    EXPECT_EQ(rows[0]->stationLabel()->text(), u"Station 1"_s);
    EXPECT_EQ(rows[0]->timeLabel()->text(), u"14:32"_s);
    h.saveShot(u"songs"_s);

    QGuiApplication::clipboard()->clear();
    h.tap(u"Copy New Order - Ceremony"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"New Order - Ceremony"_s);

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_s, &recorder, "open");
    h.tap(u"Search the web for New Order - Ceremony"_s);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].host(), u"duckduckgo.com"_s);
    EXPECT_EQ(recorder.opened[0].query(QUrl::FullyDecoded), u"q=New Order - Ceremony"_s);

    // Clearing asks first: Cancel keeps the list, Clear empties it.
    for (const QString& answer : {u"Cancel"_s, u"Clear"_s}) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answer) {
                    button->click();
                }
            }
        });
        h.tap(u"Clear Songs"_s);
        EXPECT_EQ(h.session.songsHeard().size(), answer == u"Cancel"_s ? 1U : 0U);
    }
    EXPECT_EQ(h.contentOutline(),
        (std::vector<std::string> {"topBar", "title:Your Library", "chipRow",
            "list:0:No songs heard yet. Titles the stations send appear here."}));
}

TEST(PlayerViews, TheHomepageLinkOpensOnlyAWebHomepage)
{
    StationFields web = makeStation("s0", "Radio").fields();
    StationFields script = makeStation("s1", "Radio").fields();
    web.homepage = " https://radio.example/about ";
    script.homepage = "javascript:alert(1)";
    WindowHarness h;
    h.deliver({web, script});
    UrlRecorder urls;
    QDesktopServices::setUrlHandler(u"https"_s, &urls, "open");
    h.session.play(h.browser.allStations()[0]);
    h.tap(u"Player"_s);
    h.tap(u"Open the station's homepage"_s);
    EXPECT_EQ(urls.opened, (QList<QUrl> {QUrl(u"https://radio.example/about"_s)}));
    h.session.play(h.browser.allStations()[1]);
    h.settle();
    QDesktopServices::unsetUrlHandler(u"https"_s);
    EXPECT_TRUE(h.buttons(u"Open the station's homepage"_s).empty());
}

} // namespace
} // namespace Vello

#include "mainviewtest.moc"
