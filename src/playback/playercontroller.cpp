#include "playercontroller.h"

#include "playback/playlist.h"
#include "playback/streamaddress.h"
#include "playback/streamfailure.h"
#include "playback/streamtitle.h"

#include <algorithm>
#include <utility>

namespace Vello {
namespace {

// Reports once, at the end of a public operation, however many changes it made.
class OperationScope final {
public:
    explicit OperationScope(bool& flag)
        : m_flag(flag)
        , m_outer(flag)
    {
        m_flag = true;
    }
    ~OperationScope() { m_flag = m_outer; }

    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    bool& m_flag;
    bool m_outer;
};

// What the player says when a server sends text it cannot decode: maybe a playlist whose
// address does not say so.
bool isNotAudio(const MediaEvent& event)
{
    const auto* error = std::get_if<MediaError>(&event);
    return error != nullptr && error->domain == MediaErrorDomain::Stream
        && (error->code == MediaErrorCode::streamTypeNotFound || error->code == MediaErrorCode::streamWrongType);
}

} // namespace

PlayerController::PlayerController(MediaBackend& backend, MainQueue& queue, HttpClient& http)
    : m_backend(backend)
    , m_queue(queue)
    , m_http(http)
    , m_machine(
          queue, [this] { open(); }, [this] { machineChanged(); })
    , m_standby(backend, queue, http)
{
}

PlayerController::~PlayerController() = default;

void PlayerController::cue(const Station& station)
{
    const std::optional<std::string> address = station.radioURL();
    if (!m_currentStation && address && encodedStreamAddress(*address)) {
        m_currentStation = station;
    }
}

void PlayerController::play(const Station& station)
{
    const std::optional<std::string> address = station.radioURL();
    const std::optional<std::string> encoded = address ? encodedStreamAddress(*address) : std::nullopt;
    if (!encoded) {
        return;
    }
    const bool playlist = mightBePlaylistAddress(*encoded);
    std::optional<StandbyStreams::Stream> ready = m_standby.take(station);
    std::unique_ptr<MediaPlayer> player = ready ? std::move(ready->player) : nullptr;
    if (!player && !playlist) {
        player = m_backend.createPlayer(*encoded);
        if (!player) {
            // The back end applies its own, stricter reading of the address; a refusal there is
            // the same as an address that does not parse.
            return;
        }
    }
    const OperationScope scope(m_inOperation);
    if (m_currentStation != station) {
        keepWarm();
        m_streamTitle.clear();
    }
    m_streamDetails = {};
    m_currentStation = station;
    m_address = *encoded;
    m_readAsPlaylist = playlist;
    m_machine.start();
    // The back end's players silence themselves when destroyed or held in standby, so replacing
    // the old one here keeps at most one stream audible.
    if (ready) {
        m_resolver = std::move(ready->resolver);
        releasePlayer();
        attach(std::move(player));
        // What the stream said while it waited.
        m_streamTitle = ready->title.empty() ? m_streamTitle : ready->title;
        m_streamDetails = ready->details;
        if (ready->bufferingPercent) {
            m_machine.handle(MediaBuffering {*ready->bufferingPercent});
        }
        notify();
        return;
    }
    m_resolver = std::make_unique<PlaylistResolver>(m_http, m_queue, m_address, m_readAsPlaylist);
    if (player) {
        m_resolver->next([](const PlaylistResolver::Answer&) {}); // the address itself, taken here
        m_openedAddress = m_address;
        releasePlayer();
        attach(std::move(player));
    } else {
        releasePlayer();
        openNext();
    }
    notify();
}

void PlayerController::updateCurrentStation(const Station& station)
{
    if (!m_currentStation || m_currentStation->id() != station.id()) {
        return;
    }
    m_currentStation = station;
    notify();
}

void PlayerController::restOn(const Station& station)
{
    const std::optional<std::string> address = station.radioURL();
    const std::optional<std::string> encoded = address ? encodedStreamAddress(*address) : std::nullopt;
    if (!encoded || station == m_currentStation) {
        m_standby.endRest();
        return;
    }
    m_standby.restOn(station, *encoded, mightBePlaylistAddress(*encoded));
}

void PlayerController::endRest()
{
    m_standby.endRest();
}

void PlayerController::closeIntent()
{
    m_standby.closeIntent();
}

void PlayerController::pause()
{
    const OperationScope scope(m_inOperation);
    if (m_player) {
        m_player->pause();
    } else {
        // A playlist still downloading must not start a player once it arrives.
        m_resolver.reset();
    }
    m_machine.pause();
    notify();
}

bool PlayerController::isPlaying() const
{
    return m_player && m_player->activity() == PlayerActivity::Playing;
}

const std::optional<Station>& PlayerController::currentStation() const
{
    return m_currentStation;
}

const PlaybackState& PlayerController::playbackState() const
{
    return m_machine.state();
}

const std::string& PlayerController::streamTitle() const
{
    return m_streamTitle;
}

const MediaStreamDetails& PlayerController::streamDetails() const
{
    return m_streamDetails;
}

void PlayerController::setVolume(double volume)
{
    volume = std::clamp(volume, 0.0, 1.0);
    if (volume == m_volume) {
        return;
    }
    m_volume = volume;
    if (m_player) {
        m_player->setVolume(volume);
    }
    notify();
}

void PlayerController::setMuted(bool muted)
{
    if (muted == m_muted) {
        return;
    }
    m_muted = muted;
    if (m_player) {
        m_player->setMuted(muted);
    }
    notify();
}

double PlayerController::volume() const
{
    return m_volume;
}

bool PlayerController::isMuted() const
{
    return m_muted;
}

void PlayerController::setOnStateChange(std::function<void()> onStateChange)
{
    m_onStateChange = std::move(onStateChange);
}

MediaPlayer* PlayerController::mediaPlayer() const
{
    return m_player.get();
}

void PlayerController::setOnPlayerReleased(std::function<void()> onPlayerReleased)
{
    m_onPlayerReleased = std::move(onPlayerReleased);
}

void PlayerController::releasePlayer()
{
    if (m_player && m_onPlayerReleased) {
        m_onPlayerReleased();
    }
    m_player.reset();
}

void PlayerController::open()
{
    releasePlayer();
    m_resolver = std::make_unique<PlaylistResolver>(m_http, m_queue, m_address, m_readAsPlaylist);
    openNext();
}

void PlayerController::openNext(std::optional<MediaEvent> lastFailure)
{
    m_resolver->next([this, lastFailure = std::move(lastFailure)](PlaylistResolver::Answer answer) {
        if (const auto* address = std::get_if<std::string>(&answer)) {
            if (std::unique_ptr<MediaPlayer> player = m_backend.createPlayer(*address)) {
                m_openedAddress = *address;
                releasePlayer();
                attach(std::move(player));
            } else {
                openNext(lastFailure);
            }
            return;
        }
        // Nothing left to try: the last stream's own failure says most, if there was one.
        releasePlayer();
        if (lastFailure) {
            m_machine.handle(*lastFailure);
        } else {
            m_machine.fail({std::get<Error>(answer).description, false});
        }
    });
}

void PlayerController::attach(std::unique_ptr<MediaPlayer> player)
{
    m_player = std::move(player);
    m_attemptPlayed = false;
    m_streamDetails = {};
    m_player->setEventHandler([this](const MediaEvent& event) { handle(event); });
    m_player->setVolume(m_volume);
    m_player->setMuted(m_muted);
    m_player->setWaitsForBuffering(true);
    m_player->play();
}

void PlayerController::keepWarm()
{
    const PlaybackPhase phase = m_machine.state().phase;
    if (m_player && m_currentStation && m_attemptPlayed
        && (phase == PlaybackPhase::Playing || phase == PlaybackPhase::Buffering || phase == PlaybackPhase::Paused)) {
        if (m_onPlayerReleased) {
            m_onPlayerReleased();
        }
        m_standby.keepWarm(
            {*m_currentStation, std::move(m_resolver), std::move(m_player), m_streamTitle, m_streamDetails, {}});
    }
}

void PlayerController::handle(const MediaEvent& event)
{
    if (const auto* tags = std::get_if<MediaTags>(&event)) {
        // A placeholder is no title: like tags that name no song, it leaves the last one.
        if (takeInTags(*tags,
                {m_currentStation->displayName(), m_currentStation->url().value_or(""),
                    m_currentStation->url_resolved().value_or(""), m_address, m_openedAddress},
                m_streamTitle, m_streamDetails)) {
            notify();
        }
        return;
    }
    if (const auto* changed = std::get_if<MediaStateChanged>(&event);
        changed != nullptr && changed->state == MediaPipelineState::Playing) {
        m_attemptPlayed = true;
    }
    const bool paused = m_machine.state().phase == PlaybackPhase::Paused;
    if (endsStream(event) && !m_attemptPlayed && !paused) {
        if (isNotAudio(event) && !m_readAsPlaylist) {
            // A playlist behind an address that does not look like one.
            m_readAsPlaylist = true;
            m_resolver = std::make_unique<PlaylistResolver>(m_http, m_queue, m_address, true);
        }
        // The next entry of the playlist, if there is one, before any retry.
        openNext(event);
        return;
    }
    m_machine.handle(event);
}

void PlayerController::machineChanged()
{
    if (!m_inOperation) {
        notify();
    }
}

void PlayerController::notify() const
{
    if (m_onStateChange) {
        // A copy, so a callback that replaces itself does not destroy the code it runs.
        const std::function<void()> callback = m_onStateChange;
        callback();
    }
}

} // namespace Vello
