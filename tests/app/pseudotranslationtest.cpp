#include "app/mainwindow.h"
#include "app/preferencesdialog.h"
#include "screens/facetpicker.h"
#include "screens/miniplayer.h"
#include "screens/stationdialog.h"

#include "waitfor.h"
#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "widgets/elidedlabel.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/vellobutton.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The core's sentences reach the window only marked for translation: a plain one is no Text.
static_assert(!std::is_convertible_v<const char*, Text> && std::is_convertible_v<MarkedText, Text>);

// Fails on a text with words outside the pseudo-translation's marks: one that never went
// through tr(). The stations' own texts are marked too, so only the window's words are judged.
void expectMarked(const QString& text, const QString& where)
{
    // Innermost first: a translated sentence may hold a translated name.
    static const QRegularExpression marked(u"⟦[^⟦⟧]*⟧"_s);
    QString rest = text;
    while (rest.contains(marked)) {
        rest.remove(marked);
    }
    EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); }))
        << where.toStdString() << ": " << text.toStdString();
}

// Every visible text in `root`, and that what does not shorten itself with "…" is not cut off.
void expectTranslatedAndWhole(QWidget& root, const QString& where)
{
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        auto* buttons = qobject_cast<QDialogButtonBox*>(widget->parentWidget());
        // Qt's own buttons speak Qt's catalogue.
        if (!widget->isVisible() || (buttons != nullptr && buttons->standardButton(button) != 0)) {
            continue;
        }
        const QString name = where + u' ' + QString::fromLatin1(widget->metaObject()->className());
        auto* label = qobject_cast<QLabel*>(widget);
        auto* field = qobject_cast<QLineEdit*>(widget);
        auto* group = qobject_cast<QGroupBox*>(widget);
        for (const QString& text : {widget->accessibleName(), widget->accessibleDescription(),
                 QTextDocumentFragment::fromHtml(widget->toolTip()).toPlainText(), label ? label->text() : QString(),
                 button ? button->text() : QString(), field ? field->placeholderText() : QString(),
                 group ? group->title() : QString()}) {
            expectMarked(text, name);
        }
        // Qt wraps a message box's text as it sizes the box.
        const bool shortensItself = qobject_cast<ElidedLabel*>(widget) || qobject_cast<VelloButton*>(widget)
            || qobject_cast<SidebarNavButton*>(widget) || (label && label->wordWrap())
            || qobject_cast<QMessageBox*>(widget->window());
        if (!shortensItself && ((label && !label->text().isEmpty()) || button)) {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << "cut off: " << name.toStdString();
        }
    }
}

// A station of every two-letter code, known to ISO 3166-1 or not, delivered and counted, and
// Browse showing the countries.
void deliverEveryCountry(WindowFakes& fakes, BrowserController& browser)
{
    std::vector<Station> stations;
    for (char first = 'A'; first <= 'Z'; ++first) {
        for (char second = 'A'; second <= 'Z'; ++second) {
            const std::string code {first, second};
            stations.push_back(StationFields {.stationuuid = code,
                .name = "⟦" + code + "⟧",
                .url_resolved = "http://radio.example/" + code,
                .countrycode = code});
        }
    }
    browser.reloadStations();
    fakes.source.answer(std::move(stations));
    EXPECT_TRUE(waitFor([&] {
        fakes.queue.runPending();
        return browser.browseScope().discovery().has_value();
    }));
    browser.switchScreen(Screen::Browse);
    fakes.queue.runPending();
    browser.browseScope().setOpenFacet(Facet::country);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct PseudoTranslated {
    Translations translations;
    PseudoTranslated() { translations.installFrom(QStringLiteral(VELLO_PSEUDO_FOLDER), u"pseudo"_s); }
};

struct PseudoTranslationTest : ::testing::Test, WindowFakes, PseudoTranslated {
    MemoryDocumentStore songs;
    MainWindow window {browser, session, preferences, artwork, [](const CatalogSource&) {}};
};

TEST_F(PseudoTranslationTest, EveryScreenAndDialogShowsOnlyTranslatedTextsThatFit)
{
    ASSERT_EQ(translations.language(), u"pseudo"_s);
    window.resize(MainWindow::minimumWidth, MainWindow::minimumHeight);
    window.show();
    (void)session.keepSongsIn(songs);
    source.answer(Error {VELLO_TR("Core", "No station catalog server could be reached.")});
    queue.runPending();
    expectTranslatedAndWhole(window, u"failed load"_s);

    browser.reloadStations();
    source.answer(std::vector<Station> {makeStation("a", "⟦Alpha⟧", "⟦Italy⟧", "⟦rock⟧"),
        StationFields {.stationuuid = "b", .url = "http://b.example/stream"}});
    queue.runPending();
    session.play(browser.allStations().front());
    media.players.back()->emit(MediaTags {"⟦Song⟧", "⟦Singer⟧", {"⟦MP3⟧", 128'000, 44'100}});
    queue.runPending();
    for (const Screen screen : {Screen::Home, Screen::Browse, Screen::Library, Screen::Player}) {
        browser.switchScreen(screen);
        queue.runPending();
        expectTranslatedAndWhole(window, QString::number(static_cast<int>(screen)));
    }
    browser.switchScreen(Screen::Library);
    for (const ListMode mode : {ListMode::Favorites, ListMode::Recent, ListMode::Songs, ListMode::Own}) {
        browser.chooseListMode(mode);
        queue.runPending();
        // The list builds the rows on screen once it is laid out.
        QCoreApplication::processEvents();
        expectTranslatedAndWhole(window, u"library list"_s);
    }

    expectMarked(window.windowTitle(), u"title"_s);
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        expectMarked(menu->title(), u"menu"_s);
        for (const QAction* action : menu->actions()) {
            expectMarked(action->text(), u"menu"_s);
        }
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->menuRole() == QAction::AboutRole || action->menuRole() == QAction::PreferencesRole) {
            action->trigger();
        }
    }
    deliverEveryCountry(*this, browser);
    expectTranslatedAndWhole(window, u"countries"_s);
    StationDialog station(browser, nullptr, &window);
    station.show();
    for (QWidget* dialog : std::initializer_list<QWidget*> {
             window.findChild<QMessageBox*>(), window.findChild<PreferencesDialog*>(), &station}) {
        ASSERT_NE(dialog, nullptr);
        expectMarked(dialog->windowTitle(), u"dialog"_s);
        expectTranslatedAndWhole(*dialog, u"dialog"_s);
    }
}

// The letters of the mnemonics in `texts` differ; with `every`, each text has one.
void expectOwnMnemonics(const QStringList& texts, bool every, const QString& where)
{
    QStringList letters;
    for (const QString& text : texts) {
        const QString letter = QKeySequence::mnemonic(text).toString();
        EXPECT_TRUE(!letter.isEmpty() || !every) << where.toStdString() << ": none in " << text.toStdString();
        EXPECT_TRUE(letter.isEmpty() || !letters.contains(letter))
            << where.toStdString() << ": " << letter.toStdString() << " again in " << text.toStdString();
        letters += letter.isEmpty() ? QStringList() : QStringList {letter};
    }
}

// In every language the player ships, every menu title and entry has a letter of its own, a
// dialog's letters never meet, and at the window's smallest the Player's controls keep apart.
TEST(EveryLanguage, MenusHaveLettersOfTheirOwnAndThePlayersControlsKeepApart)
{
    const QMap<QString, QString> germanyIn {{u"en"_s, u"Germany"_s}, {u"de"_s, u"Deutschland"_s},
        {u"es"_s, u"Alemania"_s}, {u"fr"_s, u"Allemagne"_s}, {u"pt_BR"_s, u"Alemanha"_s}, {u"ja"_s, u"ドイツ"_s},
        {u"ar"_s, u"ألمانيا"_s}};
    for (const QString& language : Translations::shippedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        Translations translations;
        translations.install(QLocale(language));
        WindowFakes fakes;
        MainWindow window(fakes.browser, fakes.session, fakes.preferences, fakes.artwork, [](const CatalogSource&) {});
        QStringList titles;
        for (const QMenu* menu : window.findChildren<QMenu*>()) {
            QStringList entries;
            for (const QAction* action : menu->actions()) {
                entries += action->isSeparator() || !action->isEnabled() ? QStringList() : QStringList {action->text()};
            }
            expectOwnMnemonics(entries, true, menu->title());
            titles += menu->parentWidget() == window.menuBar() ? QStringList {menu->title()} : QStringList();
        }
        expectOwnMnemonics(titles, true, u"menu bar"_s);
        PreferencesDialog preferences(fakes.preferences, true);
        const Station own = makeStation("own:1", "Mine");
        StationDialog station(fakes.browser, &own, &window);
        for (const QDialog* dialog : std::initializer_list<const QDialog*> {&preferences, &station}) {
            QStringList texts;
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                // Qt leaves its own buttons' letters to the desktop, which gives Close and Cancel
                // their first one in the reader's language, as &Schließen and &Annuler do.
                const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
                const bool desktops = box != nullptr && box->standardButton(button) != QDialogButtonBox::NoButton
                    && !button->text().contains(u'&') && button->text().front().script() == QChar::Script_Latin;
                texts += desktops ? u'&' + button->text() : button->text();
            }
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                texts += label->text();
            }
            expectOwnMnemonics(texts, false, dialog->windowTitle());
        }

        window.resize(MainWindow::minimumWidth, MainWindow::minimumHeight);
        window.show();
        StationFields radio = makeStation("a", "Radio", "Portugal", "fado").fields();
        radio.homepage = "https://radio.example/";
        fakes.source.answer(std::vector<Station> {radio});
        fakes.queue.runPending();
        fakes.session.setRecordingPlaces({"/music", "/cache"});
        fakes.session.play(fakes.browser.allStations().front());
        // Recording, and paused live: every control the mini player can show, shown at once.
        fakes.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
        FakeRecorderRecord& kept = *fakes.media.players.back()->recorders.back();
        kept.emit(RecorderFormatKnown {RecordedFormat::Mp3});
        kept.behindLive = std::chrono::seconds(133);
        fakes.session.pause();
        fakes.session.toggleRecording();
        fakes.browser.switchScreen(Screen::Player);
        fakes.queue.runPending();
        // Laid out, as the window is before it is next drawn.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (const QString shots = qEnvironmentVariable("VELLO_SHOTS_DIR"); !shots.isEmpty()) {
            window.grab().save(shots + u'/' + language + u"-recording.png"_s);
        }
        std::vector<std::pair<QString, QRect>> controls;
        for (const QWidget* player :
            {window.findChild<QWidget*>(u"playerPanel"_s), static_cast<QWidget*>(window.mainView()->miniPlayer())}) {
            for (const QWidget* control : player->findChildren<QWidget*>()) {
                if (QStringList {u"transport"_s, u"volumeControl"_s, u"outputPicker"_s, u"playerHomepage"_s,
                        u"stationArtwork"_s, u"recordControl"_s, u"liveControl"_s}
                        .contains(control->objectName())) {
                    controls.emplace_back(player->objectName() + u' ' + control->objectName(),
                        QRect(control->mapTo(&window, QPoint(0, 0)), control->size()));
                    EXPECT_GE(control->width(), control->minimumSizeHint().width())
                        << controls.back().first.toStdString();
                }
            }
        }
        ASSERT_EQ(controls.size(), 11U);
        for (auto control = controls.begin(); control != controls.end(); ++control) {
            EXPECT_TRUE(window.rect().contains(control->second)) << control->first.toStdString();
            for (auto other = std::next(control); other != controls.end(); ++other) {
                EXPECT_FALSE(control->second.intersects(other->second))
                    << control->first.toStdString() << " covers " << other->first.toStdString();
            }
        }

        // Browse with every country open: its chips whole, apart and in the window, in the
        // reader's order, and each country named in the reader's language.
        deliverEveryCountry(fakes, fakes.browser);
        if (const QString shots = qEnvironmentVariable("VELLO_SHOTS_DIR"); !shots.isEmpty()) {
            window.grab().save(shots + u'/' + language + u"-browse-countries.png"_s);
        }
        const auto* picker = window.findChild<FacetPicker*>();
        ASSERT_NE(picker, nullptr);
        std::vector<QRect> chips;
        for (const VelloButton* chip : picker->findChildren<VelloButton*>()) {
            chips.emplace_back(chip->mapTo(&window, QPoint(0, 0)), chip->size());
            EXPECT_GE(chip->width(), chip->sizeHint().width()) << chip->text().toStdString();
            EXPECT_TRUE(window.rect().contains(chips.back())) << chip->text().toStdString();
            EXPECT_TRUE(std::ranges::none_of(std::span(chips).first(chips.size() - 1), [&](const QRect& other) {
                return other.intersects(chips.back());
            })) << chip->text().toStdString();
        }
        ASSERT_EQ(chips.size(), 5U);
        EXPECT_EQ(chips[0].x() > chips[1].x(), language == u"ar"_s) << "Countries comes first";
        const QAbstractItemModel* entries = picker->entryList()->model();
        EXPECT_GT(entries->rowCount(), 240);
        const QString germany = germanyIn.value(language);
        EXPECT_FALSE(
            entries->match(entries->index(0, 0), Qt::DisplayRole, u"🇩🇪 "_s + germany, 1, Qt::MatchExactly).isEmpty())
            << germany.toStdString();
        const QRect cell = picker->entryList()->visualRect(entries->index(0, 0));
        EXPECT_TRUE(picker->entryList()->viewport()->rect().contains(cell));
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
}

} // namespace
} // namespace Vello
