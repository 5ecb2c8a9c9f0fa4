#pragma once

#include "mprisplayer.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

#include <functional>

namespace Vello {

// org.mpris.MediaPlayer2.Player: the transport, what is on the air, the volume, and the place
// within what is kept of the station. A live stream has no length and no rate to change.
class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)

public:
    // Runs a method call or property write, then announces what it changed; the command tells
    // whether it moved within the stream, which a client then hears of as Seeked.
    using Perform = std::function<void(const std::function<bool()>& command)>;

    MprisPlayerAdaptor(QObject* parent, MprisPlayer& player, Perform perform);

    // The Metadata map of `state`: the track id, title, artist and, when there is one, the logo.
    [[nodiscard]] static QVariantMap metadataOf(const MprisState& state);
    // Every property of this interface, as PropertiesChanged sends them.
    [[nodiscard]] static QVariantMap propertiesOf(const MprisState& state);

    [[nodiscard]] QString playbackStatus() const { return m_player.state().playbackStatus; }
    [[nodiscard]] double rate() const { return 1.0; }
    void setRate(double) { }
    [[nodiscard]] QVariantMap metadata() const { return metadataOf(m_player.state()); }
    [[nodiscard]] double volume() const { return m_player.state().volume; }
    void setVolume(double volume);
    [[nodiscard]] qlonglong position() const { return m_player.state().position.count(); }
    [[nodiscard]] bool canGoNext() const { return m_player.state().canGoNext; }
    [[nodiscard]] bool canGoPrevious() const { return m_player.state().canGoPrevious; }
    [[nodiscard]] bool canPlay() const { return m_player.state().canPlay; }
    [[nodiscard]] bool canPause() const { return m_player.state().canPause; }
    [[nodiscard]] bool canSeek() const { return m_player.state().canSeek; }
    [[nodiscard]] bool canControl() const { return true; }

public Q_SLOTS:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong offset);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong position);
    void OpenUri(const QString& uri);

Q_SIGNALS:
    void Seeked(qlonglong position);

private:
    void run(void (MprisPlayer::*command)());

    MprisPlayer& m_player;
    Perform m_perform;
};

} // namespace Vello
