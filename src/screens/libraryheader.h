#pragma once

class QWidget;

namespace Vello {

class BrowserController;
class PlaybackSession;

// "Your Library", with the button of the list chosen: "Clear Songs…", which clears the songs
// `session` heard, or "Add Station…", whose dialogs open over `window`.
[[nodiscard]] QWidget* makeLibraryTitle(BrowserController& browser, PlaybackSession& session, QWidget& window);
// The chips that choose the Library's list, the chosen one checked.
[[nodiscard]] QWidget* makeChipRow(BrowserController& browser);

} // namespace Vello
