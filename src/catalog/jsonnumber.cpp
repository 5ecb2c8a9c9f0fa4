#include "jsonnumber.h"

#include <algorithm>
#include <limits>
#include <string>

namespace Vello {

namespace {

// A well-formed token's parts: its sign, its digits before and after the point, its exponent.
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of `token`, or false when it is no JSON number.
bool splitNumber(std::string_view token, NumberParts& parts)
{
    while (!token.empty()
        && (token.back() == ' ' || token.back() == '\t' || token.back() == '\n' || token.back() == '\r')) {
        token.remove_suffix(1);
    }
    std::size_t at = 0;
    parts.negative = at < token.size() && token[at] == '-';
    at += parts.negative ? 1 : 0;
    const std::size_t integerBegin = at;
    if (at < token.size() && token[at] == '0') {
        ++at;
    } else {
        while (at < token.size() && isDigit(token[at])) {
            ++at;
        }
    }
    parts.integerDigits = token.substr(integerBegin, at - integerBegin);
    if (parts.integerDigits.empty()) {
        return false;
    }
    if (at < token.size() && token[at] == '.') {
        const std::size_t begin = ++at;
        while (at < token.size() && isDigit(token[at])) {
            ++at;
        }
        parts.fractionDigits = token.substr(begin, at - begin);
        if (parts.fractionDigits.empty()) {
            return false;
        }
    }
    // Exponents beyond any that could still give a 64-bit value are pinned, never overflowed.
    constexpr std::int64_t exponentCap = 100000;
    if (at < token.size() && (token[at] == 'e' || token[at] == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < token.size() && (token[at] == '+' || token[at] == '-')) {
            negativeExponent = token[at] == '-';
            ++at;
        }
        const std::size_t begin = at;
        while (at < token.size() && isDigit(token[at])) {
            parts.exponent = std::min(exponentCap, parts.exponent * 10 + (token[at] - '0'));
            ++at;
        }
        if (at == begin) {
            return false;
        }
        parts.exponent = negativeExponent ? -parts.exponent : parts.exponent;
    }
    return at == token.size();
}

} // namespace

bool isJsonNumber(std::string_view token)
{
    NumberParts parts;
    return splitNumber(token, parts);
}

NumberReading readJsonNumber(std::string_view token)
{
    NumberParts parts;
    if (!splitNumber(token, parts)) {
        return {};
    }
    std::string digits;
    digits.reserve(parts.integerDigits.size() + parts.fractionDigits.size());
    digits.append(parts.integerDigits).append(parts.fractionDigits);
    std::int64_t exponent = parts.exponent - static_cast<std::int64_t>(parts.fractionDigits.size());
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant == std::string::npos) {
        return {NumberKind::whole, 0};
    }
    digits.erase(0, firstSignificant);
    if (exponent < 0) {
        const std::size_t zeros = digits.size() - 1 - digits.find_last_not_of('0');
        if (static_cast<std::uint64_t>(-exponent) > zeros) {
            return {NumberKind::fraction, 0};
        }
        digits.resize(digits.size() - static_cast<std::size_t>(-exponent));
    } else {
        constexpr std::size_t mostDigits = 19;
        if (digits.size() + static_cast<std::uint64_t>(exponent) > mostDigits) {
            return {NumberKind::outOfRange, 0};
        }
        digits.append(static_cast<std::size_t>(exponent), '0');
    }
    std::uint64_t magnitude = 0;
    for (const char digit : digits) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    constexpr auto highest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > highest + (parts.negative ? 1 : 0)) {
        return {NumberKind::outOfRange, 0};
    }
    if (!parts.negative) {
        return {NumberKind::whole, static_cast<std::int64_t>(magnitude)};
    }
    return {NumberKind::whole,
        magnitude == highest + 1 ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude)};
}

} // namespace Vello
