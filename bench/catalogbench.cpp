#include "syntheticcatalog.h"

#include "catalog/catalogdecoder.h"
#include "catalog/catalogparts.h"
#include "catalog/discovery.h"
#include "catalog/displayorder.h"

#include <benchmark/benchmark.h>
#include <simdjson.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Vello {
namespace {

// What the store does with every download: decode, keep the playable stations, sort them.
template <typename Decode> void decodeFilterSort(benchmark::State& state, Decode decode)
{
    const std::string document = makeSyntheticCatalog(static_cast<std::size_t>(state.range(0)));
    std::size_t kept = 0;
    // One untimed run first, as the floor's parser has its buffers before it is timed.
    benchmark::DoNotOptimize(decode(document));
    for (auto _ : state) {
        auto decoded = decode(document);
        auto* stations = std::get_if<std::vector<Station>>(&decoded);
        if (stations == nullptr) {
            state.SkipWithError(std::get<Error>(decoded).description.english().c_str());
            break;
        }
        std::erase_if(*stations, [](const Station& station) { return !station.hasRadioURL(); });
        const std::vector<Station> sorted = sortedForDisplay(std::move(*stations), "en_US");
        kept = sorted.size();
        benchmark::DoNotOptimize(sorted.data());
    }
    state.counters["stations_kept"] = static_cast<double>(kept);
    state.counters["document_MB"] = static_cast<double>(document.size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(document.size()));
}

// A decoder kept across documents, as the floor below keeps its parser.
void BM_DecodeFilterSort(benchmark::State& state)
{
    CatalogDecoder decoder;
    decodeFilterSort(state, [&decoder](std::string_view document) { return decoder.decode(document); });
}
BENCHMARK(BM_DecodeFilterSort)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A fresh decoder for every document: its working memory is faulted in anew each time.
void BM_DecodeFilterSortOneShot(benchmark::State& state)
{
    decodeFilterSort(state, [](std::string_view document) { return decodeCatalog(document); });
}
BENCHMARK(BM_DecodeFilterSortOneShot)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The decoder alone, with the same kept decoder: the stations are freed outside the timing.
void BM_Decode(benchmark::State& state)
{
    const std::string document = makeSyntheticCatalog(static_cast<std::size_t>(state.range(0)));
    CatalogDecoder decoder;
    benchmark::DoNotOptimize(decoder.decode(document));
    for (auto _ : state) {
        auto decoded = decoder.decode(document);
        state.PauseTiming();
        decoded = Error {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(document.size()));
}
BENCHMARK(BM_Decode)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the store does with its copy on disk: the document read and decoded a part at a time
// (here read from memory instead of the page cache).
void BM_DecodeInPartsFilterSort(benchmark::State& state)
{
    decodeFilterSort(state, [](std::string_view document) { return decodeCatalogInParts(openerOf(document)); });
}
BENCHMARK(BM_DecodeInPartsFilterSort)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: simdjson validating and fully parsing the same bytes into its DOM, input already
// padded and the parser's buffers reused, nothing kept.
void BM_BareParse(benchmark::State& state)
{
    const simdjson::padded_string document(makeSyntheticCatalog(static_cast<std::size_t>(state.range(0))));
    simdjson::dom::parser parser;
    simdjson::dom::element warm;
    benchmark::DoNotOptimize(parser.parse(document).get(warm));
    for (auto _ : state) {
        simdjson::dom::element root;
        if (parser.parse(document).get(root) != simdjson::SUCCESS) {
            state.SkipWithError("the synthetic catalog did not parse");
            break;
        }
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(document.size()));
}
BENCHMARK(BM_BareParse)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The Browse screen's three ways in, counted on the catalog's worker for every new catalog: the
// playable stations in display order, as the store answers them.
void BM_Discovery(benchmark::State& state)
{
    auto decoded = decodeCatalog(makeSyntheticCatalog(static_cast<std::size_t>(state.range(0))));
    auto& stations = std::get<std::vector<Station>>(decoded);
    std::erase_if(stations, [](const Station& station) { return !station.hasRadioURL(); });
    const std::vector<Station> sorted = sortedForDisplay(std::move(stations), "en_US");
    Discovery discovery;
    for (auto _ : state) {
        discovery = discover(sorted);
        benchmark::DoNotOptimize(discovery.genres.data());
    }
    state.counters["countries"] = static_cast<double>(discovery.countries.size());
    state.counters["languages"] = static_cast<double>(discovery.languages.size());
    state.counters["genres"] = static_cast<double>(discovery.genres.size());
}
BENCHMARK(BM_Discovery)->Arg(55000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Choosing the largest genre: its stations in display order.
void BM_StationsOfAGenre(benchmark::State& state)
{
    auto decoded = decodeCatalog(makeSyntheticCatalog(static_cast<std::size_t>(state.range(0))));
    auto& stations = std::get<std::vector<Station>>(decoded);
    std::erase_if(stations, [](const Station& station) { return !station.hasRadioURL(); });
    const std::vector<Station> sorted = sortedForDisplay(std::move(stations), "en_US");
    const DiscoveryEntry largest = discover(sorted).genres.front();
    std::size_t count = 0;
    for (auto _ : state) {
        count = stationsOf(sorted, Facet::genre, largest).size();
    }
    state.counters["stations"] = static_cast<double>(count);
}
BENCHMARK(BM_StationsOfAGenre)->Arg(55000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace Vello

BENCHMARK_MAIN();
