#pragma once

#include <QColor>

namespace Vello {

// The six colours of the dark theme every view is drawn in.
[[nodiscard]] QColor velloBackground();
[[nodiscard]] QColor velloPanel();
// Hairline borders of rows and of the search pill: white at 8.5 %.
[[nodiscard]] QColor velloBorder();
[[nodiscard]] QColor velloMuted();
[[nodiscard]] QColor velloGreen();
[[nodiscard]] QColor velloRed();

} // namespace Vello
