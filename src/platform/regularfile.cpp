#include "regularfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Vello {

namespace {

const Text notRegular = VELLO_TR("Core", "It is not a regular file.");
const Text tooLarge = VELLO_TR("Core", "It is larger than the player reads.");

Text refused(const QFile& file)
{
    return Text(VELLO_TR("Core", "The system did not let the player read it: %1"),
        {Text::verbatim(file.errorString().toStdString())});
}

} // namespace

std::optional<Text> unreadableReason(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return std::nullopt;
    }
    if (!info.isFile()) {
        return notRegular;
    }
    if (info.size() > maxBytes) {
        return tooLarge;
    }
    return std::nullopt;
}

Result<std::optional<QByteArray>> readRegularFile(const QString& path, qint64 maxBytes)
{
    if (const auto why = unreadableReason(path, maxBytes)) {
        return Error {*why};
    }
    QFile file(path);
    if (!file.exists()) {
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return Error {refused(file)};
    }
    // Read no further than the limit whatever the file turned into since it was looked at.
    if (file.isSequential()) {
        return Error {notRegular};
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return Error {refused(file)};
    }
    if (bytes.size() > maxBytes) {
        return Error {tooLarge};
    }
    return bytes;
}

Result<std::string> setFileAside(const QString& path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    const QString stem
        = info.dir().filePath(info.completeBaseName()) + u'-' + QDate::currentDate().toString(Qt::ISODate);
    QFile file(path);
    for (int copy = 1; copy <= 100; ++copy) {
        const QString aside = stem + (copy == 1 ? QString() : u'-' + QString::number(copy)) + suffix;
        if (QFileInfo(aside).exists() || QFileInfo(aside).isSymLink()) {
            continue;
        }
        // A rename moves a link or a FIFO itself, and never copies what it leads to.
        if (file.rename(aside)) {
            return QDir::toNativeSeparators(aside).toStdString();
        }
        return Error {Text::verbatim(file.errorString().toStdString())};
    }
    return Error {VELLO_TR("Core", "There are too many files set aside beside it.")};
}

} // namespace Vello
