#include "launchoptions.h"

#include "catalog/stationsurl.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QUrl>

namespace Vello {

namespace {

bool isCatalogAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

} // namespace

Result<LaunchOptions> parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pemba Vello, an internet radio player."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption catalogUrl(QStringLiteral("catalog-url"),
        QStringLiteral("Download the station catalog from <URL> instead of the built-in address."),
        QStringLiteral("URL"));
    parser.addOption(catalogUrl);

    if (!parser.parse(arguments)) {
        return Error {parser.errorText().toStdString()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Error {"unexpected argument: " + parser.positionalArguments().constFirst().toStdString()};
    }

    LaunchOptions options;
    if (parser.isSet(help)) {
        options.message = parser.helpText();
        return options;
    }
    if (parser.isSet(version)) {
        options.message = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return options;
    }
    options.catalogUrl = std::string(stationsURL);
    if (parser.isSet(catalogUrl)) {
        const QString address = parser.value(catalogUrl);
        if (!isCatalogAddress(address)) {
            return Error {
                "--catalog-url needs an absolute http or https address, not \"" + address.toStdString() + "\""};
        }
        options.catalogUrl = address.toStdString();
    }
    return options;
}

std::filesystem::path cacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(base.toStdString()) / "PembaVello";
}

} // namespace Vello
