#pragma once

#include "base/error.h"
#include "desktop/remotecommand.h"

#include <QString>

#include <optional>

class QCommandLineParser;

namespace Vello {

// Adds the options that drive the running player (--play, --pause, --toggle, --next,
// --previous, --volume, --status and --json) to `parser`.
void addRemoteOptions(QCommandLineParser& parser);

// The command those options give, once `parser` has parsed: nothing when none was given; an
// error that says what was wrong for two commands at once, --json without --status, a volume
// that is not a whole number from 0 to 100, a blank station or a web address that is no address.
[[nodiscard]] Result<std::optional<RemoteCommand>> remoteCommandOf(const QCommandLineParser& parser);

// The program's exit statuses, as --help lists them after the options.
[[nodiscard]] QString exitStatusHelp();

} // namespace Vello
