#include "folderdocumentstore.h"

#include "regularfile.h"

#include <QDir>
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

Result<std::optional<std::string>> FolderDocumentStore::read(std::string_view name, std::size_t maxBytes) const
{
    auto bytes = readRegularFile(pathOf(name), static_cast<qint64>(maxBytes));
    if (auto* error = std::get_if<Error>(&bytes)) {
        return std::move(*error);
    }
    const auto& read = std::get<std::optional<QByteArray>>(bytes);
    return read ? std::optional<std::string>(read->toStdString()) : std::nullopt;
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

Result<std::string> FolderDocumentStore::setAside(std::string_view name)
{
    return setFileAside(pathOf(name));
}

} // namespace Vello
