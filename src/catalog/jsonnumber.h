#pragma once

#include <cstdint>
#include <string_view>

namespace Vello {

// What a JSON number token holds, read exactly from its decimal digits, never through floating
// point, so that no digit is ever rounded away.
enum class NumberKind {
    whole, // a whole number in the signed 64-bit range, however written: 12, 12.0, 1e3, 1.5e1
    fraction, // a well-formed number with a fraction left: 12.5, 1e-1
    outOfRange, // a well-formed whole number beyond the signed 64-bit range
    malformed, // not a JSON number
};

struct NumberReading final {
    NumberKind kind = NumberKind::malformed;
    // The value of a whole number; 0 otherwise.
    std::int64_t value = 0;

    friend bool operator==(const NumberReading&, const NumberReading&) = default;
};

// Reads `token`, which may carry JSON white space after it.
[[nodiscard]] NumberReading readJsonNumber(std::string_view token);

// Whether `token` (white space after it allowed) is a well-formed JSON number, of any size.
[[nodiscard]] bool isJsonNumber(std::string_view token);

} // namespace Vello
