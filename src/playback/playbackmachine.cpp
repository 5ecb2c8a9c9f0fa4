#include "playbackmachine.h"

#include "ports/mainqueue.h"

#include <algorithm>
#include <type_traits>
#include <utility>

namespace Vello {
namespace {

PlaybackState inPhase(PlaybackPhase phase, int bufferingPercent = 0, int secondsUntilRetry = 0, Text failure = {})
{
    PlaybackState state;
    state.phase = phase;
    state.bufferingPercent = bufferingPercent;
    state.secondsUntilRetry = secondsUntilRetry;
    state.failure = std::move(failure);
    return state;
}

} // namespace

PlaybackMachine::PlaybackMachine(MainQueue& queue, std::function<void()> reopen, std::function<void()> onChange)
    : m_queue(queue)
    , m_reopen(std::move(reopen))
    , m_onChange(std::move(onChange))
{
}

PlaybackMachine::~PlaybackMachine()
{
    cancelRetry();
}

void PlaybackMachine::start()
{
    cancelRetry();
    m_retryStep = 0;
    m_wantsToPlay = true;
    m_pipelinePlaying = false;
    m_buffering = false;
    m_hasPlayed = false;
    m_attemptOver = false;
    setState(inPhase(PlaybackPhase::Connecting));
}

void PlaybackMachine::pause()
{
    if (m_state.phase == PlaybackPhase::Idle) {
        return;
    }
    cancelRetry();
    m_wantsToPlay = false;
    setState(inPhase(PlaybackPhase::Paused));
}

void PlaybackMachine::handle(const MediaEvent& event)
{
    if (m_attemptOver || m_state.phase == PlaybackPhase::Idle) {
        return;
    }
    std::visit(
        [this](const auto& report) {
            using Report = std::decay_t<decltype(report)>;
            if constexpr (std::is_same_v<Report, MediaStateChanged>) {
                m_pipelinePlaying = report.state == MediaPipelineState::Playing;
                if (m_pipelinePlaying && m_wantsToPlay && !m_buffering) {
                    // Sound again: the next drop starts the schedule from the beginning.
                    m_retryStep = 0;
                    m_hasPlayed = true;
                    setState(inPhase(PlaybackPhase::Playing));
                }
            } else if constexpr (std::is_same_v<Report, MediaBuffering>) {
                m_buffering = report.percent < 100;
                if (!m_wantsToPlay) {
                    return;
                }
                if (m_buffering) {
                    setState(inPhase(PlaybackPhase::Buffering, std::clamp(report.percent, 0, 99)));
                } else {
                    setState(inPhase(m_pipelinePlaying ? PlaybackPhase::Playing : PlaybackPhase::Connecting));
                }
            } else if constexpr (std::is_same_v<Report, MediaError>) {
                StreamFailure failure = streamFailure(report);
                // An Icecast mount answers 404 while its source is off the air: a stream that
                // has played is worth waiting for.
                if (m_hasPlayed && report.httpStatus >= 400 && report.httpStatus < 500) {
                    failure.worthRetrying = true;
                }
                fail(failure);
            } else if constexpr (std::is_same_v<Report, MediaEndOfStream>) {
                fail(streamEndedFailure());
            } else if constexpr (std::is_same_v<Report, MediaMissingPlugin>) {
                fail(streamFailure(report));
            }
        },
        event);
}

void PlaybackMachine::fail(const StreamFailure& failure)
{
    m_attemptOver = true;
    m_pipelinePlaying = false;
    m_buffering = false;
    if (!m_wantsToPlay) {
        return;
    }
    if (failure.worthRetrying) {
        scheduleRetry(failure.reason);
    } else {
        cancelRetry();
        setState(inPhase(PlaybackPhase::Failed, 0, 0, failure.reason));
    }
}

const PlaybackState& PlaybackMachine::state() const
{
    return m_state;
}

void PlaybackMachine::setState(PlaybackState state)
{
    if (state == m_state) {
        return;
    }
    m_state = std::move(state);
    if (m_onChange) {
        m_onChange();
    }
}

void PlaybackMachine::scheduleRetry(const Text& reason)
{
    cancelRetry();
    if (!m_hasPlayed && m_retryStep >= retriesBeforeFirstSound) {
        setState(inPhase(PlaybackPhase::Failed, 0, 0, reason));
        return;
    }
    const int wait = retrySeconds.at(std::min(m_retryStep, retrySeconds.size() - 1));
    ++m_retryStep;
    setState(inPhase(PlaybackPhase::Reconnecting, 0, wait, reason));
    m_retryTimer = m_queue.postAfter(std::chrono::seconds(1), [this] { tick(); });
}

void PlaybackMachine::tick()
{
    PlaybackState next = m_state;
    --next.secondsUntilRetry;
    if (next.secondsUntilRetry > 0) {
        setState(std::move(next));
        m_retryTimer = m_queue.postAfter(std::chrono::seconds(1), [this] { tick(); });
        return;
    }
    m_retryTimer.reset();
    m_attemptOver = false;
    setState(inPhase(PlaybackPhase::Connecting));
    m_reopen();
}

void PlaybackMachine::cancelRetry()
{
    if (m_retryTimer) {
        m_retryTimer->cancel();
        m_retryTimer.reset();
    }
}

} // namespace Vello
