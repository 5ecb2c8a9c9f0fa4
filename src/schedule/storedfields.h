#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Vello {

// One entry of a list document as its reader sees it: a member's value, or nothing when the
// member is missing or of another type. The list documents' own reader offers it.
class StoredFields {
public:
    virtual ~StoredFields() = default;

    [[nodiscard]] virtual std::optional<std::string_view> text(std::string_view key) const = 0;
    [[nodiscard]] virtual std::optional<std::int64_t> integer(std::string_view key) const = 0;
    [[nodiscard]] virtual std::optional<bool> flag(std::string_view key) const = 0;
};

// A list document being written, entry by entry. The list documents' own writer offers it.
class FieldWriter {
public:
    virtual ~FieldWriter() = default;

    // Starts the next entry: the members added from now on are its own.
    virtual void beginEntry() = 0;
    virtual void addText(std::string_view key, std::string_view value) = 0;
    virtual void addInteger(std::string_view key, std::int64_t value) = 0;
    virtual void addFlag(std::string_view key, bool value) = 0;
};

} // namespace Vello
