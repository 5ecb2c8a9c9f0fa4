#pragma once

#include "mprisclientposition.h"
#include "mprisplayer.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>

namespace Vello {

class MprisPlayerAdaptor;

// The player on the session bus under org.mpris.MediaPlayer2.pembavello, so media keys and
// the desktop's media widget reach it. The bus name doubles as the one-instance lock: the
// first process to claim it is the player, a later one asks it to come forward.
class MprisService final : public QObject {
    Q_OBJECT

public:
    enum class Claim {
        Claimed,
        AlreadyRunning,
        NoBus,
    };

    static constexpr auto busName = "org.mpris.MediaPlayer2.pembavello";
    static constexpr auto objectPath = "/org/mpris/MediaPlayer2";

    // Takes the bus name when no other process holds it.
    [[nodiscard]] static Claim claimName(const QDBusConnection& bus);
    // Asks the process holding the bus name to show its window; false when it does not answer.
    [[nodiscard]] static bool raiseRunningInstance(const QDBusConnection& bus);

    // Publishes `player` on `bus`; `player` must outlive this object.
    MprisService(MprisPlayer& player, QDBusConnection bus, QObject* parent = nullptr);
    ~MprisService() override;

    MprisService(const MprisService&) = delete;
    MprisService& operator=(const MprisService&) = delete;

public Q_SLOTS:
    // Reads the player's state again and announces what changed with PropertiesChanged, and
    // with Seeked a position gone elsewhere than clients take it to be.
    void refresh();

private:
    // Runs a client's command, announcing what it changed once it is done.
    void perform(const std::function<bool()>& command);
    // `moved`: a Seek or SetPosition went through.
    void announce(bool moved);

    MprisPlayer& m_player;
    QDBusConnection m_bus;
    MprisPlayerAdaptor* m_playerAdaptor;
    MprisState m_announced;
    MprisClientPosition m_clientPosition;
    bool m_performing = false;
};

} // namespace Vello
