#include "mprisrootadaptor.h"

#include "mprisplayer.h"

#include <QGuiApplication>

namespace Vello {

MprisRootAdaptor::MprisRootAdaptor(QObject* parent, MprisPlayer& player)
    : QDBusAbstractAdaptor(parent)
    , m_player(player)
{
}

QString MprisRootAdaptor::identity() const
{
    return QStringLiteral("Pemba Vello");
}

QString MprisRootAdaptor::desktopEntry() const
{
    return QGuiApplication::desktopFileName();
}

QStringList MprisRootAdaptor::supportedUriSchemes() const
{
    return {QStringLiteral("http"), QStringLiteral("https")};
}

QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    // What stations send and GStreamer plays here, and the playlists the player reads itself.
    return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/aac"), QStringLiteral("audio/aacp"),
        QStringLiteral("audio/ogg"), QStringLiteral("application/ogg"), QStringLiteral("audio/opus"),
        QStringLiteral("audio/flac"), QStringLiteral("audio/x-scpls"), QStringLiteral("audio/x-mpegurl"),
        QStringLiteral("audio/mpegurl"), QStringLiteral("application/vnd.apple.mpegurl"),
        QStringLiteral("video/x-ms-asf"), QStringLiteral("application/xspf+xml")};
}

void MprisRootAdaptor::Raise()
{
    m_player.raise();
}

void MprisRootAdaptor::Quit()
{
    m_player.quit();
}

} // namespace Vello
