#pragma once

#include "base/listeners.h"

#include <QWidget>

class QMenu;

namespace Vello {

class PlaybackSession;
class VelloButton;

// The "Play on" button of the now-playing views: a speaker that opens the menu of where the
// session plays, "This computer" first and then each output found, by name, with the one played
// on checked. Choosing an entry asks the session; the button shows itself chosen while an
// output other than this computer plays.
class OutputPicker final : public QWidget {
    Q_OBJECT

public:
    // `session` must outlive the picker.
    explicit OutputPicker(PlaybackSession& session, QWidget* parent = nullptr);

    [[nodiscard]] VelloButton* button() const { return m_button; }
    [[nodiscard]] QMenu* menu() const { return m_menu; }

    // Opens the menu above the button, the entry played on under the keyboard.
    void openMenu();

private:
    // Makes the menu's entries and the button's look from the session as it is.
    void showOutputs();

    PlaybackSession& m_session;
    VelloButton* m_button;
    QMenu* m_menu;
    Subscription m_followed;
};

// `volume` with a new picker of `session`'s outputs before it, on one row.
[[nodiscard]] QWidget* withOutputPicker(PlaybackSession& session, QWidget* volume);

} // namespace Vello
