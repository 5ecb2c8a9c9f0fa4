#include "mprisplayeradaptor.h"

#include "remotecontrol.h"

#include <algorithm>
#include <chrono>
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

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* parent, MprisPlayer& player, Perform perform)
    : QDBusAbstractAdaptor(parent)
    , m_player(player)
    , m_perform(std::move(perform))
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
        {QStringLiteral("CanSeek"), state.canSeek},
    };
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    if (std::isnan(volume)) {
        return;
    }
    m_perform([&] {
        m_player.setVolume(std::clamp(volume, 0.0, 1.0));
        return false;
    });
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

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    m_perform([&] { return m_player.seek(std::chrono::microseconds(offset)); });
}

// Meant for the station current when the client looked: asked of another, it comes too late.
void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    m_perform([&] {
        const QString stationId = m_player.state().stationId;
        return !stationId.isEmpty() && trackId == trackPath(stationId)
            && m_player.setPosition(std::chrono::microseconds(position));
    });
}

// Anything but a web address is not offered (SupportedUriSchemes), and is ignored as the
// interface allows.
void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    if (!isStreamAddress(uri)) {
        return;
    }
    m_perform([&] {
        m_player.openUri(uri);
        return false;
    });
}

void MprisPlayerAdaptor::run(void (MprisPlayer::*command)())
{
    m_perform([&] {
        (m_player.*command)();
        return false;
    });
}

} // namespace Vello
