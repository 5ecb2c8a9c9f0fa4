#include "publisheroptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUrl>

namespace Vello {

namespace {

bool isWebAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

} // namespace

Result<PublisherOptions> parsePublisherCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Publishes the radio directory's station list for the players of a deployment: the "
                       "stations the player keeps, less those the directory found broken and repeated ones, as "
                       "stations_filtered.json and stations_filtered.json.gz in the output folder."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption output(QStringLiteral("output"),
        QStringLiteral("Write the documents into <folder>, made when missing. Required."), QStringLiteral("folder"));
    const QCommandLineOption from(QStringLiteral("from"),
        QStringLiteral("Read a saved directory answer from <file> instead of asking the directory."),
        QStringLiteral("file"));
    const QCommandLineOption server(QStringLiteral("server"),
        QStringLiteral("Ask the directory server at <URL> instead of finding the servers. Give it more than once "
                       "to try several in turn."),
        QStringLiteral("URL"));
    const QCommandLineOption minShare(QStringLiteral("min-share"),
        QStringLiteral("Refuse a document with fewer stations than <share> (0 to 1) of the one published last, "
                       "or of the largest published in the last 7 days. Default: 0.8."),
        QStringLiteral("share"), QStringLiteral("0.8"));
    const QCommandLineOption force(QStringLiteral("force"),
        QStringLiteral("Publish the document even when it has fewer stations than that, and compare the next runs "
                       "with it alone."));
    parser.addOptions({output, from, server, minShare, force});

    if (!parser.parse(arguments)) {
        return Error {Text::verbatim(parser.errorText().toStdString())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Error {
            Text::verbatim("unexpected argument: " + parser.positionalArguments().constFirst().toStdString())};
    }
    PublisherOptions options;
    if (parser.isSet(help)) {
        options.message = parser.helpText();
        return options;
    }
    if (parser.isSet(version)) {
        options.message = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return options;
    }
    if (!parser.isSet(output) || parser.value(output).isEmpty()) {
        return Error {Text::verbatim("--output is required")};
    }
    options.output = parser.value(output).toStdString();
    if (parser.isSet(from)) {
        if (parser.isSet(server)) {
            return Error {Text::verbatim("--from and --server exclude each other")};
        }
        options.from = parser.value(from).toStdString();
    }
    for (const QString& address : parser.values(server)) {
        if (!isWebAddress(address)) {
            return Error {Text::verbatim(
                "--server needs an absolute http or https address, not \"" + address.toStdString() + "\"")};
        }
        options.servers.push_back(address.toStdString());
    }
    bool isNumber = false;
    options.rules.minShare = parser.value(minShare).toDouble(&isNumber);
    if (!isNumber || !(options.rules.minShare >= 0 && options.rules.minShare <= 1)) {
        return Error {Text::verbatim(
            "--min-share needs a number from 0 to 1, not \"" + parser.value(minShare).toStdString() + "\"")};
    }
    options.rules.force = parser.isSet(force);
    return options;
}

} // namespace Vello
