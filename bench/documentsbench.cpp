// The person's documents on a real folder: an import of favourites that carry many stations of
// their own (the file read and parsed on a worker, then merged and written once on the GUI
// thread), and the own stations and songs heard read at start, on the GUI thread.
#include "browser/favoritesfile.h"
#include "browser/favoritesimport.h"
#include "browser/ownstations.h"
#include "browser/stationlibrary.h"
#include "platform/folderdocumentstore.h"
#include "platform/qtmainqueue.h"
#include "ports/preferences.h"
#include "session/songhistory.h"

#include <QCoreApplication>
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

// The most own stations kept, and the most songs, read back at start.
void BM_RestoreAtStart(benchmark::State& state)
{
    QTemporaryDir folder;
    FolderDocumentStore store(folder.path());
    QtMainQueue queue;
    {
        OwnStations own(store, [] { return std::string("new"); });
        const auto contents
            = std::get<FavoritesFile::Contents>(FavoritesFile::read(exportOf(OwnStations::maxStations)));
        HeldPreferences preferences;
        StationLibrary library(preferences);
        (void)mergeImported(contents, library, &own);
        SongHistory songs(store, queue);
        for (std::size_t i = 0; i < SongHistory::maxEntries; ++i) {
            songs.record("station" + std::to_string(i % 40), "Station " + std::to_string(i % 40),
                "Artist " + std::to_string(i) + " - A Song Title Of Some Length");
        }
    }
    for (auto _ : state) {
        OwnStations own(store, [] { return std::string("new"); });
        SongHistory songs(store, queue);
        benchmark::DoNotOptimize(own.restore());
        benchmark::DoNotOptimize(songs.restore());
        if (own.stations().size() != OwnStations::maxStations || songs.entries().size() != SongHistory::maxEntries) {
            state.SkipWithError("not everything was read back");
        }
    }
}
BENCHMARK(BM_RestoreAtStart)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
