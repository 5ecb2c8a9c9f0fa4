#include "fakehttpclient.h"
#include "testimages.h"
#include "waitfor.h"

#include "widgets/artworkloader.h"
#include "widgets/elidedlabel.h"
#include "widgets/stationrow.h"
#include "widgets/vellobutton.h"

#include <QLocale>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace Vello {
namespace {

class StationRowTest : public ::testing::Test {
protected:
    StationRowTest() { m_fallback.fill(Qt::darkCyan); }

    std::unique_ptr<StationRow> makeRow(const Station& station, bool isFavorite = false)
    {
        auto row = std::make_unique<StationRow>(station, m_fallback, isFavorite, m_loader);
        row->resize(640, row->sizeHint().height());
        row->show();
        return row;
    }

    FakeHttpClient m_http;
    ArtworkLoader m_loader {m_http};
    QPixmap m_fallback {200, 200};
};

// Where the parts of a row go the screenshots show.
TEST_F(StationRowTest, ShowsTheStationsTextsAndItsArtworkWithAFallback)
{
    // A narrow row shortens its texts, never the buttons.
    auto narrow = makeRow(StationFields {.name = std::string(40, 'W')});
    narrow->resize(260, 78);
    QCoreApplication::processEvents();
    EXPECT_EQ(narrow->playButton()->size(), QSize(38, 38));
    EXPECT_TRUE(narrow->nameLabel()->displayedText().endsWith(QStringLiteral("…")));

    // The name and subtitle are the station's own, cut and trimmed there; the meta line stands in for blanks.
    auto row = makeRow(StationFields {.country = "Italy", .tags = ",, rock ,pop", .votes = 1234567});
    // The count in the reader's digits and grouping; the station's own words each in their own
    // direction (first-strong isolates), so a right-to-left line keeps its order.
    EXPECT_EQ(row->metaLabel()->text(),
        QStringLiteral("\u2068Italy\u2069  |  \u2068rock\u2069  |  %1 votes").arg(QLocale().toString(1234567)));
    for (const auto& [station, expected] : {std::pair {Station {}, "World  |  Music  |  0 votes"},
             std::pair {
                 Station {StationFields {.country = "", .tags = " , ", .votes = -3}}, "World  |  Music  |  -3 votes"},
             std::pair {Station {StationFields {.country = "   ", .tags = "ambient"}},
                 "\u2068   \u2069  |  \u2068ambient\u2069  |  0 votes"},
             std::pair {Station {StationFields {.codec = "MP3", .bitrate = 128}},
                 "World  |  Music  |  \u2068MP3 · 128 kbps\u2069  |  0 votes"},
             std::pair {Station {StationFields {.codec = "UNKNOWN", .bitrate = 0}}, "World  |  Music  |  0 votes"}}) {
        EXPECT_EQ(StationRow::metaLine(station), QString::fromUtf8(expected));
    }

    // The fallback shows until the logo arrives.
    row = makeRow(StationFields {.name = "Logo FM", .favicon = "https://logos.example/logo-fm.png"});
    EXPECT_FALSE(row->showsLogo());
    EXPECT_EQ(row->artwork().toImage().pixelColor(10, 10), QColor(Qt::darkCyan));
    ASSERT_EQ(m_http.pendingCount(), 1U);

    ASSERT_TRUE(m_http.respond(HttpResponse {200, encodedImage({64, 64}, Qt::magenta).toStdString()}));
    ASSERT_TRUE(waitFor([&] { return row->showsLogo(); }));

    EXPECT_EQ(rendered(*row).pixelColor(row->artworkRect().center()), QColor(Qt::magenta));
}

TEST_F(StationRowTest, HeartShowsTheFavouriteAndPressesReachTheOwnerWhoMayDiscardTheRow)
{
    const Station station = StationFields {.name = "Heartbeat FM"};
    auto favourite = makeRow(station, true);

    std::optional<Station> favourited;
    std::vector<Station> played;
    favourite->setOnFavorite([&](const Station& s) { favourited = s; });
    favourite->setOnPlay([&](const Station& s) { played.push_back(s); });
    QTest::mouseClick(favourite->favoriteButton(), Qt::LeftButton);
    EXPECT_EQ(favourited, station);
    EXPECT_TRUE(played.empty());

    QTest::mouseClick(favourite->playButton(), Qt::LeftButton);
    EXPECT_EQ(played.size(), 1U);
    // A press on the panel itself plays at once, before any release.
    QTest::mousePress(favourite.get(), Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(played, std::vector<Station>(2, station));
    QTest::mouseRelease(favourite.get(), Qt::LeftButton, {}, QPoint(300, 10));

    // The owner may discard the row from any of its callbacks.
    for (int control = 0; control < 3; ++control) {
        SCOPED_TRACE(control);
        auto* row = makeRow(StationFields {.name = "Rebuilt"}).release();
        QPointer<StationRow> guard(row);
        const auto discard = [row](const Station&) { delete row; };
        row->setOnPlay(discard);
        row->setOnFavorite(discard);
        if (control == 2) {
            QTest::mousePress(row, Qt::LeftButton, {}, QPoint(300, 10));
        } else {
            QTest::mouseClick(control == 0 ? row->playButton() : row->favoriteButton(), Qt::LeftButton);
        }
        EXPECT_TRUE(guard.isNull());
    }
}

} // namespace
} // namespace Vello
