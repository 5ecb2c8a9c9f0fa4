#include "alarmsound.h"

#include "ports/mainqueue.h"

#include <algorithm>
#include <utility>

namespace Vello {

AlarmSound::AlarmSound(MainQueue& queue, Hooks hooks)
    : m_queue(queue)
    , m_hooks(std::move(hooks))
{
}

AlarmSound::~AlarmSound()
{
    cancel(m_rising);
    cancel(m_waitingForStation);
}

void AlarmSound::cancel(std::shared_ptr<Cancellable>& pending)
{
    if (pending) {
        pending->cancel();
        pending.reset();
    }
}

void AlarmSound::start(const Alarm& alarm)
{
    stop();
    m_ringing = true;
    m_volume = static_cast<double>(std::clamp(alarm.volume, 0, Alarm::maxVolume)) / Alarm::maxVolume;
    m_riseSteps = static_cast<int>(std::max(alarm.riseTime, std::chrono::seconds {0}) / riseStep);
    m_hooks.playStation(alarm.stationId);
    startRising();
    stationSilent();
}

void AlarmSound::stationSounds()
{
    cancel(m_waitingForStation);
}

void AlarmSound::stationSilent()
{
    if (m_ringing && !m_onTone && !m_waitingForStation) {
        m_waitingForStation = m_queue.postAfter(stationWait, [this] { playTone(); });
    }
}

void AlarmSound::stationFailed()
{
    if (m_ringing && !m_onTone) {
        playTone();
    }
}

void AlarmSound::stop()
{
    cancel(m_rising);
    cancel(m_waitingForStation);
    if (std::exchange(m_ringing, false)) {
        m_onTone = false;
        m_hooks.silence();
    }
}

void AlarmSound::playTone()
{
    cancel(m_waitingForStation);
    m_onTone = true;
    m_hooks.playTone();
    startRising();
}

void AlarmSound::startRising()
{
    cancel(m_rising);
    m_stepsDone = 0;
    m_hooks.setVolume(m_riseSteps > 0 ? 0.0 : m_volume);
    if (m_riseSteps > 0) {
        m_rising = m_queue.postAfter(riseStep, [this] { riseOneStep(); });
    }
}

void AlarmSound::riseOneStep()
{
    ++m_stepsDone;
    m_hooks.setVolume(m_volume * m_stepsDone / m_riseSteps);
    m_rising = m_stepsDone < m_riseSteps ? m_queue.postAfter(riseStep, [this] { riseOneStep(); }) : nullptr;
}

} // namespace Vello
