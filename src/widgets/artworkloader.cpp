#include "artworkloader.h"

#include "imagedecoderwarnings.h"
#include "logodiskcache.h"

#include <QBuffer>
#include <QImageReader>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace Vello {

// What the download and decoding threads share with the loader. The loader closes it when it
// goes away, so late completions do nothing.
struct ArtworkLoader::Shared {
    Shared(std::size_t cacheBytes, Limits decodeLimits)
        : cache(cacheBytes)
        , limits(decodeLimits)
    {
    }

    ArtworkCache cache;
    const Limits limits;
    std::mutex mutex;
    bool closed = false;
    ArtworkLoader* loader = nullptr;
    QThreadPool* decoders = nullptr;
    LogoDiskCache* disk = nullptr;
};

namespace {

// Raster formats only: a vector logo can be made arbitrarily expensive to render.
bool isAcceptedFormat(const QByteArray& format)
{
    static const QByteArrayList accepted {"png", "jpeg", "jpg", "gif", "webp", "ico", "bmp"};
    return accepted.contains(format.toLower());
}

// Decodes a logo no larger than `target` square, refusing pictures whose full size would
// need more than the allocation limit (a few bytes of PNG can claim gigapixels).
QImage decodeLogo(const QByteArray& body, int target, int allocationLimitMegabytes)
{
    if (body.isEmpty() || !isWholeImage(body)) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(allocationLimitMegabytes);
    if (!isAcceptedFormat(reader.format())) {
        return {};
    }
    const QSize size = reader.size();
    if (size.isValid()) {
        const qint64 bytes = qint64 {size.width()} * size.height() * 4;
        if (bytes > qint64 {allocationLimitMegabytes} * 1024 * 1024) {
            return {};
        }
        if (size.width() > target || size.height() > target) {
            reader.setScaledSize(size.scaled(target, target, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    if (image.width() > target || image.height() > target) {
        image = image.scaled(target, target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

ArtworkLoader::ArtworkLoader(HttpClient& http, QObject* parent)
    : ArtworkLoader(http, Limits {}, parent)
{
}

ArtworkLoader::ArtworkLoader(HttpClient& http, Limits limits, QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_limits(limits)
    , m_shared(std::make_shared<Shared>(limits.cacheBytes, limits))
{
    m_decoders.setMaxThreadCount(2);
    m_shared->loader = this;
    m_shared->decoders = &m_decoders;
}

ArtworkLoader::~ArtworkLoader()
{
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->closed = true;
    }
    // Decoding already started finishes (it is bounded); its hand-over to this object is
    // dropped with the object's pending events.
    m_decoders.waitForDone();
}

bool ArtworkLoader::isLoadableAddress(const std::string& favicon)
{
    if (!favicon.starts_with("http")) {
        return false;
    }
    const QUrl url(QString::fromStdString(favicon), QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

std::optional<QImage> ArtworkLoader::request(const std::string& favicon, QObject* receiver, Delivery deliver)
{
    if (receiver == nullptr || !isLoadableAddress(favicon)) {
        return std::nullopt;
    }
    const QString address = QString::fromStdString(favicon);
    if (auto image = m_shared->cache.find(address)) {
        return image;
    }
    if (auto kept = m_shared->disk ? m_shared->disk->read(address) : std::nullopt) {
        m_shared->cache.insert(address, kept->image);
        if (kept->stale && !m_waiters.contains(address)) {
            // Fetched again in the background; the new picture replaces this one in both caches.
            m_waiters[address].push_back(Waiter {this, [](const QImage&) {}});
            m_queue.push_back(address);
            startNextDownloads();
        }
        return kept->image;
    }
    if (failedLately(address)) {
        return std::nullopt;
    }
    const bool known = m_waiters.contains(address);
    m_waiters[address].push_back(Waiter {receiver, std::move(deliver)});
    if (!known) {
        m_queue.push_back(address);
        startNextDownloads();
    }
    return std::nullopt;
}

QPixmap ArtworkLoader::thumbnail(const QPixmap& source, int side, qreal devicePixelRatio)
{
    if (source.isNull() || side <= 0) {
        return {};
    }
    const QString key = QStringLiteral("%1/%2/%3").arg(source.cacheKey()).arg(side).arg(devicePixelRatio);
    if (const auto found = m_thumbnails.constFind(key); found != m_thumbnails.cend()) {
        return *found;
    }
    const QSize pixels = (QSizeF(side, side) * devicePixelRatio).toSize();
    QPixmap scaled = source.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    // Only a handful of placeholders exist; forget them all if something churns.
    if (m_thumbnails.size() >= 16) {
        m_thumbnails.clear();
    }
    m_thumbnails.insert(key, scaled);
    return scaled;
}

const ArtworkCache& ArtworkLoader::cache() const
{
    return m_shared->cache;
}

void ArtworkLoader::setDiskCache(LogoDiskCache* disk)
{
    m_shared->disk = disk;
}

void ArtworkLoader::startNextDownloads()
{
    while (m_inFlight < m_limits.maxDownloads && !m_queue.empty()) {
        const QString address = m_queue.front();
        m_queue.pop_front();
        auto& waiters = m_waiters[address];
        std::erase_if(waiters, [](const Waiter& waiter) { return waiter.receiver.isNull(); });
        // Every row that wanted it was discarded before its turn came: nobody will see it.
        if (waiters.empty()) {
            m_waiters.remove(address);
            continue;
        }
        startDownload(address);
    }
}

void ArtworkLoader::startDownload(const QString& address)
{
    ++m_inFlight;
    std::weak_ptr<Shared> weakShared = m_shared;
    HttpRequest request;
    request.url = address.toStdString();
    request.maxBodyBytes = m_limits.maxBodyBytes;
    request.deadline = m_limits.deadline;
    request.minimumBytesPerSecond = m_limits.minimumBytesPerSecond;
    request.rateWindow = m_limits.rateWindow;
    m_http.get(std::move(request), [weakShared, address](HttpResult result) {
        const auto shared = weakShared.lock();
        if (!shared) {
            return;
        }
        QByteArray body;
        if (auto* response = std::get_if<HttpResponse>(&result)) {
            body = QByteArray(response->body.data(), static_cast<qsizetype>(response->body.size()));
        }
        const std::lock_guard lock(shared->mutex);
        if (shared->closed) {
            return;
        }
        shared->decoders->start([shared, address, body = std::move(body)] {
            const QImage image = decodeLogo(body, shared->limits.targetSize, shared->limits.allocationLimitMegabytes);
            // Cached before the hand-over, so the picture is kept even when its row is gone.
            shared->cache.insert(address, image);
            if (shared->disk != nullptr && !image.isNull()) {
                shared->disk->store(address, image);
            }
            ArtworkLoader* loader = shared->loader;
            QMetaObject::invokeMethod(
                loader, [loader, address, image] { loader->finish(address, image); }, Qt::QueuedConnection);
        });
    });
}

void ArtworkLoader::finish(const QString& address, const QImage& image)
{
    --m_inFlight;
    const std::vector<Waiter> waiters = m_waiters.take(address);
    if (image.isNull()) {
        // Old failures are forgotten now and then, so scrolling a long list does not pile them up.
        if (m_failures.size() >= 512) {
            m_failures.removeIf([](const auto& failure) { return failure.value().hasExpired(); });
        }
        m_failures.insert(address, QDeadlineTimer(m_limits.retryAfterFailure));
    } else {
        for (const Waiter& waiter : waiters) {
            if (!waiter.receiver.isNull()) {
                waiter.deliver(image);
            }
        }
    }
    startNextDownloads();
}

bool ArtworkLoader::failedLately(const QString& address)
{
    const auto found = m_failures.find(address);
    if (found == m_failures.end()) {
        return false;
    }
    if (!found->hasExpired()) {
        return true;
    }
    m_failures.erase(found);
    return false;
}

} // namespace Vello
