// Importing favourites that carry many stations of the person's own, on a real folder: the file
// read and parsed (on a worker), then merged and written once (on the GUI thread).
#include "browser/favoritesfile.h"
#include "browser/favoritesimport.h"
#include "browser/ownstations.h"
#include "browser/stationlibrary.h"
#include "platform/folderdocumentstore.h"
#include "ports/preferences.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

namespace Vello {
namespace {

// Preferences held in memory: only the favourites are written, once per import.
class HeldPreferences final : public Preferences {
public:
    std::vector<std::string> stringList(const std::string& key) const override
    {
        const auto found = m_lists.find(key);
        return found == m_lists.end() ? std::vector<std::string>() : found->second;
    }
    void setStringList(const std::string& key, const std::vector<std::string>& values) override
    {
        m_lists[key] = values;
    }
    std::optional<double> number(const std::string&) const override { return std::nullopt; }
    void setNumber(const std::string&, double) override { }
    std::optional<bool> flag(const std::string&) const override { return std::nullopt; }
    void setFlag(const std::string&, bool) override { }
    std::optional<std::string> text(const std::string&) const override { return std::nullopt; }
    void setText(const std::string&, const std::string&) override { }

private:
    std::map<std::string, std::vector<std::string>> m_lists;
};

// An export of `count` own stations, every other one a favourite.
std::string exportOf(std::int64_t count)
{
    std::vector<FavoriteEntry> entries;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        entries.push_back(FavoriteEntry {"own:imported" + n, "Station " + n,
            StationDraft {
                "Station " + n, "http://radio.lan:8000/stream" + n, "http://radio.lan/logo" + n + ".png", "jazz, live"},
            i % 2 == 0});
    }
    return FavoritesFile::write(entries);
}

void BM_ReadFavoritesFile(benchmark::State& state)
{
    const std::string file = exportOf(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FavoritesFile::read(file));
    }
}
BENCHMARK(BM_ReadFavoritesFile)->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_MergeImport(benchmark::State& state)
{
    const auto contents = std::get<FavoritesFile::Contents>(FavoritesFile::read(exportOf(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        FolderDocumentStore store(folder.path());
        OwnStations own(store, [] { return std::string("new"); });
        HeldPreferences preferences;
        StationLibrary library(preferences);
        state.ResumeTiming();
        const ImportSummary summary = mergeImported(contents, library, &own);
        benchmark::DoNotOptimize(summary);
        state.PauseTiming();
        if (summary.ownStations != static_cast<std::size_t>(state.range(0))) {
            state.SkipWithError("not every station was added");
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MergeImport)->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace Vello

BENCHMARK_MAIN();
