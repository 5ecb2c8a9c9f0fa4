#include "browserfakes.h"

#include "screens/panelview.h"
#include "screens/playerviews.h"
#include "screens/sectionbuilders.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"

#include <QLabel>

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

} // namespace
} // namespace Vello
