#include "widgets/sidebarnavbutton.h"
#include "widgets/palette.h"

#include <QImage>

#include <gtest/gtest.h>

namespace Vello {
namespace {

QColor alpha(QColor color, float value)
{
    color.setAlphaF(value);
    return color;
}

TEST(SidebarNavButton, ActiveAndInactiveLooks)
{
    SidebarNavButton active(QStringLiteral("Home"), QStringLiteral("house.fill"), true);
    EXPECT_EQ(active.backgroundColor(), alpha(velloGreen(), 0.15F));
    EXPECT_EQ(active.borderColor(), alpha(velloGreen(), 0.3F));
    EXPECT_EQ(active.tintColor(), QColor(Qt::white));
    EXPECT_EQ(active.titleFont().weight(), QFont::Bold);
    EXPECT_EQ(active.titleFont().pixelSize(), 14);
    EXPECT_EQ(active.accessibleName(), QStringLiteral("Home"));

    SidebarNavButton inactive(QStringLiteral("Library"), QStringLiteral("heart.fill"), false);
    EXPECT_EQ(inactive.backgroundColor().alpha(), 0);
    EXPECT_EQ(inactive.borderColor().alpha(), 0);
    EXPECT_EQ(inactive.tintColor(), QColor::fromRgbF(0.68F, 0.72F, 0.78F, 1.0F));
    EXPECT_EQ(inactive.titleFont().weight(), QFont::DemiBold);

    inactive.resize(198, SidebarNavButton::fixedHeight);
    QImage shown(inactive.size(), QImage::Format_ARGB32);
    shown.fill(Qt::black);
    inactive.render(&shown, {}, {}, QWidget::DrawChildren);
    EXPECT_EQ(shown.pixelColor(100, 1), QColor(Qt::black));
    EXPECT_NEAR(shown.pixelColor(inactive.symbolRect().center()).red(), inactive.tintColor().red(), 2);
}

TEST(SidebarNavButton, GeometryKeepsTheTitleClearOfTheEdges)
{
    SidebarNavButton button(QStringLiteral("Library"), QStringLiteral("heart.fill"), false);
    EXPECT_EQ(button.height(), 44);
    button.resize(198, 44);
    EXPECT_EQ(button.symbolRect(), QRect(12, 13, 18, 18));
    EXPECT_EQ(button.titleRect().left(), 41);
    EXPECT_EQ(button.displayedTitle(), QStringLiteral("Library"));

    SidebarNavButton longTitle(
        QStringLiteral("A navigation title far longer than any sidebar"), QStringLiteral("heart.fill"), false);
    longTitle.resize(198, 44);
    EXPECT_TRUE(longTitle.displayedTitle().endsWith(QStringLiteral("…")));
    EXPECT_LE(longTitle.titleRect().right(), 198 - 12);
    EXPECT_LE(QFontMetrics(longTitle.titleFont()).horizontalAdvance(longTitle.displayedTitle()),
        longTitle.titleRect().width());
}

TEST(SidebarNavButton, UnknownSymbolLeavesAnEmptySlot)
{
    SidebarNavButton known(QStringLiteral("Player"), QStringLiteral("play.circle.fill"), true);
    SidebarNavButton unknown(QStringLiteral("Player"), QStringLiteral("no.such.symbol"), true);
    known.resize(198, 44);
    unknown.resize(198, 44);
    EXPECT_TRUE(known.showsSymbol());
    EXPECT_FALSE(unknown.showsSymbol());
    EXPECT_EQ(unknown.titleRect(), known.titleRect());

    QImage shown(unknown.size(), QImage::Format_ARGB32);
    shown.fill(Qt::black);
    unknown.render(&shown, {}, {}, QWidget::DrawChildren);
    const QColor slot = shown.pixelColor(unknown.symbolRect().center());
    EXPECT_LT(slot.green(), 60);
}

} // namespace
} // namespace Vello
