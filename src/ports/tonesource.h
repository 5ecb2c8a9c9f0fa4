#pragma once

#include "ports/mediabackend.h"

#include <memory>

namespace Vello {

// The built-in gentle tone an alarm falls back on. It is made on this computer, so it sounds
// with no network and no station.
class ToneSource {
public:
    virtual ~ToneSource() = default;

    // A new player of the tone, which repeats until the player is destroyed; its volume starts
    // at full and is set as any player's. nullptr when no audio can be made here.
    [[nodiscard]] virtual std::unique_ptr<MediaPlayer> createTonePlayer() = 0;
};

} // namespace Vello
