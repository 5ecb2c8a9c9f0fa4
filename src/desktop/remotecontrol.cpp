#include "remotecontrol.h"

namespace Vello {

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
