// Measures the window: start-up to the first painted frame of Home with a 50,000-station
// catalog in the cache, beside an empty window started the same way; the Library's Top
// Stations render, and its Songs list at 500 entries; the peak memory with the catalog loaded.
// Each start-up runs in a child process of its own, timed from the parent's side so process
// start and loading count too.
//
//     window_bench [--stations N] [--runs N] [--cache-folder DIR (kept, for profiling a child)]
//     window_bench --child-app DIR
//     window_bench --screenshots DIR (the screens, and preferences.png with the Preferences dialog)
//     window_bench --screenshots DIR --language LANG (the screens at the minimum size in LANG)
//     window_bench --status-screenshots DIR (loading.png with download progress, try-again.png)
#include "windowshots.h"

#include "syntheticcatalog.h"
#include "windowcore.h"

#include "app/mainwindow.h"
#include "browser/browsercontroller.h"
#include "catalog/stationstore.h"
#include "i18n/translation.h"
#include "platform/gstmediabackend.h"
#include "platform/qtdnsresolver.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "platform/settingspreferences.h"
#include "ports/documentstore.h"
#include "ports/httpclient.h"
#include "screens/mainview.h"
#include "screens/songrow.h"
#include "screens/stationlist.h"
#include "widgets/artworkloader.h"
#include "widgets/stationrow.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include <chrono>
#include <deque>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// Answers every request with an error at once, on a pool thread, and counts the requests: the
// measurement needs no network, and the count is the number of logo loads the window started.
class OfflineHttpClient final : public HttpClient {
public:
    void get(HttpRequest request, Completion completion) override
    {
        if (request.url.find("stations_filtered.json") == std::string::npos) {
            ++m_logoRequests;
        }
        QThreadPool::globalInstance()->start(
            [completion = std::move(completion)] { completion(Error {Text::verbatim("offline measurement")}); });
    }
    [[nodiscard]] int logoRequests() const { return m_logoRequests.load(); }

private:
    std::atomic<int> m_logoRequests {0};
};

long statusKilobytes(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) {
            return std::stol(line.substr(field.size()));
        }
    }
    return -1;
}

long peakMemoryKilobytes()
{
    return statusKilobytes("VmHWM:");
}

// Runs the loop until a widget for which `matches` holds has been painted.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<bool(QObject*)> matches)
        : m_matches(std::move(matches))
    {
        qApp->installEventFilter(this);
    }
    void wait() { m_loop.exec(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_matches(watched)) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(&m_loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool(QObject*)> m_matches;
    QEventLoop m_loop;
};

bool isStationRow(QObject* object)
{
    return qobject_cast<StationRow*>(object) != nullptr;
}

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void report(const char* key, double value)
{
    std::printf("%s=%.2f\n", key, value);
    std::fflush(stdout);
}

int runEmptyWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1180, 760);
    FirstPaint painted([&](QObject* object) { return object == &window; });
    window.show();
    painted.wait();
    report("cpu_ms", cpuMilliseconds());
    report("painted", 1);
    report("vmhwm_kb", static_cast<double>(peakMemoryKilobytes()));
    return 0;
}

// Says "row_painted" the first time a station row is painted, whenever that is.
class RowPaintReporter final : public QObject {
public:
    RowPaintReporter() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && isStationRow(watched)) {
            qApp->removeEventFilter(this);
            report("row_painted", 1);
        }
        return false;
    }
};

// The real HTTP client, counting the catalog's bytes as they arrive.
class CountingHttpClient final : public HttpClient {
public:
    explicit CountingHttpClient(HttpClient& http)
        : m_http(http)
    {
    }
    using HttpClient::get;
    void get(HttpRequest request, Completion completion) override
    {
        if (request.onBody) {
            request.onBody = [this, onBody = std::move(request.onBody)](std::string_view piece) {
                m_bytes += piece.size();
                onBody(piece);
            };
        }
        m_http.get(std::move(request), std::move(completion));
    }
    [[nodiscard]] std::size_t bytes() const { return m_bytes.load(); }

private:
    HttpClient& m_http;
    std::atomic<std::size_t> m_bytes {0};
};

// The real store, counting its answers so the measurement knows when the last one is in.
class CountingSource final : public StationSource {
public:
    explicit CountingSource(StationSource& source)
        : m_source(source)
    {
    }
    using StationSource::load;
    void load(Completion completion, Progress progress, Refresh refresh) override
    {
        m_source.load(
            [this, completion = std::move(completion)](StationsResult result) {
                completion(std::move(result));
                ++m_answers;
            },
            std::move(progress), refresh);
    }
    [[nodiscard]] int answers() const { return m_answers.load(); }

private:
    StationSource& m_source;
    std::atomic<int> m_answers {0};
};

// A start against a catalog server: `stationsUrl` answers with the catalog (a directory server
// when it starts with "directory="), and the cache may hold one. Reports the start-up, then waits
// for the last answer, lets the window settle and reports the peak and the steady memory and the
// catalog's bytes downloaded. With `diskFull` no file can grow, as on a full disk: the download's
// body stays in memory.
int runDownload(int argc, char** argv, const QString& cacheFolder, const std::string& stationsUrl, bool cached,
    int expected, bool diskFull)
{
    if (diskFull) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit noGrowth {0, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &noGrowth);
    }
    QApplication app(argc, argv);
    RowPaintReporter rowPainted;
    QTemporaryDir settings;
    QtMainQueue mainQueue;
    QtHttpClient client;
    CountingHttpClient http(client);
    SettingsPreferences preferences(settings.filePath(QStringLiteral("settings.ini")));
    GstMediaBackend media(mainQueue);
    ArtworkLoader artwork(http);
    QtDnsResolver resolver;
    constexpr std::string_view directoryMark = "directory=";
    const CatalogSource catalogSource = stationsUrl.starts_with(directoryMark)
        ? CatalogSource {.directoryServers = {stationsUrl.substr(directoryMark.size())}}
        : CatalogSource {.documentUrl = stationsUrl};
    StationStore store(http, resolver, catalogSource, cacheFolder.toStdString());
    CountingSource source(store);
    WindowCore core(source, media, http, preferences, mainQueue);
    MainWindow window(core.browser, core.session, preferences, artwork,
        [&store](const CatalogSource& chosen) { store.setSource(chosen); });
    window.centerOnScreen();
    FirstPaint painted(cached ? std::function<bool(QObject*)>(isStationRow)
                              : [](QObject* object) { return object->objectName() == u"topBar"; });
    window.show();
    painted.wait();
    report("painted", 1);
    QElapsedTimer timer;
    timer.start();
    while (source.answers() < expected && timer.elapsed() < 120'000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    report("download_ms", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    // The answer's render and the rows' logo loads (which fail: the server has no logos).
    const QDeadlineTimer settle(1500);
    while (!settle.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    report("catalog_stations", static_cast<double>(core.browser.allStations().size()));
    report("status_empty", core.browser.statusMessage().empty() ? 1 : 0);
    report("downloaded_bytes", static_cast<double>(http.bytes()));
    report("vmrss_kb", static_cast<double>(statusKilobytes("VmRSS:")));
    report("vmhwm_kb", static_cast<double>(peakMemoryKilobytes()));
    return 0;
}

// With `catalogExpected` false the cache is empty: the first frame is Home's loading state,
// marked by its top bar.
// The songs heard at their cap, held in memory.
class FullSongList final : public DocumentStore {
public:
    explicit FullSongList(const std::vector<Station>& stations)
    {
        std::deque<SongHistory::Entry> heard;
        const auto now = std::chrono::system_clock::now();
        for (std::size_t i = 0; i < SongHistory::maxEntries; ++i) {
            const Station& station = stations[i % stations.size()];
            heard.push_back(SongHistory::Entry {"Artist " + std::to_string(i) + " - A Song Title Of Some Length",
                station.id(), station.displayName(), now - std::chrono::minutes(i)});
        }
        m_songs = SongHistory::toDocument(heard);
    }
    Result<std::optional<std::string>> read(std::string_view name, std::size_t) const override
    {
        return name == SongHistory::documentName ? std::optional<std::string>(m_songs) : std::nullopt;
    }
    bool write(std::string_view, std::string_view) override { return true; }
    Result<std::string> setAside(std::string_view) override { return Error {}; }

private:
    std::string m_songs;
};

int runApplication(int argc, char** argv, const QString& cacheFolder, bool catalogExpected)
{
    QElapsedTimer phases;
    phases.start();
    QApplication app(argc, argv);
    report("phase_qapplication_ms", static_cast<double>(phases.nsecsElapsed()) / 1e6);
    // As the player does: the session's catalogue and Qt's own, before any text is made.
    Translations translations;
    const qint64 beforeTranslations = phases.nsecsElapsed();
    translations.install(QLocale());
    report("translations_ms", static_cast<double>(phases.nsecsElapsed() - beforeTranslations) / 1e6);
    QApplication::setOrganizationName(QStringLiteral("PembaVello"));
    QApplication::setApplicationName(QStringLiteral("PembaVello"));
    QTemporaryDir settings;
    QtMainQueue mainQueue;
    OfflineHttpClient http;
    SettingsPreferences preferences(settings.filePath(QStringLiteral("settings.ini")));
    GstMediaBackend media(mainQueue);
    ArtworkLoader artwork(http);
    report("phase_ports_ms", static_cast<double>(phases.nsecsElapsed()) / 1e6);
    QtDnsResolver resolver;
    StationStore store(http, resolver, CatalogSource {.documentUrl = "http://127.0.0.1:9/stations_filtered.json"},
        cacheFolder.toStdString());
    // The store answers from its cache inside the window's construction, on this thread.
    WindowCore core(store, media, http, preferences, mainQueue);
    MainWindow window(core.browser, core.session, preferences, artwork,
        [&store](const CatalogSource& chosen) { store.setSource(chosen); });
    report("phase_window_ms", static_cast<double>(phases.nsecsElapsed()) / 1e6);
    window.centerOnScreen();
    FirstPaint painted(catalogExpected ? std::function<bool(QObject*)>(isStationRow)
                                       : [](QObject* object) { return object->objectName() == u"topBar"; });
    window.show();
    painted.wait();
    if (!catalogExpected) {
        report("cpu_ms", cpuMilliseconds());
        report("painted", 1);
        return 0;
    }
    report("phase_painted_ms", static_cast<double>(phases.nsecsElapsed()) / 1e6);
    report("cpu_ms", cpuMilliseconds());
    report("painted", 1);
    report("home_rows", static_cast<double>(window.findChildren<StationRow*>().size()));

    BrowserController& browser = core.browser;
    browser.switchScreen(Screen::Library);
    QEventLoop settle;
    while (window.mainView()->stationList() == nullptr) {
        settle.processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const int logosBefore = http.logoRequests();

    QElapsedTimer timer;
    timer.start();
    FirstPaint libraryPainted(isStationRow);
    browser.chooseListMode(ListMode::Top);
    const double renderMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    libraryPainted.wait();
    const double paintedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    report("catalog_stations", static_cast<double>(browser.allStations().size()));
    report("library_list", static_cast<double>(window.mainView()->stationList()->stationCount()));
    report("library_render_ms", renderMs);
    report("library_painted_ms", paintedMs);
    report("library_rows_alive", static_cast<double>(window.findChildren<StationRow*>().size()));
    report("library_logo_requests", http.logoRequests() - logosBefore);

    FullSongList songs(browser.allStations());
    (void)core.session.keepSongsIn(songs);
    timer.restart();
    browser.chooseListMode(ListMode::Songs);
    report("songs_render_ms", static_cast<double>(timer.nsecsElapsed()) / 1e6);
    while (window.findChildren<SongRow*>().isEmpty()) {
        settle.processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    report("songs_listed", static_cast<double>(core.session.songsHeard().size()));
    report("songs_rows_alive", static_cast<double>(window.findChildren<SongRow*>().size()));
    report("vmhwm_kb", static_cast<double>(peakMemoryKilobytes()));
    return 0;
}

// A first start that is still downloading (`fails` false) or whose download failed.
class FirstStartSource final : public StationSource {
public:
    explicit FirstStartSource(bool fails)
        : m_fails(fails)
    {
    }
    using StationSource::load;
    void load(Completion completion, Progress progress, Refresh) override
    {
        if (m_fails) {
            completion(Error {Text::verbatim("Could not connect to the server.")});
        } else if (progress) {
            progress(LoadProgress {12'400'000, 65'500'000});
        }
    }

private:
    bool m_fails;
};

int takeStatusScreenshots(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    QtMainQueue mainQueue;
    OfflineHttpClient http;
    ArtworkLoader artwork(http);
    QTemporaryDir settings;
    SettingsPreferences preferences(settings.filePath(QStringLiteral("settings.ini")));
    GstMediaBackend media(mainQueue);
    for (const bool fails : {false, true}) {
        FirstStartSource source(fails);
        WindowCore core(source, media, http, preferences, mainQueue);
        MainWindow window(core.browser, core.session, preferences, artwork, [](const CatalogSource&) {});
        window.show();
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 300) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        const QString path = folder + (fails ? QStringLiteral("/try-again.png") : QStringLiteral("/loading.png"));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "window_bench: cannot save %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

// Starts this program in `mode`, in the session language `locale` (de_DE) if given, and returns
// what it reported, with "startup_ms": the time from starting the process until it said it had
// painted.
std::map<std::string, double> measureChild(const QStringList& arguments, const QString& locale = {})
{
    QProcess child;
    if (!locale.isEmpty()) {
        // The session's language, as a desktop sets it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), locale);
        environment.insert(QStringLiteral("LC_ALL"), locale + QStringLiteral(".UTF-8"));
        child.setProcessEnvironment(environment);
    }
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    std::map<std::string, double> values;
    QByteArray pending;
    while (child.state() != QProcess::NotRunning || child.bytesAvailable() > 0) {
        if (child.bytesAvailable() == 0 && !child.waitForReadyRead(120'000)) {
            break;
        }
        pending += child.readAll();
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            const qsizetype equals = line.indexOf('=');
            if (equals < 0) {
                continue;
            }
            const std::string key = line.left(equals).toStdString();
            values[key] = line.mid(equals + 1).toDouble();
            if (key == "painted") {
                values["startup_ms"] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            }
            if (key == "row_painted") {
                values["first_row_ms"] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            }
        }
    }
    child.waitForFinished();
    return values;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int runParent(int argc, char** argv, int stations, int runs, const QString& keptFolder)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    const QString cacheFolder = keptFolder.isEmpty() ? home.filePath(QStringLiteral("PembaVello")) : keptFolder;
    QDir().mkpath(cacheFolder);
    {
        const std::string catalog = makeSyntheticCatalog(static_cast<std::size_t>(stations));
        QFile file(cacheFolder + QStringLiteral("/stations.json"));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(catalog.data(), static_cast<qint64>(catalog.size())) != static_cast<qint64>(catalog.size())) {
            std::fprintf(stderr, "window_bench: cannot write the cache file\n");
            return 1;
        }
        std::printf(
            "catalog in the cache: %d stations, %.1f MB\n", stations, static_cast<double>(catalog.size()) / 1e6);
    }

    std::map<std::string, std::vector<double>> empty;
    std::map<std::string, std::vector<double>> full;
    std::map<std::string, std::vector<double>> german;
    std::map<std::string, std::vector<double>> uncached;
    QTemporaryDir nothingCached;
    for (int run = 0; run < runs; ++run) {
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-app-no-cache"), nothingCached.path()})) {
            uncached[key].push_back(value);
        }
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-empty")})) {
            empty[key].push_back(value);
        }
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-app"), cacheFolder}, u"en_US"_s)) {
            full[key].push_back(value);
        }
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-app"), cacheFolder}, u"de_DE"_s)) {
            german[key].push_back(value);
        }
    }
    // A loopback catalog server for the starts that download: the same catalog again.
    QTemporaryDir served;
    QFile::copy(
        cacheFolder + QStringLiteral("/stations.json"), served.filePath(QStringLiteral("stations_filtered.json")));
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    QProcess server;
    server.start(QStringLiteral("python3"),
        {QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
            QString::number(port), QStringLiteral("--directory"), served.path()});
    server.waitForStarted();
    QThread::msleep(500);
    const QString stationsUrl = QStringLiteral("http://127.0.0.1:%1/stations_filtered.json").arg(port);
    std::map<std::string, std::vector<double>> cacheAndDownload;
    std::map<std::string, std::vector<double>> firstDownload;
    std::map<std::string, std::vector<double>> cacheOffline;
    std::map<std::string, std::vector<double>> diskFullDownload;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir fresh;
        QFile::copy(cacheFolder + QStringLiteral("/stations.json"), fresh.filePath(QStringLiteral("stations.json")));
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), fresh.path(), stationsUrl,
                 QStringLiteral("cached"), QStringLiteral("2")})) {
            cacheAndDownload[key].push_back(value);
        }
        QTemporaryDir noCache;
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), noCache.path(), stationsUrl,
                 QStringLiteral("none"), QStringLiteral("1")})) {
            firstDownload[key].push_back(value);
        }
        QTemporaryDir noRoom;
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), noRoom.path(), stationsUrl,
                 QStringLiteral("none"), QStringLiteral("1"), QStringLiteral("disk-full")})) {
            diskFullDownload[key].push_back(value);
        }
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), cacheFolder,
                 QStringLiteral("http://127.0.0.1:9/stations_filtered.json"), QStringLiteral("cached"),
                 QStringLiteral("1")})) {
            cacheOffline[key].push_back(value);
        }
    }
    // The same catalog from a directory server: a first start, then a second one within the day.
    QDir(served.path()).mkpath(QStringLiteral("json"));
    QFile::copy(cacheFolder + QStringLiteral("/stations.json"), served.filePath(QStringLiteral("json/stations")));
    const QString directoryServer = QStringLiteral("directory=http://127.0.0.1:%1").arg(port);
    std::map<std::string, std::vector<double>> directoryFirst;
    std::map<std::string, std::vector<double>> directorySecond;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir fresh;
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), fresh.path(), directoryServer,
                 QStringLiteral("none"), QStringLiteral("1")})) {
            directoryFirst[key].push_back(value);
        }
        for (const auto& [key, value] : measureChild({QStringLiteral("--child-download"), fresh.path(), directoryServer,
                 QStringLiteral("cached"), QStringLiteral("1")})) {
            directorySecond[key].push_back(value);
        }
    }
    server.kill();
    server.waitForFinished();

    std::printf("runs: %d (medians; each start-up in a fresh process)\n", runs);
    const auto memoryLine = [&](const char* what, std::map<std::string, std::vector<double>>& values) {
        std::printf("%s: first paint %.0f ms (%+.0f ms over the empty window), last answer %.0f ms later, "
                    "%.0f stations, peak (VmHWM) %.1f MB, steady (VmRSS after the answer) %.1f MB\n",
            what, median(values["startup_ms"]), median(values["startup_ms"]) - median(empty["startup_ms"]),
            median(values["download_ms"]), median(values["catalog_stations"]), median(values["vmhwm_kb"]) / 1024,
            median(values["vmrss_kb"]) / 1024);
    };
    memoryLine("cache only (catalog server unreachable)", cacheOffline);
    memoryLine("cache plus a download from a loopback server", cacheAndDownload);
    memoryLine("first start, no cache, download from a loopback server", firstDownload);
    memoryLine("the same with the disk full (the body kept in memory)", diskFullDownload);
    const auto directoryLine = [&](const char* what, std::map<std::string, std::vector<double>>& values) {
        std::printf("%s: first row painted %.0f ms after the start, %.0f stations, %.0f bytes downloaded, "
                    "peak (VmHWM) %.1f MB\n",
            what, median(values["first_row_ms"]), median(values["catalog_stations"]),
            median(values["downloaded_bytes"]), median(values["vmhwm_kb"]) / 1024);
    };
    directoryLine("the directory as the source, first start", directoryFirst);
    directoryLine("the directory as the source, second start the same day", directorySecond);
    std::printf("empty QWidget window, start to first paint: %.0f ms wall, %.0f ms CPU, VmHWM %.1f MB\n",
        median(empty["startup_ms"]), median(empty["cpu_ms"]), median(empty["vmhwm_kb"]) / 1024);
    std::printf("Pemba Vello, start to first painted Home row: %.0f ms wall (%+.0f ms), %.0f ms CPU (%+.0f ms), "
                "VmHWM %.1f MB\n",
        median(full["startup_ms"]), median(full["startup_ms"]) - median(empty["startup_ms"]), median(full["cpu_ms"]),
        median(full["cpu_ms"]) - median(empty["cpu_ms"]), median(full["vmhwm_kb"]) / 1024);
    std::printf(
        "Pemba Vello with nothing in the cache, start to first painted Home (loading): %.0f ms wall (%+.0f ms), "
        "%.0f ms CPU (%+.0f ms)\n",
        median(uncached["startup_ms"]), median(uncached["startup_ms"]) - median(empty["startup_ms"]),
        median(uncached["cpu_ms"]), median(uncached["cpu_ms"]) - median(empty["cpu_ms"]));
    std::printf("  inside the process: QApplication %.0f ms, ports %.0f ms, window with the cached catalog %.0f ms, "
                "first row painted %.0f ms\n",
        median(full["phase_qapplication_ms"]), median(full["phase_ports_ms"]), median(full["phase_window_ms"]),
        median(full["phase_painted_ms"]));
    std::printf("the same in German against English, in turns in this run: %.0f ms wall (%+.0f ms), %.0f ms CPU "
                "(%+.0f ms); loading the catalogues %.1f ms (English: %.1f ms)\n",
        median(german["startup_ms"]), median(german["startup_ms"]) - median(full["startup_ms"]),
        median(german["cpu_ms"]), median(german["cpu_ms"]) - median(full["cpu_ms"]), median(german["translations_ms"]),
        median(full["translations_ms"]));
    std::printf("catalog stations answered from the cache: %.0f, Home rows built: %.0f\n",
        median(full["catalog_stations"]), median(full["home_rows"]));
    std::printf("Library Top Stations (%.0f stations): render %.1f ms, to first paint %.1f ms, rows alive %.0f, "
                "logo requests %.0f\n",
        median(full["library_list"]), median(full["library_render_ms"]), median(full["library_painted_ms"]),
        median(full["library_rows_alive"]), median(full["library_logo_requests"]));
    std::printf("Library Songs (%.0f songs heard): render %.1f ms, rows alive %.0f\n", median(full["songs_listed"]),
        median(full["songs_render_ms"]), median(full["songs_rows_alive"]));
    return 0;
}

} // namespace
} // namespace Vello

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!arguments.empty() && arguments[0] == "--child-empty") {
        return Vello::runEmptyWindow(argc, argv);
    }
    if (arguments.size() >= 2 && arguments[0] == "--child-app") {
        return Vello::runApplication(argc, argv, QString::fromStdString(arguments[1]), true);
    }
    if (arguments.size() >= 4 && arguments[0] == "--child-download") {
        return Vello::runDownload(argc, argv, QString::fromStdString(arguments[1]), arguments[2],
            arguments[3] == "cached", arguments.size() >= 5 ? std::stoi(arguments[4]) : 2,
            arguments.size() >= 6 && arguments[5] == "disk-full");
    }
    if (arguments.size() >= 2 && arguments[0] == "--child-app-no-cache") {
        return Vello::runApplication(argc, argv, QString::fromStdString(arguments[1]), false);
    }
    if (arguments.size() >= 2 && arguments[0] == "--status-screenshots") {
        return Vello::takeStatusScreenshots(argc, argv, QString::fromStdString(arguments[1]));
    }
    if (arguments.size() >= 2 && arguments[0] == "--screenshots") {
        const bool language = arguments.size() >= 4 && arguments[2] == "--language";
        return Vello::takeScreenshots(argc, argv, QString::fromStdString(arguments[1]),
            language ? QString::fromStdString(arguments[3]) : QString());
    }
    int stations = 55'000;
    int runs = 3;
    QString keptFolder;
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--stations") {
            stations = std::stoi(arguments[i + 1]);
        } else if (arguments[i] == "--runs") {
            runs = std::stoi(arguments[i + 1]);
        } else if (arguments[i] == "--cache-folder") {
            keptFolder = QString::fromStdString(arguments[i + 1]);
        }
    }
    return Vello::runParent(argc, argv, stations, runs, keptFolder);
}
