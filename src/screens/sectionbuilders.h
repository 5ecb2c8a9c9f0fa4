#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "catalog/stationsource.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace Vello {

class ElidedLabel;
class Panel;

// The application font at `pixelSize` device-independent pixels and `weight`.
[[nodiscard]] QFont pixelFont(int pixelSize, QFont::Weight weight);
[[nodiscard]] QString toQString(std::string_view utf8);

// A one-line label that cuts its text with "…" rather than pushing its neighbours away.
[[nodiscard]] ElidedLabel* makeLabel(
    const QString& text, int pixelSize, QFont::Weight weight, const QColor& color, QWidget* parent = nullptr);
// What an empty station list shows when no status explains the emptiness.
[[nodiscard]] QLabel* makeEmptyListLabel(const QString& text, QWidget* parent = nullptr);
// Asks `question` before something that cannot be undone, with `action` as the button that does
// it and Cancel the default; true for `action`.
[[nodiscard]] bool confirmDestructive(
    QWidget* parent, const QString& title, const QString& question, const QString& action);
// A screen section's heading.
[[nodiscard]] QWidget* makeSectionTitle(const QString& title);
// The 48-high panel that carries a loading, empty-catalog or error message above the lists.
// With `progress` it also shows how far the catalog's download has come; with `onTryAgain` it
// offers a "Try Again" button that calls it.
[[nodiscard]] Panel* makeStatusPanel(const QString& message, const std::optional<LoadProgress>& progress = std::nullopt,
    const std::function<void()>& onTryAgain = {});
// Moves a status panel's thin progress bar and its "12 of 65 MB" to `progress`, showing them
// if they were hidden: a share of the whole when the length is known, a moving bar otherwise.
void showStatusProgress(Panel* panel, const LoadProgress& progress);
// A small tag tinted with `accent`, as wide as its text plus 16.
[[nodiscard]] Panel* makeBadge(const QString& title, const QColor& accent);
// Gives a badge made by makeBadge another title.
void setBadgeTitle(QWidget& badge, const QString& title);

} // namespace Vello
