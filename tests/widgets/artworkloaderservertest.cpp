#include "logoserver.h"
#include "testimages.h"
#include "waitfor.h"

#include "platform/qthttpclient.h"
#include "widgets/artworkloader.h"
#include "widgets/releasestationrowview.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace Vello {
namespace {

using namespace std::chrono_literals;

// Logos from a real server on loopback through the real HTTP client.
class ArtworkLoaderServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_server.isListening()); }

    std::unique_ptr<ReleaseStationRowView> makeRow(const QString& path)
    {
        Station station;
        station.name = "Station";
        station.favicon = m_server.url(path);
        return std::make_unique<ReleaseStationRowView>(station, QPixmap(), false, m_loader);
    }

    bool settled()
    {
        return waitFor([&] { return m_loader.downloadsInFlight() == 0; });
    }

    LogoServer m_server;
    QtHttpClient m_http {std::chrono::milliseconds(400)};
    ArtworkLoader m_loader {m_http};
};

TEST_F(ArtworkLoaderServerTest, ServedLogoIsFetchedOnceAndShown)
{
    m_server.serve(QStringLiteral("/logo.png"), encodedImage({48, 48}, Qt::cyan), "image/png");
    auto first = makeRow(QStringLiteral("/logo.png"));
    auto second = makeRow(QStringLiteral("/logo.png"));
    ASSERT_TRUE(waitFor([&] { return first->showsLogo() && second->showsLogo(); }));
    EXPECT_EQ(m_server.requestCount(QStringLiteral("/logo.png")), 1);
    EXPECT_EQ(first->artwork().toImage().pixelColor(24, 24), QColor(Qt::cyan));
}

TEST_F(ArtworkLoaderServerTest, OversizedBodyIsCutOff)
{
    // Noise does not compress: a genuine picture well over the 2 MB cap.
    QImage noise(1024, 1024, QImage::Format_ARGB32);
    auto* generator = QRandomGenerator::global();
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x) {
            line[x] = generator->generate();
        }
    }
    QByteArray body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "PNG");
    ASSERT_GT(body.size(), 2 * 1024 * 1024);
    m_server.serve(QStringLiteral("/huge.png"), body, "image/png");

    auto row = makeRow(QStringLiteral("/huge.png"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(m_server.requestCount(QStringLiteral("/huge.png")), 1);
    EXPECT_FALSE(row->showsLogo());
    EXPECT_EQ(m_loader.cache().count(), 0U);
}

TEST_F(ArtworkLoaderServerTest, DecompressionBombIsRefused)
{
    // 4000 × 4000 pixels in a few kilobytes: 64 MB once decoded, over the decoding limit.
    QImage blank(4000, 4000, QImage::Format_Grayscale8);
    blank.fill(0);
    QByteArray body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::WriteOnly);
    blank.save(&buffer, "PNG");
    ASSERT_LT(body.size(), 200 * 1024);
    m_server.serve(QStringLiteral("/bomb.png"), body, "image/png");

    auto row = makeRow(QStringLiteral("/bomb.png"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(m_server.requestCount(QStringLiteral("/bomb.png")), 1);
    EXPECT_FALSE(row->showsLogo());
}

TEST_F(ArtworkLoaderServerTest, NonImageAndMissingLogosKeepTheFallback)
{
    m_server.serve(QStringLiteral("/page.png"), "<!doctype html><title>Moved</title>", "text/html");
    m_server.serve(QStringLiteral("/vector.svg"),
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><rect width="64" height="64"/></svg>)",
        "image/svg+xml");
    auto page = makeRow(QStringLiteral("/page.png"));
    auto vector = makeRow(QStringLiteral("/vector.svg"));
    auto missing = makeRow(QStringLiteral("/missing.png"));
    ASSERT_TRUE(settled());
    EXPECT_EQ(m_server.requestCount(QStringLiteral("/missing.png")), 1);
    EXPECT_FALSE(page->showsLogo());
    EXPECT_FALSE(vector->showsLogo());
    EXPECT_FALSE(missing->showsLogo());
}

TEST_F(ArtworkLoaderServerTest, SlowServerHoldsOneSlotUntilItTimesOut)
{
    m_server.route(QStringLiteral("/slow.png"), {"200 OK", {}, {}, LogoServer::Delivery::Hold});
    m_server.serve(QStringLiteral("/quick.png"), encodedImage({16, 16}, Qt::yellow), "image/png");
    auto slow = makeRow(QStringLiteral("/slow.png"));
    auto quick = makeRow(QStringLiteral("/quick.png"));
    ASSERT_TRUE(waitFor([&] { return quick->showsLogo(); }));
    EXPECT_EQ(m_loader.downloadsInFlight(), 1);

    ASSERT_TRUE(settled());
    EXPECT_FALSE(slow->showsLogo());
}

} // namespace
} // namespace Vello
