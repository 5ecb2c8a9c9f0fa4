#include "fakehttpclient.h"
#include "logoserver.h"
#include "testimages.h"
#include "waitfor.h"

#include "platform/qthttpclient.h"
#include "widgets/artworkloader.h"
#include "widgets/stationrow.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

using namespace std::chrono_literals;

std::unique_ptr<StationRow> makeRow(ArtworkLoader& loader, const std::string& favicon)
{
    return std::make_unique<StationRow>(
        StationFields {.name = "Station", .favicon = favicon}, QPixmap(), false, loader);
}

class ArtworkLoaderTest : public ::testing::Test {
protected:
    std::unique_ptr<StationRow> row(const std::string& favicon) { return makeRow(m_loader, favicon); }

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
        return HttpResponse {200, encodedImage(size, color).toStdString()};
    }

    FakeHttpClient m_http;
    ArtworkLoader::Limits m_limits {.retryAfterFailure = 300ms};
    ArtworkLoader m_loader {m_http, m_limits};
};

TEST_F(ArtworkLoaderTest, OnlyWebAddressesAreFetchedAndAFailedOneOnlyAfterAPause)
{
    for (const char* refused :
        {"", "data:image/png;base64,iVBORw0KGgo=", "//logos.example/a.png", "HTTP://LOGOS.EXAMPLE/A.PNG",
            "Https://logos.example/a.png", " http://logos.example/a.png", "ftp://logos.example/a.png", "http://",
            "http:logo.png", "httpx://logos.example/a.png", "http://logos example/a.png", "file:///etc/passwd"}) {
        EXPECT_FALSE(ArtworkLoader::isLoadableAddress(refused)) << refused;
        row(refused);
    }
    EXPECT_TRUE(m_http.requestedUrls().empty());

    // A failed logo is fetched again only after a pause.
    const std::string address = "https://logos.example/broken.png";
    auto failed = row(address);
    respond(Error {Text::verbatim("Connection refused")});
    auto soon = row(address);
    EXPECT_EQ(m_http.requestedUrls().size(), 1U);

    QTest::qWait(400);
    auto later = row(address);
    ASSERT_EQ(m_http.requestedUrls().size(), 2U);
    respond(HttpResponse {200, "<html><body>Not found</body></html>"});
    auto again = row(address);
    EXPECT_EQ(m_http.requestedUrls().size(), 2U);
    EXPECT_EQ(m_loader.cache().count(), 0U);
}

// Rows made during the download share it, a discarded row is not revived, and every later row
// shows the cached picture, decoded small, with no request.
TEST_F(ArtworkLoaderTest, OneDownloadServesEveryRowOfAnAddressAndMayOutliveItsLoader)
{
    const std::string address = "https://logos.example/shared.png";
    auto first = row(address);
    auto second = row(address);
    auto discarded = row(address);
    discarded.reset();

    respond(png(Qt::blue, {1000, 500}));
    auto later = row(address);
    EXPECT_TRUE(first->showsLogo() && second->showsLogo() && later->showsLogo());
    EXPECT_EQ(later->artwork().toImage().pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(later->artwork().size(), QSize(112, 56));
    EXPECT_EQ(m_http.requestedUrls().size(), 1U);

    // A loader gone before its downloads end is safe.
    auto gone = std::make_unique<ArtworkLoader>(m_http);
    makeRow(*gone, "https://logos.example/late.png").reset();
    gone.reset();
    EXPECT_TRUE(m_http.respond(png(Qt::white)));
    QCoreApplication::processEvents();
}

TEST_F(ArtworkLoaderTest, AFewDownloadsRunAtOnceAndTheRestWait)
{
    std::vector<std::unique_ptr<StationRow>> rows;
    rows.reserve(10);
    for (int index = 0; index < 10; ++index) {
        rows.push_back(row("https://logos.example/" + std::to_string(index) + ".png"));
    }
    EXPECT_EQ(m_http.pendingCount(), 6U);
    EXPECT_EQ(m_loader.downloadsQueued(), 4U);

    respond(png(Qt::white));
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
}

// Logos from a real server on loopback through the real HTTP client.
TEST(ArtworkLoaderServerTest, OnlyDecodablePicturesWithinTheLimitsAreShown)
{
    // 2900 × 2900 pixels in a few kilobytes: just over the 32 MB the decoder may allocate.
    const QByteArray bomb = encodedImage({2900, 2900}, Qt::black);
    struct Case {
        const char* path;
        QByteArray body;
        QByteArray type;
        bool shown;
    };
    const std::vector<Case> cases {
        {"/logo.png", encodedImage({48, 48}, Qt::cyan), "image/png", true},
        {"/bomb.png", bomb, "image/png", false},
        {"/page.png", "<!doctype html><title>Moved</title>", "text/html", false},
        {"/vector.svg",
            R"(<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><rect width="64" height="64"/></svg>)",
            "image/svg+xml", false},
        {"/missing.png", {}, {}, false},
    };
    LogoServer server;
    QtHttpClient http;
    ArtworkLoader loader(http);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        if (!c.type.isEmpty()) {
            server.serve(QString::fromLatin1(c.path), c.body, c.type);
        }
        auto shown = makeRow(loader, server.url(QString::fromLatin1(c.path)));
        ASSERT_TRUE(waitFor([&] { return loader.downloadsInFlight() == 0; }));
        EXPECT_EQ(shown->showsLogo(), c.shown);
    }
}

} // namespace
} // namespace Vello
