#include "displayorder.h"

#include "textrules.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/stringpiece.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <future>
#include <memory>
#include <system_error>
#include <thread>
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

// Station::displayName() without a copy; kept in step with it by the ordering tests.
constexpr std::string_view unnamedStation = "Unnamed station";

struct SortEntry {
    std::int64_t score = 0;
    std::size_t index = 0;
};

} // namespace

std::vector<Station> sortedForDisplay(std::vector<Station> stations)
{
    return sortedForDisplay(std::move(stations), userCollationLocale());
}

// Names are compared only inside runs of equal scores, and each station's score and display
// name are derived once rather than on every comparison. Sorting by score first and then each
// run by name, both stably, gives exactly the order of the combined comparison.
std::vector<Station> sortedForDisplay(std::vector<Station> stations, std::string_view localeName)
{
    if (stations.size() < 2) {
        return stations;
    }
    std::vector<SortEntry> entries;
    entries.reserve(stations.size());
    for (std::size_t index = 0; index < stations.size(); ++index) {
        entries.push_back({stations[index].score(), index});
    }
    std::stable_sort(
        entries.begin(), entries.end(), [](const SortEntry& a, const SortEntry& b) { return a.score > b.score; });

    // Views of each display name: the trimmed name in place, or the fallback text.
    std::vector<std::string_view> names(stations.size());
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t run = 0; run < entries.size();) {
        std::size_t runEnd = run + 1;
        while (runEnd < entries.size() && entries[runEnd].score == entries[run].score) {
            ++runEnd;
        }
        if (runEnd - run > 1) {
            for (std::size_t entry = run; entry < runEnd; ++entry) {
                const std::optional<std::string>& name = stations[entries[entry].index].name;
                const std::string_view trimmedName = name ? trimmed(*name) : std::string_view();
                names[entries[entry].index] = trimmedName.empty() ? unnamedStation : trimmedName;
            }
            runs.emplace_back(run, runEnd);
        }
        run = runEnd;
    }
    const auto sortRuns = [&](auto firstRun, auto lastRun, const icu::Collator* collator) {
        const auto nameBefore = [&](const SortEntry& a, const SortEntry& b) {
            const std::string_view left = names[a.index];
            const std::string_view right = names[b.index];
            if (collator == nullptr) {
                return left < right;
            }
            UErrorCode status = U_ZERO_ERROR;
            const UCollationResult order
                = collator->compareUTF8(icu::StringPiece(left.data(), static_cast<std::int32_t>(left.size())),
                    icu::StringPiece(right.data(), static_cast<std::int32_t>(right.size())), status);
            return U_SUCCESS(status) && order == UCOL_LESS;
        };
        for (auto run = firstRun; run != lastRun; ++run) {
            const auto begin = entries.begin() + static_cast<std::ptrdiff_t>(run->first);
            std::stable_sort(begin, entries.begin() + static_cast<std::ptrdiff_t>(run->second), nameBefore);
        }
    };
    // Collating is most of the work: with two cores, a second thread takes the runs past the
    // middle of the list, with a collator of its own.
    const std::unique_ptr<icu::Collator> collator = makeCollator(localeName);
    auto middle = runs.end();
    std::future<void> later;
    if (std::thread::hardware_concurrency() >= 2 && collator) {
        const std::shared_ptr<icu::Collator> second(collator->clone());
        const auto half = std::find_if(
            runs.begin(), runs.end(), [mid = entries.size() / 2](const auto& run) { return run.second > mid; });
        if (second) {
            try {
                later = std::async(std::launch::async,
                    [&sortRuns, half, end = runs.end(), second] { sortRuns(half, end, second.get()); });
                middle = half;
            } catch (const std::system_error&) {
                // Without a second thread, this one sorts every run.
            }
        }
    }
    sortRuns(runs.begin(), middle, collator.get());
    if (later.valid()) {
        later.get();
    }

    // Station `entries[i].index` belongs at position i. Following each cycle of that permutation
    // moves every station once and needs no second list.
    std::vector<bool> placed(stations.size(), false);
    for (std::size_t start = 0; start < stations.size(); ++start) {
        if (placed[start]) {
            continue;
        }
        Station held = std::move(stations[start]);
        std::size_t position = start;
        while (entries[position].index != start) {
            stations[position] = std::move(stations[entries[position].index]);
            placed[position] = true;
            position = entries[position].index;
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
