#include "widgets/logoserver.h"
#include "widgets/testimages.h"
#include "widgets/waitfor.h"

#include "platform/qthttpclient.h"
#include "widgets/artworkloader.h"
#include "widgets/logodiskcache.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace Vello {
namespace {

// A picture PNG cannot shrink, so each file has about the same known size.
QImage noise(int seed)
{
    QImage image(40, 40, QImage::Format_ARGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xff000000U);
        }
    }
    return image;
}

TEST(LogoDiskCacheTest, ASecondLoaderShowsKeptLogosAndRefetchesDamagedAndStaleOnes)
{
    QTemporaryDir folder;
    LogoServer server;
    QtHttpClient http;
    QObject receiver;
    struct Case {
        const char* path;
        std::function<void(const QString& file)> damage;
        bool shownAtOnce;
        int requestsAfter;
    };
    const Case cases[] = {
        {"/kept.png", [](const QString&) {}, true, 1},
        {"/damaged.png",
            [](const QString& file) {
                QFile damaged(file);
                ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
                damaged.write("\x89PNG\r\n garbage");
            },
            false, 2},
        {"/truncated.png", [](const QString& file) { QFile::resize(file, QFileInfo(file).size() / 2); }, false, 2},
        {"/stale.png",
            [](const QString& file) {
                QFile old(file);
                ASSERT_TRUE(old.open(QIODevice::ReadWrite));
                old.setFileTime(QDateTime::currentDateTimeUtc().addDays(-8), QFileDevice::FileModificationTime);
            },
            true, 2},
    };
    int delivered = 0;
    {
        LogoDiskCache disk(folder.path());
        ArtworkLoader first(http);
        first.setDiskCache(&disk);
        for (const Case& c : cases) {
            server.serve(QString::fromLatin1(c.path), encodedImage(QSize(64, 64), Qt::red), "image/png");
            EXPECT_FALSE(
                first.request(server.url(QString::fromLatin1(c.path)), &receiver, [&](const QImage&) { ++delivered; }));
        }
        ASSERT_TRUE(waitFor([&] { return delivered == static_cast<int>(std::size(cases)); }));
    }

    LogoDiskCache disk(folder.path());
    ArtworkLoader second(http);
    second.setDiskCache(&disk);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const QString path = QString::fromLatin1(c.path);
        const std::string address = server.url(path);
        c.damage(disk.pathFor(QString::fromStdString(address)));
        delivered = 0;
        const auto shown = second.request(address, &receiver, [&](const QImage&) { ++delivered; });
        EXPECT_EQ(shown.has_value(), c.shownAtOnce);
        EXPECT_TRUE(
            waitFor([&] { return server.requestCount(path) == c.requestsAfter && second.downloadsInFlight() == 0; }));
        const auto kept = disk.read(QString::fromStdString(address));
        ASSERT_TRUE(kept.has_value()) << "the file is whole and fresh again";
        EXPECT_FALSE(kept->stale);
        EXPECT_EQ(kept->image.pixelColor(0, 0), QColor(Qt::red));
    }
}

TEST(LogoDiskCacheTest, TheCapRemovesTheLeastRecentlyUsedFirst)
{
    QTemporaryDir folder;
    const auto address = [](int i) { return QStringLiteral("https://logos.example/%1.png").arg(i); };
    LogoDiskCache probe(folder.path());
    probe.store(address(0), noise(0));
    const qint64 fileSize = QFileInfo(probe.pathFor(address(0))).size();
    ASSERT_GT(fileSize, 4000);

    LogoDiskCache disk(folder.path(), fileSize * 3 + fileSize / 2);
    for (int i = 1; i < 8; ++i) {
        // Access times on disk are coarse: keep the uses apart.
        QThread::msleep(15);
        disk.store(address(i), noise(i));
        EXPECT_TRUE(disk.read(address(0)).has_value()) << "the logo in use stays, at store " << i;
    }
    qint64 total = 0;
    for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
        total += info.size();
    }
    EXPECT_LE(total, fileSize * 3 + fileSize / 2);
    EXPECT_TRUE(disk.existingFile(address(7)).size() > 0);
    EXPECT_TRUE(disk.existingFile(address(6)).size() > 0);
    EXPECT_TRUE(disk.existingFile(address(1)).isEmpty()) << "the oldest unused logo went first";
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
