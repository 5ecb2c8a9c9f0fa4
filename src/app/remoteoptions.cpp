#include "remoteoptions.h"

#include "launchoptions.h"

#include "browser/stationquery.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace Vello {

namespace {

using Action = RemoteCommand::Action;

struct Command {
    const char16_t* name;
    Action action;
};

// In the order --help lists them; only --play and --volume take a value.
constexpr std::array<Command, 7> commands {{
    {u"play", Action::Play},
    {u"pause", Action::Pause},
    {u"toggle", Action::Toggle},
    {u"next", Action::Next},
    {u"previous", Action::Previous},
    {u"volume", Action::Volume},
    {u"status", Action::Status},
}};

Error usageError(const QString& text)
{
    return Error {Text::verbatim(text.toStdString())};
}

} // namespace

void addRemoteOptions(QCommandLineParser& parser)
{
    const QString what = QCoreApplication::translate("LaunchOptions", "NAME|UUID|URL");
    parser.addOptions({
        {QStringLiteral("play"),
            QCoreApplication::translate("LaunchOptions",
                "Play the station of this identifier, else the first station a search for <NAME> lists, or the "
                "stream or playlist at this web address (not remembered). Acts on the running player, or starts "
                "one."),
            what},
        {QStringLiteral("pause"),
            QCoreApplication::translate("LaunchOptions", "Pause the running player, or start one paused.")},
        {QStringLiteral("toggle"), QCoreApplication::translate("LaunchOptions", "Pause what plays, else play.")},
        {QStringLiteral("next"), QCoreApplication::translate("LaunchOptions", "Play the next station of the list.")},
        {QStringLiteral("previous"),
            QCoreApplication::translate("LaunchOptions", "Play the previous station of the list.")},
        {QStringLiteral("volume"), QCoreApplication::translate("LaunchOptions", "Set the volume, from 0 to 100."),
            QCoreApplication::translate("LaunchOptions", "N")},
        {QStringLiteral("status"),
            QCoreApplication::translate(
                "LaunchOptions", "Tell what the running player is doing: state, station, song, volume.")},
        {QStringLiteral("json"), QCoreApplication::translate("LaunchOptions", "With --status: answer in JSON.")},
    });
}

Result<std::optional<RemoteCommand>> remoteCommandOf(const QCommandLineParser& parser)
{
    QStringList given;
    RemoteCommand command;
    for (const auto& [name, action] : commands) {
        const QString option = QString::fromUtf16(name);
        // A value option given twice is two commands as well.
        const qsizetype times = action == Action::Play || action == Action::Volume ? parser.values(option).size()
                                                                                   : qsizetype(parser.isSet(option));
        for (qsizetype i = 0; i < times; ++i) {
            given += QStringLiteral("--") + option;
        }
        if (times > 0) {
            command.action = action;
        }
    }
    const bool json = parser.isSet(QStringLiteral("json"));
    if (given.size() > 1) {
        return usageError(
            QCoreApplication::translate("LaunchOptions", "one command at a time, not %1").arg(given.join(u", ")));
    }
    if (json && (given.isEmpty() || command.action != Action::Status)) {
        return usageError(QCoreApplication::translate("LaunchOptions", "--json goes with --status"));
    }
    if (given.isEmpty()) {
        return std::optional<RemoteCommand> {};
    }
    command.json = json;
    if (command.action == Action::Volume) {
        const QString text = parser.value(QStringLiteral("volume"));
        bool number = false;
        command.volume = text.trimmed().toInt(&number);
        if (!number || command.volume < 0 || command.volume > 100) {
            return usageError(
                QCoreApplication::translate("LaunchOptions", "--volume takes a whole number from 0 to 100, not \"%1\"")
                    .arg(text));
        }
    }
    if (command.action == Action::Play) {
        command.station = parser.value(QStringLiteral("play"));
        if (command.station.trimmed().isEmpty()) {
            return usageError(
                QCoreApplication::translate("LaunchOptions", "--play needs a station's name, identifier or address"));
        }
        if (namesAddress(command.station.toStdString()) && !isWebAddress(command.station)) {
            return usageError(QCoreApplication::translate("LaunchOptions", "--play: \"%1\" is not a web address")
                                  .arg(command.station.left(maxAddressLength)));
        }
    }
    return std::optional<RemoteCommand> {command};
}

QString exitStatusHelp()
{
    const std::array<QString, 5> meanings {
        QCoreApplication::translate("LaunchOptions", "done, or the window closed"),
        QCoreApplication::translate("LaunchOptions", "the running player does not answer"),
        QCoreApplication::translate("LaunchOptions", "the command line is wrong"),
        QCoreApplication::translate("LaunchOptions", "--status: no player is running"),
        QCoreApplication::translate("LaunchOptions", "--play: no station matches"),
    };
    static_assert(
        exitDone == 0 && exitNoAnswer == 1 && exitBadUsage == 2 && exitNotRunning == 3 && exitNothingMatched == 4);
    QString help = u'\n' + QCoreApplication::translate("LaunchOptions", "Exit status:") + u'\n';
    for (std::size_t code = 0; code < meanings.size(); ++code) {
        help += QStringLiteral("  %1  %2\n").arg(code).arg(meanings.at(code));
    }
    return help;
}

} // namespace Vello
