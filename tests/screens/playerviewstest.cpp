#include "browserfakes.h"
#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/panelview.h"
#include "screens/playerviews.h"
#include "screens/sectionbuilders.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"
#include "widgets/volumecontrol.h"
#include "widgets/volumeslider.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <memory>

namespace Vello {
namespace {

TEST(PlayerPanelTexts, FollowTheCurrentStationWithPlaceAndGenreStandIns)
{
    EXPECT_EQ(playerPanelTexts(std::nullopt),
        (PlayerPanelTexts {QString(), QStringLiteral("Start any station from Home or Discover"),
            QStringLiteral("World"), QStringLiteral("Music")}));

    Station station = makeStation("a", std::string(64, 'x'), std::nullopt, std::string(" , jazz,blues"));
    PlayerPanelTexts texts = playerPanelTexts(station);
    EXPECT_EQ(texts.title, QString(64, u'x'));
    EXPECT_EQ(texts.place, QStringLiteral("World"));
    EXPECT_EQ(texts.genre, QStringLiteral("jazz"));
    EXPECT_EQ(texts.subtitle, toQString(station.subtitle()));

    station.name = std::string(65, 'y');
    station.country = "";
    station.tags = " ";
    texts = playerPanelTexts(station);
    EXPECT_EQ(texts.title, QString(63, u'y') + u'…');
    EXPECT_EQ(texts.place, QString()) << "present but empty stays empty";
    EXPECT_EQ(texts.genre, QStringLiteral("Music"));

    station.country = "  Côte d’Ivoire ";
    EXPECT_EQ(playerPanelTexts(station).place, QStringLiteral("  Côte d’Ivoire ")) << "shown as stored";
}

TEST(SectionBuilders, BadgesGrowWithTheirTextAndStatusPanelsCutLongMessages)
{
    std::unique_ptr<PanelView> narrow(makeBadge(QStringLiteral("World"), velloGreen()));
    std::unique_ptr<PanelView> wide(makeBadge(QStringLiteral("The United Kingdom of Great Britain"), velloGreen()));
    std::unique_ptr<PanelView> empty(makeBadge(QString(), velloGreen()));
    narrow->adjustSize();
    wide->adjustSize();
    empty->adjustSize();
    const QLabel* label = narrow->findChild<QLabel*>();
    EXPECT_EQ(narrow->height(), 22);
    EXPECT_EQ(narrow->width(), label->sizeHint().width() + 16);
    EXPECT_GT(wide->width(), 2 * narrow->width());
    EXPECT_EQ(empty->width(), 16);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), velloGreen());

    const QString message = QStringLiteral("Unable to load stations: ") + QString(300, u'e');
    std::unique_ptr<PanelView> status(makeStatusPanel(message));
    status->resize(600, 48);
    status->show();
    const auto* text = status->findChild<ElidedLabel*>();
    EXPECT_EQ(status->height(), 48);
    EXPECT_EQ(text->geometry().right(), 600 - 16 - 1);
    EXPECT_TRUE(text->displayedText().endsWith(u'…'));
    EXPECT_EQ(text->text(), message);
}

// The song and status lines of the mini player and of the content (card or panel), as
// "song|status" with a line that is hidden left out.
std::vector<std::string> shownLines(const WindowHarness& h)
{
    std::vector<std::string> shown;
    for (QWidget* place : {static_cast<QWidget*>(h.window->miniPlayerPanel()), h.window->contentStack()}) {
        std::string line;
        for (const char* name : {"songTitle", "playbackStatus"}) {
            for (auto* label : place->findChildren<QLabel*>(QString::fromLatin1(name))) {
                if (label->isVisibleTo(h.window.get())) {
                    EXPECT_EQ(label->textFormat(), Qt::PlainText);
                    const auto* elided = qobject_cast<ElidedLabel*>(label);
                    line += (elided != nullptr ? elided->displayedText() : label->text()).toStdString();
                }
            }
            line += name[0] == 's' ? "|" : "";
        }
        shown.push_back(line);
    }
    return shown;
}

TEST(PlayerViews, SongAndStatusLinesFollowNowPlayingAndHideWhenEmpty)
{
    struct Case {
        const char* name;
        std::string song;
        PlaybackPhase phase;
        std::string status;
        std::string shown;
    };
    const Case cases[] = {
        {"connecting", "", PlaybackPhase::Connecting, "Connecting…", "|Connecting…"},
        {"a song while playing", "Nils Frahm – Says", PlaybackPhase::Playing, "", "Nils Frahm – Says|"},
        {"markup stays text", "<b>Bold</b> &amp; <i>x</i>", PlaybackPhase::Buffering, "Buffering 40 %",
            "<b>Bold</b> &amp; <i>x</i>|Buffering 40 %"},
        {"a failure", "", PlaybackPhase::Failed, "The station's server could not be reached.",
            "|The station's server could not be reached."},
        {"nothing to say", "", PlaybackPhase::Paused, "", "|"},
    };
    WindowHarness h;
    h.deliver(makeStations(5));
    h.window->browser().play(h.window->browser().allStations().front());
    h.settle();
    for (const QString& screen : {QStringLiteral("Home"), QStringLiteral("Player")}) {
        h.clickSidebar(screen);
        for (const Case& c : cases) {
            SCOPED_TRACE(screen.toStdString() + ": " + c.name);
            NowPlaying nowPlaying = h.window->nowPlaying();
            nowPlaying.songTitle = c.song;
            nowPlaying.phase = c.phase;
            nowPlaying.status = c.status;
            h.window->showNowPlaying(nowPlaying);
            EXPECT_EQ(shownLines(h), (std::vector<std::string> {c.shown, c.shown}));
            const auto* status = h.window->contentStack()->findChild<QLabel*>(QStringLiteral("playbackStatus"));
            EXPECT_EQ(status->palette().color(QPalette::WindowText),
                c.phase == PlaybackPhase::Failed ? velloRed() : velloMuted());
        }
    }
    // A rebuilt screen starts with what is shown now.
    h.clickSidebar(QStringLiteral("Home"));
    EXPECT_EQ(shownLines(h), (std::vector<std::string> {"|", "|"}));
    // The Player panel keeps the name of the station it was built for, and nothing of the next.
    h.clickSidebar(QStringLiteral("Player"));
    h.window->browser().play(h.window->browser().allStations().at(1));
    h.settle();
    EXPECT_EQ(shownLines(h), (std::vector<std::string> {"|Connecting…", "|"}));
}

TEST(PlayerViews, BothVolumeControlsDriveOneVolume)
{
    WindowHarness h;
    h.deliver(makeStations(5));
    BrowserController& browser = h.window->browser();
    browser.play(browser.allStations().front());
    h.clickSidebar(QStringLiteral("Player"));
    h.window->resize(920, 620);
    h.settle();

    auto* panel = h.window->contentStack()->findChild<VolumeControl*>();
    VolumeControl* mini = h.window->miniVolume();
    ASSERT_NE(panel, nullptr);
    click(panel->muteButton());
    h.settle();
    EXPECT_TRUE(browser.isMuted());
    for (VolumeControl* control : {mini, panel}) {
        EXPECT_EQ(control->slider()->value(), 100);
        EXPECT_TRUE(control->slider()->isDimmed());
        EXPECT_EQ(control->muteButton()->symbolName(), QStringLiteral("speaker.xmark.fill"));
    }
    click(mini->muteButton());
    h.settle();
    EXPECT_FALSE(browser.isMuted());
    EXPECT_EQ(panel->muteButton()->symbolName(), QStringLiteral("speaker.wave.2.fill"));
    // A press at the slider's left end silences; it must not open the Player from the mini player.
    h.clickSidebar(QStringLiteral("Home"));
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(1, 10), mini->slider()->mapToGlobal(QPointF(1, 10)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mini->slider(), &down);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(30, 10), mini->slider()->mapToGlobal(QPointF(30, 10)),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(mini->slider(), &up);
    h.settle();
    EXPECT_DOUBLE_EQ(browser.volume(), 0.0);
    EXPECT_EQ(mini->muteButton()->symbolName(), QStringLiteral("speaker.xmark.fill"));
    EXPECT_EQ(browser.screen(), Screen::Home);
    EXPECT_EQ(h.preferences.numbers["volume"], 0.0);

    // At the narrowest window the mini player's parts stay side by side, inside the panel.
    const QWidget* transport = h.window->miniPlayerPanel()->findChild<QWidget*>(QStringLiteral("transport"));
    const QWidget* title = h.window->miniTitle();
    EXPECT_GT(title->width(), 150);
    EXPECT_LT(title->geometry().right(), mini->geometry().left());
    EXPECT_LT(mini->geometry().right(), transport->geometry().left());
    EXPECT_EQ(transport->geometry().right(), h.window->miniPlayerPanel()->width() - 18 - 1);
}

} // namespace
} // namespace Vello
