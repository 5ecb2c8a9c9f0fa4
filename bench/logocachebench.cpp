// The longest the GUI thread waits to read a logo from the disk cache while 200 new ones are
// stored from the HTTP client's threads (encoded, committed and the folder trimmed to its cap),
// against the same reads with no writer at all.
//
//   QT_QPA_PLATFORM=offscreen build-rel/bench/logocache_bench
#include "widgets/logodiskcache.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int logoSide = 128;
constexpr int written = 200;
// As many as the HTTP client has completion threads on this machine.
constexpr int storers = 2;
constexpr int shown = 40;

// Noise encodes slowly and large, as photographs do: the worst case for a writer.
QImage noisyLogo(quint32 seed)
{
    QImage image(logoSide, logoSide, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(seed);
    for (int y = 0; y < logoSide; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < logoSide; ++x) {
            line[x] = random.generate() | 0xff000000U;
        }
    }
    return image;
}

struct Waits {
    double worstMs = 0;
    double p99Ms = 0;
    double medianMs = 0;
};

// Reads the shown logos round and round until `done`, timing each read.
Waits readWhile(Vello::LogoDiskCache& cache, const std::atomic<bool>& done, int atLeast)
{
    std::vector<double> waits;
    for (int round = 0; !done.load() || static_cast<int>(waits.size()) < atLeast; ++round) {
        QElapsedTimer timer;
        timer.start();
        const auto entry = cache.read(QStringLiteral("https://logos.example/shown/%1.png").arg(round % shown));
        waits.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!entry) {
            std::fputs("logocache_bench: a shown logo went missing\n", stderr);
        }
    }
    std::sort(waits.begin(), waits.end());
    return {waits.back(), waits[waits.size() * 99 / 100], waits[waits.size() / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    // Room for the shown logos and about half of the new ones: the writers trim as they go.
    const QImage sample = noisyLogo(0);
    Vello::LogoDiskCache probe(folder.filePath(QStringLiteral("probe")));
    probe.store(QStringLiteral("probe"), sample);
    probe.flush();
    const qint64 logoBytes = QFileInfo(probe.pathFor(QStringLiteral("probe"))).size();
    Vello::LogoDiskCache cache(folder.filePath(QStringLiteral("logos")), logoBytes * (shown + written / 2));
    for (int i = 0; i < shown; ++i) {
        cache.store(QStringLiteral("https://logos.example/shown/%1.png").arg(i), noisyLogo(static_cast<quint32>(i)));
    }
    cache.flush();
    std::vector<QImage> logos;
    for (int i = 0; i < written; ++i) {
        logos.push_back(noisyLogo(static_cast<quint32>(1000 + i)));
    }

    std::atomic<bool> done {true};
    const Waits quiet = readWhile(cache, done, 400);

    done = false;
    std::atomic<int> next {0};
    QElapsedTimer writing;
    writing.start();
    std::vector<std::thread> threads;
    for (int w = 0; w < storers; ++w) {
        threads.emplace_back([&] {
            for (int i = next++; i < written; i = next++) {
                cache.store(QStringLiteral("https://logos.example/new/%1.png").arg(i), logos[static_cast<size_t>(i)]);
            }
        });
    }
    std::thread finisher([&] {
        for (std::thread& thread : threads) {
            thread.join();
        }
        cache.flush();
        done = true;
    });
    const Waits busy = readWhile(cache, done, 400);
    finisher.join();
    std::printf("%d logos of %d px (%.0f KB each) stored from %d threads in %.0f ms, trimmed to a cap of %.1f MB\n",
        written, logoSide, static_cast<double>(logoBytes) / 1024, storers, static_cast<double>(writing.elapsed()),
        static_cast<double>(logoBytes * (shown + written / 2)) / 1048576);
    for (const auto& [what, waits] : {std::pair {"no writer", quiet}, std::pair {"while writing", busy}}) {
        std::printf("GUI-thread read, %s: median %.2f ms, 99th percentile %.2f ms, worst %.2f ms\n", what,
            waits.medianMs, waits.p99Ms, waits.worstMs);
    }
    return 0;
}
