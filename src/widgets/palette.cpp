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

QPalette velloDarkPalette(QPalette base)
{
    const QColor button = QColor::fromRgbF(0.125F, 0.157F, 0.216F, 1.0F);
    const struct {
        QPalette::ColorRole role {};
        QColor color;
    } roles[] = {
        {QPalette::Window, velloPanel()},
        {QPalette::WindowText, Qt::white},
        {QPalette::Base, velloBackground()},
        {QPalette::AlternateBase, velloPanel()},
        {QPalette::Text, Qt::white},
        {QPalette::Button, button},
        {QPalette::ButtonText, Qt::white},
        {QPalette::BrightText, Qt::white},
        {QPalette::Highlight, velloGreen().darker(160)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::ToolTipBase, velloPanel()},
        {QPalette::ToolTipText, Qt::white},
        {QPalette::PlaceholderText, velloMuted()},
        {QPalette::Light, button.lighter(130)},
        {QPalette::Midlight, button.lighter(115)},
        {QPalette::Mid, velloPanel().lighter(130)},
        {QPalette::Dark, velloBackground()},
        {QPalette::Shadow, Qt::black},
        {QPalette::Link, velloGreen()},
    };
    for (const auto& entry : roles) {
        base.setColor(QPalette::All, entry.role, entry.color);
    }
    QColor disabled = velloMuted();
    disabled.setAlphaF(0.6F);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        base.setColor(QPalette::Disabled, role, disabled);
    }
    return base;
}

} // namespace Vello
