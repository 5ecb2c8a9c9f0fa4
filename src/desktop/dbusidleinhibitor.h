#pragma once

#include "ports/idleinhibitor.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusMessage;
class QDBusPendingCallWatcher;

#include <cstddef>
#include <optional>

namespace Vello {

// The idle lock over the session bus: org.freedesktop.ScreenSaver where the session offers it,
// otherwise the desktop portal's Inhibit. Every call is asynchronous; a change asked for while
// the session has yet to answer is made once it has.
class DBusIdleInhibitor final : public QObject, public IdleInhibitor {
    Q_OBJECT

public:
    explicit DBusIdleInhibitor(QDBusConnection bus, QObject* parent = nullptr);
    // Lets the lock go, should it be held or on its way.
    ~DBusIdleInhibitor() override;

    DBusIdleInhibitor(const DBusIdleInhibitor&) = delete;
    DBusIdleInhibitor& operator=(const DBusIdleInhibitor&) = delete;

    void setInhibited(bool inhibited) override;

private:
    // The lock as the session granted it: a ScreenSaver cookie or a portal request's handle.
    struct Held {
        std::size_t route = 0;
        quint32 cookie = 0;
        QString handle;
    };

    // The lock a reply from `route` grants, if it does.
    [[nodiscard]] static std::optional<Held> heldFrom(const QDBusMessage& reply, std::size_t route);
    // The call that gives `held` back.
    [[nodiscard]] static QDBusMessage releaseOf(const Held& held);

    // Brings the lock in line with what is wanted, unless an answer is awaited.
    void settle();
    // Asks `route` for the lock; on refusal the next one, until `left` routes have been tried.
    void ask(std::size_t route, std::size_t left);

    QDBusConnection m_bus;
    bool m_wanted = false;
    // The request awaiting the session's answer, and where it went.
    QDBusPendingCallWatcher* m_asking = nullptr;
    std::size_t m_askedRoute = 0;
    // The route that granted the lock last, tried first next time.
    std::size_t m_route = 0;
    std::optional<Held> m_held;
};

} // namespace Vello
