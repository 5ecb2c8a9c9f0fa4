#include "station.h"

#include "documentbuffer.h"
#include "textrules.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>
#include <stdexcept>
#include <string_view>
#include <tuple>
#include <utility>

namespace Vello {

namespace {

constexpr std::string_view ellipsis = "\u2026";

// Where the name and the stream addresses are in Station::Texts.
constexpr std::size_t nameField = 1;
constexpr std::size_t urlField = 2;
constexpr std::size_t urlResolvedField = 3;

std::string_view textOf(const std::optional<std::string_view>& field)
{
    return field.value_or(std::string_view());
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

// The form equality compares: canonically equivalent texts have the same one.
std::string canonical(std::string_view text)
{
    return isNfc(text) ? std::string(text) : toNfc(text);
}

bool sameText(const std::optional<std::string_view>& a, const std::optional<std::string_view>& b)
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

std::optional<std::string_view> viewOf(const std::optional<std::string>& field)
{
    return field ? std::optional<std::string_view>(*field) : std::nullopt;
}

} // namespace

namespace detail {

struct TextBlock {
    std::atomic<std::size_t> users {1};

    [[nodiscard]] char* bytes() { return reinterpret_cast<char*>(this + 1); }
};

TextBlockRef::TextBlockRef(const TextBlockRef& other) noexcept
    : m_block(other.m_block)
{
    if (m_block != nullptr) {
        m_block->users.fetch_add(1, std::memory_order_relaxed);
    }
}

TextBlockRef& TextBlockRef::operator=(const TextBlockRef& other) noexcept
{
    TextBlockRef copy(other);
    std::swap(m_block, copy.m_block);
    return *this;
}

TextBlockRef& TextBlockRef::operator=(TextBlockRef&& other) noexcept
{
    TextBlockRef taken(std::move(other));
    std::swap(m_block, taken.m_block);
    return *this;
}

TextBlockRef::~TextBlockRef()
{
    if (m_block != nullptr && m_block->users.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        m_block->~TextBlock();
        std::free(m_block);
    }
}

} // namespace detail

namespace {

// A block with room for `bytes` of text, with its one user, and where that room begins.
std::pair<detail::TextBlockRef, char*> newBlock(std::size_t bytes)
{
    void* memory = allocatePreferringHugePages(sizeof(detail::TextBlock) + bytes);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    auto* block = new (memory) detail::TextBlock;
    return {detail::TextBlockRef(block), block->bytes()};
}

} // namespace

char* StationTextArena::take(std::size_t bytes, detail::TextBlockRef& block)
{
    constexpr std::size_t blockBytes = std::size_t {2} * 1024 * 1024 - sizeof(detail::TextBlock);
    if (bytes > m_left) {
        // A station too large to share a block gets one of its own, leaving the current one.
        if (bytes > blockBytes / 8) {
            auto [own, room] = newBlock(bytes);
            block = std::move(own);
            return room;
        }
        std::tie(m_block, m_free) = newBlock(blockBytes);
        m_left = blockBytes;
    }
    block = m_block;
    char* room = m_free;
    m_free += bytes;
    m_left -= bytes;
    return room;
}

Station::Station(const Texts& texts, const Counts& counts, StationTextArena* arena)
{
    for (std::size_t field = 0; field < countCount; ++field) {
        if (counts[field]) {
            m_present |= 1U << (textCount + field);
            m_counts[field] = *counts[field];
        }
    }
    // The name reaches the desktop's media controls, its notifications and the terminals that
    // print them: whatever would act there rather than show is taken out once, here.
    if (const std::optional<std::string> name = printableText(textOf(texts[nameField]))) {
        Texts printable = texts;
        printable[nameField] = *name;
        keep(printable, arena);
    } else {
        keep(texts, arena);
    }
}

void Station::keep(const Texts& texts, StationTextArena* arena)
{
    std::size_t total = 0;
    for (std::size_t field = 0; field < textCount; ++field) {
        if (texts[field]) {
            m_present |= 1U << field;
            total += texts[field]->size();
            if (total > std::numeric_limits<std::uint32_t>::max()) {
                throw std::length_error("a station's texts exceed 4 GiB");
            }
        }
        m_ends[field] = static_cast<std::uint32_t>(total);
    }
    if (!trimmed(textOf(texts[urlResolvedField])).empty() || !trimmed(textOf(texts[urlField])).empty()) {
        m_present |= playableBit;
    }
    if (total == 0) {
        return;
    }
    char* out = nullptr;
    if (arena != nullptr) {
        out = arena->take(total, m_block);
    } else {
        std::tie(m_block, out) = newBlock(total);
    }
    m_text = out;
    for (const auto& field : texts) {
        if (field) {
            out = std::copy(field->begin(), field->end(), out);
        }
    }
}

Station::Station(const StationFields& fields)
    : Station(Texts {viewOf(fields.stationuuid), viewOf(fields.name), viewOf(fields.url), viewOf(fields.url_resolved),
                  viewOf(fields.favicon), viewOf(fields.country), viewOf(fields.state), viewOf(fields.language),
                  viewOf(fields.tags), viewOf(fields.homepage), viewOf(fields.countrycode),
                  viewOf(fields.languagecodes), viewOf(fields.codec), viewOf(fields.lastcheckoktime),
                  viewOf(fields.changeuuid), viewOf(fields.lastchangetime)},
        Counts {fields.votes, fields.clickcount, fields.bitrate})
{
}

Station::Station(const Station& other)
    : m_ends(other.m_ends)
    , m_present(other.m_present)
    , m_counts(other.m_counts)
{
    if (other.m_text != nullptr) {
        char* out = nullptr;
        std::tie(m_block, out) = newBlock(other.textSize());
        std::copy_n(other.m_text, other.textSize(), out);
        m_text = out;
    }
}

Station& Station::operator=(const Station& other)
{
    if (this != &other) {
        *this = Station(other);
    }
    return *this;
}

// A moved-from station is left empty, every field absent.
Station::Station(Station&& other) noexcept
    : m_block(std::move(other.m_block))
    , m_text(std::exchange(other.m_text, nullptr))
    , m_ends(other.m_ends)
    , m_present(std::exchange(other.m_present, 0))
    , m_counts(other.m_counts)
{
}

Station& Station::operator=(Station&& other) noexcept
{
    m_block = std::move(other.m_block);
    m_text = std::exchange(other.m_text, nullptr);
    m_ends = other.m_ends;
    m_present = std::exchange(other.m_present, 0);
    m_counts = other.m_counts;
    return *this;
}

std::optional<std::string_view> Station::text(std::size_t field) const
{
    if ((m_present & (1U << field)) == 0) {
        return std::nullopt;
    }
    const std::uint32_t begin = field == 0 ? 0 : m_ends[field - 1];
    return std::string_view(m_text + begin, m_ends[field] - begin);
}

std::optional<std::int64_t> Station::count(std::size_t field) const
{
    return (m_present & (1U << (textCount + field))) != 0 ? std::optional(m_counts[field]) : std::nullopt;
}

StationFields Station::fields() const
{
    const auto owned = [this](std::size_t field) {
        const auto view = text(field);
        return view ? std::optional<std::string>(*view) : std::nullopt;
    };
    return {owned(0), owned(1), owned(2), owned(3), owned(4), owned(5), owned(6), owned(7), owned(8), votes(),
        clickcount(), owned(9), owned(10), owned(11), owned(12), bitrate(), owned(13), owned(14), owned(15)};
}

std::string Station::id() const
{
    if (const auto uuid = stationuuid()) {
        return std::string(*uuid);
    }
    if (auto address = radioURL()) {
        return std::move(*address);
    }
    return displayName();
}

std::string Station::displayName() const
{
    const std::string_view trimmedName = trimmed(textOf(name()));
    return trimmedName.empty() ? std::string(unnamedStationText) : std::string(trimmedName);
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
    for (const auto& part : {state(), country()}) {
        const std::string_view text = trimmed(textOf(part));
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
    std::string_view rest = textOf(tags());
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
    const std::array<std::string, 3> candidates {location(), std::string(textOf(language())), primaryTag()};
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
    return result.empty() ? std::string(liveStationText) : result;
}

std::optional<std::string> Station::radioURL() const
{
    for (const auto& address : {url_resolved(), url()}) {
        const std::string_view text = trimmed(textOf(address));
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
    const std::int64_t voteCount = votes().value_or(0);
    std::int64_t total = clickcount().value_or(0);
    for (int weight = 0; weight < 4; ++weight) {
        total = saturatingAdd(total, voteCount);
    }
    return total;
}

bool operator==(const Station& a, const Station& b)
{
    if (a.m_present != b.m_present || a.votes() != b.votes() || a.clickcount() != b.clickcount()
        || a.bitrate() != b.bitrate()) {
        return false;
    }
    for (std::size_t field = 0; field < Station::textCount; ++field) {
        if (!sameText(a.text(field), b.text(field))) {
            return false;
        }
    }
    return true;
}

} // namespace Vello
