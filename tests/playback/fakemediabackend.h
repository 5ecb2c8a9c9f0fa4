#pragma once

#include "ports/mediabackend.h"

#include <memory>
#include <string>
#include <vector>

namespace Vello {

// What one fake player was told, kept after the player itself is gone.
struct FakePlayerRecord final {
    std::string url;
    std::vector<std::string> calls;
    PlayerActivity status = PlayerActivity::Paused;
    bool destroyed = false;
    double volume = -1;
    bool muted = false;
    MediaPlayer::EventHandler onEvent;

    // Reports `event` as the real player would (through the main queue); false when the
    // player is gone.
    bool emit(const MediaEvent& event) const;
};

// A media back end that makes players which only record what they are told.
class FakeMediaBackend final : public MediaBackend {
public:
    std::unique_ptr<MediaPlayer> createPlayer(const std::string& url) override;

    // Addresses this back end refuses, as a real one refuses what it cannot parse.
    std::vector<std::string> refused;
    std::vector<std::shared_ptr<FakePlayerRecord>> players;
};

} // namespace Vello
