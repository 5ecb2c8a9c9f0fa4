#include "syntheticcatalog.h"

#include "browser/browsercontroller.h"
#include "browser/browserview.h"
#include "catalog/catalogdecoder.h"
#include "catalog/displayorder.h"
#include "ports/httpclient.h"
#include "ports/mediabackend.h"
#include "ports/preferences.h"
#include "session/playbacksession.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Vello {
namespace {

// The catalog as the store delivers it: decoded, playable stations only, in display order.
std::vector<Station> deliveredCatalog(std::size_t count)
{
    auto decoded = std::get<std::vector<Station>>(decodeCatalog(makeSyntheticCatalog(count)));
    std::erase_if(decoded, [](const Station& station) { return !station.hasRadioURL(); });
    return sortedForDisplay(std::move(decoded));
}

class TypedView final : public BrowserView {
public:
    std::string typed;

    std::string searchText() const override { return typed; }
    void setLoading(bool) override { }
    void render(bool) override { }
    void renderSidebar() override { }
    void clearContent() override { }
    void loadFallbackImage() override { }
    void loadHeroImage() override { }
    void showLoadProgress(const LoadProgress&) override { }
    void showNotice(const Text&) override { }
};

class AnsweringSource final : public StationSource {
public:
    explicit AnsweringSource(std::vector<Station> stations)
        : m_stations(std::move(stations))
    {
    }
    using StationSource::load;
    void load(Completion completion, Progress, Refresh) override { completion(m_stations); }

private:
    std::vector<Station> m_stations;
};

class SilentBackend final : public MediaBackend {
public:
    std::unique_ptr<MediaPlayer> createPlayer(const std::string&) override { return nullptr; }
};

class NoHttp final : public HttpClient {
public:
    void get(HttpRequest, Completion) override { }
};

class NoPreferences final : public Preferences {
public:
    std::vector<std::string> stringList(const std::string&) const override { return {}; }
    void setStringList(const std::string&, const std::vector<std::string>&) override { }
    std::optional<double> number(const std::string&) const override { return std::nullopt; }
    void setNumber(const std::string&, double) override { }
    std::optional<bool> flag(const std::string&) const override { return std::nullopt; }
    void setFlag(const std::string&, bool) override { }
    std::optional<std::string> text(const std::string&) const override { return std::nullopt; }
    void setText(const std::string&, const std::string&) override { }
};

class CollectingQueue final : public MainQueue {
public:
    void post(Task task) override { m_tasks.push_back(std::move(task)); }
    std::shared_ptr<Cancellable> postAfter(std::chrono::milliseconds, Task task) override
    {
        post(std::move(task));
        return std::make_shared<Cancellable>();
    }
    void runAll()
    {
        for (std::size_t i = 0; i < m_tasks.size(); ++i) {
            m_tasks[i]();
        }
        m_tasks.clear();
    }

private:
    std::vector<Task> m_tasks;
};

constexpr std::array<const char*, 3> queries {"a", "rad", "qzxj"};

// The list of the moment as every render asks for it: the typed text read, trimmed and
// folded, and the whole catalog scanned, in search mode.
void BM_FilteredStations(benchmark::State& state)
{
    TypedView view;
    AnsweringSource source(deliveredCatalog(static_cast<std::size_t>(state.range(0))));
    SilentBackend backend;
    NoHttp http;
    NoPreferences preferences;
    CollectingQueue queue;
    PlaybackSession session(backend, http, preferences, queue);
    BrowserController controller(source, session, preferences, queue);
    controller.start(view);
    queue.runAll();
    view.typed = queries.at(static_cast<std::size_t>(state.range(1)));
    controller.scheduleSearchRender();

    std::size_t rows = 0;
    for (auto _ : state) {
        const auto list = controller.filteredStations();
        rows = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.SetLabel("query \"" + view.typed + "\", " + std::to_string(rows) + " of "
        + std::to_string(controller.allStations().size()) + " rows");
}
BENCHMARK(BM_FilteredStations)->Args({50000, 0})->Args({50000, 1})->Args({50000, 2})->Unit(benchmark::kMillisecond);

// The once-per-delivery cost that keeps filtering cheap: identifiers and search texts of the
// whole catalog.
void BM_SearchIndex(benchmark::State& state)
{
    const auto stations = deliveredCatalog(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        SearchableCatalog catalog(stations);
        benchmark::DoNotOptimize(&catalog);
    }
}
BENCHMARK(BM_SearchIndex)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Vello

BENCHMARK_MAIN();
