#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace Vello {

// One catalog entry, exactly as the catalog document states it: texts are UTF-8, untrimmed,
// and an absent field is never the same as an empty one. Every derived property is computed
// on each read.
struct Station final {
    std::optional<std::string> stationuuid {};
    std::optional<std::string> name {};
    std::optional<std::string> url {};
    std::optional<std::string> url_resolved {};
    std::optional<std::string> favicon {};
    std::optional<std::string> country {};
    std::optional<std::string> state {};
    std::optional<std::string> language {};
    std::optional<std::string> tags {};
    std::optional<std::int64_t> votes {};
    std::optional<std::int64_t> clickcount {};

    // The identifier favourites and recents store: the uuid, else the stream address, else
    // the display name. Not unique across the catalog.
    [[nodiscard]] std::string id() const;
    // The trimmed name, or "Unnamed station".
    [[nodiscard]] std::string displayName() const;
    // The display name cut to `limit` user-perceived characters, the last being "…".
    [[nodiscard]] std::string limitedDisplayName(std::int64_t limit = 48) const;
    // "state, country", either part left out when blank.
    [[nodiscard]] std::string location() const;
    // The first non-blank comma-separated tag, or empty text.
    [[nodiscard]] std::string primaryTag() const;
    // "location | language | tag", blanks left out, or "Live station".
    [[nodiscard]] std::string subtitle() const;
    // The address to play: the trimmed url_resolved, else the trimmed url, else nothing.
    [[nodiscard]] std::optional<std::string> radioURL() const;
    // Popularity: 4 × votes + clickcount, pinned to the 64-bit range instead of overflowing.
    [[nodiscard]] std::int64_t score() const;

    // Field-by-field; texts compare under canonical equivalence.
    friend bool operator==(const Station& a, const Station& b);
};

// Consistent with operator==: canonically equivalent texts hash alike.
[[nodiscard]] std::size_t hashValue(const Station& station);

} // namespace Vello

template <> struct std::hash<Vello::Station> {
    std::size_t operator()(const Vello::Station& station) const noexcept { return Vello::hashValue(station); }
};
