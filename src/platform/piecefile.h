#pragma once

#include "ports/recorder.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace Vello {

// One file of a recording or a saved song, written as it comes: a tag in front where the format
// has one (ID3v2.4 for MP3 and AAC), the headers the stream needs to be played from where the
// file begins (FLAC's stream header, an Ogg chain's header pages), then the station's bytes. Never written over an
// existing file; stops short of a full disk, so what it holds stays whole.
class PieceFile final {
public:
    // Opens a new file for `piece.song` in `folder`, which it makes when missing; nothing, with
    // `failure` set, when it cannot.
    [[nodiscard]] static std::unique_ptr<PieceFile> open(const std::filesystem::path& folder,
        const RecordingRules& rules, const RecordedPiece& piece, RecordedFormat format, const std::string& headers,
        RecorderFailure& failure);
    ~PieceFile();

    PieceFile(const PieceFile&) = delete;
    PieceFile& operator=(const PieceFile&) = delete;

    // False, with the file closed and `failure` set, when the disk refuses or the rules find too
    // little room left.
    [[nodiscard]] bool write(const std::uint8_t* data, std::size_t size, RecorderFailure& failure);
    [[nodiscard]] RecordedPiece& piece() { return m_piece; }

private:
    PieceFile(std::FILE* file, const RecordingRules& rules, RecordedPiece piece);
    [[nodiscard]] bool put(const void* data, std::size_t size, RecorderFailure& failure);

    std::FILE* m_file;
    const RecordingRules& m_rules;
    RecordedPiece m_piece;
    std::uint64_t m_sinceRoomCheck = 0;
};

// An ID3v2.4 tag holding `tags` in UTF-8 frames; empty when they are all empty.
[[nodiscard]] std::string id3Tag(const RecordedTags& tags);

// The stream header a FLAC stream begins with ("fLaC" and its metadata blocks) when `start`, the
// stream's first bytes, holds all of it; nothing while it does not yet.
[[nodiscard]] std::optional<std::string> flacStreamHeader(const std::string& start);

} // namespace Vello
