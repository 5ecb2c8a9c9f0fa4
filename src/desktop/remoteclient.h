#pragma once

#include "remotecommand.h"
#include "remotecontrol.h"

#include <QString>

#include <functional>
#include <optional>

namespace Vello {

class MprisPlayer;

// What a command from the command line came to: the program's exit status, what it tells on
// standard output and what on standard error.
struct RemoteReply final {
    int exitCode = exitDone;
    QString output;
    QString error;
};

// Sends `command` to the player running on the session bus and says how it went; nothing when
// no player runs there (or there is no bus), except for --status, which then says none runs.
[[nodiscard]] std::optional<RemoteReply> sendToRunningPlayer(const RemoteCommand& command);

// Performs `command` in this process's own player, once its stations are there, and tells `done`
// how it went. `control` and `player` must outlive the wait.
void performHere(const RemoteCommand& command, RemoteControl& control, MprisPlayer& player,
    std::function<void(const RemoteReply&)> done);

// --status's answer: lines of text in the person's language, or one line of JSON for scripts.
[[nodiscard]] QString statusText(const RemoteStatus& status, bool json);
// --play's answer for `named`.
[[nodiscard]] RemoteReply playReply(const QString& named, const PlayAnswer& answer);

} // namespace Vello
