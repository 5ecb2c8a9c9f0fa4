#include "programmerecording.h"

#include "catalog/station.h"
#include "playback/playlist.h"
#include "playback/playlistresolver.h"
#include "playback/recordingnames.h"
#include "playback/recordingplan.h"
#include "playback/streamaddress.h"
#include "playback/streamfailure.h"
#include "ports/mainqueue.h"
#include "ports/mediabackend.h"

#include <chrono>
#include <utility>
#include <variant>

namespace Vello {

namespace {

// The recorder keeps little behind what it writes: nothing is saved after the fact here.
constexpr std::chrono::seconds keptLength {30};

} // namespace

ProgrammeRecording::ProgrammeRecording(Ports ports, const Station& station, Folders folders, FailureHandler failed)
    : m_ports(ports)
    , m_station(station.displayName())
    , m_folders(std::move(folders))
    , m_failed(std::move(failed))
{
    const auto address = encodedStreamAddress(station.radioURL().value_or(std::string()));
    if (!address) {
        m_ports.queue.post([alive = std::weak_ptr<int>(m_lifetime), this] {
            if (alive.lock()) {
                fail(VELLO_TR("Core", "The station has no address to play."));
            }
        });
        return;
    }
    m_resolver
        = std::make_unique<PlaylistResolver>(m_ports.http, m_ports.queue, *address, mightBePlaylistAddress(*address));
    openNext();
}

ProgrammeRecording::~ProgrammeRecording()
{
    m_lifetime.reset();
    if (m_recorder) {
        m_recorder->stopRecording();
    }
    m_recorder.reset();
    m_player.reset();
}

void ProgrammeRecording::openNext()
{
    m_recorder.reset();
    m_player.reset();
    m_resolver->next([alive = std::weak_ptr<int>(m_lifetime), this](const PlaylistResolver::Answer& answer) {
        if (!alive.lock()) {
            return;
        }
        if (const auto* error = std::get_if<Error>(&answer)) {
            fail(error->description);
            return;
        }
        m_player = m_ports.media.createPlayer(std::get<std::string>(answer));
        if (m_player) {
            m_recorder = m_player->createRecorder(m_folders.kept, keptLength);
        }
        if (!m_recorder) {
            fail(VELLO_TR("Core", "This station cannot be recorded here."));
            return;
        }
        // Heard nowhere: the window may be playing another station.
        m_player->setMuted(true);
        m_player->setEventHandler([this](const MediaEvent& event) {
            if (const auto* error = std::get_if<MediaError>(&event)) {
                fail(streamFailure(*error).reason);
            } else if (const auto* missing = std::get_if<MediaMissingPlugin>(&event)) {
                fail(streamFailure(*missing).reason);
            } else if (std::holds_alternative<MediaEndOfStream>(event)) {
                fail(streamEndedFailure().reason);
            }
        });
        m_recorder->setEventHandler([this](const RecorderEvent& event) {
            if (const auto* failure = std::get_if<RecorderFailed>(&event)) {
                fail(recorderFailureText(failure->failure));
            }
        });
        m_recorder->startRecording(stationFolder(m_folders.recordings, m_station),
            std::make_shared<RecordingPlan>(m_station, /*keepOnlyCompleteSongs=*/false));
        m_player->play();
    });
}

void ProgrammeRecording::fail(const Text& why)
{
    m_recorder.reset();
    m_player.reset();
    m_resolver.reset();
    if (const FailureHandler failed = m_failed) {
        failed(why);
    }
}

} // namespace Vello
