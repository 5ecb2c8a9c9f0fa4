#include "syntheticcatalog.h"

#include "catalog/catalogcache.h"
#include "catalog/catalogorigin.h"
#include "catalog/catalogparts.h"
#include "catalog/stationchanges.h"
#include "catalog/stationstore.h"
#include "ports/hostresolver.h"
#include "ports/httpclient.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
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

// Serves a directory from memory, at once, and counts the bytes it sends.
class MemoryDirectory final : public HttpClient {
public:
    void get(HttpRequest request, Completion completion) override
    {
        const auto route = routes.find(request.url);
        HttpResponse response {route == routes.end() ? 404 : 200, route == routes.end() ? "" : route->second};
        sent += response.body.size();
        completion(std::move(response));
    }

    std::map<std::string, std::string> routes;
    std::size_t sent = 0;
};

std::filesystem::path temporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vello-storebench-XXXXXX").string();
    return ::mkdtemp(pattern.data()) != nullptr ? std::filesystem::path(pattern) : std::filesystem::path();
}

// The stations of a catalog document the store keeps, by uuid, for comparing two catalogs
// station by station.
std::vector<Station> keptByUuid(std::string_view document)
{
    auto decoded = decodeCatalog(document);
    auto& stations = std::get<std::vector<Station>>(decoded);
    keepListable(stations);
    std::ranges::stable_sort(stations, {}, [](const Station& station) { return station.stationuuid().value_or(""); });
    return std::move(stations);
}

// A day's refresh through the change feed when 1 % of the stations changed (a fifth of them
// new, a fifth left without an address, the rest renamed): the bytes it takes against a
// download of the whole list, and whether the copy then holds what that download would give.
// Each iteration is one load(): the copy's answer and the refresh.
void BM_ChangeRefresh(benchmark::State& state)
{
    const auto folder = temporaryFolder();
    const std::string server = "https://directory.example";
    const std::string synthetic = makeSyntheticCatalog(static_cast<std::size_t>(state.range(0)));
    // What the directory serves the store: the stations its last check found working.
    std::vector<std::string_view> objects;
    std::string whole = "[";
    for (const char* at = synthetic.data() + 1;
         const char* end = arrayElementEnd(at, synthetic.data() + synthetic.size());) {
        const std::string_view object(at, static_cast<std::size_t>(end - at));
        if (object.find(R"("lastcheckok":0)") == std::string_view::npos) {
            objects.push_back(object);
            whole += (whole.size() > 1 ? ",\n" : "") + std::string(object);
        }
        if (*end != ',') {
            break;
        }
        at = end + 1;
    }
    whole += "]";
    std::vector<std::string> dayLater(objects.begin(), objects.end());
    std::string page = "[";
    for (std::size_t changed = 0; changed * 100 < objects.size(); ++changed) {
        const std::size_t index = changed * 100 + 7;
        const std::string change = R"({"changeuuid": "change-)" + std::to_string(changed)
            + R"(", "lastchangetime": "2099-01-01 00:00:00", )";
        std::string version;
        if (changed % 5 == 0) {
            version = mergedStation(objects[index], change + R"("url": "", "url_resolved": ""})");
            dayLater[index] = version;
        } else if (changed % 5 == 1) {
            version
                = mergedStation(objects[index], change + R"("stationuuid": "new-)" + std::to_string(changed) + "\"}");
            dayLater.push_back(version);
        } else {
            version = mergedStation(objects[index], change + R"("name": "Renamed )" + std::to_string(changed) + "\"}");
            dayLater[index] = version;
        }
        page += (page.size() > 1 ? ",\n" : "") + version;
    }
    page += "]";
    std::string dayLaterWhole = "[";
    for (const std::string& object : dayLater) {
        dayLaterWhole += (dayLaterWhole.size() > 1 ? ",\n" : "") + object;
    }
    dayLaterWhole += "]";

    MemoryDirectory directory;
    directory.routes[directoryStationsUrl(server)] = whole;
    NoHostResolver resolver;
    auto now = std::chrono::system_clock::now();
    StationStore store(
        directory, resolver, CatalogSource {.directoryServers = {server}}, folder, [&now] { return now; });
    store.load([](const StationsResult&) {});
    const std::size_t wholeBytes = std::exchange(directory.sent, 0);
    auto origin = *CatalogOrigin::read(store.originFile());
    directory.routes[directoryChangesUrl(server, origin.lastChange, 1000)] = page;
    origin.downloaded = now - std::chrono::hours(25);
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(store.cacheFile(), std::ios::binary) << whole;
        origin.write(store.originFile());
        directory.sent = 0;
        state.ResumeTiming();
        store.load([](const StationsResult&) {});
    }
    std::ifstream copy(store.cacheFile(), std::ios::binary);
    const std::string refreshed((std::istreambuf_iterator<char>(copy)), std::istreambuf_iterator<char>());
    const bool same = keptByUuid(refreshed) == keptByUuid(dayLaterWhole);
    state.counters["whole_bytes"] = static_cast<double>(wholeBytes);
    state.counters["refresh_bytes"] = static_cast<double>(directory.sent);
    state.counters["refresh_percent"] = 100.0 * static_cast<double>(directory.sent) / static_cast<double>(wholeBytes);
    state.counters["same_as_whole"] = same ? 1 : 0;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_ChangeRefresh)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// What a start with a cached catalog costs before the window can show it: read the file,
// decode it, keep the playable stations and put them in the display order kept beside it (the
// first iteration sorts them and keeps the order), all inside load().
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

// The same with no order kept: each start sorts, as every start did before the order was kept.
void BM_CacheAnswerSorting(benchmark::State& state)
{
    const auto folder = temporaryFolder();
    const std::string document = makeSyntheticCatalog(static_cast<std::size_t>(state.range(0)));
    SilentHttpClient http;
    NoHostResolver resolver;
    StationStore store(
        http, resolver, CatalogSource {.documentUrl = "https://catalog.example/stations_filtered.json"}, folder);
    std::ofstream(store.cacheFile(), std::ios::binary) << document;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(store.orderFile());
        state.ResumeTiming();
        store.load([](const StationsResult&) {});
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_CacheAnswerSorting)->Arg(50000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace Vello
