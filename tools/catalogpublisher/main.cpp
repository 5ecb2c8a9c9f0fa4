#include "directorydownload.h"
#include "publisheroptions.h"

#include "catalog/catalogcache.h"
#include "catalog/catalogorigin.h"
#include "catalog/catalogpublisher.h"
#include "catalog/changefeed.h"
#include "catalog/directoryservers.h"
#include "catalog/publishedfolder.h"
#include "catalog/stationstore.h"
#include "platform/qtdnsresolver.h"
#include "platform/qthttpclient.h"
#include "ports/httpclient.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

namespace {

// What a run publishes, and where that leaves the directory's list for the next run.
struct Run {
    Vello::Result<Vello::FilteredCatalog> catalog;
    // The directory server that answered; empty for a saved answer.
    std::string server;
    std::chrono::system_clock::time_point fullDownload;
    Vello::FeedPosition last;
};

// Runs the event loop until `start` hands over its outcome, which it does on another thread.
template <typename Outcome> std::optional<Outcome> await(const std::function<void(std::function<void(Outcome)>)>& start)
{
    std::optional<Outcome> outcome;
    start([&outcome](Outcome result) {
        outcome = std::move(result);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    });
    QCoreApplication::exec();
    return outcome;
}

// The catalog of the first directory server that gives one; servers are found as the player finds
// them unless `servers` names them.
Run downloadCatalog(const std::vector<std::string>& servers, const std::filesystem::path& folder)
{
    Vello::QtHttpClient http("PembaVello-catalog/" VELLO_VERSION);
    Vello::QtDnsResolver resolver;
    using Answer = std::pair<Vello::Result<Vello::FilteredCatalog>, std::string>;
    auto answer = await<Answer>([&](const std::function<void(Answer)>& finish) {
        auto download = [&http, folder, finish](std::vector<std::string> found) {
            Vello::DirectoryDownload::start(http, std::move(found), folder,
                [finish](Vello::Result<Vello::FilteredCatalog> result, const std::string& server) {
                    finish({std::move(result), server});
                });
        };
        if (servers.empty()) {
            Vello::findDirectoryServers(resolver, {}, download);
        } else {
            download(servers);
        }
    });
    if (!answer) {
        return {Vello::Error {Vello::Text::verbatim("the download was interrupted")}, {}, {}, {}};
    }
    const auto* catalog = std::get_if<Vello::FilteredCatalog>(&answer->first);
    const Vello::FeedPosition last = catalog != nullptr ? catalog->latest : Vello::FeedPosition {};
    return {std::move(answer->first), std::move(answer->second), std::chrono::system_clock::now(), last};
}

Run readCatalog(const std::filesystem::path& file)
{
    const auto document = Vello::readCatalogDocument(file, Vello::HttpClient::defaultMaxBodyBytes);
    if (const auto* failure = std::get_if<Vello::Error>(&document)) {
        return {*failure, {}, {}, {}};
    }
    auto catalog = Vello::filterCatalog(std::get<std::string>(document));
    const auto* filtered = std::get_if<Vello::FilteredCatalog>(&catalog);
    const Vello::FeedPosition last = filtered != nullptr ? filtered->latest : Vello::FeedPosition {};
    return {std::move(catalog), {}, std::chrono::system_clock::now(), last};
}

// The last document published with the changes the directory made since the last run written
// in, as the player keeps its copy up to date; nothing when a whole download is due (a week
// after the last, or with nothing to go on from) or the feed cannot go on, which is said.
std::optional<Run> changedCatalog(const Vello::CatalogOrigin& origin, const Vello::PublisherOptions& options)
{
    const std::string server = !options.servers.empty() ? options.servers.front()
        : origin.servers.empty()                        ? std::string()
                                                        : origin.servers.front();
    const auto age
        = std::chrono::system_clock::now() - origin.fullDownload.value_or(std::chrono::system_clock::time_point());
    if (options.from || server.empty() || origin.lastChange.empty() || age < std::chrono::seconds(0)
        || age >= Vello::StationStore::fullDownloadInterval) {
        return std::nullopt;
    }
    const auto previous
        = Vello::readCatalogDocument(options.output / Vello::publishedFileName, Vello::HttpClient::defaultMaxBodyBytes);
    if (!std::holds_alternative<std::string>(previous)) {
        return std::nullopt;
    }
    Vello::QtHttpClient http("PembaVello-catalog/" VELLO_VERSION);
    using Outcome = Vello::Result<Vello::ChangeFeed::Outcome>;
    auto outcome = await<Outcome>([&](std::function<void(Outcome)> finish) {
        Vello::ChangeFeed::read(
            http, server, {origin.lastChange, origin.lastChangeTime}, {}, Vello::directoryRequest(), std::move(finish));
    });
    if (!outcome || std::holds_alternative<Vello::Error>(*outcome)) {
        std::fprintf(stderr, "pemba-vello-catalog: %s; the whole list is downloaded instead\n",
            outcome ? std::get<Vello::Error>(*outcome).description.english().c_str() : "the changes were interrupted");
        return std::nullopt;
    }
    const auto& changes = std::get<Vello::ChangeFeed::Outcome>(*outcome);
    std::string document;
    changes.changes.applyTo(
        std::get<std::string>(previous), [&document](std::string_view piece) { document += piece; });
    std::printf("pemba-vello-catalog: %zu stations changed, in %zu bytes from %s\n", changes.changes.size(),
        changes.bytes, server.c_str());
    return Run {Vello::filterCatalog(document), server, *origin.fullDownload, changes.last};
}

int refuse(const std::string& reason)
{
    std::fprintf(stderr, "pemba-vello-catalog: %s\n", reason.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pemba-vello-catalog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLO_VERSION));

    const auto parsed = Vello::parsePublisherCommandLine(QCoreApplication::arguments());
    if (const auto* error = std::get_if<Vello::Error>(&parsed)) {
        std::fprintf(stderr, "pemba-vello-catalog: %s\nTry 'pemba-vello-catalog --help'.\n",
            error->description.english().c_str());
        return 2;
    }
    const auto& options = std::get<Vello::PublisherOptions>(parsed);
    if (options.message) {
        std::fputs(options.message->toLocal8Bit().constData(), stdout);
        return 0;
    }

    std::error_code error;
    std::filesystem::create_directories(options.output, error);
    if (error) {
        return refuse("cannot make " + options.output.string() + ": " + error.message());
    }
    Vello::removeLeftoverTemporaries(options.output);
    if (const auto repaired = Vello::repairPublishedPair(options.output)) {
        std::fprintf(stderr, "pemba-vello-catalog: %s\n", repaired->c_str());
    }

    const auto originFile = options.output / Vello::publishedOriginFileName;
    const auto origin = Vello::CatalogOrigin::read(originFile);
    auto changed = origin ? changedCatalog(*origin, options) : std::nullopt;
    const Run run = changed ? std::move(*changed)
        : options.from      ? readCatalog(*options.from)
                            : downloadCatalog(options.servers, options.output);
    if (const auto* failure = std::get_if<Vello::Error>(&run.catalog)) {
        return refuse(failure->description.english() + "; nothing was published");
    }
    const auto& catalog = std::get<Vello::FilteredCatalog>(run.catalog);
    const auto published = Vello::publishCatalog(catalog, options.output, options.rules);
    if (const auto* failure = std::get_if<Vello::Error>(&published)) {
        return refuse(failure->description.english());
    }
    Vello::CatalogOrigin next;
    next.source = "directory";
    next.downloaded = std::chrono::system_clock::now();
    if (!run.server.empty()) {
        next.servers.push_back(run.server);
    }
    next.fullDownload = run.fullDownload;
    next.lastChange = run.last.change;
    next.lastChangeTime = run.last.time;
    if (!next.write(originFile)) {
        std::fprintf(stderr, "pemba-vello-catalog: could not write %s: the next run downloads the whole list\n",
            originFile.c_str());
    }
    const auto& publication = std::get<Vello::Publication>(published);
    const auto count = [](std::optional<std::size_t> stations) {
        return stations ? std::to_string(*stations) : std::string("none");
    };
    std::printf("pemba-vello-catalog: published %zu stations in %s (left out: %zu with no stream address, %zu "
                "found broken, %zu repeated; the last document had %s, the largest of the last 7 days %s)\n",
        catalog.stations, options.output.c_str(), catalog.unplayable, catalog.broken, catalog.repeated,
        count(publication.previous).c_str(), count(publication.weekLargest).c_str());
    if (!publication.recorded) {
        std::fprintf(stderr,
            "pemba-vello-catalog: could not record this run in %s: the next runs compare with the "
            "last document only\n",
            (options.output / Vello::publishedRunsFileName).c_str());
    }
    return 0;
}
