#include "focusring.h"

#include "palette.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace Vello {

void paintFocusRing(QPainter& painter, const QRectF& bounds, qreal cornerRadius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const auto ring = [&](qreal inset, const QColor& color, qreal width) {
        const qreal radius = std::max<qreal>(cornerRadius - inset, 0);
        painter.setPen(QPen(color, width));
        painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), radius, radius);
    };
    ring(1, QColor(Qt::white), 2);
    ring(2.5, velloBackground(), 1);
    painter.restore();
}

bool isActivationKey(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace Vello
