#pragma once

#include <QString>

class QCheckBox;
class QWidget;

namespace Vello {

// "Start Pemba Vello when I log in": an entry in the desktop's autostart folder
// ($XDG_CONFIG_HOME/autostart), which starts the player at login into the system tray.
namespace Autostart {

// The argument the entry starts the player with: to the tray, when there is one.
inline constexpr const char* startedAtLoginOption = "--started-at-login";

// Where the entry is kept.
[[nodiscard]] QString entryPath();
// Whether the entry is there.
[[nodiscard]] bool isOn();
// Writes the entry, starting `program`, or removes it. An empty text when done, else why not.
[[nodiscard]] QString set(bool on, const QString& program);
// "Start Pemba Vello when I log in", checked while the entry is there, writing or removing it for
// this program as it is changed; a change that fails is undone and says why in its tooltip.
[[nodiscard]] QCheckBox* makeCheckBox(QWidget* parent);

} // namespace Autostart

} // namespace Vello
