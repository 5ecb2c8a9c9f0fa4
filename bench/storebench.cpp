#include "syntheticcatalog.h"

#include "catalog/stationstore.h"
#include "ports/hostresolver.h"
#include "ports/httpclient.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

namespace Vello {
namespace {

// Never answers, so that only the answer from the cache is measured.
class SilentHttpClient final : public HttpClient {
public:
    void get(HttpRequest, Completion) override { }
};

// The catalog here is a document: nothing is looked up.
class NoHostResolver final : public HostResolver {
public:
    void serviceHosts(const std::string&, std::function<void(std::vector<ServiceHost>)>) override { }
    void addresses(const std::string&, std::function<void(Names)>) override { }
    void hostNames(const std::string&, std::function<void(Names)>) override { }
};

// What a start with a cached catalog costs before the window can show it: read the file,
// decode it, keep the playable stations, sort them, all inside load().
void BM_CacheAnswer(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vello-storebench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::filesystem::path folder = pattern;
    const std::string document = makeSyntheticCatalog(static_cast<std::size_t>(state.range(0)));
    std::ofstream(folder / "stations.json", std::ios::binary) << document;

    SilentHttpClient http;
    NoHostResolver resolver;
    StationStore store(
        http, resolver, CatalogSource {.documentUrl = "https://catalog.example/stations_filtered.json"}, folder);
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = 0;
        store.load([&kept](StationsResult result) {
            if (auto* stations = std::get_if<std::vector<Station>>(&result)) {
                kept = stations->size();
                benchmark::DoNotOptimize(stations->data());
            }
        });
        if (kept == 0) {
            state.SkipWithError("the cache gave no answer");
            break;
        }
    }
    state.counters["stations_kept"] = static_cast<double>(kept);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(document.size()));

    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_CacheAnswer)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace Vello
