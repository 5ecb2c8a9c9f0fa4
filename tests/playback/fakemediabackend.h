#pragma once

#include "ports/mediabackend.h"

#include <algorithm>
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

    // Reports `event` as the real player would (through the main queue), unless the player is gone.
    void emit(const MediaEvent& event) const
    {
        // A copy: the handler may destroy the player, and with it this record's handler.
        if (const MediaPlayer::EventHandler handler = onEvent) {
            handler(event);
        }
    }
};

// A player that only records what it is told.
class FakeMediaPlayer final : public MediaPlayer {
public:
    explicit FakeMediaPlayer(std::shared_ptr<FakePlayerRecord> record)
        : m_record(std::move(record))
    {
    }
    ~FakeMediaPlayer() override
    {
        m_record->destroyed = true;
        m_record->onEvent = nullptr;
    }

    void setWaitsForBuffering(bool waits) override { m_record->calls.push_back(waits ? "waits" : "does not wait"); }
    void play() override { set(PlayerActivity::Playing, "play"); }
    void pause() override { set(PlayerActivity::Paused, "pause"); }
    [[nodiscard]] PlayerActivity activity() const override { return m_record->status; }
    void setEventHandler(EventHandler handler) override { m_record->onEvent = std::move(handler); }
    void setVolume(double volume) override { m_record->volume = volume; }
    void setMuted(bool muted) override { m_record->muted = muted; }

private:
    void set(PlayerActivity status, const char* call)
    {
        m_record->calls.emplace_back(call);
        m_record->status = status;
    }

    std::shared_ptr<FakePlayerRecord> m_record;
};

// A media back end that makes fake players, keeping a record of each.
class FakeMediaBackend final : public MediaBackend {
public:
    std::unique_ptr<MediaPlayer> createPlayer(const std::string& url) override
    {
        if (std::ranges::find(refused, url) != refused.end()) {
            return nullptr;
        }
        players.push_back(std::make_shared<FakePlayerRecord>());
        players.back()->url = url;
        return std::make_unique<FakeMediaPlayer>(players.back());
    }

    // Addresses this back end refuses, as a real one refuses what it cannot parse.
    std::vector<std::string> refused;
    std::vector<std::shared_ptr<FakePlayerRecord>> players;
};

} // namespace Vello
