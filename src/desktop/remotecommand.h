#pragma once

#include <QString>

namespace Vello {

// What the command line asks of the running player, or of this one once its stations are there.
struct RemoteCommand final {
    enum class Action {
        Play,
        Pause,
        Toggle,
        Next,
        Previous,
        Volume,
        Status,
    };

    Action action = Action::Status;
    // For Play: a station's name or identifier, or the address of a stream or playlist.
    QString station;
    // For Volume: 0 to 100, as the window's slider shows it.
    int volume = 0;
    // For Status: JSON rather than lines of text.
    bool json = false;

    friend bool operator==(const RemoteCommand&, const RemoteCommand&) = default;
};

// How the program ends, as --help lists them.
inline constexpr int exitDone = 0;
inline constexpr int exitNoAnswer = 1;
inline constexpr int exitBadUsage = 2;
inline constexpr int exitNotRunning = 3;
inline constexpr int exitNothingMatched = 4;

} // namespace Vello
