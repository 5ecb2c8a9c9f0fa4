#include "folderdocumentstore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace Vello {

FolderDocumentStore::FolderDocumentStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString FolderDocumentStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/PembaVello");
}

QString FolderDocumentStore::pathOf(std::string_view name) const
{
    return m_folder + u'/' + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<std::string> FolderDocumentStore::read(std::string_view name) const
{
    QFile file(pathOf(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

bool FolderDocumentStore::write(std::string_view name, std::string_view bytes)
{
    if (!QDir().mkpath(m_folder)) {
        return false;
    }
    QSaveFile file(pathOf(name));
    return file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
}

} // namespace Vello
