#pragma once

#include <string>
#include <vector>

namespace Vello {

// A per-user store of string lists by key that outlives the process.
class Preferences {
public:
    virtual ~Preferences() = default;

    // The list stored under `key`; empty when the key is missing or holds anything else.
    [[nodiscard]] virtual std::vector<std::string> stringList(const std::string& key) const = 0;
    virtual void setStringList(const std::string& key, const std::vector<std::string>& values) = 0;
};

} // namespace Vello
