#include "station.h"

#include "textrules.h"

#include <array>
#include <limits>
#include <string_view>

namespace Vello {

namespace {

constexpr std::string_view unnamedStation = "Unnamed station";
constexpr std::string_view liveStation = "Live station";
constexpr std::string_view ellipsis = "\u2026";

std::string_view textOf(const std::optional<std::string>& field)
{
    return field ? std::string_view(*field) : std::string_view();
}

// Adds `step` to `sum`, pinning at the range's ends instead of overflowing.
std::int64_t saturatingAdd(std::int64_t sum, std::int64_t step)
{
    constexpr std::int64_t highest = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    if (step > 0 && sum > highest - step) {
        return highest;
    }
    if (step < 0 && sum < lowest - step) {
        return lowest;
    }
    return sum + step;
}

// The form equality and hashing both use, so that equal stations always hash alike.
std::string canonical(const std::string& text)
{
    return isNfc(text) ? text : toNfc(text);
}

bool sameText(const std::optional<std::string>& a, const std::optional<std::string>& b)
{
    if (a.has_value() != b.has_value()) {
        return false;
    }
    if (!a || *a == *b) {
        return true;
    }
    // Two different texts that are both already composed cannot be canonically equivalent.
    if (isNfc(*a) && isNfc(*b)) {
        return false;
    }
    return canonical(*a) == canonical(*b);
}

class StationHasher final {
public:
    void addPresence(bool present) { mix(present ? 1U : 0U); }
    void addText(std::string_view text)
    {
        mix(text.size());
        mix(std::hash<std::string_view> {}(text));
    }
    void addInteger(std::int64_t value) { mix(static_cast<std::uint64_t>(value)); }
    [[nodiscard]] std::size_t value() const { return static_cast<std::size_t>(m_state); }

private:
    // Order-sensitive combination followed by the 64-bit finaliser of MurmurHash3, so that
    // fields swapped between positions hash differently.
    void mix(std::uint64_t word)
    {
        m_state ^= word + 0x9E3779B97F4A7C15ULL + (m_state << 6U) + (m_state >> 2U);
        m_state ^= m_state >> 33U;
        m_state *= 0xFF51AFD7ED558CCDULL;
        m_state ^= m_state >> 33U;
    }

    std::uint64_t m_state = 0;
};

} // namespace

std::string Station::id() const
{
    if (stationuuid) {
        return *stationuuid;
    }
    if (auto address = radioURL()) {
        return std::move(*address);
    }
    return displayName();
}

std::string Station::displayName() const
{
    const std::string_view trimmedName = trimmed(textOf(name));
    return std::string(trimmedName.empty() ? unnamedStation : trimmedName);
}

std::string Station::limitedDisplayName(std::int64_t limit) const
{
    std::string full = displayName();
    // A character takes at least one byte, so a short text needs no segmentation.
    if (limit < 2 || full.size() <= static_cast<std::uint64_t>(limit)) {
        return full;
    }
    const auto characters = static_cast<std::size_t>(limit);
    if (characterCount(full, characters + 1) <= characters) {
        return full;
    }
    std::string cut(leadingCharacters(full, characters - 1));
    cut += ellipsis;
    return cut;
}

std::string Station::location() const
{
    std::string result;
    for (const auto* part : {&state, &country}) {
        const std::string_view text = trimmed(textOf(*part));
        if (text.empty()) {
            continue;
        }
        if (!result.empty()) {
            result += ", ";
        }
        result += text;
    }
    return result;
}

std::string Station::primaryTag() const
{
    std::string_view rest = textOf(tags);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view piece = trimmed(rest.substr(0, comma));
        if (!piece.empty()) {
            return std::string(piece);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    return {};
}

std::string Station::subtitle() const
{
    const std::array<std::string, 3> candidates {location(), std::string(textOf(language)), primaryTag()};
    std::string result;
    for (const std::string& candidate : candidates) {
        if (candidate.empty()) {
            continue;
        }
        if (!result.empty()) {
            result += " | ";
        }
        result += candidate;
    }
    return result.empty() ? std::string(liveStation) : result;
}

std::optional<std::string> Station::radioURL() const
{
    for (const auto* address : {&url_resolved, &url}) {
        const std::string_view text = trimmed(textOf(*address));
        if (!text.empty()) {
            return std::string(text);
        }
    }
    return std::nullopt;
}

// Saturates at the ends of the 64-bit range rather than overflowing. Adding the votes one at
// a time, starting from the play count, keeps the result exact whenever it is representable:
// the partial sums only move in the direction of the votes' sign, so once one passes an end
// of the range the true total lies beyond it too.
std::int64_t Station::score() const
{
    const std::int64_t voteCount = votes.value_or(0);
    std::int64_t total = clickcount.value_or(0);
    for (int weight = 0; weight < 4; ++weight) {
        total = saturatingAdd(total, voteCount);
    }
    return total;
}

bool operator==(const Station& a, const Station& b)
{
    return sameText(a.stationuuid, b.stationuuid) && sameText(a.name, b.name) && sameText(a.url, b.url)
        && sameText(a.url_resolved, b.url_resolved) && sameText(a.favicon, b.favicon) && sameText(a.country, b.country)
        && sameText(a.state, b.state) && sameText(a.language, b.language) && sameText(a.tags, b.tags)
        && a.votes == b.votes && a.clickcount == b.clickcount;
}

std::size_t hashValue(const Station& station)
{
    StationHasher hasher;
    for (const auto* field : {&station.stationuuid, &station.name, &station.url, &station.url_resolved,
             &station.favicon, &station.country, &station.state, &station.language, &station.tags}) {
        hasher.addPresence(field->has_value());
        if (*field) {
            if (isNfc(**field)) {
                hasher.addText(**field);
            } else {
                hasher.addText(canonical(**field));
            }
        }
    }
    for (const auto* count : {&station.votes, &station.clickcount}) {
        hasher.addPresence(count->has_value());
        if (*count) {
            hasher.addInteger(**count);
        }
    }
    return hasher.value();
}

} // namespace Vello
