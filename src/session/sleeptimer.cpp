#include "sleeptimer.h"

#include <utility>

namespace Vello {

namespace {

constexpr std::chrono::milliseconds oneMinute {60'000};
constexpr int fadeSteps = static_cast<int>(SleepTimer::fadeLength / SleepTimer::fadeStep);

} // namespace

SleepTimer::SleepTimer(MainQueue& queue, Hooks hooks)
    : m_queue(queue)
    , m_hooks(std::move(hooks))
{
}

SleepTimer::~SleepTimer()
{
    if (m_pending) {
        m_pending->cancel();
    }
}

void SleepTimer::choose(SleepChoice choice, const std::string& songNow)
{
    reset();
    m_choice = choice;
    switch (choice.kind) {
    case SleepChoice::Kind::Off:
        break;
    case SleepChoice::Kind::Minutes:
        m_minutesLeft = choice.minutes;
        if (m_minutesLeft > 0) {
            schedule(oneMinute, &SleepTimer::minutePassed);
        } else {
            startFade();
        }
        break;
    case SleepChoice::Kind::EndOfSong:
        m_song = songNow;
        break;
    }
    m_hooks.changed();
}

void SleepTimer::cancel()
{
    if (m_choice.kind != SleepChoice::Kind::Off) {
        choose(SleepChoice::off(), {});
    }
}

void SleepTimer::followSong(const std::string& title)
{
    if (m_choice.kind != SleepChoice::Kind::EndOfSong || isFading() || title == m_song) {
        return;
    }
    // A title that appears where there was none names the song already on (the stream has just
    // started, or the station has just begun to say); a title that goes away leaves nothing to
    // wait for. Only one title replacing another marks the end of a song.
    if (m_song.empty() || title.empty()) {
        m_song = title;
        return;
    }
    startFade();
    m_hooks.changed();
}

Text SleepTimer::label() const
{
    if (isFading()) {
        return VELLO_TR("Core", "Fading out…");
    }
    switch (m_choice.kind) {
    case SleepChoice::Kind::Off:
        return {};
    case SleepChoice::Kind::Minutes:
        return {VELLO_TR("Core", "Sleep in %1 min"), {Text::number(m_minutesLeft)}};
    case SleepChoice::Kind::EndOfSong:
        return VELLO_TR("Core", "Sleep after this song");
    }
    return {};
}

void SleepTimer::schedule(std::chrono::milliseconds delay, void (SleepTimer::*step)())
{
    // The handle is cancelled when this timer goes, so the work never outlives it.
    m_pending = m_queue.postAfter(delay, [this, step] { (this->*step)(); });
}

void SleepTimer::minutePassed()
{
    if (--m_minutesLeft > 0) {
        schedule(oneMinute, &SleepTimer::minutePassed);
    } else {
        startFade();
    }
    m_hooks.changed();
}

void SleepTimer::startFade()
{
    m_fadeStepsDone = 0;
    schedule(fadeStep, &SleepTimer::fadeOneStep);
}

void SleepTimer::fadeOneStep()
{
    ++m_fadeStepsDone;
    m_hooks.setVolumeShare(1.0 - static_cast<double>(m_fadeStepsDone) / fadeSteps);
    if (m_fadeStepsDone < fadeSteps) {
        schedule(fadeStep, &SleepTimer::fadeOneStep);
        return;
    }
    // Silent now: pause, then give the volume back, so the next Play is heard at once.
    m_hooks.pause();
    reset();
    m_hooks.changed();
}

void SleepTimer::reset()
{
    if (m_pending) {
        m_pending->cancel();
        m_pending.reset();
    }
    const bool wasFading = isFading();
    m_choice = SleepChoice::off();
    m_minutesLeft = 0;
    m_song.clear();
    m_fadeStepsDone = -1;
    if (wasFading) {
        m_hooks.setVolumeShare(1.0);
    }
}

} // namespace Vello
