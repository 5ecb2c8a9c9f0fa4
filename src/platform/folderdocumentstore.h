#pragma once

#include "ports/documentstore.h"

#include <QString>

namespace Vello {

// Documents as files of one folder (by default the preferences' own, on Linux
// $XDG_CONFIG_HOME/PembaVello), each written aside, flushed and renamed into place.
class FolderDocumentStore final : public DocumentStore {
public:
    // Documents larger than this are not read: they are not ours.
    static constexpr qint64 maxBytes = qint64 {16} * 1024 * 1024;

    explicit FolderDocumentStore(QString folder = defaultFolder());

    [[nodiscard]] static QString defaultFolder();

    [[nodiscard]] std::optional<std::string> read(std::string_view name) const override;
    bool write(std::string_view name, std::string_view bytes) override;

private:
    [[nodiscard]] QString pathOf(std::string_view name) const;

    QString m_folder;
};

} // namespace Vello
