#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace Vello {

// Whether the bundled symbol `name` (":/symbols/<name>.svg") exists.
[[nodiscard]] bool hasSymbol(const QString& name);

// The symbol `name` painted in `tint`, fitted into `size` device-independent pixels at
// `devicePixelRatio`; a null pixmap when there is no such symbol.
[[nodiscard]] QPixmap symbolPixmap(const QString& name, QSize size, const QColor& tint, qreal devicePixelRatio);

// A bundled picture (":/images/<name>.<extension>"); a null pixmap when the build has none.
[[nodiscard]] QPixmap loadResourceImage(const QString& name, const QString& extension);

} // namespace Vello
