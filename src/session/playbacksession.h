#pragma once

#include "sessionoutputs.h"
#include "sessionrecorder.h"
#include "sleeptimer.h"
#include "songhistory.h"

#include "base/listeners.h"
#include "catalog/station.h"
#include "playback/playbackstate.h"
#include "playback/playercontroller.h"
#include "ports/mainqueue.h"
#include "ports/mediabackend.h"
#include "ports/output.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace Vello {

class DocumentStore;
class HttpClient;
class Preferences;

// What changed in the listening session since its listeners were last told.
struct SessionChanges final {
    // How playback goes: its phase, how full the buffer is, a retry's countdown, a failure.
    bool state = false;
    // Another station is current, or the current one was edited.
    bool station = false;
    // The song on the air.
    bool song = false;
    bool streamDetails = false;
    // The volume the person set, or the mute.
    bool volume = false;
    // The sleep timer's choice or its line ("Sleep in 23 min").
    bool sleepTimer = false;
    // A song was added to the songs heard: the first of songsHeard().
    bool songHeard = false;
    // The songs heard were read back or cleared.
    bool songsReplaced = false;
    // The list that Next, Previous and a random pick walk may read differently.
    bool list = false;
    // A pause was asked for (the window, the tray, the media controls), even one that found
    // nothing playing: whatever else sounds (an alarm's tone) stops on it too.
    bool pauseAsked = false;
    // The outputs found, or the one played on.
    bool outputs = false;
    // Recording started or stopped, or why it stopped.
    bool recording = false;
    // The stream became kept or no longer is, paused live, went behind live or back to it.
    bool timeShift = false;
    // A song saved was written, or could not be: recorder().saveNotice().
    bool songSaved = false;

    // Whether anything the now-playing views show changed.
    [[nodiscard]] bool nowPlaying() const;
    [[nodiscard]] bool any() const;

    friend bool operator==(const SessionChanges&, const SessionChanges&) = default;
};

// The listening session: the one station current and its transport, the volume and mute, the
// sleep timer, the songs heard, and the streams opened early while the pointer rests on what
// would play them. Any number of listeners follow it (the window, the desktop's media controls,
// the tray, the song notices, the idle lock): each public operation, and each report of the
// player, tells them once, at its end, everything it changed. GUI thread only.
class PlaybackSession final {
public:
    // The list that Next, Previous and a random pick walk: the list of the moment, worked out
    // afresh. The pointers need stay valid only until the call returns.
    using ListOfTheMoment = std::function<std::vector<const Station*>()>;
    // Told of a listen as it starts: a station chosen, not a resume or retry of the current one.
    using ListenStarted = std::function<void(const Station& station)>;

    // How far one press of the volume keys moves the volume.
    static constexpr double volumeStep = 0.05;

    // Takes up the volume and mute the preferences keep. Every port must outlive the session.
    PlaybackSession(MediaBackend& media, HttpClient& http, Preferences& preferences, MainQueue& queue);
    ~PlaybackSession();

    PlaybackSession(const PlaybackSession&) = delete;
    PlaybackSession& operator=(const PlaybackSession&) = delete;

    // Tells `listener` of every change from now on, until the subscription ends.
    [[nodiscard]] Subscription subscribe(Listeners<SessionChanges>::Listener listener);
    // Walks `list` from now on; without one, Next, Previous and a random pick do nothing.
    void setListOfTheMoment(ListOfTheMoment list);
    // The list walked may read differently now: the listeners are told.
    void listOfTheMomentChanged();
    // What remembers a listen (the recents) or counts it (the catalog's source) hears of each
    // one here, whether or not the station can play, before anything else is told.
    void setOnListenStarted(ListenStarted onListenStarted);

    [[nodiscard]] const std::optional<Station>& currentStation() const;
    [[nodiscard]] const PlaybackState& playbackState() const;
    // The song on the air, when the station says; empty otherwise.
    [[nodiscard]] const std::string& streamTitle() const;
    // What the stream is, as far as the player has said.
    [[nodiscard]] const MediaStreamDetails& streamDetails() const;
    // Whether a stream is playing or on its way: connecting, buffering or reconnecting.
    [[nodiscard]] bool isPlaybackActive() const;
    // The list walked, as it reads now; empty without one.
    [[nodiscard]] std::vector<const Station*> listOfTheMoment() const;

    // Plays `station`; unless it is the current one played again (a resume or retry), a listen
    // starts.
    void play(const Station& station);
    // Plays `station`, an address opened from outside, for this run only: no listen starts, so
    // it joins neither the recents nor the catalog source's count.
    void playForThisRun(const Station& station);
    // Restarts the current station, or plays the first of the list when none is current.
    void playSelected();
    void pause();
    // Pauses what is playing or on its way; with nothing on, the listeners still hear that a
    // pause was asked for, and nothing else changes.
    void pauseIfActive();
    // Pauses what is playing or on its way, and otherwise plays as playSelected() does.
    void playPause();
    void playNext();
    void playPrevious();
    // Plays a station of the list picked at random, the current one included.
    void shuffle();
    // While no station is current: makes `station`, the last one played, current again, playing
    // when `playNow` says so, or else ready for a Play that then starts a listen. Neither is a
    // listen itself: nobody chose it just now.
    void takeUp(const Station& station, bool playNow);
    // The current station's record was edited: it shows its new name and logo at once and plays
    // on. Any other station changes nothing.
    void updateCurrentStation(const Station& station);

    // The pointer or keyboard focus came to rest on the Play button of `station`, or on Next or
    // Previous (and stays there as they play), until endRest(). Unless the network is metered or
    // the preference says no, the station that a click would play is opened early, unheard.
    void restOn(const Station& station);
    void restOnNext();
    void restOnPrevious();
    void endRest();
    // Whether the network charges by the byte, as far as the platform can tell; nothing is
    // opened early while it does.
    void setNetworkMetered(bool metered);

    // The loudness the person set, on the cubic scale, 0 to 1, and whether it is muted. The
    // sleep timer's fade lowers what the player plays at, never this.
    [[nodiscard]] double volume() const;
    [[nodiscard]] bool isMuted() const;
    // Sets the volume, kept within 0 to 1, and remembers it; a change lifts the mute.
    void setVolume(double volume);
    void setMuted(bool muted);
    // The volume keys: up or down by `steps` times volumeStep, and mute or unmute.
    void changeVolume(int steps);
    void toggleMute();
    // While set, the player plays at `volume` (an alarm rising), whatever the person's volume
    // or the sleep timer's fade; theirs comes back when it is cleared. volume() stays theirs.
    void overrideVolume(std::optional<double> volume);

    // Starts the sleep timer afresh with `choice`, or stops it with Off (restoring the volume at
    // once if it was fading). Pausing by hand stops it too; a reconnect does not.
    void setSleepTimer(SleepChoice choice);
    [[nodiscard]] SleepChoice sleepTimer() const { return m_sleepTimer.choice(); }
    // "Sleep in 23 min" and the like; empty while the timer is off.
    [[nodiscard]] Text sleepLabel() const { return m_sleepTimer.label(); }

    // Plays on the outputs `discovery` finds, as the person chooses, from now on; the output
    // chosen last is taken again once found. Why it cannot look, when it cannot. Once only; the
    // discovery must outlive the session.
    [[nodiscard]] std::optional<Error> findOutputs(OutputDiscovery& discovery);
    // The outputs other than this computer, by name; empty until findOutputs().
    [[nodiscard]] const std::vector<OutputInfo>& outputs() const;
    // The output played on; nothing for this computer.
    [[nodiscard]] std::optional<OutputInfo> output() const;
    // Plays on the output found as `id` from now on, or on this computer for an empty `id`: the
    // station goes along, playing if it played. While an output is chosen, the transport, the
    // volume and the sleep timer act there, this computer stays silent and nothing opens early.
    // False, and nothing changed, when `id` is not found.
    bool chooseOutput(const std::string& id);
    // Where recordings go unless Preferences say otherwise, and where the stream is kept.
    void setRecordingPlaces(RecordingPlaces places);
    // Starts recording the current station, or stops the recording under way. Without a
    // current station it does nothing.
    void toggleRecording();
    [[nodiscard]] const RecordingStatus& recording() const { return m_recorder.status(); }
    // What is kept of the station playing: going live, moving in it, saving a song heard. A
    // pause by hand pauses live while the stream is kept (pause() and playSelected()).
    [[nodiscard]] SessionRecorder& recorder() { return m_recorder; }
    [[nodiscard]] const SessionRecorder& recorder() const { return m_recorder; }

    // Remembers the songs heard in `documents` from now on, starting from the list saved there,
    // each with the time `clock` tells. What the person is told, once, when the list could not
    // be read in full.
    [[nodiscard]] std::optional<Text> keepSongsIn(
        DocumentStore& documents, SongHistory::Clock clock = &std::chrono::system_clock::now);
    // The song titles the stations sent, newest first; empty until keepSongsIn().
    [[nodiscard]] const std::deque<SongHistory::Entry>& songsHeard() const;
    // Forgets every song heard, in memory and in the saved list.
    void clearSongs();

private:
    class Batch;

    // What the listeners were last told of, to tell them what changed since.
    struct Seen {
        std::optional<Station> station;
        PlaybackState state;
        std::string song;
        MediaStreamDetails details;
        double volume = 1.0;
        bool muted = false;
        SleepChoice sleepTimer;
        Text sleepLabel;
        std::vector<OutputInfo> outputs;
        std::optional<OutputInfo> output;
        RecordingStatus recording;
        TimeShift timeShift;
        SaveNotice saveNotice;
    };

    [[nodiscard]] Seen seenNow() const;
    // Tells the listeners what the operations just ended changed, until nothing more has.
    void announce();
    // Adds the current station's song to the songs heard when it is a new one.
    void noteSongHeard();
    // The station `step` (1 or -1) away from the current one in the list of the moment; the
    // list's first or last when none is current there.
    [[nodiscard]] std::optional<Station> stationBeside(int step) const;
    // The pointer or focus rests on Next (1) or Previous (-1).
    void restBeside(int step);
    // Opens `station` early when nothing forbids it.
    void openEarly(const Station& station);
    // Gives the player the person's volume, lowered while the sleep timer fades.
    void applyVolume();
    // Whether an output is chosen.
    [[nodiscard]] bool onOutput() const;
    // Plays `station` on the output chosen, or else here.
    void playWhereChosen(const Station& station);
    void pauseWhereChosen();
    // Pauses this computer's player, live.
    void pauseHere();

    Preferences& m_preferences;
    HttpClient& m_http;
    MainQueue& m_queue;
    PlayerController m_player;
    // The volume the person set, and the share of it the sleep timer's fade leaves.
    double m_volume = 1.0;
    double m_volumeShare = 1.0;
    std::optional<double> m_volumeOverride;
    SleepTimer m_sleepTimer;
    // Made from the player's stream: it goes before the player.
    SessionRecorder m_recorder;
    // Paused live for as long as the stream is kept: the place is gone, and the stream stops.
    std::shared_ptr<Cancellable> m_pausedLiveEnd;
    std::unique_ptr<SongHistory> m_songs;
    // The station and title last offered to the songs heard: the player reports the same title
    // with every change of state.
    std::pair<std::string, std::string> m_lastSongHeard;
    ListOfTheMoment m_list;
    ListenStarted m_onListenStarted;
    std::mt19937_64 m_random;
    // The current station was taken up at start and has not been played since: a Play starts
    // it as a new listen.
    bool m_currentOnlyCued = false;
    bool m_networkMetered = false;
    // 1 or -1 while the pointer or focus rests on Next or Previous, 0 otherwise.
    int m_restStep = 0;
    Listeners<SessionChanges> m_listeners;
    // Once outputs are looked for.
    std::unique_ptr<SessionOutputs> m_outputs;
    Seen m_seen;
    // Changes that seenNow() cannot tell, made since the listeners were last told.
    SessionChanges m_pending;
    // Operations under way; the listeners hear of them when the outermost ends.
    int m_operations = 0;
    bool m_announcing = false;
    // Callbacks that may outlive the session hold a weak copy and do nothing once it expires.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

} // namespace Vello
