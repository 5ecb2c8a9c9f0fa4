#include "libraryheader.h"

#include "sectionbuilders.h"
#include "songrow.h"
#include "stationdialog.h"

#include "browser/browsercontroller.h"
#include "session/playbacksession.h"
#include "widgets/vellobutton.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace Vello {

namespace {

VelloButton* makeChip(BrowserController& browser, const QString& title, ListMode mode)
{
    auto* chip = new VelloButton(title, VelloButton::Style::Secondary);
    chip->setAccessibleName(title);
    // The list shown is the chosen chip's; a search in the Library lists none of theirs.
    chip->setCheckable(true);
    chip->setChecked(mode == browser.mode());
    QObject::connect(chip, &QAbstractButton::clicked, chip, [&browser, mode] { browser.chooseListMode(mode); });
    return chip;
}

} // namespace

QWidget* makeLibraryTitle(BrowserController& browser, PlaybackSession& session, QWidget& window)
{
    QWidget* row = makeSectionTitle(QCoreApplication::translate("LibraryHeader", "Your Library"));
    // As tall as its button in every list, so that choosing a list moves nothing below.
    row->setFixedHeight(VelloButton(QString(), VelloButton::Style::Secondary).sizeHint().height());
    VelloButton* action = nullptr;
    if (browser.mode() == ListMode::Songs && !session.songsHeard().empty()) {
        action = new VelloButton(
            QCoreApplication::translate("LibraryHeader", "Clear Songs…"), VelloButton::Style::Secondary);
        action->setAccessibleName(QCoreApplication::translate("LibraryHeader", "Clear Songs"));
        QObject::connect(action, &QAbstractButton::clicked, &window, [&session, &window] {
            if (confirmClearSongs(&window)) {
                session.clearSongs();
            }
        });
    } else if (browser.mode() == ListMode::Own) {
        action = new VelloButton(
            QCoreApplication::translate("LibraryHeader", "Add Station…"), VelloButton::Style::Secondary);
        action->setAccessibleName(QCoreApplication::translate("LibraryHeader", "Add Station"));
        QObject::connect(
            action, &QAbstractButton::clicked, &window, [&browser, &window] { editOwnStation(&window, browser); });
    }
    if (action != nullptr) {
        row->layout()->addWidget(action);
    }
    return row;
}

QWidget* makeChipRow(BrowserController& browser)
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("chipRow"));
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(
        makeChip(browser, QCoreApplication::translate("LibraryHeader", "Favorites"), ListMode::Favorites));
    layout->addWidget(makeChip(browser, QCoreApplication::translate("LibraryHeader", "Recent"), ListMode::Recent));
    layout->addWidget(makeChip(browser, QCoreApplication::translate("LibraryHeader", "Songs"), ListMode::Songs));
    layout->addWidget(makeChip(browser, QCoreApplication::translate("LibraryHeader", "My Stations"), ListMode::Own));
    layout->addWidget(makeChip(browser, QCoreApplication::translate("LibraryHeader", "Top Stations"), ListMode::Top));
    layout->addStretch(1);
    return row;
}

} // namespace Vello
