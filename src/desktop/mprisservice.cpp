#include "mprisservice.h"

#include "mprisplayeradaptor.h"
#include "mprisrootadaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QThread>
#include <QVariantMap>

namespace Vello {

MprisService::Claim MprisService::claimName(const QDBusConnection& bus)
{
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return Claim::NoBus;
    }
    const auto reply = bus.interface()->registerService(QString::fromLatin1(busName),
        QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        return Claim::NoBus;
    }
    return reply.value() == QDBusConnectionInterface::ServiceRegistered ? Claim::Claimed : Claim::AlreadyRunning;
}

bool MprisService::raiseRunningInstance(const QDBusConnection& bus)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(busName),
        QString::fromLatin1(objectPath), QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Raise"));
    // The other process claims the name before its window exists: give it a moment to publish.
    constexpr int attempts = 20;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage) {
            return true;
        }
        if (reply.errorName() != QStringLiteral("org.freedesktop.DBus.Error.UnknownObject")
            && reply.errorName() != QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface")
            && reply.errorName() != QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod")) {
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}

MprisService::MprisService(MprisPlayer& player, QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_player(player)
    , m_bus(std::move(bus))
    , m_playerAdaptor(
          new MprisPlayerAdaptor(this, m_player, [this](const std::function<bool()>& command) { perform(command); }))
    , m_announced(player.state())
    , m_clientPosition(m_announced, MprisClientPosition::Clock::now())
{
    new MprisRootAdaptor(this, m_player);
    m_bus.registerObject(QString::fromLatin1(objectPath), this, QDBusConnection::ExportAdaptors);
}

MprisService::~MprisService()
{
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

void MprisService::refresh()
{
    if (!m_performing) {
        announce(false);
    }
}

void MprisService::perform(const std::function<bool()>& command)
{
    // The session tells its listeners, this service among them, of a change before the command
    // returns: heard then, a move would be told twice, once as a jump and once as a Seek.
    m_performing = true;
    const bool moved = command();
    m_performing = false;
    announce(moved);
}

void MprisService::announce(bool moved)
{
    const MprisState now = m_player.state();
    const QVariantMap before = MprisPlayerAdaptor::propertiesOf(m_announced);
    const QVariantMap after = MprisPlayerAdaptor::propertiesOf(now);
    QVariantMap changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    if (!changed.isEmpty()) {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(objectPath),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList {};
        m_bus.send(signal);
    }
    m_announced = now;
    if (m_clientPosition.follow(now, MprisClientPosition::Clock::now(), moved)) {
        Q_EMIT m_playerAdaptor->Seeked(now.position.count());
    }
}

} // namespace Vello
