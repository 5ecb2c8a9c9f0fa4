#include "collected.h"
#include "fakehostresolver.h"
#include "logoserver.h"

#include "catalog/catalogsource.h"
#include "catalog/stationstore.h"
#include "platform/qthttpclient.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace Vello {
namespace {

// The directory's servers on loopback, one refusing, one unavailable and one good: the store
// finds its way through them over real HTTP, keeps the list it got and counts a play where the
// list came from. The rules for when to ask and what an error costs are the store's unit tests.
TEST(CatalogSourceTest, AStandInDirectoryIsReadOverRealHttp)
{
    const QByteArray catalog = R"([{"stationuuid": "9617a958-0601-11e8-ae97-52543be04c81", "name": "Alpha",
        "url": "http://127.0.0.1:9/alpha", "lastcheckok": 1, "votes": 3}])";
    const QString listPath = QStringLiteral("/json/stations?hidebroken=true&limit=100000");
    const QString playPath = QStringLiteral("/json/url/9617a958-0601-11e8-ae97-52543be04c81");
    LogoServer unavailable;
    LogoServer good;
    unavailable.route(listPath, {"503 Service Unavailable", {}, "[]"});
    good.serve(listPath, catalog, "application/json");
    QTemporaryDir home;
    QtHttpClient http("PembaVello/test");
    FakeHostResolver resolver;
    StationStore store(http, resolver,
        CatalogSource {.directoryServers = {"http://127.0.0.1:1", unavailable.url({}), good.url({})}},
        home.path().toStdString());

    Collected<StationsResult> answers;
    store.load([&](StationsResult result) { answers.add(std::move(result)); });
    ASSERT_TRUE(answers.waitFor(1));
    const auto* stations = std::get_if<std::vector<Station>>(&answers.all().front());
    ASSERT_NE(stations, nullptr) << std::get<Error>(answers.all().front()).description;
    EXPECT_EQ(stations->size(), 1U);
    EXPECT_EQ(unavailable.requestCount(listPath), 1);
    EXPECT_EQ(good.requestCount(listPath), 1);
    EXPECT_EQ(good.requestHeaders(listPath).value("user-agent"), "PembaVello/test");
    std::ifstream cache(store.cacheFile(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(cache), {}), catalog.toStdString());

    store.countPlay(StationFields {.stationuuid = "9617a958-0601-11e8-ae97-52543be04c81", .url = "http://x"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return good.requestCount(playPath) == 1; }, 10000));
    EXPECT_EQ(unavailable.requestCount(playPath), 0);
    QTest::qWait(100); // time for an answer too many
    EXPECT_EQ(answers.all().size(), 1U);
}

} // namespace
} // namespace Vello
