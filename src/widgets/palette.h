#pragma once

#include <QColor>
#include <QPalette>

namespace Vello {

// The six colours of the dark theme every view is drawn in.
[[nodiscard]] QColor velloBackground();
[[nodiscard]] QColor velloPanel();
// Hairline borders of rows and of the search pill: white at 8.5 %.
[[nodiscard]] QColor velloBorder();
[[nodiscard]] QColor velloMuted();
[[nodiscard]] QColor velloGreen();
[[nodiscard]] QColor velloRed();

// The colour roles of the dark theme, for what Qt's own style draws: menus and dialogs.
[[nodiscard]] QPalette velloDarkPalette(QPalette base);

} // namespace Vello
