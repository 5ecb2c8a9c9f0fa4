#pragma once

#include "text.h"

#include <variant>

namespace Vello {

// A failure that a person can read: the window shows `description`, translated, after
// "Unable to load stations: ".
struct Error final {
    Text description;

    friend bool operator==(const Error&, const Error&) = default;
};

// Either the value of a fallible operation or the reason it failed.
template <typename T> using Result = std::variant<T, Error>;

} // namespace Vello
