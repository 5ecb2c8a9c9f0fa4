#include "logoserver.h"
#include "testimages.h"
#include "waitfor.h"

#include "platform/qthttpclient.h"
#include "widgets/artworkloader.h"
#include "widgets/logodiskcache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <tuple>

namespace Vello {
namespace {

TEST(LogoDiskCacheTest, ASecondLoaderShowsKeptLogosAndRefetchesDamagedAndStaleOnes)
{
    QTemporaryDir folder;
    LogoServer server;
    QtHttpClient http;
    QObject receiver;
    // The logo, how much of its file is left and how old it is, whether the second loader shows it
    // at once and the downloads made by then.
    const std::tuple<const char*, int, int, bool, int> cases[] = {
        {"/kept.png", 100, 0, true, 1},
        {"/truncated.png", 50, 0, false, 2},
        {"/stale.png", 100, 8, true, 2},
    };
    // Each loader has a memory cache of its own, as each start of the player has.
    LogoDiskCache disk(folder.path());
    ArtworkLoader first(http);
    ArtworkLoader second(http);
    first.setDiskCache(&disk);
    second.setDiskCache(&disk);
    for (const auto& c : cases) {
        const QString path = QString::fromLatin1(std::get<0>(c));
        server.serve(path, encodedImage(QSize(64, 64), Qt::red), "image/png");
        EXPECT_FALSE(first.request(server.url(path), &receiver, [](const QImage&) {}));
    }
    ASSERT_TRUE(waitFor([&] { return first.downloadsInFlight() == 0; }));
    disk.flush();

    for (const auto& [name, keptPercent, daysOld, shownAtOnce, requestsAfter] : cases) {
        SCOPED_TRACE(name);
        const QString path = QString::fromLatin1(name);
        const QString address = QString::fromStdString(server.url(path));
        QFile file(disk.pathFor(address));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(file.size() * keptPercent / 100));
        file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-daysOld), QFileDevice::FileModificationTime);
        EXPECT_EQ(second.request(address.toStdString(), &receiver, [](const QImage&) {}).has_value(), shownAtOnce);
        EXPECT_TRUE(
            waitFor([&] { return server.requestCount(path) == requestsAfter && second.downloadsInFlight() == 0; }));
        disk.flush();
        const auto kept = disk.read(address);
        ASSERT_TRUE(kept.has_value()) << "the file is whole and fresh again";
        EXPECT_FALSE(kept->stale);
    }
}

TEST(LogoDiskCacheTest, TheCapRemovesTheLeastRecentlyUsedFirst)
{
    QTemporaryDir folder;
    const auto address = [](int i) { return QStringLiteral("https://logos.example/%1.png").arg(i); };
    // Noise PNG cannot shrink: every file is about 4.8 KB.
    const auto noise = [](int seed) {
        QImage image(40, 40, QImage::Format_RGB32);
        QRandomGenerator(static_cast<quint32>(seed)).fillRange(reinterpret_cast<quint32*>(image.bits()), 40 * 40);
        return image;
    };
    constexpr qint64 cap = 17000;
    LogoDiskCache disk(folder.path(), cap);
    for (int i = 0; i < 8; ++i) {
        // Access times on disk are coarse: keep the uses apart.
        QThread::msleep(15);
        disk.store(address(i), noise(i));
        disk.flush();
        EXPECT_TRUE(disk.read(address(0)).has_value()) << "the logo in use stays, at store " << i;
    }
    // Three fit under the cap: the one in use and the two newest.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    EXPECT_FALSE(disk.existingFile(address(6)).isEmpty() || disk.existingFile(address(7)).isEmpty());
}

} // namespace
} // namespace Vello
