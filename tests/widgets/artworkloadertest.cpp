#include "fakehttpclient.h"
#include "testimages.h"
#include "waitfor.h"

#include "widgets/artworkloader.h"
#include "widgets/releasestationrowview.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace Vello {
namespace {

class ArtworkLoaderTest : public ::testing::Test {
protected:
    std::unique_ptr<ReleaseStationRowView> makeRow(const std::string& favicon)
    {
        Station station;
        station.name = "Station";
        station.favicon = favicon;
        return std::make_unique<ReleaseStationRowView>(station, QPixmap(), false, m_loader);
    }

    // Answers the oldest request and waits until the loader has dealt with it.
    void respond(HttpResult result)
    {
        const int before = m_loader.downloadsInFlight();
        const std::size_t queued = m_loader.downloadsQueued();
        ASSERT_TRUE(m_http.respond(std::move(result)));
        ASSERT_TRUE(
            waitFor([&] { return m_loader.downloadsInFlight() < before || m_loader.downloadsQueued() < queued; }));
    }

    static HttpResult png(const QColor& color, QSize size = {32, 32})
    {
        return HttpResponse {200, toStdString(encodedImage(size, color))};
    }

    FakeHttpClient m_http;
    ArtworkLoader m_loader {m_http};
};

TEST(ArtworkLoader, OnlyWebAddressesAreFetched)
{
    EXPECT_TRUE(ArtworkLoader::isLoadableAddress("http://logos.example/a.png"));
    EXPECT_TRUE(ArtworkLoader::isLoadableAddress("https://logos.example/a.png?size=64"));
    for (const char* refused :
        {"", "data:image/png;base64,iVBORw0KGgo=", "//logos.example/a.png", "HTTP://LOGOS.EXAMPLE/A.PNG",
            "Https://logos.example/a.png", " http://logos.example/a.png", "ftp://logos.example/a.png", "http://",
            "http:logo.png", "httpx://logos.example/a.png", "http://logos example/a.png", "file:///etc/passwd"}) {
        EXPECT_FALSE(ArtworkLoader::isLoadableAddress(refused)) << refused;
    }
}

TEST_F(ArtworkLoaderTest, RefusedAddressesNeverStartARequest)
{
    auto none = std::make_unique<ReleaseStationRowView>(Station {}, QPixmap(), false, m_loader);
    auto data = makeRow("data:image/png;base64,iVBORw0KGgo=");
    auto relative = makeRow("//logos.example/a.png");
    auto capitals = makeRow("HTTPS://logos.example/a.png");
    EXPECT_TRUE(m_http.requestedUrls().empty());
    EXPECT_FALSE(capitals->showsLogo());
}

TEST_F(ArtworkLoaderTest, SecondRowOfTheSameAddressNeedsNoRequest)
{
    const std::string address = "https://logos.example/one.png";
    auto first = makeRow(address);
    respond(png(Qt::yellow));
    ASSERT_TRUE(first->showsLogo());
    EXPECT_EQ(m_http.lastMaxBodyBytes(), std::size_t {2} * 1024 * 1024);

    auto second = makeRow(address);
    EXPECT_TRUE(second->showsLogo());
    EXPECT_EQ(second->artwork().toImage().pixelColor(5, 5), QColor(Qt::yellow));
    EXPECT_EQ(m_http.requestedUrls().size(), 1U);
}

TEST_F(ArtworkLoaderTest, RowsCreatedDuringADownloadShareIt)
{
    const std::string address = "https://logos.example/shared.png";
    auto first = makeRow(address);
    auto second = makeRow(address);
    auto third = makeRow(address);
    EXPECT_EQ(m_http.requestedUrls().size(), 1U);

    respond(png(Qt::blue));
    EXPECT_TRUE(first->showsLogo());
    EXPECT_TRUE(second->showsLogo());
    EXPECT_TRUE(third->showsLogo());
}

TEST_F(ArtworkLoaderTest, DiscardedRowIsNotRevivedAndThePictureIsKept)
{
    const std::string address = "https://logos.example/gone.png";
    auto row = makeRow(address);
    row.reset();
    respond(png(Qt::green));
    EXPECT_TRUE(m_loader.cache().find(QString::fromStdString(address)).has_value());

    auto later = makeRow(address);
    EXPECT_TRUE(later->showsLogo());
    EXPECT_EQ(m_http.requestedUrls().size(), 1U);
}

TEST_F(ArtworkLoaderTest, FailuresKeepTheFallbackAndALaterRowTriesAgain)
{
    const std::string address = "https://logos.example/broken.png";
    auto failed = makeRow(address);
    respond(Error {"Connection refused"});
    auto notImage = makeRow(address);
    respond(HttpResponse {200, "<html><body>Not found</body></html>"});
    auto empty = makeRow(address);
    respond(HttpResponse {404, ""});
    EXPECT_FALSE(failed->showsLogo());
    EXPECT_FALSE(notImage->showsLogo());
    EXPECT_FALSE(empty->showsLogo());
    EXPECT_EQ(m_loader.cache().count(), 0U);
    EXPECT_EQ(m_http.requestedUrls().size(), 3U);
}

TEST_F(ArtworkLoaderTest, LargePicturesAreDecodedSmall)
{
    auto row = makeRow("https://logos.example/large.png");
    respond(png(Qt::red, {1000, 500}));
    ASSERT_TRUE(row->showsLogo());
    EXPECT_EQ(row->artwork().size(), QSize(112, 56));
}

TEST_F(ArtworkLoaderTest, AFewDownloadsRunAtOnceAndTheRestWait)
{
    std::vector<std::unique_ptr<ReleaseStationRowView>> rows;
    for (int index = 0; index < 10; ++index) {
        rows.push_back(makeRow("https://logos.example/" + std::to_string(index) + ".png"));
    }
    EXPECT_EQ(m_http.pendingCount(), 6U);
    EXPECT_EQ(m_loader.downloadsQueued(), 4U);

    respond(png(Qt::white));
    EXPECT_TRUE(rows[0]->showsLogo());
    EXPECT_EQ(m_http.pendingCount(), 6U);
    EXPECT_EQ(m_http.requestedUrls().back(), "https://logos.example/6.png");

    // Rows discarded before their turn cost nothing.
    rows[7].reset();
    rows[8].reset();
    while (m_http.pendingCount() > 0) {
        respond(png(Qt::white));
    }
    EXPECT_EQ(m_http.requestedUrls().size(), 8U);
    EXPECT_TRUE(rows[9]->showsLogo());
    EXPECT_EQ(m_loader.downloadsInFlight(), 0);
}

TEST_F(ArtworkLoaderTest, ALoaderGoneBeforeItsDownloadsEndIsSafe)
{
    auto loader = std::make_unique<ArtworkLoader>(m_http);
    Station station;
    station.favicon = "https://logos.example/late.png";
    auto row = std::make_unique<ReleaseStationRowView>(station, QPixmap(), false, *loader);
    row.reset();
    loader.reset();
    EXPECT_TRUE(m_http.respond(png(Qt::white)));
    QCoreApplication::processEvents();
}

} // namespace
} // namespace Vello
