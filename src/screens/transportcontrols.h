#pragma once

class QWidget;

namespace Vello {

class BrowserController;
class VolumeControl;

// The transport row that the mini player, the Home card and the Player panel all carry:
// Previous, Play, Pause and Next, each driving `browser`.
[[nodiscard]] QWidget* makeTransportControls(BrowserController& browser);
// A volume control that shows `browser`'s volume and changes it.
[[nodiscard]] VolumeControl* makeVolumeControl(BrowserController& browser);

} // namespace Vello
