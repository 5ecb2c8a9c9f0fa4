#include "logoserver.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace Vello {
namespace {

const QByteArray catalog = R"([
  {"stationuuid": "a1", "name": "Lowland Jazz", "url_resolved": "http://127.0.0.1:9/jazz", "votes": 12},
  {"stationuuid": "b2", "name": "Harbour News", "url": "http://127.0.0.1:9/news", "clickcount": 5}
])";

TEST(Application, RefusesABadCatalogAddressAndCachesAGoodOneInTheDataHome)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& folder : {QStringLiteral("data"), QStringLiteral("config"), QStringLiteral("cache")}) {
        environment.insert(QStringLiteral("XDG_%1_HOME").arg(folder.toUpper()), home.filePath(folder));
    }
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program is stopped from outside; what it still held then is not a leak.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELLO_APP_PATH), {QStringLiteral("--catalog-url"), QStringLiteral("catalog.json")});
    ASSERT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("--catalog-url needs an absolute http or https address"));

    LogoServer server;
    server.serve(QStringLiteral("/stations_filtered.json"), catalog, "application/json");
    const std::string address = server.url(QStringLiteral("/stations_filtered.json"));
    program.start(QStringLiteral(VELLO_APP_PATH), {QStringLiteral("--catalog-url"), QString::fromStdString(address)});
    ASSERT_TRUE(program.waitForStarted());
    const bool arrived = QTest::qWaitFor(
        [&] {
            QFile file(home.filePath(QStringLiteral("data/PembaVello/stations.json")));
            return file.open(QIODevice::ReadOnly) && file.readAll() == catalog;
        },
        60'000);
    program.terminate();
    program.waitForFinished();
    EXPECT_TRUE(arrived) << program.readAllStandardError().toStdString();
    EXPECT_EQ(server.requestCount(QStringLiteral("/stations_filtered.json")), 1);
}

} // namespace
} // namespace Vello
