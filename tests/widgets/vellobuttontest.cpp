#include "widgets/vellobutton.h"
#include "widgets/palette.h"
#include "widgets/resources.h"

#include <QImage>

#include <gtest/gtest.h>

namespace Vello {
namespace {

using Style = VelloButton::Style;

int textWidth(const VelloButton& button)
{
    return button.fontMetrics().horizontalAdvance(button.text());
}

TEST(VelloButton, NaturalSizeFollowsTheStyle)
{
    EXPECT_EQ(VelloButton(QStringLiteral("Go"), Style::Secondary).sizeHint(), QSize(88, 34));
    EXPECT_EQ(VelloButton(QStringLiteral("Go"), Style::Primary).sizeHint(), QSize(88, 34));

    const VelloButton wide(QStringLiteral("Stations from every corner of the world"), Style::Secondary);
    EXPECT_EQ(wide.sizeHint(), QSize(textWidth(wide) + 24, 34));
    EXPECT_GT(wide.sizeHint().width(), 88);

    EXPECT_EQ(VelloButton(QString(), Style::Icon).sizeHint(), QSize(38, 38));
    EXPECT_EQ(VelloButton(QStringLiteral("A very long caption indeed"), Style::Icon).sizeHint(), QSize(38, 38));

    const VelloButton sidebar(QStringLiteral("Go"), Style::Sidebar);
    EXPECT_EQ(sidebar.sizeHint(), QSize(120, 38));
    EXPECT_TRUE(sidebar.titleAlignment() & Qt::AlignLeft);
    const VelloButton longSidebar(QStringLiteral("Recently played stations"), Style::Sidebar);
    EXPECT_EQ(longSidebar.sizeHint().width(), std::max(textWidth(longSidebar) + 20, 120));
}

TEST(VelloButton, StylesCarryTheirFontsAndColours)
{
    const VelloButton primary(QStringLiteral("Play"), Style::Primary);
    EXPECT_EQ(primary.font().pixelSize(), 13);
    EXPECT_TRUE(primary.font().bold());
    EXPECT_EQ(primary.backgroundColor(), velloGreen());
    EXPECT_EQ(primary.tintColor(), QColor::fromRgbF(0.027F, 0.063F, 0.031F, 1.0F));
    EXPECT_EQ(primary.cornerRadius(), 15);

    const VelloButton sidebar(QStringLiteral("Library"), Style::Sidebar);
    EXPECT_EQ(sidebar.font().pixelSize(), 14);
    EXPECT_EQ(sidebar.cornerRadius(), 11);
    EXPECT_EQ(VelloButton(QString(), Style::Icon).cornerRadius(), 18);
}

TEST(VelloButton, KnownSymbolIsShownTintedAndUnknownOneFallsBackToTitle)
{
    VelloButton play(QString(), Style::Icon);
    EXPECT_TRUE(play.setSymbol(QStringLiteral("play.fill"), QStringLiteral("▶")));
    EXPECT_EQ(play.symbolName(), QStringLiteral("play.fill"));
    EXPECT_TRUE(play.text().isEmpty());
    play.setCornerRadius(19);
    play.setBackgroundColor(velloGreen());
    play.setTintColor(Qt::red);
    play.resize(38, 38);
    QImage shown(38, 38, QImage::Format_ARGB32);
    shown.fill(Qt::black);
    play.render(&shown, {}, {}, QWidget::DrawChildren);
    EXPECT_EQ(shown.pixelColor(19, 19), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(19, 3).rgb(), velloGreen().rgb());

    VelloButton missing(QString(), Style::Icon);
    EXPECT_FALSE(missing.setSymbol(QStringLiteral("no.such.symbol"), QStringLiteral("❚❚")));
    EXPECT_TRUE(missing.symbolName().isEmpty());
    EXPECT_EQ(missing.text(), QStringLiteral("❚❚"));
    EXPECT_FALSE(missing.setSymbol(QStringLiteral("../images/vello-hero"), QStringLiteral("◀")));
}

TEST(VelloButton, EveryInterfaceSymbolIsBundled)
{
    for (const char* name : {"house.fill", "square.grid.2x2.fill", "heart.fill", "play.circle.fill", "play.fill",
             "pause.fill", "backward.fill", "forward.fill"}) {
        const QPixmap symbol = symbolPixmap(QString::fromLatin1(name), QSize(18, 18), Qt::white, 2.0);
        ASSERT_FALSE(symbol.isNull()) << name;
        EXPECT_EQ(symbol.size(), QSize(36, 36)) << name;
        // Filled drawings: the middle is covered.
        const QImage pixels = symbol.toImage();
        int covered = 0;
        for (int y = 0; y < pixels.height(); ++y) {
            for (int x = 0; x < pixels.width(); ++x) {
                covered += pixels.pixelColor(x, y).alpha() > 128 ? 1 : 0;
            }
        }
        EXPECT_GT(covered, 36 * 36 / 5) << name;
    }
}

} // namespace
} // namespace Vello
