#pragma once

#include "panel.h"

class QVBoxLayout;

namespace Vello {

class BrowserController;

// The column on the window's left with a button for each screen, the current one marked.
class Sidebar final : public Panel {
    Q_OBJECT

public:
    static constexpr int width = 220;
    static constexpr int navButtonWidth = 198;

    Sidebar(BrowserController& browser, QWidget* parent = nullptr);

    // Builds the buttons afresh for the browser's current screen.
    void render();

private:
    BrowserController& m_browser;
    QVBoxLayout* m_layout;
};

} // namespace Vello
