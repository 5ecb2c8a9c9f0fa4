#include "remoteclient.h"

#include "mprisplayer.h"
#include "mprisservice.h"
#include "remoteservice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <utility>

namespace Vello {

namespace {

// A play by name waits for the running player's catalog, which may still be on its way.
constexpr int playTimeoutMs = 120'000;
constexpr int attempts = 20;

QDBusMessage callOf(const char* path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(
        QString::fromLatin1(MprisService::busName), QString::fromLatin1(path), interface, method);
}

QDBusMessage playerCall(const char* method)
{
    return callOf(
        MprisService::objectPath, QStringLiteral("org.mpris.MediaPlayer2.Player"), QString::fromLatin1(method));
}

QDBusMessage remoteCall(const char* method)
{
    return callOf(
        RemoteService::objectPath, QString::fromLatin1(RemoteService::interfaceName), QString::fromLatin1(method));
}

// The other process claims the bus name before it publishes its objects: give it a moment.
QDBusMessage callRunning(const QDBusConnection& bus, const QDBusMessage& call, int timeout)
{
    for (int attempt = 1;; ++attempt) {
        QDBusMessage reply = bus.call(call, QDBus::Block, timeout);
        const QString error = reply.errorName();
        const bool unpublished = error == QStringLiteral("org.freedesktop.DBus.Error.UnknownObject")
            || error == QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface")
            || error == QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
        if (!unpublished || attempt == attempts) {
            return reply;
        }
        QThread::msleep(100);
    }
}

RemoteReply sendOn(const QDBusConnection& bus, const RemoteCommand& command)
{
    using Action = RemoteCommand::Action;
    QDBusMessage call;
    switch (command.action) {
    case Action::Play:
        call = remoteCall("Play") << command.station;
        break;
    case Action::Status:
        call = remoteCall("Status");
        break;
    case Action::Pause:
        call = playerCall("Pause");
        break;
    case Action::Toggle:
        call = playerCall("PlayPause");
        break;
    case Action::Next:
        call = playerCall("Next");
        break;
    case Action::Previous:
        call = playerCall("Previous");
        break;
    case Action::Volume:
        call
            = callOf(MprisService::objectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"))
            << QStringLiteral("org.mpris.MediaPlayer2.Player") << QStringLiteral("Volume")
            << QVariant::fromValue(QDBusVariant(command.volume / 100.0));
        break;
    }
    const QDBusMessage reply = callRunning(bus, call, command.action == Action::Play ? playTimeoutMs : -1);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return {.exitCode = exitNoAnswer,
            .output = {},
            .error = QCoreApplication::translate("RemoteClient", "Pemba Vello is running but does not answer: %1\n")
                         .arg(reply.errorMessage())};
    }
    const QVariantList answer = reply.arguments();
    if (command.action == Action::Play) {
        return playReply(command.station, {.station = answer.value(0).toString(), .others = answer.value(1).toInt()});
    }
    if (command.action == Action::Status) {
        return {.exitCode = exitDone,
            .output = statusText(statusFromMap(qdbus_cast<QVariantMap>(answer.value(0))), command.json),
            .error = {}};
    }
    return {};
}

// `text` on one line: a station's song is anyone's to send, and must not pass for another line.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = u' ';
        }
    }
    return text;
}

QString stateText(const QString& state)
{
    if (state == u"playing") {
        return QCoreApplication::translate("RemoteClient", "Playing");
    }
    if (state == u"connecting") {
        return QCoreApplication::translate("RemoteClient", "Connecting");
    }
    if (state == u"paused") {
        return QCoreApplication::translate("RemoteClient", "Paused");
    }
    if (state == u"failed") {
        return QCoreApplication::translate("RemoteClient", "Failed");
    }
    return QCoreApplication::translate("RemoteClient", "Stopped");
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

std::optional<RemoteReply> sendToRunningPlayer(const RemoteCommand& command)
{
    // A connection of its own, let go at the end: the window's application object, made later,
    // starts afresh with the session bus.
    const QString name = QStringLiteral("pemba-vello-remote");
    std::optional<RemoteReply> reply;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        const QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
        if (names != nullptr && names->isServiceRegistered(QString::fromLatin1(MprisService::busName))) {
            reply = sendOn(bus, command);
        } else if (command.action == RemoteCommand::Action::Status) {
            reply = RemoteReply {.exitCode = exitNotRunning,
                .output = {},
                .error = QCoreApplication::translate("RemoteClient", "Pemba Vello is not running.\n")};
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return reply;
}

void performHere(const RemoteCommand& command, RemoteControl& control, MprisPlayer& player,
    std::function<void(const RemoteReply&)> done)
{
    using Action = RemoteCommand::Action;
    if (command.action == Action::Play) {
        control.play(command.station, [named = command.station, done = std::move(done)](const PlayAnswer& answer) {
            done(playReply(named, answer));
        });
        return;
    }
    control.whenReady([command, &control, &player, done = std::move(done)] {
        RemoteReply reply;
        switch (command.action) {
        case Action::Pause:
            player.pause();
            break;
        case Action::Toggle:
            player.playPause();
            break;
        case Action::Next:
            player.next();
            break;
        case Action::Previous:
            player.previous();
            break;
        case Action::Volume:
            player.setVolume(command.volume / 100.0);
            break;
        case Action::Status:
            reply.output = statusText(control.status(), command.json);
            break;
        case Action::Play:
            break;
        }
        done(reply);
    });
}

QString statusText(const RemoteStatus& status, bool json)
{
    if (json) {
        const QJsonObject object {
            {QStringLiteral("state"), status.state},
            {QStringLiteral("station"), textOrNull(status.station)},
            {QStringLiteral("stationId"), textOrNull(status.stationId)},
            {QStringLiteral("song"), textOrNull(status.song)},
            {QStringLiteral("volume"), status.volume},
        };
        return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
    }
    QString text = QCoreApplication::translate("RemoteClient", "State: %1\n").arg(stateText(status.state));
    if (!status.station.isEmpty()) {
        text += QCoreApplication::translate("RemoteClient", "Station: %1\n").arg(oneLine(status.station));
    }
    if (!status.song.isEmpty()) {
        text += QCoreApplication::translate("RemoteClient", "Song: %1\n").arg(oneLine(status.song));
    }
    return text + QCoreApplication::translate("RemoteClient", "Volume: %1\n").arg(status.volume);
}

RemoteReply playReply(const QString& named, const PlayAnswer& answer)
{
    if (answer.station.isEmpty()) {
        return {.exitCode = exitNothingMatched,
            .output = {},
            .error = QCoreApplication::translate("RemoteClient", "No station matches \"%1\".\n").arg(named)};
    }
    const QString said = answer.others == 0 ? QCoreApplication::translate("RemoteClient", "Playing %1.\n")
                                            : QCoreApplication::translate("RemoteClient",
                                                "Playing %1; %n more station(s) match.\n", nullptr, answer.others);
    return {.exitCode = exitDone, .output = said.arg(oneLine(answer.station)), .error = {}};
}

} // namespace Vello
