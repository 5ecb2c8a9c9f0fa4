#pragma once

#include "base/text.h"
#include "ports/recorder.h"

#include <cstdint>
#include <string>

namespace Vello {

// Recording stops when less than this is free where its files go.
inline constexpr std::uint64_t recordingMinimumFreeBytes = 200'000'000;

// The rules for the files of one station's recording or saved song: named and tagged after its
// songs (recordingnames.h), the partial first and last piece deleted at the end when the person
// keeps only complete songs, and a stop once the disk runs low.
class RecordingPlan final : public RecordingRules {
public:
    RecordingPlan(
        std::string station, bool keepOnlyCompleteSongs, std::uint64_t minimumFreeBytes = recordingMinimumFreeBytes);

    [[nodiscard]] std::string fileName(const RecordedSong& song, RecordedFormat format, int attempt) const override;
    [[nodiscard]] RecordedTags tags(const RecordedSong& song) const override;
    // Every piece, or with only complete songs kept, those that run from a title change to the next.
    [[nodiscard]] bool keeps(const RecordedPiece& piece) const override;
    [[nodiscard]] bool hasRoom(std::uint64_t freeBytes) const override;

private:
    const std::string m_station;
    const bool m_keepOnlyCompleteSongs;
    const std::uint64_t m_minimumFreeBytes;
};

// What the person reads when writing stopped.
[[nodiscard]] Text recorderFailureText(RecorderFailure failure);

} // namespace Vello
