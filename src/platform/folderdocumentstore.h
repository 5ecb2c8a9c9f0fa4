#pragma once

#include "ports/documentstore.h"

#include <QString>

namespace Vello {

// Documents as files of one folder (by default the preferences' own, on Linux
// $XDG_CONFIG_HOME/PembaVello), each written aside, flushed and renamed into place. Only regular
// files are read (regularfile.h).
class FolderDocumentStore final : public DocumentStore {
public:
    explicit FolderDocumentStore(QString folder = defaultFolder());

    [[nodiscard]] static QString defaultFolder();

    [[nodiscard]] Result<std::optional<std::string>> read(std::string_view name, std::size_t maxBytes) const override;
    bool write(std::string_view name, std::string_view bytes) override;
    Result<std::string> setAside(std::string_view name) override;

private:
    [[nodiscard]] QString pathOf(std::string_view name) const;

    QString m_folder;
};

} // namespace Vello
