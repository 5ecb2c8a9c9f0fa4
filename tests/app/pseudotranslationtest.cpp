#include "app/mainwindow.h"
#include "app/preferencesdialog.h"
#include "screens/stationdialog.h"

#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "widgets/elidedlabel.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/translation.h"
#include "widgets/vellobutton.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include <algorithm>
#include <initializer_list>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

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

struct PseudoTranslated {
    Translations translations;
    PseudoTranslated() { translations.installFrom(QStringLiteral(VELLO_PSEUDO_FOLDER), u"pseudo"_s); }
};

struct PseudoTranslationTest : ::testing::Test, WindowFakes, PseudoTranslated {
    MemoryDocumentStore songs;
    MainWindow window {source, media, http, preferences, queue, artwork, [](const CatalogSource&) {}};
};

TEST_F(PseudoTranslationTest, EveryScreenAndDialogShowsOnlyTranslatedTextsThatFit)
{
    ASSERT_EQ(translations.language(), u"pseudo"_s);
    window.resize(MainWindow::minimumWidth, MainWindow::minimumHeight);
    window.show();
    BrowserController& browser = window.controller()->browser();
    browser.keepSongsIn(songs);
    source.answer(Error {VELLO_TR("Core", "No station catalog server could be reached.")});
    queue.runPending();
    expectTranslatedAndWhole(window, u"failed load"_s);

    browser.reloadStations();
    source.answer(std::vector<Station> {makeStation("a", "⟦Alpha⟧", "⟦Italy⟧", "⟦rock⟧"),
        StationFields {.stationuuid = "b", .url = "http://b.example/stream"}});
    queue.runPending();
    browser.play(browser.allStations().front());
    media.players.back()->emit(MediaTags {"⟦Song⟧", "⟦Singer⟧", {"⟦MP3⟧", 128'000, 44'100}});
    queue.runPending();
    for (const Screen screen : {Screen::Home, Screen::Discover, Screen::Library, Screen::Player}) {
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
    StationDialog station(browser, nullptr, &window);
    station.show();
    for (QWidget* dialog : std::initializer_list<QWidget*> {
             window.findChild<QMessageBox*>(), window.findChild<PreferencesDialog*>(), &station}) {
        ASSERT_NE(dialog, nullptr);
        expectMarked(dialog->windowTitle(), u"dialog"_s);
        expectTranslatedAndWhole(*dialog, u"dialog"_s);
    }
}

} // namespace
} // namespace Vello
