#include "playbacksession.h"

#include "ports/documentstore.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace Vello {
namespace {

bool isActive(PlaybackPhase phase)
{
    switch (phase) {
    case PlaybackPhase::Connecting:
    case PlaybackPhase::Buffering:
    case PlaybackPhase::Playing:
    case PlaybackPhase::Reconnecting:
        return true;
    case PlaybackPhase::Idle:
    case PlaybackPhase::Paused:
    case PlaybackPhase::Failed:
        return false;
    }
    return false;
}

} // namespace

bool SessionChanges::nowPlaying() const
{
    return state || station || song || streamDetails || volume || sleepTimer || recording || timeShift;
}

bool SessionChanges::any() const
{
    return *this != SessionChanges {};
}

// One operation of the session: the listeners hear of what it changed when the outermost one
// under way ends, so an operation made of others is told once.
class PlaybackSession::Batch final {
public:
    explicit Batch(PlaybackSession& session)
        : m_session(session)
    {
        ++m_session.m_operations;
    }
    ~Batch()
    {
        if (--m_session.m_operations == 0) {
            m_session.announce();
        }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    PlaybackSession& m_session;
};

PlaybackSession::PlaybackSession(MediaBackend& media, HttpClient& http, Preferences& preferences, MainQueue& queue)
    : m_preferences(preferences)
    , m_http(http)
    , m_queue(queue)
    , m_player(media, queue, http)
    , m_sleepTimer(queue,
          {.setVolumeShare =
                  [this](double share) {
                      m_volumeShare = share;
                      applyVolume();
                      if (m_outputs) {
                          m_outputs->casting().setVolumeShare(share);
                      }
                  },
              .pause =
                  [this] {
                      if (isPlaybackActive()) {
                          pauseWhereChosen();
                      }
                  },
              .changed = [this] { const Batch batch(*this); }})
    , m_recorder(
          preferences, queue, [this] { const Batch batch(*this); }, &std::chrono::system_clock::now)
    , m_random(std::random_device {}())
{
    m_volume = std::clamp(valueOf(preferences, PreferenceKey::volume), 0.0, 1.0);
    applyVolume();
    m_player.setMuted(isOn(preferences, PreferenceKey::muted));
    m_player.setOnPlayerReleased([this] {
        if (m_recorder.releasePlayer()) {
            // Paused live when the stream dropped or closed: it stays paused, for real.
            m_queue.post([alive = std::weak_ptr<int>(m_lifetime), this] {
                if (alive.lock() && m_player.playbackState().phase != PlaybackPhase::Paused) {
                    const Batch batch(*this);
                    m_player.pause();
                }
            });
        }
    });
    m_seen = seenNow();
    // The player reports inside its own operations: what it says is taken up on a later turn.
    m_player.setOnStateChange([this] {
        m_queue.post([alive = std::weak_ptr<int>(m_lifetime), this] {
            if (alive.lock()) {
                const Batch batch(*this);
                m_sleepTimer.followSong(streamTitle());
            }
        });
    });
}

PlaybackSession::~PlaybackSession()
{
    // The player may still call back while it is torn down; nothing here must run by then.
    m_lifetime.reset();
    m_player.setOnStateChange(nullptr);
    m_player.setOnPlayerReleased(nullptr);
}

Subscription PlaybackSession::subscribe(Listeners<SessionChanges>::Listener listener)
{
    return m_listeners.subscribe(std::move(listener));
}

void PlaybackSession::setListOfTheMoment(ListOfTheMoment list)
{
    m_list = std::move(list);
}

void PlaybackSession::listOfTheMomentChanged()
{
    const Batch batch(*this);
    m_pending.list = true;
}

void PlaybackSession::setOnListenStarted(ListenStarted onListenStarted)
{
    m_onListenStarted = std::move(onListenStarted);
}

const std::optional<Station>& PlaybackSession::currentStation() const
{
    return m_outputs && m_outputs->showsStation() ? m_outputs->station() : m_player.currentStation();
}

const PlaybackState& PlaybackSession::playbackState() const
{
    static const PlaybackState pausedLive {
        .phase = PlaybackPhase::Paused, .bufferingPercent = 0, .secondsUntilRetry = 0, .failure = {}};
    if (m_recorder.isPausedLive()) {
        return pausedLive;
    }
    return m_outputs && m_outputs->showsStation() ? m_outputs->state() : m_player.playbackState();
}

const std::string& PlaybackSession::streamTitle() const
{
    if (m_outputs && m_outputs->showsStation()) {
        return m_outputs->streamTitle();
    }
    // Behind live, the song is the one heard, not the one arriving.
    const auto& heard = m_recorder.heardTitle();
    return heard ? *heard : m_player.streamTitle();
}

const MediaStreamDetails& PlaybackSession::streamDetails() const
{
    // An output tells nothing of the stream it fetches.
    static const MediaStreamDetails unknown;
    return m_outputs && m_outputs->showsStation() ? unknown : m_player.streamDetails();
}

bool PlaybackSession::isPlaybackActive() const
{
    return isActive(playbackState().phase);
}

std::vector<const Station*> PlaybackSession::listOfTheMoment() const
{
    return m_list ? m_list() : std::vector<const Station*>();
}

void PlaybackSession::play(const Station& station)
{
    const Batch batch(*this);
    // Copied first: `station` may live in the catalog or be the player's own current station,
    // and neither must change under us while we use it.
    const Station chosen = station; // NOLINT(performance-unnecessary-copy-initialization)
    // Playing the current station again resumes or retries it: that is not another listen.
    const auto& current = currentStation();
    const bool another = !current || current->id() != chosen.id() || m_currentOnlyCued;
    m_currentOnlyCued = false;
    playWhereChosen(chosen);
    if (another && m_onListenStarted) {
        m_onListenStarted(chosen);
    }
    // Resting on Next or Previous, the pointer now points at the station beyond this one.
    if (m_restStep != 0) {
        restBeside(m_restStep);
    }
}

void PlaybackSession::playForThisRun(const Station& station)
{
    const Batch batch(*this);
    m_currentOnlyCued = false;
    playWhereChosen(station);
}

void PlaybackSession::playSelected()
{
    const Batch batch(*this);
    if (const auto& current = currentStation()) {
        if (m_currentOnlyCued) {
            play(*current);
            return;
        }
        const Station again = *current;
        playWhereChosen(again);
        return;
    }
    const auto list = listOfTheMoment();
    if (!list.empty()) {
        play(*list.front());
    }
}

void PlaybackSession::pause()
{
    const Batch batch(*this);
    m_pending.pauseAsked = true;
    // A pause by hand says the person has stopped listening: the timer has nothing left to do.
    m_sleepTimer.cancel();
    if (!onOutput() && m_player.isPlaying() && m_recorder.pauseLive()) {
        if (m_pausedLiveEnd) {
            m_pausedLiveEnd->cancel();
        }
        m_pausedLiveEnd = m_queue.postAfter(m_recorder.keptLength(), [this, alive = std::weak_ptr<int>(m_lifetime)] {
            if (alive.lock() && m_recorder.isPausedLive()) {
                const Batch later(*this);
                pauseHere();
            }
        });
        return;
    }
    pauseWhereChosen();
}

void PlaybackSession::pauseIfActive()
{
    if (isPlaybackActive()) {
        pause();
        return;
    }
    const Batch batch(*this);
    m_pending.pauseAsked = true;
}

void PlaybackSession::playPause()
{
    if (isPlaybackActive()) {
        pause();
    } else {
        playSelected();
    }
}

void PlaybackSession::playNext()
{
    if (const auto station = stationBeside(1)) {
        play(*station);
    }
}

void PlaybackSession::playPrevious()
{
    if (const auto station = stationBeside(-1)) {
        play(*station);
    }
}

void PlaybackSession::shuffle()
{
    const auto list = listOfTheMoment();
    if (list.empty()) {
        return;
    }
    std::uniform_int_distribution<std::size_t> pick(0, list.size() - 1);
    play(*list[pick(m_random)]);
}

void PlaybackSession::takeUp(const Station& station, bool playNow)
{
    const Batch batch(*this);
    if (currentStation()) {
        return;
    }
    if (playNow) {
        playWhereChosen(station);
    } else {
        m_player.cue(station);
        m_currentOnlyCued = m_player.currentStation().has_value();
    }
}

void PlaybackSession::updateCurrentStation(const Station& station)
{
    const Batch batch(*this);
    m_player.updateCurrentStation(station);
}

std::optional<Station> PlaybackSession::stationBeside(int step) const
{
    const auto list = listOfTheMoment();
    if (list.empty()) {
        return std::nullopt;
    }
    const auto& current = currentStation();
    const auto at = current
        ? std::ranges::find_if(list, [&current](const Station* station) { return station->id() == current->id(); })
        : list.end();
    if (at == list.end()) {
        return step > 0 ? *list.front() : *list.back();
    }
    const auto index = static_cast<std::size_t>(at - list.begin());
    return *list[(index + (step > 0 ? 1 : list.size() - 1)) % list.size()];
}

void PlaybackSession::restOn(const Station& station)
{
    m_restStep = 0;
    openEarly(station);
}

void PlaybackSession::restOnNext()
{
    restBeside(1);
}

void PlaybackSession::restOnPrevious()
{
    restBeside(-1);
}

void PlaybackSession::restBeside(int step)
{
    m_restStep = step;
    if (const auto station = stationBeside(step)) {
        openEarly(*station);
    }
}

void PlaybackSession::endRest()
{
    m_restStep = 0;
    m_player.endRest();
}

void PlaybackSession::setNetworkMetered(bool metered)
{
    m_networkMetered = metered;
    if (metered) {
        m_player.closeIntent();
    }
}

void PlaybackSession::openEarly(const Station& station)
{
    // An output fetches the stream itself: a stream opened here would be for nothing.
    if (m_networkMetered || onOutput() || !isOn(m_preferences, PreferenceKey::openStationsEarly)) {
        m_player.endRest();
        return;
    }
    m_player.restOn(station);
}

double PlaybackSession::volume() const
{
    return onOutput() ? m_outputs->casting().volume() : m_volume;
}

bool PlaybackSession::isMuted() const
{
    return onOutput() ? m_outputs->casting().isMuted() : m_player.isMuted();
}

void PlaybackSession::setVolume(double volume)
{
    if (std::isnan(volume)) {
        return;
    }
    const double level = std::clamp(volume, 0.0, 1.0);
    if (level == this->volume()) {
        return;
    }
    const Batch batch(*this);
    if (onOutput()) {
        // The output's own loudness: this computer's stays as the person left it.
        m_outputs->casting().setVolume(level);
        setMuted(false);
        return;
    }
    m_volume = level;
    applyVolume();
    m_preferences.setNumber(PreferenceKey::volume.key, level);
    // Moving the volume is a wish to hear something: it lifts the mute, as desktop mixers do.
    setMuted(false);
}

void PlaybackSession::setMuted(bool muted)
{
    if (muted == isMuted()) {
        return;
    }
    const Batch batch(*this);
    if (onOutput()) {
        m_outputs->casting().setMuted(muted);
        return;
    }
    m_player.setMuted(muted);
    m_preferences.setFlag(PreferenceKey::muted.key, muted);
}

void PlaybackSession::changeVolume(int steps)
{
    // Rounded to whole percent, so repeated steps land on 0 and 1 exactly.
    setVolume(std::round((volume() + steps * volumeStep) * 100) / 100);
}

void PlaybackSession::toggleMute()
{
    setMuted(!isMuted());
}

void PlaybackSession::applyVolume()
{
    m_player.setVolume(m_volumeOverride.value_or(m_volume * m_volumeShare));
}

void PlaybackSession::overrideVolume(std::optional<double> volume)
{
    m_volumeOverride = volume;
    applyVolume();
}

void PlaybackSession::setSleepTimer(SleepChoice choice)
{
    const Batch batch(*this);
    m_sleepTimer.choose(choice, streamTitle());
}

void PlaybackSession::setRecordingPlaces(RecordingPlaces places)
{
    m_recorder.setPlaces(std::move(places));
}

void PlaybackSession::toggleRecording()
{
    const Batch batch(*this);
    if (m_recorder.status().recording) {
        m_recorder.stop();
    } else if (const auto& current = m_player.currentStation()) {
        m_recorder.start(*current, m_player.mediaPlayer());
    }
}

std::optional<Text> PlaybackSession::keepSongsIn(DocumentStore& documents, SongHistory::Clock clock)
{
    const Batch batch(*this);
    m_songs = std::make_unique<SongHistory>(documents, m_queue, std::move(clock));
    m_lastSongHeard = {};
    m_pending.songsReplaced = true;
    return m_songs->restore();
}

const std::deque<SongHistory::Entry>& PlaybackSession::songsHeard() const
{
    static const std::deque<SongHistory::Entry> none;
    return m_songs ? m_songs->entries() : none;
}

void PlaybackSession::clearSongs()
{
    if (!m_songs) {
        return;
    }
    const Batch batch(*this);
    m_songs->clear();
    m_pending.songsReplaced = true;
}

void PlaybackSession::noteSongHeard()
{
    const auto& current = currentStation();
    if (!m_songs || !current) {
        return;
    }
    std::pair<std::string, std::string> heard {current->id(), streamTitle()};
    if (heard == m_lastSongHeard) {
        return;
    }
    m_lastSongHeard = std::move(heard);
    if (m_songs->record(m_lastSongHeard.first, current->displayName(), m_lastSongHeard.second)) {
        m_pending.songHeard = true;
    }
}

PlaybackSession::Seen PlaybackSession::seenNow() const
{
    return {currentStation(), playbackState(), streamTitle(), streamDetails(), volume(), isMuted(),
        m_sleepTimer.choice(), m_sleepTimer.label(), outputs(), output(), m_recorder.status(), m_recorder.timeShift(),
        m_recorder.saveNotice()};
}

void PlaybackSession::announce()
{
    // A listener's own operations are told after the change it hears, never inside it.
    if (m_announcing) {
        return;
    }
    m_announcing = true;
    for (;;) {
        m_recorder.follow(m_player.currentStation(), m_player.mediaPlayer());
        m_recorder.followHeard();
        noteSongHeard();
        Seen now = seenNow();
        SessionChanges changes = std::exchange(m_pending, {});
        changes.state = now.state != m_seen.state;
        changes.station = now.station != m_seen.station;
        changes.song = now.song != m_seen.song;
        changes.streamDetails = now.details != m_seen.details;
        changes.volume = now.volume != m_seen.volume || now.muted != m_seen.muted;
        changes.sleepTimer = now.sleepTimer != m_seen.sleepTimer || now.sleepLabel != m_seen.sleepLabel;
        changes.outputs = now.outputs != m_seen.outputs || now.output != m_seen.output;
        changes.recording = now.recording != m_seen.recording;
        changes.timeShift = now.timeShift != m_seen.timeShift;
        changes.songSaved = now.saveNotice != m_seen.saveNotice;
        m_seen = std::move(now);
        if (!changes.any()) {
            break;
        }
        m_listeners.notify(changes);
    }
    m_announcing = false;
}

std::optional<Error> PlaybackSession::findOutputs(OutputDiscovery& discovery)
{
    if (m_outputs) {
        return std::nullopt;
    }
    m_outputs = std::make_unique<SessionOutputs>(discovery, m_preferences, m_http, m_queue,
        SessionOutputs::Hooks {.changed =
                                   [this] {
                                       const Batch batch(*this);
                                       m_sleepTimer.followSong(streamTitle());
                                   },
            .playingHere = [this] { return isActive(m_player.playbackState().phase); }});
    return m_outputs->start();
}

const std::vector<OutputInfo>& PlaybackSession::outputs() const
{
    static const std::vector<OutputInfo> none;
    return m_outputs ? m_outputs->outputs() : none;
}

std::optional<OutputInfo> PlaybackSession::output() const
{
    return m_outputs ? m_outputs->chosen() : std::nullopt;
}

bool PlaybackSession::onOutput() const
{
    return m_outputs && m_outputs->chosen();
}

bool PlaybackSession::chooseOutput(const std::string& id)
{
    if (!m_outputs || (m_outputs->chosen() ? m_outputs->chosen()->id : std::string()) == id) {
        return m_outputs || id.empty();
    }
    const Batch batch(*this);
    const std::optional<Station> station = currentStation();
    const bool playing = isPlaybackActive();
    if (!m_outputs->casting().choose(id)) {
        return false;
    }
    if (!id.empty()) {
        pauseHere();
        m_player.endRest();
    }
    if (!station) {
        return true;
    }
    if (playing) {
        playWhereChosen(*station);
    } else if (m_outputs->holds() || currentStation() != station) {
        // Nothing plays: the station stays, paused, where it now would play.
        m_outputs->hold(*station, {});
    }
    return true;
}

void PlaybackSession::playWhereChosen(const Station& station)
{
    if (m_outputs) {
        m_outputs->dropHeld();
        if (m_outputs->chosen()) {
            m_outputs->casting().play(station, station.codec().value_or(std::string_view()));
            return;
        }
    }
    if (m_recorder.isPausedLive()) {
        m_pausedLiveEnd->cancel();
        if (currentStation() && currentStation()->id() == station.id()) {
            m_recorder.play();
            return;
        }
        m_recorder.goLive();
    }
    m_player.play(station);
}

void PlaybackSession::pauseWhereChosen()
{
    if (onOutput()) {
        m_outputs->casting().pause();
    }
    pauseHere();
}

void PlaybackSession::pauseHere()
{
    m_recorder.goLive();
    m_player.pause();
}

} // namespace Vello
