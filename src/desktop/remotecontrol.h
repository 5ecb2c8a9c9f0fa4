#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>

namespace Vello {

// What the command line's --status tells of the player.
struct RemoteStatus final {
    // "playing", "connecting", "paused", "stopped" or "failed".
    QString state = QStringLiteral("stopped");
    // All three empty while nothing is current; the song is empty when the station does not say.
    QString stationId;
    QString station;
    QString song;
    // 0 to 100, as the window's slider shows it.
    int volume = 0;

    friend bool operator==(const RemoteStatus&, const RemoteStatus&) = default;
};

// What a play asked for from outside found.
struct PlayAnswer final {
    // The name of the station now playing; empty when nothing matched.
    QString station;
    // How many more stations matched the name.
    int others = 0;
};

// The player as the command line drives it, beside what the media controls do (MprisPlayer).
// Every call comes on the GUI thread.
class RemoteControl {
public:
    virtual ~RemoteControl() = default;

    [[nodiscard]] virtual RemoteStatus status() const = 0;
    // Runs `task` once the stations are there: at once when they are, else once the catalog
    // answers, with stations or a failure.
    virtual void whenReady(std::function<void()> task) = 0;
    // Plays what `named` stands for: a web address at once, for this run only; a station's
    // identifier or name once the stations are there. Tells `answered` what it found.
    virtual void play(const QString& named, std::function<void(const PlayAnswer&)> answered) = 0;
};

// Whether `text` is an absolute http or https address with a host, short enough to be one,
// which is what is opened from outside as a stream or playlist.
[[nodiscard]] bool isStreamAddress(const QString& text);

// `status` as the D-Bus interface sends it, and back; missing entries read as empty.
[[nodiscard]] QVariantMap statusToMap(const RemoteStatus& status);
[[nodiscard]] RemoteStatus statusFromMap(const QVariantMap& map);

} // namespace Vello
