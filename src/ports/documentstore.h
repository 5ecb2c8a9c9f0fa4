#pragma once

#include "base/error.h"

#include <cstddef>
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

    // The document's bytes; nothing when there is none; why not when there is one that is not to
    // be read: no regular file, over `maxBytes`, or refused by the system.
    [[nodiscard]] virtual Result<std::optional<std::string>> read(
        std::string_view name, std::size_t maxBytes) const = 0;
    // Replaces the document; false when it could not be written, and the old one stays.
    virtual bool write(std::string_view name, std::string_view bytes) = 0;
    // Moves the document, whole and as it is, out of the way to a new name with today's date, so
    // that nothing is ever written over it. Where it is now, as a person would look for it, or
    // why it could not be moved.
    virtual Result<std::string> setAside(std::string_view name) = 0;
};

// What the person is told, once, about their file `name` that could not be read: `why`,
// and where it was set aside or why it could not be (then nothing is written to it).
[[nodiscard]] Text setAsideNotice(std::string_view name, const Text& why, const Result<std::string>& keptAs);

} // namespace Vello
