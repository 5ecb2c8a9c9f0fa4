#include "text.h"

#include <utility>

namespace Vello {

Text::Text(MarkedText source)
    : Text(source.source)
{
}

Text::Text(const char* source)
    : m_kind(Kind::Phrase)
    , m_source(source)
{
}

Text::Text(const char* source, std::vector<Text> values)
    : m_kind(Kind::Phrase)
    , m_source(source)
    , m_values(std::move(values))
{
}

Text Text::verbatim(std::string value)
{
    Text text;
    text.m_source = std::move(value);
    return text;
}

Text Text::number(std::int64_t value, int decimals)
{
    Text text;
    text.m_kind = Kind::Number;
    text.m_number = value;
    text.m_decimals = decimals;
    return text;
}

Text Text::counted(const char* source, std::int64_t count)
{
    Text text(source);
    text.m_number = count;
    return text;
}

bool Text::empty() const
{
    return m_kind != Kind::Number && m_source.empty();
}

std::string Text::english() const
{
    switch (m_kind) {
    case Kind::Verbatim:
        return m_source;
    case Kind::Number: {
        std::string digits = std::to_string(m_number < 0 ? -m_number : m_number);
        if (m_decimals > 0) {
            const auto places = static_cast<std::size_t>(m_decimals);
            if (digits.size() <= places) {
                digits.insert(0, places + 1 - digits.size(), '0');
            }
            digits.insert(digits.size() - places, ".");
        }
        return (m_number < 0 ? "-" : "") + digits;
    }
    case Kind::Phrase:
        break;
    }
    std::vector<std::string> values;
    values.reserve(m_values.size());
    for (const Text& value : m_values) {
        values.push_back(value.english());
    }
    std::string filled = fillPlaces(m_source, values);
    if (m_number >= 0) {
        for (const std::string_view place : {"%Ln", "%n"}) {
            for (std::size_t at = filled.find(place); at != std::string::npos; at = filled.find(place, at)) {
                filled.replace(at, place.size(), std::to_string(m_number));
            }
        }
        const std::string_view plural = "(s)";
        for (std::size_t at = filled.find(plural); at != std::string::npos; at = filled.find(plural, at)) {
            filled.replace(at, plural.size(), m_number == 1 ? "" : "s");
        }
    }
    return filled;
}

std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& values)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                filled += values[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

} // namespace Vello
