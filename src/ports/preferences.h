#pragma once

#include "base/text.h"

#include <optional>
#include <string>
#include <vector>

namespace Vello {

// A per-user store of small values by key that outlives the process.
class Preferences {
public:
    virtual ~Preferences() = default;

    // The list stored under `key`; empty when the key is missing or holds anything else.
    [[nodiscard]] virtual std::vector<std::string> stringList(const std::string& key) const = 0;
    virtual void setStringList(const std::string& key, const std::vector<std::string>& values) = 0;
    // The finite number stored under `key`; nothing when the key is missing or holds anything else.
    [[nodiscard]] virtual std::optional<double> number(const std::string& key) const = 0;
    virtual void setNumber(const std::string& key, double value) = 0;
    // The yes or no stored under `key`; nothing when the key is missing or holds anything else.
    [[nodiscard]] virtual std::optional<bool> flag(const std::string& key) const = 0;
    virtual void setFlag(const std::string& key, bool value) = 0;
    // The single text stored under `key`; nothing when the key is missing or holds anything else.
    [[nodiscard]] virtual std::optional<std::string> text(const std::string& key) const = 0;
    virtual void setText(const std::string& key, const std::string& value) = 0;
    // What the person is told, once, when the file the values are kept in could not be read and
    // was set aside; nothing otherwise.
    [[nodiscard]] virtual std::optional<Text> notice() const { return std::nullopt; }
};

} // namespace Vello
