#include "remotecontrol.h"

#include <QUrl>

namespace Vello {

namespace {

// Longer is a paste gone wrong, not a stream's address.
constexpr qsizetype maxAddressLength = 4096;

} // namespace

bool isStreamAddress(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return text.size() <= maxAddressLength && url.isValid() && !url.host().isEmpty()
        && (url.scheme() == u"http" || url.scheme() == u"https");
}

QVariantMap statusToMap(const RemoteStatus& status)
{
    return {
        {QStringLiteral("state"), status.state},
        {QStringLiteral("stationId"), status.stationId},
        {QStringLiteral("station"), status.station},
        {QStringLiteral("song"), status.song},
        {QStringLiteral("volume"), status.volume},
    };
}

RemoteStatus statusFromMap(const QVariantMap& map)
{
    return {
        .state = map.value(QStringLiteral("state")).toString(),
        .stationId = map.value(QStringLiteral("stationId")).toString(),
        .station = map.value(QStringLiteral("station")).toString(),
        .song = map.value(QStringLiteral("song")).toString(),
        .volume = map.value(QStringLiteral("volume")).toInt(),
    };
}

} // namespace Vello
