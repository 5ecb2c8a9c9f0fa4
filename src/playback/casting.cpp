#include "casting.h"

#include "playback/playlist.h"
#include "playback/streamaddress.h"
#include "playback/streamtitle.h"

#include "catalog/textrules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace Vello {
namespace {

struct MimeName {
    std::string_view name;
    std::string_view mimeType;
};

// Looked for in this order, in the lower-cased codec: "aac+" before "aac".
constexpr std::array codecTypes {
    MimeName {"mp3", "audio/mpeg"},
    MimeName {"mpeg-1 layer 3", "audio/mpeg"},
    MimeName {"aac+", "audio/aacp"},
    MimeName {"he-aac", "audio/aacp"},
    MimeName {"aac", "audio/aac"},
    MimeName {"vorbis", "audio/ogg"},
    MimeName {"ogg", "audio/ogg"},
    MimeName {"opus", "audio/ogg"},
    MimeName {"flac", "audio/flac"},
};

constexpr std::array extensionTypes {
    MimeName {".mp3", "audio/mpeg"},
    MimeName {".aac", "audio/aac"},
    MimeName {".ogg", "audio/ogg"},
    MimeName {".oga", "audio/ogg"},
    MimeName {".opus", "audio/ogg"},
    MimeName {".flac", "audio/flac"},
    MimeName {".m3u8", "application/vnd.apple.mpegurl"},
};

} // namespace

std::optional<PlaybackPhase> castPhase(OutputTransport reported, bool wantPlaying, bool started)
{
    switch (reported) {
    case OutputTransport::Playing:
        return PlaybackPhase::Playing;
    case OutputTransport::Starting:
        return PlaybackPhase::Connecting;
    case OutputTransport::Paused:
        return PlaybackPhase::Paused;
    case OutputTransport::Stopped:
        break;
    }
    if (!wantPlaying) {
        return PlaybackPhase::Paused;
    }
    // Before it has started, a stop is what it said before it took Play.
    return started ? std::nullopt : std::optional(PlaybackPhase::Connecting);
}

std::string castMimeType(std::string_view codec, std::string_view address)
{
    const std::string lowered = lowercased(codec);
    for (const auto& [name, mimeType] : codecTypes) {
        if (lowered.find(name) != std::string::npos) {
            return std::string(mimeType);
        }
    }
    const std::string path = lowercased(address.substr(0, address.find_first_of("?#")));
    for (const auto& [extension, mimeType] : extensionTypes) {
        if (path.ends_with(extension)) {
            return std::string(mimeType);
        }
    }
    return {};
}

Casting::Casting(OutputList& outputs, HttpClient& http, MainQueue& queue, Hooks hooks)
    : m_outputs(outputs)
    , m_http(http)
    , m_queue(queue)
    , m_hooks(std::move(hooks))
    , m_subscription(outputs.subscribe([this](const OutputDiscoveryEvent& event) { outputsChanged(event); }))
{
}

Casting::~Casting()
{
    if (m_deadline) {
        m_deadline->cancel();
    }
}

bool Casting::choose(const std::string& id)
{
    if (id.empty()) {
        m_choiceMade = true;
        m_outputs.remember(id);
        if (m_output) {
            release();
            m_hooks.changed();
        }
        return true;
    }
    const OutputInfo* found = m_outputs.find(id);
    const bool chosenAlready = m_output && m_output->id == id;
    std::unique_ptr<Output> control = found != nullptr && !chosenAlready ? m_outputs.open(id) : nullptr;
    if (!control && !chosenAlready) {
        return false;
    }
    m_outputs.remember(id);
    if (control) {
        take(*found, std::move(control));
    }
    return true;
}

void Casting::take(const OutputInfo& output, std::unique_ptr<Output> control)
{
    release();
    m_choiceMade = true;
    m_output = output;
    m_control = std::move(control);
    m_control->setEventHandler([this](const OutputEvent& event) { handle(event); });
    m_hooks.changed();
}

void Casting::release()
{
    ++m_attempt;
    if (m_deadline) {
        m_deadline->cancel();
    }
    m_resolver.reset();
    if (m_control && m_station) {
        m_control->stop([](const std::optional<OutputFailure>&) {});
    }
    // Its answers still on their way are dropped with it.
    m_control.reset();
    m_output.reset();
    m_station.reset();
    m_streamSet = false;
    m_wantPlaying = false;
    m_volumeSending = false;
    m_volumeWaiting = false;
    m_state = {};
    m_streamTitle.clear();
}

void Casting::play(const Station& station, std::string_view codec)
{
    const std::optional<std::string> address = station.radioURL();
    const std::optional<std::string> encoded = address ? encodedStreamAddress(*address) : std::nullopt;
    if (!m_control || !encoded) {
        return;
    }
    ++m_attempt;
    m_wantPlaying = true;
    m_started = false;
    if (m_streamSet && m_station && m_station->id() == station.id()) {
        sendPlay();
        return;
    }
    m_station = station;
    m_streamSet = false;
    m_streamTitle.clear();
    m_codec = std::string(codec);
    setPhase(PlaybackPhase::Connecting);
    m_resolver = std::make_unique<PlaylistResolver>(m_http, m_queue, *encoded, mightBePlaylistAddress(*encoded));
    resolveNext();
}

void Casting::resolveNext()
{
    m_resolver->next([this, attempt = m_attempt](PlaylistResolver::Answer found) {
        if (attempt != m_attempt) {
            return;
        }
        if (const Error* error = std::get_if<Error>(&found)) {
            returnHere(error->description);
        } else if (const std::optional<std::string> stream = encodedStreamAddress(std::get<std::string>(found))) {
            setStream(*stream);
        } else {
            // A playlist may list local files, which no output should be sent to.
            resolveNext();
        }
    });
}

void Casting::setStream(const std::string& address)
{
    // The output fetches the logo itself: only from the web, as it would a stream.
    const std::string logo(m_station->favicon().value_or(""));
    m_mimeType = castMimeType(m_codec, address);
    const OutputStream stream {
        address, m_station->displayName(), isPlayableStreamAddress(logo) ? logo : "", m_mimeType};
    arm(actionDeadline, VELLO_TR("Core", "It did not answer in time."));
    m_control->setStream(stream, step([this] {
        m_streamSet = true;
        sendPlay();
    }));
}

void Casting::sendPlay()
{
    arm(actionDeadline, VELLO_TR("Core", "It did not answer in time."));
    m_control->play(step([this] { arm(startDeadline, VELLO_TR("Core", "It did not start playing in time.")); }));
}

void Casting::pause()
{
    if (!m_control || !m_station) {
        return;
    }
    ++m_attempt;
    m_wantPlaying = false;
    if (!m_streamSet) {
        // Still reading the playlist or setting the stream: nothing plays there yet.
        m_resolver.reset();
        if (m_deadline) {
            m_deadline->cancel();
        }
        setPhase(PlaybackPhase::Paused);
        return;
    }
    arm(actionDeadline, VELLO_TR("Core", "It did not answer in time."));
    const int attempt = m_attempt;
    Output::Done stopped = step([] {});
    m_control->pause([this, attempt, stopped, paused = step([] {})](std::optional<OutputFailure> failure) {
        if (attempt == m_attempt && failure && failure->kind == OutputFailure::Kind::Refused) {
            m_control->stop(stopped);
        } else {
            paused(std::move(failure));
        }
    });
}

Output::Done Casting::step(std::function<void()> then)
{
    return [this, attempt = m_attempt, then = std::move(then)](std::optional<OutputFailure> failure) {
        if (attempt != m_attempt) {
            return;
        }
        if (m_deadline) {
            m_deadline->cancel();
        }
        if (failure) {
            fail(*failure);
        } else {
            then();
        }
    };
}

void Casting::arm(std::chrono::milliseconds delay, Text reason)
{
    if (m_deadline) {
        m_deadline->cancel();
    }
    m_deadline = m_queue.postAfter(delay, [this, attempt = m_attempt, reason = std::move(reason)] {
        if (attempt == m_attempt) {
            returnHere(reason);
        }
    });
}

void Casting::fail(const OutputFailure& failure)
{
    const Text detail = Text::verbatim(failure.detail);
    switch (failure.kind) {
    case OutputFailure::Kind::UnsupportedType:
        returnHere(Text(VELLO_TR("Core", "It cannot play this kind of stream (%1)."),
            {Text::verbatim(m_mimeType.empty() ? failure.detail : m_mimeType)}));
        break;
    case OutputFailure::Kind::Refused:
        returnHere(Text(VELLO_TR("Core", "It refused: %1"), {detail}));
        break;
    case OutputFailure::Kind::NoAnswer:
        returnHere(Text(VELLO_TR("Core", "It could not be reached: %1"), {detail}));
        break;
    }
}

void Casting::returnHere(Text reason)
{
    const std::string name = m_output ? m_output->name : std::string();
    const std::optional<Station> station = m_station;
    release();
    if (station) {
        m_hooks.returned(*station,
            Text(VELLO_TR("Core", "%1 stopped playing the station: %2"), {Text::verbatim(name), std::move(reason)}));
    }
    m_hooks.changed();
}

void Casting::outputsChanged(const OutputDiscoveryEvent& event)
{
    if (const auto* lost = std::get_if<OutputLost>(&event)) {
        if (m_output && m_output->id == lost->id) {
            returnHere(VELLO_TR("Core", "It is no longer on the network."));
        }
        return;
    }
    const OutputInfo& found = std::get<OutputFound>(event).output;
    if (m_output && m_output->id == found.id) {
        m_output->name = found.name;
        m_hooks.changed();
    } else if (!m_choiceMade && found.id == m_outputs.remembered() && !m_hooks.playingHere()) {
        if (std::unique_ptr<Output> control = m_outputs.open(found.id)) {
            take(found, std::move(control));
        }
    }
}

void Casting::handle(const OutputEvent& event)
{
    if (const auto* transport = std::get_if<OutputTransportChanged>(&event)) {
        if (!m_streamSet) {
            return; // what it played before
        }
        const bool starting
            = transport->transport == OutputTransport::Starting || transport->transport == OutputTransport::Playing;
        m_started = m_started || (m_wantPlaying && starting);
        const std::optional<PlaybackPhase> phase = castPhase(transport->transport, m_wantPlaying, m_started);
        if (!phase) {
            returnHere(VELLO_TR("Core", "It stopped on its own."));
            return;
        }
        if (*phase == PlaybackPhase::Playing && m_wantPlaying && m_deadline) {
            m_deadline->cancel();
        }
        setPhase(*phase);
    } else if (const auto* volume = std::get_if<OutputVolumeChanged>(&event)) {
        // While a wish is on its way or a fade runs, the person's loudness is what was asked.
        if (!m_volumeSending && m_volumeShare == 1.0 && volume->volume != m_volume) {
            m_volume = std::clamp(volume->volume, 0.0, 1.0);
            m_hooks.changed();
        }
    } else if (const auto* mute = std::get_if<OutputMuteChanged>(&event)) {
        if (mute->muted != m_muted) {
            m_muted = mute->muted;
            m_hooks.changed();
        }
    } else if (const auto* title = std::get_if<OutputTitleChanged>(&event)) {
        const std::string name = m_station ? m_station->displayName() : std::string();
        MediaTags tags;
        tags.title = title->title;
        std::string song = Vello::streamTitle(tags, {name});
        if (song != m_streamTitle) {
            m_streamTitle = std::move(song);
            m_hooks.changed();
        }
    } else if (m_streamSet) {
        returnHere(
            Text(VELLO_TR("Core", "It reported an error: %1"), {Text::verbatim(std::get<OutputFailed>(event).detail)}));
    }
}

void Casting::setVolume(double volume)
{
    m_volume = std::clamp(volume, 0.0, 1.0);
    sendVolume();
    m_hooks.changed();
}

void Casting::setVolumeShare(double share)
{
    m_volumeShare = std::clamp(share, 0.0, 1.0);
    sendVolume();
}

void Casting::sendVolume()
{
    if (!m_control) {
        return;
    }
    if (m_volumeSending) {
        m_volumeWaiting = true;
        return;
    }
    m_volumeSending = true;
    m_control->setVolume(m_volume * m_volumeShare, [this](const std::optional<OutputFailure>&) {
        // A refusal shows in the volume the output reports.
        m_volumeSending = false;
        if (std::exchange(m_volumeWaiting, false)) {
            sendVolume();
        }
    });
}

void Casting::setMuted(bool muted)
{
    m_muted = muted;
    if (m_control) {
        m_control->setMuted(muted, [](const std::optional<OutputFailure>&) {});
    }
    m_hooks.changed();
}

void Casting::setPhase(PlaybackPhase phase)
{
    if (m_state.phase != phase) {
        m_state = PlaybackState();
        m_state.phase = phase;
        m_hooks.changed();
    }
}

} // namespace Vello
