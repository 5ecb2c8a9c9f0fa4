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
    ~FakeMediaPlayer() override { m_record->destroyed = true; }

    void setAutomaticallyWaitsToMinimizeStalling(bool waits) override
    {
        m_record->calls.push_back(waits ? "waits" : "does not wait");
    }
    void play() override
    {
        m_record->calls.emplace_back("play");
        m_record->status = m_record->statusAfterPlay;
    }
    void pause() override
    {
        m_record->calls.emplace_back("pause");
        m_record->status = TimeControlStatus::Paused;
    }
    [[nodiscard]] TimeControlStatus timeControlStatus() const override { return m_record->status; }

private:
    std::shared_ptr<FakePlayerRecord> m_record;
};

} // namespace

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

std::size_t FakeMediaBackend::livePlayerCount() const
{
    return static_cast<std::size_t>(std::ranges::count_if(players, [](const auto& p) { return !p->destroyed; }));
}

} // namespace Vello
