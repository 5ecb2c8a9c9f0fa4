#pragma once

#include "ports/output.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vello {

// What one fake output was asked, as words ("play", "volume 0.40"), kept after it is gone
// ("gone"). Its actions wait until the test answers them, oldest first.
struct FakeOutputRecord final {
    std::vector<std::string> calls;
    std::deque<Output::Done> waiting;
    Output::EventHandler onEvent;
    OutputStream stream;

    // Answers the oldest action still waiting; false when none is (or the output is gone).
    bool answer(std::optional<OutputFailure> failure = std::nullopt)
    {
        if (waiting.empty()) {
            return false;
        }
        const Output::Done done = std::move(waiting.front());
        waiting.pop_front();
        done(std::move(failure));
        return true;
    }
    // Through a copy: the handler may destroy the output, and itself with it.
    void emit(const OutputEvent& event) const { Output::EventHandler {onEvent}(event); }
};

class FakeOutput final : public Output {
public:
    explicit FakeOutput(std::shared_ptr<FakeOutputRecord> record)
        : m_record(std::move(record))
    {
    }
    ~FakeOutput() override
    {
        m_record->calls.emplace_back("gone");
        m_record->waiting.clear();
        m_record->onEvent = nullptr;
    }

    void setEventHandler(EventHandler handler) override { m_record->onEvent = std::move(handler); }
    void setStream(const OutputStream& set, Done done) override { record("set " + (m_record->stream = set).url, done); }
    void play(Done done) override { record("play", std::move(done)); }
    void pause(Done done) override { record("pause", std::move(done)); }
    void stop(Done done) override { record("stop", std::move(done)); }
    void setVolume(double volume, Done done) override { record("volume " + std::to_string(volume).substr(0, 4), done); }
    void setMuted(bool muted, Done done) override { record(muted ? "mute" : "unmute", std::move(done)); }

private:
    void record(std::string call, Done done)
    {
        m_record->calls.push_back(std::move(call));
        m_record->waiting.push_back(std::move(done));
    }

    std::shared_ptr<FakeOutputRecord> m_record;
};

// Outputs come and go when the test says; the latest one opened for each identifier is kept.
struct FakeOutputDiscovery final : OutputDiscovery {
    std::optional<Error> start(EventHandler found) override
    {
        handler = std::move(found);
        return std::nullopt;
    }
    std::unique_ptr<Output> open(const std::string& id) override
    {
        return std::make_unique<FakeOutput>(opened[id] = std::make_shared<FakeOutputRecord>());
    }
    void find(const std::string& id, const std::string& name) const { handler(OutputFound {{id, name}}); }
    void lose(const std::string& id) const { handler(OutputLost {id}); }

    EventHandler handler;
    std::map<std::string, std::shared_ptr<FakeOutputRecord>> opened;
};

} // namespace Vello
