#pragma once

#include "remotecontrol.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace Vello {

// The command line's way into the running player: org.pembavello.PembaVello.Remote on the same
// bus name as the media controls, for what they do not offer (playing a station by name and a
// status fit for scripts). The rest of the command line goes through the media controls.
class RemoteService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.pembavello.PembaVello.Remote")

public:
    static constexpr auto objectPath = "/org/pembavello/PembaVello";
    static constexpr auto interfaceName = "org.pembavello.PembaVello.Remote";

    // Publishes `control` on `bus`; `control` must outlive this object.
    RemoteService(RemoteControl& control, QDBusConnection bus, QObject* parent = nullptr);
    ~RemoteService() override;

    RemoteService(const RemoteService&) = delete;
    RemoteService& operator=(const RemoteService&) = delete;

public Q_SLOTS:
    // Plays what `named` stands for (RemoteControl::play) and answers with the station's name,
    // empty when nothing matched, and how many more matched. A name waits for the catalog.
    QString Play(const QString& named, int& others);
    // The player's state, station, station id, song and volume (RemoteStatus).
    [[nodiscard]] QVariantMap Status() const;

private:
    RemoteControl& m_control;
    QDBusConnection m_bus;
};

} // namespace Vello
