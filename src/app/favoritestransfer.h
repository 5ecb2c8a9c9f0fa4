#pragma once

class QWidget;

namespace Vello {

class BrowserController;

// The menu's "Export Favourites…" and "Import Favourites…": a file dialog, the file, and a
// message when something is refused. An import that fails leaves the favourites untouched.
void exportFavorites(QWidget* parent, const BrowserController& browser);
void importFavorites(QWidget* parent, BrowserController& browser);

} // namespace Vello
