#pragma once

#include <string>
#include <variant>

namespace Vello {

// A failure that a person can read: the window shows `description` after
// "Unable to load stations: ".
struct Error final {
    std::string description;

    friend bool operator==(const Error&, const Error&) = default;
};

// Either the value of a fallible operation or the reason it failed.
template <typename T> using Result = std::variant<T, Error>;

} // namespace Vello
