#pragma once

#include "base/text.h"
#include "ports/mediabackend.h"

namespace Vello {

// A stream's failure as the person should read it, and whether trying again may help.
struct StreamFailure final {
    Text reason;
    bool worthRetrying = false;

    friend bool operator==(const StreamFailure&, const StreamFailure&) = default;
};

[[nodiscard]] StreamFailure streamFailure(const MediaError& error);
[[nodiscard]] StreamFailure streamFailure(const MediaMissingPlugin& missing);
// The server closed a stream that should never end.
[[nodiscard]] StreamFailure streamEndedFailure();
// Whether `event` ends the stream it reports on: an error, its end, or a part missing to play it.
[[nodiscard]] bool endsStream(const MediaEvent& event);

} // namespace Vello
