#include "launchoptions.h"

#include "autostart.h"
#include "remoteoptions.h"

#include "catalog/stationsurl.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QUrl>

#include <optional>
#include <string_view>
#include <utility>

namespace Vello {

namespace {

constexpr std::string_view directoryChoice = "directory";
constexpr std::string_view addressChoice = "address";

Error notAWebAddress(const QString& option, const QString& text)
{
    if (text.size() > maxAddressLength) {
        return Error {Text::verbatim(
            QCoreApplication::translate("LaunchOptions", "--%1 takes an address of at most %2 characters")
                .arg(option)
                .arg(maxAddressLength)
                .toStdString())};
    }
    return Error {Text::verbatim(
        QCoreApplication::translate("LaunchOptions", "--%1 needs an absolute http or https address, not \"%2\"")
            .arg(option, text)
            .toStdString())};
}

// The options the application object takes out of the command line for itself (Qt's, and the
// session manager's -session when it starts the player again): accepted here, and left to it.
// Returns their names, as --help-all lists them.
QStringList acceptQtOptions(QCommandLineParser& parser)
{
    QStringList names;
    const auto accept = [&parser, &names](const QString& name, const QString& value) {
        QCommandLineOption option(name, QString(), value);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
        names += u'-' + name + (value.isEmpty() ? QString() : QStringLiteral(" <%1>").arg(value));
    };
    for (const char16_t* name : {u"platform", u"platformpluginpath", u"platformtheme", u"plugin", u"qwindowgeometry",
             u"qwindowicon", u"qwindowtitle", u"session", u"style", u"stylesheet", u"qmljsdebugger", u"display",
             u"geometry", u"icon", u"name", u"title", u"visual"}) {
        accept(QString::fromUtf16(name), QCoreApplication::translate("LaunchOptions", "value"));
    }
    for (const char16_t* name : {u"reverse", u"testability", u"widgetcount", u"sync", u"nograb", u"dograb"}) {
        accept(QString::fromUtf16(name), QString());
    }
    return names;
}

// `names` as lines under a heading, indented as the usage's options are.
QString optionList(const QString& heading, const QStringList& names)
{
    QString list = u'\n' + heading + u'\n';
    for (const QString& name : names) {
        list += QStringLiteral("  ") + name + u'\n';
    }
    return list;
}

} // namespace

bool isWebAddress(const QString& text)
{
    if (text.size() > maxAddressLength) {
        return false;
    }
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool holdsPassword(const QString& text)
{
    return !QUrl(text, QUrl::StrictMode).password().isEmpty();
}

Result<LaunchOptions> parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("LaunchOptions", "Pemba Vello, an internet radio player."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption catalogUrl(QStringLiteral("catalog-url"),
        QCoreApplication::translate(
            "LaunchOptions", "Download the station catalog from <URL> for this run, whatever the preferences say."),
        QCoreApplication::translate("LaunchOptions", "URL"));
    parser.addOption(catalogUrl);
    const QCommandLineOption directoryServer(QStringLiteral("directory-server"),
        QCoreApplication::translate("LaunchOptions",
            "Get the catalog from the radio directory server at <URL> instead of finding its servers. "
            "Give it more than once to try several in turn."),
        QCoreApplication::translate("LaunchOptions", "URL"));
    parser.addOption(directoryServer);
    addRemoteOptions(parser);
    // Only the autostart entry gives it.
    QCommandLineOption startedAtLogin(QString::fromLatin1(Autostart::startedAtLoginOption).mid(2));
    startedAtLogin.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(startedAtLogin);
    // Qt's own options are words after a single dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QStringList qtOptions = acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        return Error {Text::verbatim(parser.errorText().toStdString())};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Error {Text::verbatim(QCoreApplication::translate("LaunchOptions", "unexpected argument: %1")
                                         .arg(parser.positionalArguments().constFirst())
                                         .toStdString())};
    }

    LaunchOptions options;
    // The parser offers --help-all beside --help: the usage with the options Qt takes for itself.
    const bool helpAll = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || helpAll) {
        // Read before there is an application object, the parser cannot name the program.
        const QString program = arguments.isEmpty() ? QStringLiteral("pemba-vello") : arguments.constFirst();
        options.message = parser.helpText().replace(QStringLiteral("<executable_name>"), program) + exitStatusHelp();
        if (helpAll) {
            *options.message
                += optionList(QCoreApplication::translate("LaunchOptions", "Qt's own options:"), qtOptions);
        }
        return options;
    }
    if (parser.isSet(version)) {
        options.message = QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n';
        return options;
    }
    if (parser.isSet(catalogUrl)) {
        const QString address = parser.value(catalogUrl);
        if (!isWebAddress(address)) {
            return notAWebAddress(catalogUrl.names().constFirst(), address);
        }
        options.catalogUrl = address.toStdString();
    }
    for (const QString& address : parser.values(directoryServer)) {
        if (!isWebAddress(address)) {
            return notAWebAddress(directoryServer.names().constFirst(), address);
        }
        options.directoryServers.push_back(address.toStdString());
    }
    auto command = remoteCommandOf(parser);
    if (auto* error = std::get_if<Error>(&command)) {
        return std::move(*error);
    }
    options.command = std::get<std::optional<RemoteCommand>>(command);
    options.startedAtLogin = parser.isSet(startedAtLogin);
    return options;
}

CatalogSource preferredCatalogSource(const Preferences& preferences)
{
    const std::optional<std::string> choice = preferences.text(PreferenceKey::catalogSource);
    if (choice == directoryChoice) {
        return CatalogSource {};
    }
    if (choice == addressChoice) {
        // The settings file is the person's to edit: an address that would not load is ignored.
        const std::optional<std::string> address = preferences.text(PreferenceKey::catalogAddress);
        if (address && isWebAddress(QString::fromStdString(*address))) {
            return CatalogSource {.documentUrl = *address};
        }
    }
    return CatalogSource {.documentUrl = std::string(stationsURL)};
}

void storeCatalogSource(Preferences& preferences, const CatalogSource& source)
{
    if (!source.isDirectory()) {
        preferences.setText(PreferenceKey::catalogAddress, source.documentUrl);
    }
    preferences.setText(
        PreferenceKey::catalogSource, std::string(source.isDirectory() ? directoryChoice : addressChoice));
}

bool pinsCatalogSource(const LaunchOptions& options)
{
    return options.catalogUrl || !options.directoryServers.empty();
}

CatalogSource catalogSource(const LaunchOptions& options, const Preferences& preferences)
{
    if (options.catalogUrl) {
        return CatalogSource {.documentUrl = *options.catalogUrl};
    }
    if (!options.directoryServers.empty()) {
        return CatalogSource {.directoryServers = options.directoryServers};
    }
    return preferredCatalogSource(preferences);
}

std::filesystem::path cacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(base.toStdString()) / "PembaVello";
}

} // namespace Vello
