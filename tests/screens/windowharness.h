#pragma once

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "playback/fakemediabackend.h"

#include "screens/mainview.h"
#include "widgets/artworkloader.h"

#include <QPointF>
#include <QString>
#include <Qt>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QWidget;

namespace Vello {

// The fakes behind a window.
struct WindowFakes {
    FakeStationSource source;
    FakeMediaBackend media;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    FakeHttpClient http;
    ArtworkLoader artwork {http};
};

// The main window's views wired to fakes and shown on the offscreen platform at 1180 × 760.
struct WindowHarness : WindowFakes {
    std::unique_ptr<MainView> window;

    WindowHarness();
    ~WindowHarness();

    // Delivers `stations` as the catalog and lets the window rebuild.
    void deliver(std::vector<Station> stations);
    // Runs the main queue's due work and deletes the views the last rebuilds dropped.
    void settle();
    // Clicks the first (with `last`, the last) visible button named `name` and lets the window rebuild.
    void tap(const QString& name, bool last = false);

    // One word per content item, top to bottom: its object name, or "status:<text>",
    // "title:<text>", "list:<stations>" or "list:<stations>:<empty text>".
    [[nodiscard]] std::vector<std::string> contentOutline() const;
    // The visible buttons whose accessible name is `name`, in window order.
    [[nodiscard]] std::vector<QAbstractButton*> buttons(const QString& name) const;
    [[nodiscard]] int scrollY() const;
    void scrollTo(int y);
    // The stations of the rows that exist now, in list order.
    [[nodiscard]] std::vector<std::string> rowNames() const;
    // Saves the window as <name>.png into $VELLO_SHOTS_DIR, when that is set: the pictures in
    // docs/screens come from the tests that check what they show.
    void saveShot(const QString& name) const;
};

// Clicks `widget` with the left button at `at`, in its middle without.
void click(QWidget* widget, std::optional<QPointF> at = std::nullopt);
// Presses and releases `key` on the focused widget, as the keyboard does.
void pressKey(Qt::Key key);
// One notch of the mouse wheel over the content, downwards when `notches` is negative.
void turnWheel(const WindowHarness& h, int notches);

} // namespace Vello
