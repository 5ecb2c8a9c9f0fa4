#include "testimages.h"
#include "waitfor.h"
#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "playback/recordingplan.h"
#include "screens/livecontrol.h"
#include "screens/miniplayer.h"
#include "screens/panel.h"
#include "screens/playerviews.h"
#include "screens/recordcontrol.h"
#include "screens/sectionbuilders.h"
#include "screens/transportcontrols.h"
#include "widgets/aspectfillimage.h"
#include "widgets/elidedlabel.h"
#include "widgets/vellobutton.h"
#include "widgets/volumecontrol.h"
#include "widgets/volumeslider.h"

#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QMessageBox>
#include <QProgressBar>

#include <functional>
#include <tuple>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The song and status lines of the mini player and of the content (card or panel), as
// "song|status" with a line that is hidden left out.
std::vector<std::string> shownLines(const WindowHarness& h)
{
    std::vector<std::string> shown;
    for (QWidget* place : {static_cast<QWidget*>(h.window->miniPlayer()), h.window->contentStack()}) {
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

TEST(PlayerViews, StatusAndPanelTextsTellTheProgressAndStandInForWhatIsMissing)
{
    // What has arrived is rounded down until complete; below 10 MB with a decimal; a bar without a
    // length (or with a length of 0) moves on its own.
    using Progress = std::tuple<LoadProgress, QString, int>;
    for (const auto& [progress, shown, maximum] : {Progress {{12'600'000, 65'000'000}, u"12 of 65 MB"_s, 1000},
             Progress {{70'000'000, 65'000'000}, u"65 of 65 MB"_s, 1000},
             Progress {{65'600'000, 65'600'000}, u"66 of 66 MB"_s, 1000},
             Progress {{4'000, std::nullopt}, u"0.0 MB"_s, 0}, Progress {{4'000, 0}, u"0.0 MB"_s, 0}}) {
        SCOPED_TRACE(shown.toStdString());
        std::unique_ptr<Panel> panel(makeStatusPanel(u"Loading stations..."_s, progress));
        EXPECT_EQ(panel->findChild<QLabel*>(u"loadProgressText"_s)->text(), shown);
        EXPECT_EQ(panel->findChild<QProgressBar*>()->maximum(), maximum);
    }
    EXPECT_EQ(std::unique_ptr<Panel>(makeStatusPanel(u"x"_s))->findChild<QAbstractButton*>(), nullptr);

    // The panel's texts: a name of 65 is cut to 64; a missing place or genre has a stand-in, an empty one stays
    // empty; with no station there is neither.
    EXPECT_EQ(playerPanelTexts(std::nullopt),
        (PlayerPanelTexts {QString(), QStringLiteral("Start any station from Home or Browse"), {}, {}}));
    using Texts = std::tuple<std::optional<std::string>, std::string, QString, QString>;
    for (const auto& [country, tags, place, genre] :
        {Texts {std::nullopt, " , jazz,blues", u"World"_s, u"jazz"_s}, Texts {"", " ", QString(), u"Music"_s},
            Texts {"  Côte d’Ivoire ", "", u"  Côte d’Ivoire "_s, u"Music"_s}}) {
        const Station station = makeStation("a", std::string(65, 'y'), country, tags);
        EXPECT_EQ(playerPanelTexts(station),
            (PlayerPanelTexts {QString(63, u'y') + u'…', toQString(station.subtitle()), place, genre}));
    }
    // When the directory last found the stream working, as the panel says it in the English
    // catalogue's plural.
    Translations english;
    english.install(QLocale(u"en"_s));
    const QString checkedAt = QDateTime::currentDateTimeUtc().addSecs(-49 * 3600).toString(u"yyyy-MM-dd HH:mm:ss"_s);
    EXPECT_EQ(playerPanelTexts(Station {StationFields {.lastcheckoktime = checkedAt.toStdString()}}).checked,
        u"Checked working 2 days ago"_s);
}

// The transport rows of the mini player and of the screen, as "play pause" with the checked
// buttons named, and whether assistive tools hear the same.
std::vector<std::string> checkedTransport(const WindowHarness& h)
{
    std::vector<std::string> checked;
    for (const auto* transport : h.window->findChildren<TransportControls*>()) {
        std::string names;
        for (VelloButton* button : {transport->playButton(), transport->pauseButton()}) {
            const bool heard = QAccessible::queryAccessibleInterface(button)->state().checked;
            EXPECT_EQ(heard, button->isChecked());
            names += button->isChecked() ? button->accessibleName().toStdString() : "-";
        }
        checked.push_back(names);
    }
    return checked;
}

TEST(PlayerViews, BothPlayersFollowNowPlayingAndDriveOneVolume)
{
    // Song, phase and status; the lines read "song|status", as plain text on one line, and the
    // transport marks Play or Pause ("Play-", "-Pause") as the state is.
    using Case = std::tuple<std::string, PlaybackPhase, std::string, std::string>;
    const Case cases[] = {{"Nils Frahm – Says", PlaybackPhase::Playing, "", "Play-"},
        {"<b>Bold</b>\n&amp; <i>x</i>", PlaybackPhase::Buffering, "Buffering 40 %", "Play-"},
        {"Says", PlaybackPhase::Paused, "Paused", "-Pause"},
        {"", PlaybackPhase::Failed, "The server could not be reached.", "--"}};
    WindowHarness h;
    h.deliver(makeStations(5));
    h.session.play(h.browser.allStations().front());
    h.settle();
    for (const QString& screen : {u"Home"_s, u"Player"_s}) {
        h.tap(screen);
        for (const auto& [song, phase, status, marked] : cases) {
            std::string shown = song;
            shown += "|" + status;
            std::replace(shown.begin(), shown.end(), '\n', ' ');
            SCOPED_TRACE(screen.toStdString() + ": " + shown);
            NowPlaying nowPlaying = h.window->nowPlaying();
            std::tie(nowPlaying.songTitle, nowPlaying.phase) = std::tie(song, phase);
            nowPlaying.status = Text::verbatim(status);
            h.window->showNowPlaying(nowPlaying);
            EXPECT_EQ(shownLines(h), (std::vector<std::string> {shown, shown}));
            EXPECT_EQ(checkedTransport(h), (std::vector<std::string> {marked, marked}));
        }
    }
    // A rebuilt screen starts with what is shown now; the Player panel follows another station.
    h.tap(u"Home"_s);
    EXPECT_EQ(shownLines(h), (std::vector<std::string>(2, "|The server could not be reached.")));
    h.tap(u"Player"_s);
    const Station& next = h.browser.allStations().at(1);
    h.session.play(next);
    h.settle();
    EXPECT_EQ(shownLines(h), (std::vector<std::string>(2, "|Connecting…")));
    EXPECT_EQ(h.window->contentStack()->findChild<QLabel*>(u"playerTitle"_s)->text(), toQString(next.displayName()));

    // Both volume controls drive one volume.
    auto* panel = h.window->contentStack()->findChild<VolumeControl*>();
    VolumeControl* mini = h.window->miniPlayer()->volume();
    ASSERT_NE(panel, nullptr);
    // Either button mutes, and both controls show it.
    QTest::mouseClick(panel->muteButton(), Qt::LeftButton);
    h.settle();
    EXPECT_TRUE(h.session.isMuted());
    EXPECT_TRUE(mini->slider()->isDimmed());
    QTest::mouseClick(mini->muteButton(), Qt::LeftButton);
    h.settle();
    EXPECT_FALSE(h.session.isMuted());
    EXPECT_FALSE(panel->slider()->isDimmed());
    // A press at the slider's left end silences; it must not open the Player from the mini player.
    h.tap(u"Home"_s);
    QTest::mouseClick(mini->slider(), Qt::LeftButton, {}, QPoint(1, 10));
    h.settle();
    EXPECT_DOUBLE_EQ(h.session.volume(), 0.0);
    EXPECT_EQ(mini->muteButton()->symbolName(), u"speaker-muted"_s);
    EXPECT_EQ(h.browser.screen(), Screen::Home);
}

TEST(PlayerViews, RecordIsPressedAnywhereShowsEverywhereAndSaysWhyItStopped)
{
    WindowHarness h;
    h.deliver(makeStations(3));
    QAction* menuEntry = h.window->playbackActions().back();
    RecordControl* mini = h.window->miniPlayer()->record();
    EXPECT_FALSE(mini->button()->isEnabled() || menuEntry->isEnabled()) << "nothing to record";
    h.session.play(h.browser.allStations().front());
    h.tap(u"Player"_s);
    RecordControl* panel = h.window->contentStack()->findChild<RecordControl*>();
    ASSERT_NE(panel, nullptr);
    const auto pressed = [&h](QAbstractButton* button) {
        return [&h, button] {
            QTest::mouseClick(button, Qt::LeftButton);
            h.settle();
        };
    };
    struct Case {
        const char* name;
        std::function<void()> press;
        bool recording;
        QString notice;
    };
    const Case cases[] = {
        {"the mini player's button", pressed(mini->button()), true, {}},
        {"the panel's button", pressed(panel->button()), false, {}},
        {"the menu entry", [&] { menuEntry->trigger(); }, true, {}},
        {"a full disk",
            [&] {
                h.media.players.back()->recorders.back()->emit(RecorderFailed {RecorderFailure::NoRoom, {}});
            },
            false, translated(recorderFailureText(RecorderFailure::NoRoom))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.press();
        h.settle();
        EXPECT_EQ(h.session.recording().recording, c.recording);
        EXPECT_EQ(menuEntry->isChecked(), c.recording);
        for (const RecordControl* control : {mini, panel}) {
            EXPECT_EQ(control->button()->isChecked(), c.recording);
            EXPECT_EQ(control->button()->accessibleName(), c.recording ? u"Stop Recording"_s : u"Record"_s);
            EXPECT_EQ(control->length()->isVisible(), c.recording);
        }
        auto* notice = h.window->findChild<QMessageBox*>();
        EXPECT_EQ(notice != nullptr ? notice->text() : QString(), c.notice);
        if (c.recording) {
            EXPECT_EQ(mini->length()->text(), u"● 0:00"_s);
            h.saveShot(u"recording"_s);
        }
    }
}

TEST(PlayerViews, PausedLiveTheMiniPlayerShowsHowFarBehindAndTheMenuMovesWithinWhatIsKept)
{
    WindowHarness h;
    h.deliver(makeStations(3));
    const QList<QAction*> actions = h.window->playbackActions();
    const auto entry = [&actions](const QString& name) {
        return *std::ranges::find(actions, name, [](const QAction* a) { return a->text().remove(u'&'); });
    };
    LiveControl* live = h.window->miniPlayer()->live();
    h.session.play(h.browser.allStations().front());
    h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
    h.settle();
    FakeRecorderRecord& kept = *h.media.players.back()->recorders.back();
    EXPECT_FALSE(entry(u"Back 15 s"_s)->isEnabled()) << "nothing is kept of a stream not known";
    kept.emit(RecorderFormatKnown {RecordedFormat::Mp3});
    h.settle();
    EXPECT_TRUE(entry(u"Back 15 s"_s)->isEnabled());
    EXPECT_FALSE(entry(u"Forward 15 s"_s)->isEnabled() || entry(u"Go Live"_s)->isEnabled() || live->isVisible());

    kept.behindLive = std::chrono::seconds(133);
    h.window->miniPlayer()->findChild<TransportControls*>()->pauseButton()->click();
    h.settle();
    EXPECT_EQ(kept.calls, (std::vector<std::string> {"pause"}));
    EXPECT_TRUE(live->isVisible());
    EXPECT_EQ(live->behind()->displayedText(), u"−2:13"_s) << "shown whole";
    EXPECT_TRUE(entry(u"Forward 15 s"_s)->isEnabled() && entry(u"Go Live"_s)->isEnabled());
    h.saveShot(u"behind-live"_s);
    entry(u"Back 15 s"_s)->trigger();
    entry(u"Forward 15 s"_s)->trigger();
    EXPECT_EQ(kept.calls, (std::vector<std::string> {"pause", "skip -15000", "skip 15000"}));

    kept.behindLive = {};
    live->goLive()->click();
    h.settle();
    EXPECT_EQ(kept.calls.back(), "goLive");
    EXPECT_FALSE(live->isVisible());
    EXPECT_EQ(h.session.playbackState().phase, PlaybackPhase::Playing);
}

// The colour at the middle of the station's picture in the Home card or the Player panel.
QColor artworkMiddle(const WindowHarness& h)
{
    const auto* artwork = h.window->contentStack()->findChild<AspectFillImage*>(u"stationArtwork"_s);
    const QImage image = artwork->image().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

TEST(PlayerViews, TheCardAndThePanelShowTheStationsLogo)
{
    WindowHarness h;
    StationFields withLogo = makeStation("a", "Logo Radio").fields();
    withLogo.favicon = "http://logo.test/a.png";
    h.deliver({withLogo, makeStation("b", "Plain Radio")});
    const QColor placeholder = artworkMiddle(h);
    h.session.play(h.browser.allStations().front());
    h.settle();
    ASSERT_TRUE(h.http.respond(HttpResponse {200, encodedImage({64, 64}, Qt::magenta).toStdString()}));
    EXPECT_TRUE(waitFor([&] { return artworkMiddle(h) == QColor(Qt::magenta); }));
    h.tap(u"Player"_s);
    EXPECT_EQ(artworkMiddle(h), QColor(Qt::magenta)) << "from the cache";
    h.session.play(h.browser.allStations().back());
    h.settle();
    EXPECT_EQ(artworkMiddle(h), placeholder) << "a station without a logo";
}

TEST(StreamDetailsView, ThePlayerPanelAddsUpWhatTheStreamIsKeepsTheSongAndForgetsItForTheNextStation)
{
    WindowHarness h;
    h.deliver(makeStations(2));
    h.session.play(h.browser.allStations()[0]);
    h.media.players.back()->emit(MediaTags {"Ceremony", "New Order"});
    h.media.players.back()->emit(MediaTags {"", "", {"MPEG-1 Layer 3 (MP3)", 128'000, 0}});
    h.media.players.back()->emit(MediaTags {"", "", {"", 0, 44'100}});
    h.tap(QStringLiteral("Player"));
    auto* details = h.window->contentStack()->findChild<QLabel*>(QStringLiteral("streamDetails"));
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->text(), QStringLiteral("MP3 · 128 kbps · 44.1 kHz"));
    EXPECT_EQ(h.window->nowPlaying().songTitle, "New Order - Ceremony");
    h.session.play(h.browser.allStations()[1]);
    h.settle();
    EXPECT_FALSE(details->isVisibleTo(h.window.get()));
}

} // namespace
} // namespace Vello
