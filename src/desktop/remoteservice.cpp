#include "remoteservice.h"

#include <QDBusMessage>

namespace Vello {

RemoteService::RemoteService(RemoteControl& control, QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_control(control)
    , m_bus(std::move(bus))
{
    m_bus.registerObject(QString::fromLatin1(objectPath), this, QDBusConnection::ExportAllSlots);
}

RemoteService::~RemoteService()
{
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
}

QString RemoteService::Play(const QString& named, int& others)
{
    // The answer may wait for the catalog: the caller is answered then, and this return is not sent.
    setDelayedReply(true);
    m_control.play(named, [bus = m_bus, call = message()](const PlayAnswer& answer) {
        bus.send(call.createReply({answer.station, answer.others}));
    });
    others = 0;
    return {};
}

QVariantMap RemoteService::Status() const
{
    return statusToMap(m_control.status());
}

} // namespace Vello
