#pragma once

#include "artworkcache.h"

#include "ports/httpclient.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QThreadPool>

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class LogoDiskCache;

// Fetches station logos for the rows: one download per address at a time, a few downloads
// at once, bodies and decoded pictures bounded, decoding off the GUI thread, and every
// picture kept in one cache for the life of the loader. Created once by the application and
// used on the GUI thread. Failures are silent: the row keeps its fallback.
class ArtworkLoader final : public QObject {
    Q_OBJECT

public:
    struct Limits {
        std::size_t maxBodyBytes = std::size_t {2} * 1024 * 1024;
        // Pictures are decoded to fit this square (56-pixel artwork on a 2x screen).
        int targetSize = 112;
        // The largest picture the decoder may allocate, before scaling.
        int allocationLimitMegabytes = 32;
        int maxDownloads = 6;
        std::size_t cacheBytes = std::size_t {64} * 1024 * 1024;
        // A download still running after this gives up and frees its place, and so does one
        // that averages less than the minimum rate over a window: a server that drips must not
        // hold a place the logos on screen are waiting for.
        std::chrono::milliseconds deadline {std::chrono::seconds(20)};
        std::size_t minimumBytesPerSecond = 512;
        std::chrono::milliseconds rateWindow {std::chrono::seconds(3)};
        // A logo that failed is not fetched again for this long, however many rows ask.
        std::chrono::milliseconds retryAfterFailure {std::chrono::seconds(60)};
    };
    using Delivery = std::function<void(const QImage&)>;

    explicit ArtworkLoader(HttpClient& http, QObject* parent = nullptr);
    ArtworkLoader(HttpClient& http, Limits limits, QObject* parent = nullptr);
    ~ArtworkLoader() override;

    // Whether `favicon` is an address logos are fetched from: text beginning with "http"
    // (case-sensitive) that parses as a web address.
    [[nodiscard]] static bool isLoadableAddress(const std::string& favicon);

    // The picture of `favicon` when it is cached. Otherwise starts or joins its download and
    // returns nothing; `deliver` later runs once on the GUI thread with the picture, unless
    // `receiver` is gone by then or the download fails. A logo that failed lately is not
    // fetched again until `retryAfterFailure` has passed.
    std::optional<QImage> request(const std::string& favicon, QObject* receiver, Delivery deliver);

    // `source` scaled smoothly to fit a `side` square at `devicePixelRatio`, remembered for
    // the next row that asks for the same picture.
    [[nodiscard]] QPixmap thumbnail(const QPixmap& source, int side, qreal devicePixelRatio);

    [[nodiscard]] const ArtworkCache& cache() const;
    // Logos are also looked up in and kept in `disk`, which must outlive the loader. Set once,
    // before the first request.
    void setDiskCache(LogoDiskCache* disk);
    [[nodiscard]] int downloadsInFlight() const { return m_inFlight; }
    [[nodiscard]] std::size_t downloadsQueued() const { return m_queue.size(); }

private:
    struct Waiter {
        QPointer<QObject> receiver;
        Delivery deliver;
    };
    struct Shared;

    void startNextDownloads();
    void startDownload(const QString& address);
    void finish(const QString& address, const QImage& image);
    [[nodiscard]] bool failedLately(const QString& address);

    HttpClient& m_http;
    Limits m_limits;
    std::shared_ptr<Shared> m_shared;
    QHash<QString, std::vector<Waiter>> m_waiters;
    std::deque<QString> m_queue;
    int m_inFlight = 0;
    QHash<QString, QPixmap> m_thumbnails;
    // When each failed address may be fetched again.
    QHash<QString, QDeadlineTimer> m_failures;
    QThreadPool m_decoders;
};

} // namespace Vello
