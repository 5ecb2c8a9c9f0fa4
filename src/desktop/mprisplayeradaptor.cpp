#include "mprisplayeradaptor.h"

#include "remotecontrol.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Vello {

namespace {

// Object paths allow only letters, digits and underscores in an element: anything else in a
// station id becomes its code in hexadecimal, so different ids never share a path.
QDBusObjectPath trackPath(const QString& stationId)
{
    if (stationId.isEmpty()) {
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    }
    QString element;
    for (const char byte : stationId.toUtf8()) {
        const auto code = static_cast<unsigned char>(byte);
        // ASCII only: what the locale calls a letter may be any byte.
        if ((code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
            element.append(QLatin1Char(byte));
        } else {
            element.append(QStringLiteral("_%1").arg(code, 2, 16, QLatin1Char('0')));
        }
    }
    return QDBusObjectPath(QStringLiteral("/org/pembavello/PembaVello/station/s") + element);
}

} // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* parent, MprisPlayer& player, std::function<void()> afterCommand)
    : QDBusAbstractAdaptor(parent)
    , m_player(player)
    , m_afterCommand(std::move(afterCommand))
{
}

QVariantMap MprisPlayerAdaptor::metadataOf(const MprisState& state)
{
    QVariantMap map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(trackPath(state.stationId)));
    if (state.stationId.isEmpty()) {
        return map;
    }
    map.insert(QStringLiteral("xesam:title"), state.title);
    map.insert(QStringLiteral("xesam:artist"), QStringList {state.artist});
    if (!state.artUrl.isEmpty()) {
        map.insert(QStringLiteral("mpris:artUrl"), state.artUrl);
    }
    return map;
}

QVariantMap MprisPlayerAdaptor::propertiesOf(const MprisState& state)
{
    return {
        {QStringLiteral("PlaybackStatus"), state.playbackStatus},
        {QStringLiteral("Metadata"), metadataOf(state)},
        {QStringLiteral("Volume"), state.volume},
        {QStringLiteral("CanGoNext"), state.canGoNext},
        {QStringLiteral("CanGoPrevious"), state.canGoPrevious},
        {QStringLiteral("CanPlay"), state.canPlay},
        {QStringLiteral("CanPause"), state.canPause},
    };
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    if (std::isnan(volume)) {
        return;
    }
    m_player.setVolume(std::clamp(volume, 0.0, 1.0));
    m_afterCommand();
}

void MprisPlayerAdaptor::Next()
{
    run(&MprisPlayer::next);
}

void MprisPlayerAdaptor::Previous()
{
    run(&MprisPlayer::previous);
}

void MprisPlayerAdaptor::Pause()
{
    run(&MprisPlayer::pause);
}

void MprisPlayerAdaptor::PlayPause()
{
    run(&MprisPlayer::playPause);
}

void MprisPlayerAdaptor::Stop()
{
    run(&MprisPlayer::stop);
}

void MprisPlayerAdaptor::Play()
{
    run(&MprisPlayer::play);
}

void MprisPlayerAdaptor::Seek(qlonglong) { }

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath&, qlonglong) { }

// Anything but a web address is not offered (SupportedUriSchemes), and is ignored as the
// interface allows.
void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    if (!isStreamAddress(uri)) {
        return;
    }
    m_player.openUri(uri);
    m_afterCommand();
}

void MprisPlayerAdaptor::run(void (MprisPlayer::*command)())
{
    (m_player.*command)();
    m_afterCommand();
}

} // namespace Vello
