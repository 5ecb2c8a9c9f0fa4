#pragma once

#include <QMargins>
#include <QString>
#include <Qt>

class QPainter;
class QRect;
class QWidget;

namespace Vello {

// Draws `text` in `rect` of `widget`: placed by the widget's direction (start-aligned text sits at
// the right in a right-to-left window) but read in the text's own direction, so a Latin station
// name in an Arabic window, or an Arabic one in an English window, keeps its punctuation and
// numbers where they belong.
void drawTextInItsDirection(
    QPainter& painter, const QWidget& widget, const QRect& rect, Qt::Alignment alignment, const QString& text);

// `margins` given from the start of a line (left in English) to its end, for a layout in
// `widget`: layouts mirror where their items go in a right-to-left language, not their margins.
[[nodiscard]] QMargins marginsInDirection(const QWidget& widget, const QMargins& margins);

// `text` as a run of its own direction inside a line of the window's (Unicode first-strong
// isolate): a station's country or tag amid translated words.
[[nodiscard]] QString isolated(const QString& text);

} // namespace Vello
