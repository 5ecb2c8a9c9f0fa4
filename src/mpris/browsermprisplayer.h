#pragma once

#include "mprisplayer.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace Vello {

class BrowserController;

// The media controls over the window's own transport: the same commands as its buttons, over
// the list of the moment.
class BrowserMprisPlayer final : public MprisPlayer {
public:
    // The file holding the logo of a favicon address, or empty when none is kept.
    using LogoFile = std::function<QString(const std::string& favicon)>;

    // `browser` and `window` must outlive this object. `quit` ends the program, which closing a
    // window that keeps playing from the tray does not; without it Quit closes the window.
    BrowserMprisPlayer(
        BrowserController& browser, QWidget& window, LogoFile logoFile = {}, std::function<void()> quit = {});

    [[nodiscard]] MprisState state() const override;
    // Pauses what plays or is on its way to playing; otherwise plays, as the window's button does.
    void playPause() override;
    void play() override;
    void pause() override;
    // Nothing the window offers forgets the current station; stopping a live stream is pausing it.
    void stop() override;
    void next() override;
    void previous() override;
    void setVolume(double volume) override;
    void raise() override;
    void quit() override;

private:
    BrowserController& m_browser;
    QWidget& m_window;
    LogoFile m_logoFile;
    std::function<void()> m_quit;
};

} // namespace Vello
