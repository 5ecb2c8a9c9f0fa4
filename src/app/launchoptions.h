#pragma once

#include "catalog/error.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

namespace Vello {

// What the command line asks of this run.
struct LaunchOptions final {
    // Where the catalog is downloaded from: the build's own address unless --catalog-url says
    // otherwise.
    std::string catalogUrl;
    // The usage or version text, when the person asked for it instead of the window.
    std::optional<QString> message;
};

// Reads `arguments` (the program name first). Unknown options, a missing value and an address
// that is not an absolute http or https address are errors that say what was wrong.
[[nodiscard]] Result<LaunchOptions> parseCommandLine(const QStringList& arguments);

// The folder of the catalog's cache file: the per-user data folder (XDG_DATA_HOME on Linux)
// followed by "PembaVello".
[[nodiscard]] std::filesystem::path cacheFolder();

} // namespace Vello
