#pragma once

#include "mprisplayer.h"

#include <QString>

#include <chrono>
#include <functional>
#include <string>

namespace Vello {

class PlaybackSession;

// The media controls over the session's transport: the same commands as the window's buttons,
// over the list of the moment.
class SessionMprisPlayer final : public MprisPlayer {
public:
    // The file holding the logo of a favicon address, or empty when none is kept.
    using LogoFile = std::function<QString(const std::string& favicon)>;

    // `session` must outlive this object. `raise` brings the window to the front; `quit` ends the
    // program, which closing a window that keeps playing from the tray does not.
    SessionMprisPlayer(
        PlaybackSession& session, std::function<void()> raise, std::function<void()> quit, LogoFile logoFile = {});

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
    [[nodiscard]] bool seek(std::chrono::microseconds offset) override;
    [[nodiscard]] bool setPosition(std::chrono::microseconds position) override;
    // As a station that is neither remembered among the recents nor counted.
    void openUri(const QString& address) override;
    void raise() override;
    void quit() override;

private:
    // Whether the stream is kept and heard, or paused live, here rather than on an output.
    [[nodiscard]] bool canSeek() const;
    [[nodiscard]] std::chrono::microseconds position() const;
    [[nodiscard]] std::chrono::microseconds kept() const;

    PlaybackSession& m_session;
    std::function<void()> m_raise;
    std::function<void()> m_quit;
    LogoFile m_logoFile;
};

} // namespace Vello
