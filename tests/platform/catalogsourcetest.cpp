#include "fakehttpclient.h"
#include "logoserver.h"

#include "catalog/catalogdecoder.h"
#include "catalog/catalogsource.h"
#include "catalog/stationstore.h"
#include "platform/qthttpclient.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace std::chrono_literals;

const QByteArray catalog = R"([{"stationuuid": "9617a958-0601-11e8-ae97-52543be04c81", "name": "Alpha",
    "url": "http://127.0.0.1:9/alpha", "lastcheckok": 1, "votes": 3}])";
const QString listPath = QStringLiteral("/json/stations?hidebroken=true&limit=100000");

// Loads `store` and runs the loop (and with it the servers) until `count` answers are in, and a
// little longer for an answer too many: each as "stations N" or the error.
std::vector<std::string> load(StationStore& store, std::size_t count)
{
    std::mutex mutex;
    std::vector<std::string> heard;
    store.load([&](StationsResult result) {
        const std::lock_guard lock(mutex);
        const auto* stations = std::get_if<std::vector<Station>>(&result);
        heard.push_back(stations != nullptr ? "stations " + std::to_string(stations->size())
                                            : std::get<Error>(result).description.english());
    });
    const auto done = [&] {
        const std::lock_guard lock(mutex);
        return heard.size() >= count;
    };
    static_cast<void>(QTest::qWaitFor(done, 20000));
    QTest::qWait(100);
    const std::lock_guard lock(mutex);
    return heard;
}

QByteArray readFile(const std::filesystem::path& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A store in a scratch home over real HTTP, on a clock the test moves.
struct CatalogSourceTest : ::testing::Test {
    [[nodiscard]] std::unique_ptr<StationStore> storeOf(CatalogSource source)
    {
        return std::make_unique<StationStore>(
            http, resolver, std::move(source), home.path().toStdString(), [this] { return now; });
    }

    QTemporaryDir home;
    QtHttpClient http;
    FakeHostResolver resolver;
    std::chrono::system_clock::time_point now {std::chrono::seconds(1'800'000'000)};
};

// The directory's servers on loopback, one refusing, one unavailable and one good: the store
// finds its way through them over real HTTP, once a day, and counts a play where the list came
// from; an error status never costs the copy on disk.
TEST_F(CatalogSourceTest, AStandInDirectoryIsReadPolitelyOverRealHttp)
{
    LogoServer unavailable;
    LogoServer good;
    unavailable.route(listPath, {"503 Service Unavailable", {}, "[]"});
    good.serve(listPath, catalog, "application/json");
    const auto store
        = storeOf(CatalogSource {.directoryServers = {"http://127.0.0.1:1", unavailable.url({}), good.url({})}});

    EXPECT_EQ(load(*store, 1), std::vector<std::string> {"stations 1"});
    EXPECT_EQ(unavailable.requestCount(listPath), 1);

    now += 23h;
    EXPECT_EQ(load(*store, 1), std::vector<std::string> {"stations 1"});
    EXPECT_EQ(good.requestCount(listPath) + unavailable.requestCount(listPath), 2) << "nothing asked the same day";

    const QString playPath = QStringLiteral("/json/url/9617a958-0601-11e8-ae97-52543be04c81");
    store->countPlay(StationFields {.stationuuid = "9617a958-0601-11e8-ae97-52543be04c81", .url = "http://x"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return good.requestCount(playPath) == 1; }, 10000));
    EXPECT_EQ(unavailable.requestCount(playPath), 0);

    now += 2h;
    good.route(listPath, {"503 Service Unavailable", {}, "[]"});
    EXPECT_EQ(load(*store, 2),
        (std::vector<std::string> {"stations 1", "The station catalog server answered 503 (Service Unavailable)."}));
    EXPECT_EQ(readFile(store->cacheFile()), catalog);
}

// A directory server that leaves play counts hanging still gets asked for the catalog at once,
// and soon sees the counts given up; an answer with nothing to list never costs the copy.
TEST_F(CatalogSourceTest, PlayCountsLeftHangingNeverHoldUpTheCatalog)
{
    LogoServer directory;
    directory.serve(listPath, catalog, "application/json");
    const auto store = storeOf(CatalogSource {.directoryServers = {directory.url({})}});
    ASSERT_EQ(load(*store, 1), std::vector<std::string> {"stations 1"});

    for (int i = 0; i < 8; ++i) {
        const std::string uuid = "held-" + std::to_string(i);
        directory.route(QString::fromStdString("/json/url/" + uuid), {"200 OK", {}, {}, LogoServer::Delivery::Hold});
        store->countPlay(StationFields {.stationuuid = uuid, .url = "http://x"});
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return directory.heldConnections() >= 6; }, 10000));
    now += 25h;
    EXPECT_EQ(load(*store, 2), (std::vector<std::string> {"stations 1", "stations 1"}));
    EXPECT_GE(directory.heldConnections(), 6) << "the catalog came while the counts still waited";
    EXPECT_TRUE(QTest::qWaitFor([&] { return directory.heldConnections() == 0; }, 10000)) << "counts given up";

    now += 25h;
    directory.serve(listPath, "[]", "application/json");
    EXPECT_EQ(load(*store, 2),
        (std::vector<std::string> {"stations 1", "The station catalog server answered with no usable stations."}));
    EXPECT_EQ(readFile(store->cacheFile()), catalog);
}

// A stand-in directory with a change feed: the store downloads the whole list once, then reads
// only what changed, page by page, into a copy that holds what the whole list would; a server
// that does not know the last change, and a week gone by, bring the whole list again.
TEST_F(CatalogSourceTest, TheDailyRefreshReadsOnlyTheChanges)
{
    const auto station = [](int change, const QByteArray& uuid, const QByteArray& members) {
        const QByteArray number = QByteArray::number(change);
        return R"({"changeuuid": "c)" + number + R"(", "lastchangetime": "2026-01-0)" + number
            + R"( 00:00:00", "stationuuid": ")" + uuid + "\", " + members + "}";
    };
    const QByteArray whole = "[" + station(1, "s1", R"("name": "One", "url": "http://s1", "url_resolved": "http://r1")")
        + "," + station(2, "s2", R"("url": "http://s2")") + "," + station(3, "s3", R"("url": "http://s3")") + "]";
    const QString firstPage = QStringLiteral("/json/stations/changed?lastchangeuuid=c3&limit=2");
    const QString secondPage = QStringLiteral("/json/stations/changed?lastchangeuuid=c5&limit=2");
    const QString unknownPage = QStringLiteral("/json/stations/changed?lastchangeuuid=c6&limit=2");
    LogoServer directory;
    directory.serve(listPath, whole, "application/json");
    directory.serve(firstPage,
        "[" + station(4, "s1", R"("name": "Uno", "url": "http://u1")") + ","
            + station(5, "s4", R"("url": "http://s4", "votes": 9)") + "]",
        "application/json");
    directory.serve(secondPage, "[" + station(6, "s2", R"("url": "")") + "]", "application/json");
    directory.serve(unknownPage, "[" + station(1, "s1", R"("url": "http://s1")") + "]", "application/json");
    const auto store = storeOf(CatalogSource {.directoryServers = {directory.url({})}});
    store->setChangeFeedLimits({.pageSize = 2});
    ASSERT_EQ(load(*store, 1), std::vector<std::string> {"stations 3"});

    now += 25h;
    EXPECT_EQ(load(*store, 2), (std::vector<std::string> {"stations 3", "stations 3"}));
    EXPECT_EQ(directory.requestCount(firstPage) + directory.requestCount(secondPage), 2);
    const QByteArray changed = "[" + station(4, "s1", R"("name": "Uno", "url": "http://u1")") + ","
        + station(3, "s3", R"("url": "http://s3")") + "," + station(5, "s4", R"("url": "http://s4", "votes": 9)") + "]";
    const QByteArray copy = readFile(store->cacheFile());
    EXPECT_EQ(decodeCatalog(std::string_view(copy.constData(), static_cast<std::size_t>(copy.size()))),
        decodeCatalog(std::string_view(changed.constData(), static_cast<std::size_t>(changed.size()))))
        << "station by station, what the whole list would give";

    now += 25h;
    EXPECT_EQ(load(*store, 2), (std::vector<std::string> {"stations 3", "stations 3"}));
    EXPECT_EQ(directory.requestCount(unknownPage), 1);
    EXPECT_EQ(readFile(store->cacheFile()), whole) << "the change it did not know brought the whole list";

    now += std::chrono::hours(24 * 7);
    EXPECT_EQ(load(*store, 2), (std::vector<std::string> {"stations 3", "stations 3"}));
    EXPECT_EQ(directory.requestCount(listPath), 3);
    EXPECT_EQ(directory.requestCount(firstPage), 1) << "a week on, the whole list without the feed";
}

// A document of a deployment's own is asked at each start whether it changed; "not modified"
// keeps the copy and answers nothing more.
TEST_F(CatalogSourceTest, AnUnchangedDocumentIsNotDownloadedAgain)
{
    LogoServer server;
    const QString path = QStringLiteral("/stations_filtered.json");
    server.route(
        path, {"200 OK", "Content-Type: application/json\r\n", catalog, LogoServer::Delivery::Whole, "\"v1\""});
    const auto store = storeOf(CatalogSource {.documentUrl = server.url(path)});
    EXPECT_EQ(load(*store, 1), std::vector<std::string> {"stations 1"});

    EXPECT_EQ(load(*store, 1), std::vector<std::string> {"stations 1"}) << "the copy on disk, and nothing after";
    EXPECT_EQ(server.requestCount(path), 2);
    EXPECT_EQ(server.requestHeaders(path).value("if-none-match"), "\"v1\"");
    EXPECT_EQ(readFile(store->cacheFile()), catalog);
}

} // namespace
} // namespace Vello
