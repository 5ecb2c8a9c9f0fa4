#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace Vello {

// Space in one window as desktop users expect it: typed in a text field, pressing the control
// the keyboard has moved to, and Play/Pause everywhere else. A focus the keyboard gave and a
// click of the mouse has since left behind is no longer the person's: Space plays or pauses
// there, never pressing a button the person has stopped looking at.
class SpaceKey final : public QObject {
    Q_OBJECT

public:
    // Follows the application's events for `window`; `playPause` stands in for the press.
    SpaceKey(QWidget& window, QAction& playPause, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QAction& m_playPause;
    // The keyboard moved the focus, by Tab or an arrow, since the last press of the mouse.
    bool m_keyboardMovedFocus = false;
    // The press of the Space going on was taken for Play/Pause: its release is too.
    bool m_takingSpace = false;
};

} // namespace Vello
