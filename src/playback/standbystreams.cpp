#include "standbystreams.h"

#include "playback/streamfailure.h"
#include "playback/streamtitle.h"
#include "ports/mainqueue.h"

#include <utility>
#include <variant>

namespace Vello {

StandbyStreams::StandbyStreams(MediaBackend& backend, MainQueue& queue, HttpClient& http)
    : m_backend(backend)
    , m_queue(queue)
    , m_http(http)
{
}

StandbyStreams::~StandbyStreams()
{
    cancel(m_restTimer);
    close(m_intent);
    close(m_warm);
}

void StandbyStreams::restOn(const Station& station, const std::string& address, bool playlist)
{
    cancel(m_restTimer);
    if (m_intent.stream && m_intent.stream->station == station) {
        // Back on it before it closed: it stays until its lifetime is over.
        cancel(m_leaveTimer);
        return;
    }
    if (m_warm.stream && m_warm.stream->station == station) {
        return;
    }
    m_restTimer = m_queue.postAfter(restBeforeOpening, [this, station, address, playlist] {
        m_restTimer.reset();
        open(station, address, playlist);
    });
}

void StandbyStreams::endRest()
{
    cancel(m_restTimer);
    if (m_intent.stream && !m_leaveTimer) {
        m_leaveTimer = closeLater(m_intent, intentAfterRest);
    }
}

void StandbyStreams::closeIntent()
{
    cancel(m_restTimer);
    close(m_intent);
}

void StandbyStreams::keepWarm(Stream stream)
{
    close(m_warm);
    if (!stream.player) {
        return;
    }
    std::unique_ptr<MediaPlayer> player = std::move(stream.player);
    m_warm.stream = std::make_unique<Stream>(std::move(stream));
    m_warm.lifetime = closeLater(m_warm, warmLifetime);
    hold(m_warm, std::move(player));
}

std::optional<StandbyStreams::Stream> StandbyStreams::take(const Station& station)
{
    cancel(m_restTimer);
    for (Slot* slot : {&m_intent, &m_warm}) {
        if (!slot->stream || slot->stream->station != station) {
            continue;
        }
        if (!slot->stream->player) {
            close(*slot);
            continue;
        }
        Stream taken = std::move(*slot->stream);
        close(*slot);
        return taken;
    }
    return std::nullopt;
}

void StandbyStreams::open(const Station& station, const std::string& address, bool playlist)
{
    close(m_intent);
    m_intent.stream = std::make_unique<Stream>();
    m_intent.stream->station = station;
    m_intent.stream->resolver = std::make_unique<PlaylistResolver>(m_http, m_queue, address, playlist);
    m_intent.lifetime = closeLater(m_intent, intentLifetime);
    // Only the first address is tried: a stream that fails here is left for the click to open
    // afresh, with its failures shown.
    m_intent.stream->resolver->next([this](const PlaylistResolver::Answer& answer) {
        const auto* found = std::get_if<std::string>(&answer);
        std::unique_ptr<MediaPlayer> player = found != nullptr ? m_backend.createPlayer(*found) : nullptr;
        if (player) {
            hold(m_intent, std::move(player));
        } else {
            close(m_intent);
        }
    });
}

void StandbyStreams::hold(Slot& slot, std::unique_ptr<MediaPlayer> player)
{
    // Its events reach only this slot while it is held here; play() hands it a handler of its own.
    player->setEventHandler([this, &slot](const MediaEvent& event) { heard(slot, event); });
    // Muted before it is paused: a player that was playing goes quiet on its next buffer, and a
    // paused one renders nothing until it plays.
    player->setMuted(true);
    player->setWaitsForBuffering(true);
    player->pause();
    slot.stream->player = std::move(player);
}

void StandbyStreams::heard(Slot& slot, const MediaEvent& event)
{
    Stream& stream = *slot.stream;
    if (endsStream(event)) {
        close(slot);
    } else if (const auto* tags = std::get_if<MediaTags>(&event)) {
        takeInTags(*tags,
            {stream.station.displayName(), stream.station.url().value_or(""),
                stream.station.url_resolved().value_or("")},
            stream.title, stream.details);
    } else if (const auto* buffering = std::get_if<MediaBuffering>(&event)) {
        stream.bufferingPercent = buffering->percent;
    }
}

void StandbyStreams::close(Slot& slot)
{
    cancel(slot.lifetime);
    if (&slot == &m_intent) {
        cancel(m_leaveTimer);
    }
    slot.stream.reset();
}

std::shared_ptr<Cancellable> StandbyStreams::closeLater(Slot& slot, std::chrono::milliseconds delay)
{
    return m_queue.postAfter(delay, [this, &slot] { close(slot); });
}

void StandbyStreams::cancel(std::shared_ptr<Cancellable>& timer)
{
    if (timer) {
        timer->cancel();
        timer.reset();
    }
}

} // namespace Vello
