#include "textdirection.h"

#include <QPainter>
#include <QStyle>
#include <QWidget>

namespace Vello {

void drawTextInItsDirection(
    QPainter& painter, const QWidget& widget, const QRect& rect, Qt::Alignment alignment, const QString& text)
{
    const Qt::Alignment placed = QStyle::visualAlignment(widget.layoutDirection(), alignment) | Qt::AlignAbsolute;
    const Qt::LayoutDirection before = painter.layoutDirection();
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(rect, static_cast<int>(placed), text);
    painter.setLayoutDirection(before);
}

QMargins marginsInDirection(const QWidget& widget, const QMargins& margins)
{
    if (widget.layoutDirection() == Qt::LeftToRight) {
        return margins;
    }
    return {margins.right(), margins.top(), margins.left(), margins.bottom()};
}

QString isolated(const QString& text)
{
    constexpr char16_t firstStrongIsolate = u'\u2068';
    constexpr char16_t popDirectionalIsolate = u'\u2069';
    return QChar(firstStrongIsolate) + text + QChar(popDirectionalIsolate);
}

} // namespace Vello
