#pragma once

#include "base/text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace Vello {

// What the identifier of a station the person added by hand starts with; no catalog's does.
inline constexpr std::string_view ownStationIdPrefix = "own:";
// What displayName() and subtitle() give for a station without a name, or without a location,
// language and tag.
inline constexpr const char* unnamedStationText = VELLO_TR("Core", "Unnamed station");
inline constexpr const char* liveStationText = VELLO_TR("Core", "Live station");

// A station's fields one by one, for building a Station by name (`StationFields {.name = "x"}`)
// or changing a copy of one (`Station::fields()`).
struct StationFields final {
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
    std::optional<std::string> homepage {};
    // ISO 3166-1 alpha-2, as the catalog writes it.
    std::optional<std::string> countrycode {};
    // ISO 639 codes, comma-separated.
    std::optional<std::string> languagecodes {};
    std::optional<std::string> codec {};
    // In kbit/s; 0 where the directory could not tell.
    std::optional<std::int64_t> bitrate {};
    // "YYYY-MM-DD HH:MM:SS" in UTC, as the directory writes its times.
    std::optional<std::string> lastcheckoktime {};
    // The directory's identifier of the station's latest change, and when it was made.
    std::optional<std::string> changeuuid {};
    std::optional<std::string> lastchangetime {};
};

namespace detail {

// A shared block of station texts; its users are counted.
struct TextBlock;

class TextBlockRef final {
public:
    TextBlockRef() = default;
    explicit TextBlockRef(TextBlock* adopted) noexcept
        : m_block(adopted)
    {
    }
    TextBlockRef(const TextBlockRef& other) noexcept;
    TextBlockRef& operator=(const TextBlockRef& other) noexcept;
    TextBlockRef(TextBlockRef&& other) noexcept
        : m_block(std::exchange(other.m_block, nullptr))
    {
    }
    TextBlockRef& operator=(TextBlockRef&& other) noexcept;
    ~TextBlockRef();

private:
    TextBlock* m_block = nullptr;
};

} // namespace detail

// Hands out room for the texts of many stations from blocks of 2 MB that ask for huge pages, so
// that a catalog's texts take a few page faults instead of one or more per station. A block
// lives while any station made from it does. One thread at a time.
class StationTextArena final {
public:
    StationTextArena() = default;
    StationTextArena(const StationTextArena&) = delete;
    StationTextArena& operator=(const StationTextArena&) = delete;
    StationTextArena(StationTextArena&&) = delete;
    StationTextArena& operator=(StationTextArena&&) = delete;
    ~StationTextArena() = default;

private:
    friend class Station;
    // Room for `bytes`, and the block it is in.
    char* take(std::size_t bytes, detail::TextBlockRef& block);

    detail::TextBlockRef m_block;
    char* m_free = nullptr;
    std::size_t m_left = 0;
};

// One catalog entry, exactly as the catalog document states it: texts are UTF-8, untrimmed,
// and an absent field is never the same as an empty one; only the name is made printable
// (printableText) as the station is made. Every derived property is computed on each read.
//
// A catalog holds tens of thousands of these, so the sixteen texts live back to back: a station
// is one allocation rather than up to sixteen, and a decoded one shares a block with its neighbours
// (StationTextArena). A copy always has a block of its own, so that keeping one station never
// keeps a whole catalog's block alive.
class Station final {
public:
    // The texts in stored order: stationuuid, name, url, url_resolved, favicon, country, state,
    // language, tags, homepage, countrycode, languagecodes, codec, lastcheckoktime, changeuuid,
    // lastchangetime. Each is absent or a text.
    using Texts = std::array<std::optional<std::string_view>, 16>;
    // The numbers in stored order: votes, clickcount, bitrate.
    using Counts = std::array<std::optional<std::int64_t>, 3>;

    Station() = default;
    // Copies the texts, into `arena` when one is given. Throws std::length_error when together
    // they exceed 4 GiB.
    Station(const Texts& texts, const Counts& counts, StationTextArena* arena = nullptr);
    Station(const StationFields& fields); // NOLINT(google-explicit-constructor): built by field name
    Station(const Station& other);
    Station& operator=(const Station& other);
    Station(Station&& other) noexcept;
    Station& operator=(Station&& other) noexcept;
    ~Station() = default;

    [[nodiscard]] std::optional<std::string_view> stationuuid() const { return text(0); }
    [[nodiscard]] std::optional<std::string_view> name() const { return text(1); }
    [[nodiscard]] std::optional<std::string_view> url() const { return text(2); }
    [[nodiscard]] std::optional<std::string_view> url_resolved() const { return text(3); }
    [[nodiscard]] std::optional<std::string_view> favicon() const { return text(4); }
    [[nodiscard]] std::optional<std::string_view> country() const { return text(5); }
    [[nodiscard]] std::optional<std::string_view> state() const { return text(6); }
    [[nodiscard]] std::optional<std::string_view> language() const { return text(7); }
    [[nodiscard]] std::optional<std::string_view> tags() const { return text(8); }
    // The station's own web page, as the catalog states it; nothing is checked.
    [[nodiscard]] std::optional<std::string_view> homepage() const { return text(9); }
    [[nodiscard]] std::optional<std::string_view> countrycode() const { return text(10); }
    [[nodiscard]] std::optional<std::string_view> languagecodes() const { return text(11); }
    [[nodiscard]] std::optional<std::string_view> codec() const { return text(12); }
    [[nodiscard]] std::optional<std::string_view> lastcheckoktime() const { return text(13); }
    [[nodiscard]] std::optional<std::string_view> changeuuid() const { return text(14); }
    [[nodiscard]] std::optional<std::string_view> lastchangetime() const { return text(15); }
    [[nodiscard]] std::optional<std::int64_t> votes() const { return count(0); }
    [[nodiscard]] std::optional<std::int64_t> clickcount() const { return count(1); }
    [[nodiscard]] std::optional<std::int64_t> bitrate() const { return count(2); }
    // Every field, as a copy to change.
    [[nodiscard]] StationFields fields() const;

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
    // Whether there is an address to play: known from the start, so that a catalog's stations
    // are sorted out without reading their texts again.
    [[nodiscard]] bool hasRadioURL() const { return (m_present & playableBit) != 0; }
    // Popularity: 4 × votes + clickcount, pinned to the 64-bit range instead of overflowing.
    [[nodiscard]] std::int64_t score() const;

    // Field-by-field; texts compare under canonical equivalence.
    friend bool operator==(const Station& a, const Station& b);

private:
    static constexpr std::size_t textCount = std::tuple_size_v<Texts>;
    static constexpr std::size_t countCount = std::tuple_size_v<Counts>;
    static constexpr std::uint32_t playableBit = 1U << 31U;

    // Copies `texts` in, into `arena` when one is given.
    void keep(const Texts& texts, StationTextArena* arena);
    [[nodiscard]] std::optional<std::string_view> text(std::size_t field) const;
    [[nodiscard]] std::optional<std::int64_t> count(std::size_t field) const;
    [[nodiscard]] std::size_t textSize() const { return m_ends[textCount - 1]; }

    detail::TextBlockRef m_block;
    const char* m_text = nullptr;
    // Where each text ends in m_text; text i begins where text i - 1 ends.
    std::array<std::uint32_t, textCount> m_ends {};
    // Bit i: text i is present; bit textCount + i: count i is; playableBit: hasRadioURL().
    std::uint32_t m_present = 0;
    std::array<std::int64_t, countCount> m_counts {};
};

} // namespace Vello
