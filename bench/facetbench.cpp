// Measures Browse's facet picker on the GUI thread: built with the countries' list open and
// painted once, as a click on "Countries" or a rebuild of the window does it.
//
//     QT_QPA_PLATFORM=offscreen facet_bench
#include "browser/browsescope.h"
#include "platform/qtmainqueue.h"
#include "ports/preferences.h"
#include "screens/facetpicker.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QListView>
#include <QLocale>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <set>
#include <string>
#include <vector>

namespace Vello {
namespace {

// Preferences that hold nothing: the filters stay off.
class NoPreferences final : public Preferences {
public:
    std::vector<std::string> stringList(const std::string& /*key*/) const override { return {}; }
    void setStringList(const std::string& /*key*/, const std::vector<std::string>& /*values*/) override { }
    std::optional<double> number(const std::string& /*key*/) const override { return std::nullopt; }
    void setNumber(const std::string& /*key*/, double /*value*/) override { }
    std::optional<bool> flag(const std::string& /*key*/) const override { return std::nullopt; }
    void setFlag(const std::string& /*key*/, bool /*value*/) override { }
    std::optional<std::string> text(const std::string& /*key*/) const override { return std::nullopt; }
    void setText(const std::string& /*key*/, const std::string& /*value*/) override { }
};

// Stations of `codes` country codes, one to fifty each; a few of Qt's codes are no ISO 3166-1
// country and go under "Other".
std::vector<Station> catalog(std::size_t countries)
{
    std::set<std::string> codes;
    for (int territory = 1; territory <= static_cast<int>(QLocale::LastTerritory) && codes.size() < countries;
         ++territory) {
        const QString code = QLocale::territoryToCode(static_cast<QLocale::Territory>(territory));
        if (code.size() == 2) {
            codes.insert(code.toStdString());
        }
    }
    std::vector<Station> stations;
    int index = 0;
    for (const std::string& code : codes) {
        for (int i = 0; i <= index % 50; ++i) {
            stations.push_back(StationFields {.stationuuid = code + std::to_string(i),
                .name = "Radio " + code,
                .url_resolved = "http://127.0.0.1:9/" + code,
                .countrycode = code});
        }
        ++index;
    }
    return stations;
}

void BM_ShowCountries(benchmark::State& state)
{
    QtMainQueue queue;
    NoPreferences preferences;
    BrowseScope scope(queue, preferences, [](bool /*listChanged*/) {});
    const std::vector<Station> stations = catalog(static_cast<std::size_t>(state.range(0)));
    scope.follow(stations);
    const QDeadlineTimer deadline(10000);
    while (!scope.discovery() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    scope.setOpenFacet(Facet::country);
    std::size_t shown = 0;
    for (auto _ : state) {
        FacetPicker picker(scope);
        picker.resize(640, picker.sizeHint().height());
        QPixmap painted = picker.grab();
        benchmark::DoNotOptimize(painted);
        shown = static_cast<std::size_t>(picker.entryList()->model()->rowCount());
    }
    state.counters["entries"] = static_cast<double>(shown);
    scope.release();
}
BENCHMARK(BM_ShowCountries)->Arg(203)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
