#pragma once

#include "ports/mediabackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace Vello {

// What one fake recorder was told, kept after the recorder itself is gone.
struct FakeRecorderRecord final {
    std::string keptIn;
    std::chrono::milliseconds keptFor {0};
    // What the recorder answers.
    std::chrono::milliseconds behindLive {0};
    std::chrono::milliseconds kept {0};
    std::chrono::milliseconds heard {0};
    std::vector<std::string> calls;
    // Where the last recording was asked to go, and its rules.
    std::string folder;
    std::shared_ptr<const RecordingRules> rules;
    bool destroyed = false;
    Recorder::EventHandler onEvent;

    // Reports `event` as the real recorder would (through the main queue), unless it is gone.
    void emit(const RecorderEvent& event) const
    {
        if (const Recorder::EventHandler handler = onEvent) {
            handler(event);
        }
    }
};

// A recorder that only records what it is told.
class FakeRecorder final : public Recorder {
public:
    explicit FakeRecorder(std::shared_ptr<FakeRecorderRecord> record)
        : m_record(std::move(record))
    {
    }
    ~FakeRecorder() override
    {
        m_record->destroyed = true;
        m_record->onEvent = nullptr;
    }
    FakeRecorder(const FakeRecorder&) = delete;
    FakeRecorder& operator=(const FakeRecorder&) = delete;

    void setEventHandler(EventHandler handler) override { m_record->onEvent = std::move(handler); }
    void startRecording(const std::string& folder, std::shared_ptr<const RecordingRules> rules) override
    {
        m_record->calls.emplace_back("startRecording");
        m_record->folder = folder;
        m_record->rules = std::move(rules);
    }
    void stopRecording() override { m_record->calls.emplace_back("stopRecording"); }
    void saveSong(std::uint64_t songId, const std::string& folder, std::shared_ptr<const RecordingRules> rules) override
    {
        m_record->calls.push_back("saveSong " + std::to_string(songId));
        m_record->folder = folder;
        m_record->rules = std::move(rules);
    }
    void pause() override { m_record->calls.emplace_back("pause"); }
    void play() override { m_record->calls.emplace_back("play"); }
    void goLive() override { m_record->calls.emplace_back("goLive"); }
    void skip(std::chrono::milliseconds offset) override
    {
        m_record->calls.push_back("skip " + std::to_string(offset.count()));
    }
    [[nodiscard]] std::chrono::milliseconds behindLive() const override { return m_record->behindLive; }
    [[nodiscard]] std::chrono::milliseconds kept() const override { return m_record->kept; }
    [[nodiscard]] std::chrono::milliseconds heard() const override { return m_record->heard; }

private:
    std::shared_ptr<FakeRecorderRecord> m_record;
};

// What one fake player was told, kept after the player itself is gone.
struct FakePlayerRecord final {
    std::string url;
    std::vector<std::string> calls;
    PlayerActivity status = PlayerActivity::Paused;
    bool destroyed = false;
    double volume = -1;
    bool muted = false;
    MediaPlayer::EventHandler onEvent;
    // The recorders made from it, oldest first.
    std::vector<std::shared_ptr<FakeRecorderRecord>> recorders;

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
        // A recorder outliving its player would read a stream that is no more.
        EXPECT_TRUE(std::ranges::all_of(m_record->recorders, &FakeRecorderRecord::destroyed));
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
    [[nodiscard]] std::unique_ptr<Recorder> createRecorder(
        const std::string& folder, std::chrono::milliseconds length) override
    {
        m_record->recorders.push_back(std::make_shared<FakeRecorderRecord>());
        m_record->recorders.back()->keptIn = folder;
        m_record->recorders.back()->keptFor = length;
        return std::make_unique<FakeRecorder>(m_record->recorders.back());
    }

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
