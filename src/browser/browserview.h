#pragma once

#include "base/text.h"
#include "catalog/stationsource.h"

#include <string>

namespace Vello {

// What the browser's logic needs of the window's views. The window implements it with
// widgets; every call comes on the GUI thread.
class BrowserView {
public:
    virtual ~BrowserView() = default;

    // The search field's text as typed (UTF-8, untrimmed).
    [[nodiscard]] virtual std::string searchText() const = 0;
    // Shows and starts, or stops and hides, the search field's spinner.
    virtual void setLoading(bool loading) = 0;
    // Rebuilds the content for the controller's current state, scrolled to the top or kept
    // where it was.
    virtual void render(bool resetScroll) = 0;
    // Rebuilds the sidebar with the current screen marked.
    virtual void renderSidebar() = 0;
    // Empties the content at once, so a screen switch never shows the old screen's rows.
    virtual void clearContent() = 0;
    // Load the placeholder artwork of station pictures and the Home hero picture from the
    // application's resources; a missing or unreadable resource leaves the picture empty.
    virtual void loadFallbackImage() = 0;
    virtual void loadHeroImage() = 0;
    // Brings the loading status's progress bar up to date, without rebuilding the content.
    virtual void showLoadProgress(const LoadProgress& progress) = 0;
    // Tells the person something they should know once, such as a file of theirs that could not
    // be read and was set aside, in a message they dismiss.
    virtual void showNotice(const Text& notice) = 0;
};

} // namespace Vello
