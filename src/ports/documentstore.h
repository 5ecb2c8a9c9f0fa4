#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// Small documents of the person's own (the songs heard, the stations added by hand), kept beside
// the preferences by name. A document is replaced whole or not at all: a crash never leaves half
// of one.
class DocumentStore {
public:
    virtual ~DocumentStore() = default;

    // The document's bytes, or nothing when there is none or it cannot be read.
    [[nodiscard]] virtual std::optional<std::string> read(std::string_view name) const = 0;
    // Replaces the document; false when it could not be written, and the old one stays.
    virtual bool write(std::string_view name, std::string_view bytes) = 0;
};

} // namespace Vello
