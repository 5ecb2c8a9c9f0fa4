#include "fakemediabackend.h"

#include <algorithm>

namespace Vello {
namespace {

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
    void play() override
    {
        m_record->calls.emplace_back("play");
        m_record->status = PlayerActivity::Playing;
    }
    void pause() override
    {
        m_record->calls.emplace_back("pause");
        m_record->status = PlayerActivity::Paused;
    }
    [[nodiscard]] PlayerActivity activity() const override { return m_record->status; }
    void setEventHandler(EventHandler handler) override { m_record->onEvent = std::move(handler); }
    void setVolume(double volume) override { m_record->volume = volume; }
    void setMuted(bool muted) override { m_record->muted = muted; }

private:
    std::shared_ptr<FakePlayerRecord> m_record;
};

} // namespace

bool FakePlayerRecord::emit(const MediaEvent& event) const
{
    if (!onEvent) {
        return false;
    }
    // A copy: the handler may destroy the player, and with it this one.
    const MediaPlayer::EventHandler handler = onEvent;
    handler(event);
    return true;
}

std::unique_ptr<MediaPlayer> FakeMediaBackend::createPlayer(const std::string& url)
{
    if (std::ranges::find(refused, url) != refused.end()) {
        return nullptr;
    }
    auto record = std::make_shared<FakePlayerRecord>();
    record->url = url;
    players.push_back(record);
    return std::make_unique<FakeMediaPlayer>(record);
}

} // namespace Vello
