#include "palette.h"

namespace Vello {

QColor velloBackground()
{
    return QColor::fromRgbF(0.019F, 0.024F, 0.031F, 1.0F);
}

QColor velloPanel()
{
    return QColor::fromRgbF(0.076F, 0.086F, 0.103F, 1.0F);
}

QColor velloBorder()
{
    return QColor::fromRgbF(1.0F, 1.0F, 1.0F, 0.085F);
}

QColor velloMuted()
{
    return QColor::fromRgbF(0.62F, 0.655F, 0.705F, 1.0F);
}

QColor velloGreen()
{
    return QColor::fromRgbF(0.2F, 0.74F, 0.49F, 1.0F);
}

QColor velloRed()
{
    return QColor::fromRgbF(0.92F, 0.42F, 0.38F, 1.0F);
}

} // namespace Vello
