#pragma once

#include "base/error.h"
#include "catalog/catalogsource.h"
#include "desktop/remotecommand.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

class Preferences;

// What the command line asks of this run.
struct LaunchOptions final {
    // The catalog document --catalog-url asked for, for this run only.
    std::optional<std::string> catalogUrl;
    // The directory servers --directory-server pinned, in the order given.
    std::vector<std::string> directoryServers;
    // What to have the running player do, or this one once its stations are there.
    std::optional<RemoteCommand> command;
    // The usage or version text, when the person asked for it instead of the window.
    std::optional<QString> message;
    // The desktop started the player at login (its autostart entry): it starts in the tray.
    bool startedAtLogin = false;
};

// Reads `arguments` (the program name first); needs no application object, so that the usage,
// the version and errors need no display. Qt's own options (-platform, -style, -session, ...)
// are accepted and left to the application object. Unknown options, a missing value and an
// address that is not an absolute http or https address are errors that say what was wrong.
[[nodiscard]] Result<LaunchOptions> parseCommandLine(const QStringList& arguments);

// The longest address taken for the catalog or a directory server. Real ones are far shorter; a
// longer text is a paste gone wrong, which a line edit would otherwise cut short without a word.
inline constexpr qsizetype maxAddressLength = 4096;

// Whether `text` is an absolute http or https address with a host, of at most maxAddressLength.
[[nodiscard]] bool isWebAddress(const QString& text);
// Whether the address `text` carries a password, which storing it would keep as plain text.
[[nodiscard]] bool holdsPassword(const QString& text);

// Where the preferences say the catalog comes from. Without a choice stored, or with an address
// that is not a web address, the build's own document, else the public radio directory.
[[nodiscard]] CatalogSource preferredCatalogSource(const Preferences& preferences);
// Stores `source` as the choice preferredCatalogSource reads; choosing the directory keeps the
// address for later.
void storeCatalogSource(Preferences& preferences, const CatalogSource& source);

// Whether the command line chose where this run's catalog comes from: then a choice in the
// preferences waits for the next start.
[[nodiscard]] bool pinsCatalogSource(const LaunchOptions& options);
// Where this run gets its catalog: the command line's choice, for this run only, else the
// preferences'.
[[nodiscard]] CatalogSource catalogSource(const LaunchOptions& options, const Preferences& preferences);

// The folder of the catalog's cache file: the per-user data folder (XDG_DATA_HOME on Linux)
// followed by "PembaVello".
[[nodiscard]] std::filesystem::path cacheFolder();

} // namespace Vello
