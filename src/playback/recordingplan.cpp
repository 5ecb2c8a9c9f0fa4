#include "recordingplan.h"

#include "recordingnames.h"

namespace Vello {

RecordingPlan::RecordingPlan(std::string station, bool keepOnlyCompleteSongs, std::uint64_t minimumFreeBytes)
    : m_station(std::move(station))
    , m_keepOnlyCompleteSongs(keepOnlyCompleteSongs)
    , m_minimumFreeBytes(minimumFreeBytes)
{
}

std::string RecordingPlan::fileName(const RecordedSong& song, RecordedFormat format, int attempt) const
{
    return songFileName(song, m_station, format, attempt);
}

RecordedTags RecordingPlan::tags(const RecordedSong& song) const
{
    return songTags(song, m_station);
}

bool RecordingPlan::keeps(const RecordedPiece& piece) const
{
    return !m_keepOnlyCompleteSongs || (piece.startsAtTitleChange && piece.endsAtTitleChange);
}

bool RecordingPlan::hasRoom(std::uint64_t freeBytes) const
{
    return freeBytes >= m_minimumFreeBytes;
}

Text recorderFailureText(RecorderFailure failure)
{
    switch (failure) {
    case RecorderFailure::NoRoom:
        return VELLO_TR("Core", "Recording stopped: the disk is full or has less than 200 MB free.");
    case RecorderFailure::NotWritable:
        return VELLO_TR("Core", "Recording stopped: the folder cannot be written to.");
    case RecorderFailure::WriteFailed:
        return VELLO_TR("Core", "Recording stopped: the file could not be written.");
    case RecorderFailure::NotSavable:
        return VELLO_TR("Core", "This station cannot be recorded without re-encoding it, so nothing was recorded.");
    case RecorderFailure::NotKept:
        return VELLO_TR("Core", "This song is no longer kept.");
    }
    return {};
}

} // namespace Vello
