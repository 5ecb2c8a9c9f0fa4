#include "testimages.h"

#include "widgets/menustyle.h"
#include "widgets/palette.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/vellobutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "widgets/arcspinner.h"
#include "widgets/searchfield.h"
#include <QAccessible>
#include <memory>
#include <optional>
#include <tuple>

namespace Vello {
namespace {

using Style = VelloButton::Style;

// How each style looks the screenshots show.
TEST(VelloButton, AKnownSymbolIsTintedAndAnUnknownOneFallsBack)
{
    VelloButton play(QString(), Style::Icon);
    EXPECT_TRUE(play.setSymbol(QStringLiteral("play"), QStringLiteral("▶")));
    EXPECT_TRUE(play.text().isEmpty());
    play.setTintColor(Qt::red);
    play.resize(38, 38);
    EXPECT_EQ(rendered(play).pixelColor(19, 19), QColor(Qt::red));

    VelloButton missing(QString(), Style::Icon);
    EXPECT_FALSE(missing.setSymbol(QStringLiteral("no.such.symbol"), QStringLiteral("❚❚")));
    EXPECT_EQ(missing.text(), QStringLiteral("❚❚"));
    EXPECT_FALSE(missing.setSymbol(QStringLiteral("../images/vello-hero"), QStringLiteral("◀")));
}

// The ring must stand out from the fill on every look, the green Play button's included, and
// Enter and Return press a focused button as Space does.
TEST(VelloButton, FocusRingShowsOnEveryLookAndEnterPresses)
{
    std::vector<std::unique_ptr<QAbstractButton>> buttons;
    for (const Style style : {Style::Primary, Style::Secondary, Style::Icon, Style::Sidebar, Style::Icon}) {
        buttons.push_back(std::make_unique<VelloButton>(QStringLiteral("Go"), style));
    }
    static_cast<VelloButton*>(buttons.back().get())->setBackgroundColor(velloGreen());
    buttons.push_back(std::make_unique<SidebarNavButton>(QStringLiteral("Home"), QStringLiteral("home"), true));
    buttons.push_back(std::make_unique<SidebarNavButton>(QStringLiteral("Home"), QStringLiteral("home"), false));

    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        QAbstractButton& button = *buttons[i];
        button.resize(button.sizeHint().expandedTo(QSize(60, 38)));
        button.show();
        QApplication::setActiveWindow(&button);
        button.clearFocus();
        const QImage plain = rendered(button);
        button.setFocus();
        const QImage focused = rendered(button);
        const QPoint edge(button.width() / 2, 1);
        EXPECT_GT(std::abs(focused.pixelColor(edge).lightness() - plain.pixelColor(edge).lightness()), 80)
            << "ring too faint";

        int presses = 0;
        QObject::connect(&button, &QAbstractButton::clicked, [&] { ++presses; });
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&button, &press);
        }
        EXPECT_EQ(presses, 2);
    }
}

// A checked button shows a state its owner chose, lit in the accent; a click only asks for another.
TEST(VelloButton, ACheckedButtonIsDrawnChosenAndAClickOnlyAsks)
{
    VelloButton pause(QStringLiteral("❚❚"), Style::Icon);
    pause.resize(pause.sizeHint());
    pause.setCheckable(true);
    pause.setChecked(true);
    pause.click();
    EXPECT_TRUE(pause.isChecked());
    EXPECT_EQ(rendered(pause).pixelColor(8, 19).rgb(), velloGreen().rgb());
}

// A rebuilt list hides the row under the pointer and deletes it later: no leave event comes.
TEST(VelloButton, RestingEndsWhenTheButtonGoesOutOfSight)
{
    QWidget row;
    auto* play = new VelloButton(QStringLiteral("▶"), Style::Icon, &row);
    row.show();
    QSignalSpy resting(play, &VelloButton::restingChanged);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(play, &enter);
    row.hide();
    EXPECT_EQ(resting, (QList<QVariantList> {{true}, {false}}));
}

// Menus are drawn by Qt's style in the dark palette: their separators must stand out from them.
TEST(MenuStyle, SeparatorsShowOnTheDarkMenu)
{
    QMenu menu;
    useDarkMenuLook(menu);
    menu.addAction(QStringLiteral("Play"));
    QAction* separator = menu.addSeparator();
    menu.addAction(QStringLiteral("Quit"));
    menu.resize(menu.sizeHint());
    const QColor line = menu.grab().toImage().pixelColor(menu.actionGeometry(separator).center());
    EXPECT_GT(line.lightness() - velloPanel().lightness(), 30);
}

TEST(SearchField, ReadsAsSearchAndIsBusyOnlyWhileLoading)
{
    SearchField pill;
    pill.resize(400, 38);
    pill.show();
    QLineEdit* field = pill.textField();
    EXPECT_EQ(field->accessibleName(), QStringLiteral("Search"));

    const ArcSpinner* spinner = pill.spinner();
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(const_cast<ArcSpinner*>(spinner));
    // The spinner's place is kept, so typed text never moves.
    const int fieldWidth = field->width();
    for (const std::optional<bool> loading : {std::optional<bool>(), std::optional(true), std::optional(false)}) {
        if (loading) {
            pill.setLoading(*loading);
        }
        const bool on = loading.value_or(false);
        EXPECT_EQ(
            std::tuple(spinner->isVisible(), spinner->isSpinning(), bool(heard->state().busy)), std::tuple(on, on, on));
        EXPECT_EQ(field->width(), fieldWidth);
    }
}

} // namespace
} // namespace Vello
