#include "directorydownload.h"
#include "publisheroptions.h"

#include "catalog/catalogcache.h"
#include "catalog/catalogpublisher.h"
#include "catalog/directoryservers.h"
#include "catalog/publishedfolder.h"
#include "platform/qtdnsresolver.h"
#include "platform/qthttpclient.h"
#include "ports/httpclient.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <optional>
#include <system_error>
#include <utility>
#include <variant>

namespace {

// The catalog of the first directory server that gives one; servers are found as the player finds
// them unless `servers` names them.
Vello::Result<Vello::FilteredCatalog> downloadCatalog(
    const std::vector<std::string>& servers, const std::filesystem::path& folder)
{
    // Set on a worker thread before the event loop is told to end.
    std::optional<Vello::Result<Vello::FilteredCatalog>> outcome;
    Vello::QtHttpClient http("PembaVello-catalog/" VELLO_VERSION);
    Vello::QtDnsResolver resolver;
    auto finish = [&outcome](Vello::Result<Vello::FilteredCatalog> result) {
        outcome = std::move(result);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
    };
    auto download = [&http, folder, finish](std::vector<std::string> found) {
        Vello::DirectoryDownload::start(http, std::move(found), folder, finish);
    };
    if (servers.empty()) {
        Vello::findDirectoryServers(resolver, {}, download);
    } else {
        download(servers);
    }
    QCoreApplication::exec();
    if (!outcome) {
        return Vello::Error {Vello::Text::verbatim("the download was interrupted")};
    }
    return std::move(*outcome);
}

Vello::Result<Vello::FilteredCatalog> readCatalog(const std::filesystem::path& file)
{
    const auto document = Vello::readCatalogDocument(file, Vello::HttpClient::defaultMaxBodyBytes);
    if (const auto* failure = std::get_if<Vello::Error>(&document)) {
        return *failure;
    }
    return Vello::filterCatalog(std::get<std::string>(document));
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

    const auto filtered = options.from ? readCatalog(*options.from) : downloadCatalog(options.servers, options.output);
    if (const auto* failure = std::get_if<Vello::Error>(&filtered)) {
        return refuse(failure->description.english() + "; nothing was published");
    }
    const auto& catalog = std::get<Vello::FilteredCatalog>(filtered);
    const auto published = Vello::publishCatalog(catalog, options.output, options.rules);
    if (const auto* failure = std::get_if<Vello::Error>(&published)) {
        return refuse(failure->description.english());
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
