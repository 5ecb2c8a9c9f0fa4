#include "dbusidleinhibitor.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>

#include <array>

namespace Vello {

namespace {

struct Route {
    const char* service;
    const char* path;
    const char* interface;
    bool portal;
};

// In order of preference. Older sessions publish the screen saver at /ScreenSaver only.
constexpr std::array routes {
    Route {"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver", false},
    Route {"org.freedesktop.ScreenSaver", "/ScreenSaver", "org.freedesktop.ScreenSaver", false},
    Route {"org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit", true},
};

// What the desktop may show as the reason it stays awake.
QString reason()
{
    return QCoreApplication::translate("DBusIdleInhibitor", "Playing a radio stream");
}
// The portal's flag for the session going idle.
constexpr quint32 portalIdleFlag = 8;

} // namespace

DBusIdleInhibitor::DBusIdleInhibitor(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

DBusIdleInhibitor::~DBusIdleInhibitor()
{
    // Sent without waiting. Should the process end before they leave, the session drops a lock
    // whose holder has left the bus all the same.
    if (m_held) {
        m_bus.send(releaseOf(*m_held));
    } else if (m_asking != nullptr) {
        // The answer is still to come: give the lock back as soon as it is granted.
        m_asking->disconnect(this);
        m_asking->setParent(QCoreApplication::instance());
        connect(m_asking, &QDBusPendingCallWatcher::finished, m_asking,
            [bus = m_bus, route = m_askedRoute](QDBusPendingCallWatcher* answer) {
                answer->deleteLater();
                if (const auto held = heldFrom(answer->reply(), route)) {
                    bus.send(releaseOf(*held));
                }
            });
    }
}

void DBusIdleInhibitor::setInhibited(bool inhibited)
{
    m_wanted = inhibited;
    settle();
}

std::optional<DBusIdleInhibitor::Held> DBusIdleInhibitor::heldFrom(const QDBusMessage& reply, std::size_t route)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    const QVariant granted = reply.arguments().constFirst();
    return routes.at(route).portal ? Held {.route = route, .handle = granted.value<QDBusObjectPath>().path()}
                                   : Held {.route = route, .cookie = granted.toUInt(), .handle = {}};
}

QDBusMessage DBusIdleInhibitor::releaseOf(const Held& held)
{
    const Route& to = routes.at(held.route);
    if (to.portal) {
        return QDBusMessage::createMethodCall(QString::fromLatin1(to.service), held.handle,
            QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close"));
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(to.service), QString::fromLatin1(to.path),
        QString::fromLatin1(to.interface), QStringLiteral("UnInhibit"));
    call << held.cookie;
    return call;
}

void DBusIdleInhibitor::settle()
{
    if (m_asking != nullptr || !m_bus.isConnected()) {
        return;
    }
    if (m_wanted && !m_held) {
        ask(m_route, routes.size());
    } else if (!m_wanted && m_held) {
        m_bus.send(releaseOf(*m_held));
        m_held.reset();
    }
}

void DBusIdleInhibitor::ask(std::size_t route, std::size_t left)
{
    const Route& to = routes.at(route);
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(to.service), QString::fromLatin1(to.path),
        QString::fromLatin1(to.interface), QStringLiteral("Inhibit"));
    if (to.portal) {
        call << QString() << portalIdleFlag << QVariantMap {{QStringLiteral("reason"), reason()}};
    } else {
        call << QStringLiteral("Pemba Vello") << reason();
    }
    m_askedRoute = route;
    m_asking = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(m_asking, &QDBusPendingCallWatcher::finished, this, [this, route, left](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        m_asking = nullptr;
        m_held = heldFrom(answer->reply(), route);
        if (!m_held) {
            // Not offered here: try the next way, and give up quietly once all have refused.
            if (left > 1) {
                ask((route + 1) % routes.size(), left - 1);
            }
            return;
        }
        m_route = route;
        settle();
    });
}

} // namespace Vello
