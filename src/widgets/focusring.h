#pragma once

#include <QRectF>

class QKeyEvent;
class QPainter;

namespace Vello {

// The keyboard focus ring every clickable surface draws: a light ring with a dark edge inside
// it, so it stands out on the green Play button as well as on the dark panels.
void paintFocusRing(QPainter& painter, const QRectF& bounds, qreal cornerRadius);

// Whether `event` is a key that presses a focused control: Enter or Return, as Space does.
[[nodiscard]] bool isActivationKey(const QKeyEvent& event);

} // namespace Vello
