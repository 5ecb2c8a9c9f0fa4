#include "logodiskcache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace Vello {

namespace {

const QString suffix = QStringLiteral(".png");

} // namespace

LogoDiskCache::LogoDiskCache(QString folder, qint64 capBytes)
    : m_folder(std::move(folder))
    , m_capBytes(capBytes)
{
    m_writer.setMaxThreadCount(1);
    m_writer.setThreadPriority(QThread::IdlePriority);
}

LogoDiskCache::~LogoDiskCache()
{
    m_writer.waitForDone();
}

QString LogoDiskCache::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/PembaVello/logos");
}

QString LogoDiskCache::pathFor(const QString& address) const
{
    const QByteArray hash = QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha256).toHex();
    return m_folder + u'/' + QString::fromLatin1(hash) + suffix;
}

QString LogoDiskCache::existingFile(const QString& address) const
{
    const QString path = pathFor(address);
    return QFileInfo::exists(path) ? path : QString();
}

// A file is only ever replaced whole (written aside, then renamed), so a reader sees the old
// picture or the new one without waiting for the writer.
std::optional<LogoDiskCache::Entry> LogoDiskCache::read(const QString& address)
{
    const QString path = pathFor(address);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly)) {
        return std::nullopt;
    }
    QImage image;
    // Only this cache writes these files, and only small pictures: anything else is damage.
    if (file.size() > m_capBytes || !image.loadFromData(file.readAll(), "PNG")) {
        const qint64 size = file.size();
        file.close();
        if (QFile::remove(path)) {
            const std::lock_guard lock(m_mutex);
            if (m_bytes) {
                *m_bytes -= size;
            }
        }
        return std::nullopt;
    }
    const QDateTime fetched = file.fileTime(QFileDevice::FileModificationTime);
    file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileAccessTime);
    const auto age = std::chrono::seconds(fetched.secsTo(QDateTime::currentDateTimeUtc()));
    return Entry {image.convertToFormat(QImage::Format_ARGB32_Premultiplied), age > maxAge};
}

void LogoDiskCache::store(const QString& address, const QImage& image)
{
    if (image.isNull() || m_queued.fetch_add(1) >= maxQueued) {
        --m_queued;
        return;
    }
    m_writer.start([this, address, image] {
        write(address, image);
        --m_queued;
    });
}

void LogoDiskCache::flush()
{
    m_writer.waitForDone();
}

void LogoDiskCache::write(const QString& address, const QImage& image)
{
    const QString path = pathFor(address);
    if (!QDir().mkpath(m_folder)) {
        return;
    }
    const qint64 before = QFileInfo(path).size();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        return;
    }
    bool overCap = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_bytes) {
            *m_bytes += QFileInfo(path).size() - before;
        }
        overCap = !m_bytes || *m_bytes > m_capBytes;
    }
    if (overCap) {
        trim();
    }
}

void LogoDiskCache::trim()
{
    QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*") + suffix}, QDir::Files);
    qint64 total = 0;
    for (const QFileInfo& info : files) {
        total += info.size();
    }
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.fileTime(QFileDevice::FileAccessTime) < b.fileTime(QFileDevice::FileAccessTime);
    });
    for (const QFileInfo& info : files) {
        if (total <= m_capBytes) {
            break;
        }
        if (QFile::remove(info.filePath())) {
            total -= info.size();
        }
    }
    const std::lock_guard lock(m_mutex);
    m_bytes = total;
}

} // namespace Vello
