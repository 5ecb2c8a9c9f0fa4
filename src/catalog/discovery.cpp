#include "discovery.h"

#include "textrules.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace Vello {

namespace {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view> {}(text); }
};

template <typename Value> using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where a two-letter country code is in a table of every pair of letters, or -1 for any other text.
int countryIndex(std::string_view code)
{
    if (code.size() != 2 || !isLetter(code[0]) || !isLetter(code[1])) {
        return -1;
    }
    return (lower(code[0]) - 'a') * 26 + (lower(code[1]) - 'a');
}

const std::string* lookUp(const TextMap<std::string>& map, std::string_view key)
{
    const auto found = map.find(key);
    return found != map.end() ? &found->second : nullptr;
}

// The codes ISO 3166-1 gives countries, as ICU knows them.
const std::array<bool, 26 * 26>& knownCountries()
{
    static const std::array<bool, 26 * 26> known = [] {
        std::array<bool, 26 * 26> codes {};
        for (const char* const* code = icu::Locale::getISOCountries(); *code != nullptr; ++code) {
            if (const int index = countryIndex(*code); index >= 0) {
                codes[static_cast<std::size_t>(index)] = true;
            }
        }
        return codes;
    }();
    return known;
}

// The languages ICU knows: each code, the two-letter code of each three-letter one that has one,
// and the code of each language's English and own name where no two languages share it.
struct LanguageTable {
    TextMap<std::string> codes;
    TextMap<std::string> names;

    static const LanguageTable& instance()
    {
        static const LanguageTable table;
        return table;
    }

private:
    LanguageTable()
    {
        std::unordered_set<std::string> shared;
        const auto addName = [&](const std::string& name, const std::string& code) {
            if (name.empty() || name == code || shared.contains(name)) {
                return;
            }
            if (const auto [entry, added] = names.emplace(name, code); !added && entry->second != code) {
                names.erase(entry);
                shared.insert(name);
            }
        };
        for (const char* const* entry = icu::Locale::getISOLanguages(); *entry != nullptr; ++entry) {
            const std::string code = *entry;
            const icu::Locale locale(code.c_str());
            codes.emplace(code, code);
            if (const std::string iso3 = locale.getISO3Language(); iso3.size() == 3 && code.size() == 2) {
                codes.emplace(iso3, code);
            }
            for (const icu::Locale& in : {icu::Locale::getEnglish(), locale}) {
                icu::UnicodeString display;
                locale.getDisplayLanguage(in, display);
                std::string name;
                display.toUTF8String(name);
                addName(lowercased(name), code);
            }
        }
    }
};

// Reads the entries a station belongs to, each once.
class EntryReader final {
public:
    // Calls `take(code, name)` for each distinct entry of `facet` that `station` belongs to.
    template <typename Take> void read(const Station& station, Facet facet, const Take& take)
    {
        m_seenCount = 0;
        switch (facet) {
        case Facet::country:
            readCountry(station, take);
            break;
        case Facet::language:
            readLanguages(station, take);
            break;
        case Facet::genre:
            forEachPart(station.tags(), [&](std::string_view tag) {
                if (firstTime(tag)) {
                    take(std::string_view(), tag);
                }
            });
            break;
        }
    }

private:
    template <typename Take> void readCountry(const Station& station, const Take& take)
    {
        const int index = countryIndex(trimmed(station.countrycode().value_or("")));
        if (index >= 0 && knownCountries()[static_cast<std::size_t>(index)]) {
            const std::array<char, 2> code {static_cast<char>('A' + index / 26), static_cast<char>('A' + index % 26)};
            take(std::string_view(code.data(), code.size()), std::string_view());
        } else {
            take(std::string_view(), std::string_view());
        }
    }

    template <typename Take> void readLanguages(const Station& station, const Take& take)
    {
        const LanguageTable& table = LanguageTable::instance();
        forEachPart(station.languagecodes(), [&](std::string_view folded) {
            if (const std::string* code = lookUp(table.codes, folded); code != nullptr && firstTime(*code)) {
                take(std::string_view(*code), std::string_view());
            }
        });
        if (m_seenCount > 0) {
            return;
        }
        forEachPart(station.language(), [&](std::string_view folded) {
            const std::string* code = lookUp(table.names, folded);
            code = code != nullptr ? code : lookUp(table.codes, folded);
            if (code == nullptr) {
                if (firstTime(folded)) {
                    take(std::string_view(), folded);
                }
            } else if (firstTime(*code)) {
                take(std::string_view(*code), std::string_view());
            }
        });
    }

    // Calls `take` with each comma-separated part of `text` that is not blank, folded.
    template <typename Take> void forEachPart(std::optional<std::string_view> text, const Take& take)
    {
        const std::string_view whole = text.value_or("");
        // Parts are a few bytes long: a loop finds their ends sooner than a call to memchr.
        for (auto begin = whole.begin(); begin != whole.end();) {
            const auto end = std::find(begin, whole.end(), ',');
            fold(std::string_view(begin, end));
            if (!m_folded.empty()) {
                take(std::string_view(m_folded));
            }
            begin = end == whole.end() ? end : end + 1;
        }
    }

    // `text` trimmed, each run of white space inside it one space, lower-cased and composed.
    void fold(std::string_view text)
    {
        m_folded.clear();
        const bool ascii
            = std::ranges::none_of(text, [](char c) { return (static_cast<unsigned char>(c) & 0x80U) != 0; });
        if (ascii) {
            for (const char c : text) {
                if (c == ' ' || (c >= '\t' && c <= '\r')) {
                    if (!m_folded.empty() && m_folded.back() != ' ') {
                        m_folded += ' ';
                    }
                } else {
                    m_folded += lower(c);
                }
            }
            if (!m_folded.empty() && m_folded.back() == ' ') {
                m_folded.pop_back();
            }
            return;
        }
        text = trimmed(text);
        const std::string wide = lowercased(isNfc(text) ? text : toNfc(text));
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(wide.data());
        const auto length = static_cast<std::int32_t>(wide.size());
        for (std::int32_t at = 0; at < length;) {
            const std::int32_t begin = at;
            UChar32 character = 0;
            U8_NEXT(bytes, at, length, character);
            if (character >= 0 && isTrimmedCharacter(static_cast<char32_t>(character))) {
                if (m_folded.back() != ' ') {
                    m_folded += ' ';
                }
            } else {
                m_folded.append(wide, static_cast<std::size_t>(begin), static_cast<std::size_t>(at - begin));
            }
        }
    }

    // Whether this station has not yet named `key`.
    bool firstTime(std::string_view key)
    {
        const auto seen = m_seen.begin() + static_cast<std::ptrdiff_t>(m_seenCount);
        if (std::find(m_seen.begin(), seen, key) != seen) {
            return false;
        }
        if (m_seenCount == m_seen.size()) {
            m_seen.emplace_back();
        }
        m_seen[m_seenCount++].assign(key);
        return true;
    }

    std::string m_folded;
    // The keys this station named so far; strings kept for their room.
    std::vector<std::string> m_seen;
    std::size_t m_seenCount = 0;
};

// The stations counted under each entry of one facet.
class FacetCounts final {
public:
    void add(std::string_view code, std::string_view name)
    {
        if (!code.empty()) {
            count(m_byCode, code);
        } else if (!name.empty()) {
            count(m_byName, name);
        } else {
            ++m_other;
        }
    }

    // Most first; the entry without a code or name last.
    [[nodiscard]] std::vector<DiscoveryEntry> entries() const
    {
        std::vector<DiscoveryEntry> entries;
        entries.reserve(m_byCode.size() + m_byName.size() + 1);
        for (const auto& [code, stations] : m_byCode) {
            entries.push_back({code, {}, stations});
        }
        for (const auto& [name, stations] : m_byName) {
            entries.push_back({{}, name, stations});
        }
        std::ranges::sort(entries, [](const DiscoveryEntry& a, const DiscoveryEntry& b) {
            return std::tie(b.stations, a.code, a.name) < std::tie(a.stations, b.code, b.name);
        });
        if (m_other > 0) {
            entries.push_back({{}, {}, m_other});
        }
        return entries;
    }

private:
    static void count(TextMap<std::size_t>& counts, std::string_view key)
    {
        if (const auto entry = counts.find(key); entry != counts.end()) {
            ++entry->second;
        } else {
            counts.emplace(std::string(key), 1);
        }
    }

    TextMap<std::size_t> m_byCode;
    TextMap<std::size_t> m_byName;
    std::size_t m_other = 0;
};

} // namespace

const std::vector<DiscoveryEntry>& Discovery::entries(Facet facet) const
{
    switch (facet) {
    case Facet::country:
        return countries;
    case Facet::language:
        return languages;
    case Facet::genre:
        break;
    }
    return genres;
}

// One pass, all three facets: a station's texts lie together, and reading them is most of the cost.
Discovery discover(const std::vector<Station>& stations)
{
    constexpr std::array<Facet, 3> facets {Facet::country, Facet::language, Facet::genre};
    std::array<FacetCounts, facets.size()> counts;
    EntryReader reader;
    for (const Station& station : stations) {
        for (std::size_t facet = 0; facet < facets.size(); ++facet) {
            reader.read(station, facets[facet],
                [&counts, facet](std::string_view code, std::string_view name) { counts[facet].add(code, name); });
        }
    }
    return {counts[0].entries(), counts[1].entries(), counts[2].entries()};
}

std::vector<std::uint32_t> stationsOf(const std::vector<Station>& stations, Facet facet, const DiscoveryEntry& entry)
{
    std::vector<std::uint32_t> positions;
    EntryReader reader;
    for (std::size_t index = 0; index < stations.size(); ++index) {
        bool belongs = false;
        reader.read(stations[index], facet, [&](std::string_view code, std::string_view name) {
            belongs = belongs || (code == entry.code && name == entry.name);
        });
        if (belongs) {
            positions.push_back(static_cast<std::uint32_t>(index));
        }
    }
    return positions;
}

std::vector<DiscoveryEntry> shownGenres(const std::vector<DiscoveryEntry>& genres, std::string_view filter)
{
    const std::string wanted = lowercased(trimmed(filter));
    if (wanted.empty()) {
        return {genres.begin(),
            genres.begin() + static_cast<std::ptrdiff_t>(std::min(genres.size(), genresShownByDefault))};
    }
    std::vector<DiscoveryEntry> shown;
    std::ranges::copy_if(genres, std::back_inserter(shown),
        [&wanted](const DiscoveryEntry& genre) { return genre.name.find(wanted) != std::string::npos; });
    return shown;
}

} // namespace Vello
