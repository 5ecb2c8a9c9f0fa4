#pragma once

#include "base/error.h"
#include "catalog/publishedfolder.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Vello {

// What the publisher's command line asks of this run.
struct PublisherOptions final {
    // Where the published document and its gzip copy go.
    std::filesystem::path output;
    // A saved directory answer to read instead of asking the directory.
    std::optional<std::filesystem::path> from;
    // The directory servers to ask, in this order, instead of finding them.
    std::vector<std::string> servers;
    PublishRules rules;
    // The usage or version text, when that is what was asked for.
    std::optional<QString> message;
};

// Reads `arguments` (the program name first). Unknown options, a missing value or output
// folder, --from beside --server, an address that is not absolute http or https and a share
// outside 0 to 1 are errors that say what was wrong.
[[nodiscard]] Result<PublisherOptions> parsePublisherCommandLine(const QStringList& arguments);

} // namespace Vello
