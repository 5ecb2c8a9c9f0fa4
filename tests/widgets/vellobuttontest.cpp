#include "testimages.h"

#include "widgets/palette.h"
#include "widgets/resources.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/vellobutton.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace Vello {
namespace {

using Style = VelloButton::Style;

TEST(VelloButton, ATitleIsNeverCutAKnownSymbolIsTintedAndAnUnknownOneFallsBack)
{
    for (const Style style : {Style::Primary, Style::Secondary, Style::Icon, Style::Sidebar}) {
        SCOPED_TRACE(static_cast<int>(style));
        const VelloButton wide(QStringLiteral("Stations from every corner of the world"), style);
        const int text = wide.fontMetrics().horizontalAdvance(wide.text());
        EXPECT_EQ(wide.sizeHint().width() > text, style != Style::Icon);
        EXPECT_EQ(bool(wide.titleAlignment() & Qt::AlignLeft), style == Style::Sidebar);
    }
    EXPECT_EQ(VelloButton(QStringLiteral("♡"), Style::Icon).sizeHint(), QSize(38, 38));

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

    for (const char* name : {"home", "grid", "heart-filled", "play-circle", "play", "pause", "backward", "forward"}) {
        const QImage symbol = symbolPixmap(QString::fromLatin1(name), QSize(18, 18), Qt::white, 2.0).toImage();
        ASSERT_EQ(symbol.size(), QSize(36, 36)) << name;
        int covered = 0;
        for (int pixel = 0; pixel < 36 * 36; ++pixel) {
            covered += symbol.pixelColor(pixel % 36, pixel / 36).alpha() > 128 ? 1 : 0;
        }
        EXPECT_GT(covered, 36 * 36 / 5) << name;
    }
}

TEST(SidebarNavButton, ActiveAndInactiveLooksAndATitleClearOfTheEdges)
{
    SidebarNavButton active(QStringLiteral("Home"), QStringLiteral("home"), true);
    SidebarNavButton inactive(
        QStringLiteral("A navigation title far longer than any sidebar"), QStringLiteral("no.such.symbol"), false);
    inactive.resize(198, 44);
    EXPECT_NE(active.backgroundColor(), inactive.backgroundColor());
    EXPECT_GT(active.titleFont().weight(), inactive.titleFont().weight());
    EXPECT_EQ(std::pair(active.showsSymbol(), inactive.showsSymbol()), std::pair(true, false));
    // Without a border or a symbol, the inactive item's edge and symbol place stay dark.
    const QImage shown = rendered(inactive);
    EXPECT_EQ(shown.pixelColor(100, 1), QColor(Qt::black));
    EXPECT_LT(shown.pixelColor(inactive.symbolRect().center()).green(), 60);
    EXPECT_LT(inactive.symbolRect().right(), inactive.titleRect().left());
    EXPECT_TRUE(inactive.displayedTitle().endsWith(QStringLiteral("…")));
    EXPECT_LE(
        QFontMetrics(inactive.titleFont()).horizontalAdvance(inactive.displayedTitle()), inactive.titleRect().width());
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

} // namespace
} // namespace Vello
