#include "displayorder.h"

#include "textrules.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <memory>
#include <span>
#include <system_error>
#include <utility>

namespace Vello {

namespace {

std::unique_ptr<icu::Collator> makeCollator(std::string_view localeName)
{
    const icu::Locale locale
        = localeName.empty() ? icu::Locale::getRoot() : icu::Locale(std::string(localeName).c_str());
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator) {
        status = U_ZERO_ERROR;
        collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !collator) {
        return nullptr;
    }
    // Secondary strength: base letters and accents count, letter case does not.
    collator->setStrength(icu::Collator::SECONDARY);
    return collator;
}

// Station::displayName() without a copy.
constexpr std::string_view unnamedStation = unnamedStationText;

// How many stations make it worth sorting the names on two threads.
constexpr std::size_t secondThreadFrom = 10000;

struct SortEntry {
    std::int64_t score = 0;
    std::size_t index = 0;
};

} // namespace

std::vector<Station> sortedForDisplay(std::vector<Station> stations)
{
    return sortedForDisplay(std::move(stations), userCollationLocale());
}

std::vector<Station> sortedForDisplay(std::vector<Station> stations, std::string_view localeName)
{
    const std::vector<std::uint32_t> order = displayOrder(stations, localeName);
    return inOrder(std::move(stations), order);
}

// Names are compared only inside runs of equal scores, and each station's score and display
// name are derived once rather than on every comparison. Sorting by score first and then each
// run by name, both stably, gives exactly the order of the combined comparison.
std::vector<std::uint32_t> displayOrder(const std::vector<Station>& stations, std::string_view localeName)
{
    if (stations.size() < 2) {
        return std::vector<std::uint32_t>(stations.size(), 0);
    }
    std::vector<SortEntry> entries;
    entries.reserve(stations.size());
    for (std::size_t index = 0; index < stations.size(); ++index) {
        entries.push_back({stations[index].score(), index});
    }
    std::stable_sort(
        entries.begin(), entries.end(), [](const SortEntry& a, const SortEntry& b) { return a.score > b.score; });

    const std::unique_ptr<icu::Collator> collator = makeCollator(localeName);
    // Views of each display name: the trimmed name in place, or the fallback text. Taken in the
    // stations' own order, which is the order their texts lie in memory.
    std::vector<std::string_view> names(stations.size());
    for (std::size_t index = 0; index < stations.size(); ++index) {
        const std::optional<std::string_view> name = stations[index].name();
        const std::string_view trimmedName = name ? trimmed(*name) : std::string_view();
        names[index] = trimmedName.empty() ? unnamedStation : trimmedName;
    }
    // Each run of equal scores is sorted by name, and about its length times the bits of its
    // length names are compared. A collator serves one thread at a time: with many stations the
    // later runs, half the comparisons, go to a second thread with a copy of it.
    using Run = std::pair<std::vector<SortEntry>::iterator, std::vector<SortEntry>::iterator>;
    std::vector<Run> runs;
    std::size_t comparisons = 0;
    for (auto run = entries.begin(); run != entries.end();) {
        const auto runEnd = std::find_if(
            run, entries.end(), [score = run->score](const SortEntry& entry) { return entry.score != score; });
        if (const auto length = static_cast<std::size_t>(runEnd - run); length > 1) {
            runs.emplace_back(run, runEnd);
            comparisons += length * std::bit_width(length);
        }
        run = runEnd;
    }
    const auto sortRuns = [&names](std::span<const Run> part, icu::Collator* by) {
        const auto nameBefore = [&](const SortEntry& a, const SortEntry& b) {
            const std::string_view left = names[a.index];
            const std::string_view right = names[b.index];
            if (by == nullptr || left == right) {
                return left < right;
            }
            UErrorCode status = U_ZERO_ERROR;
            const UCollationResult order
                = by->compareUTF8(icu::StringPiece(left.data(), static_cast<std::int32_t>(left.size())),
                    icu::StringPiece(right.data(), static_cast<std::int32_t>(right.size())), status);
            return U_SUCCESS(status) && order == UCOL_LESS;
        };
        for (const auto& [begin, end] : part) {
            std::stable_sort(begin, end, nameBefore);
        }
    };
    std::size_t firstLater = runs.size();
    const std::unique_ptr<icu::Collator> copy(
        collator && entries.size() >= secondThreadFrom ? collator->clone() : nullptr);
    std::future<void> later;
    if (copy) {
        std::size_t counted = 0;
        for (firstLater = 0; firstLater < runs.size() && counted * 2 < comparisons; ++firstLater) {
            const auto length = static_cast<std::size_t>(runs[firstLater].second - runs[firstLater].first);
            counted += length * std::bit_width(length);
        }
        try {
            later = std::async(
                std::launch::async, [&] { sortRuns(std::span<const Run>(runs).subspan(firstLater), copy.get()); });
        } catch (const std::system_error&) {
            firstLater = runs.size();
        }
    }
    sortRuns(std::span<const Run>(runs).first(firstLater), collator.get());
    if (later.valid()) {
        later.get();
    }
    std::vector<std::uint32_t> order(entries.size());
    std::ranges::transform(
        entries, order.begin(), [](const SortEntry& entry) { return static_cast<std::uint32_t>(entry.index); });
    return order;
}

// Station `order[i]` belongs at position i. Following each cycle of that permutation moves every
// station once and needs no second list.
std::vector<Station> inOrder(std::vector<Station> stations, const std::vector<std::uint32_t>& order)
{
    std::vector<bool> placed(stations.size(), false);
    for (std::size_t start = 0; start < stations.size(); ++start) {
        if (placed[start]) {
            continue;
        }
        Station held = std::move(stations[start]);
        std::size_t position = start;
        while (order[position] != start) {
            stations[position] = std::move(stations[order[position]]);
            placed[position] = true;
            position = order[position];
        }
        stations[position] = std::move(held);
        placed[position] = true;
    }
    return stations;
}

std::string collationLocaleName(std::string_view lcAll, std::string_view lcCollate, std::string_view lang)
{
    std::string_view chosen = !lcAll.empty() ? lcAll : !lcCollate.empty() ? lcCollate : lang;
    chosen = chosen.substr(0, chosen.find_first_of(".@"));
    if (chosen == "C" || chosen == "POSIX") {
        return {};
    }
    return std::string(chosen);
}

std::string userCollationLocale()
{
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::string_view(value) : std::string_view();
    };
    return collationLocaleName(variable("LC_ALL"), variable("LC_COLLATE"), variable("LANG"));
}

} // namespace Vello
