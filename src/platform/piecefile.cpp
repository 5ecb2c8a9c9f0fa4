#include "piecefile.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace Vello {
namespace {

// How often the free space is looked at while a file grows.
constexpr std::uint64_t roomCheckBytes = 256 * 1024;
// Enough for every name the rules could give one song.
constexpr int maxAttempts = 1000;

RecorderFailure failureOf(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG ? RecorderFailure::NoRoom
        : error == EACCES || error == EPERM || error == EROFS || error == ENOTDIR || error == ENOENT
        ? RecorderFailure::NotWritable
        : RecorderFailure::WriteFailed;
}

std::string syncSafe(std::size_t value)
{
    return {static_cast<char>((value >> 21U) & 0x7FU), static_cast<char>((value >> 14U) & 0x7FU),
        static_cast<char>((value >> 7U) & 0x7FU), static_cast<char>(value & 0x7FU)};
}

bool hasRoom(const std::filesystem::path& folder, const RecordingRules& rules)
{
    std::error_code error;
    const std::filesystem::space_info space = std::filesystem::space(folder, error);
    return !error && rules.hasRoom(space.available);
}

} // namespace

std::unique_ptr<PieceFile> PieceFile::open(const std::filesystem::path& folder, const RecordingRules& rules,
    const RecordedPiece& piece, RecordedFormat format, const std::string& headers, RecorderFailure& failure)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        failure = failureOf(error.value());
        return nullptr;
    }
    if (!hasRoom(folder, rules)) {
        failure = RecorderFailure::NoRoom;
        return nullptr;
    }
    for (int attempt = 1; attempt <= maxAttempts; ++attempt) {
        const std::filesystem::path path = folder / rules.fileName(piece.song, format, attempt);
        // "x": made new or not at all, so a file of that name, or a link put there, is never written through.
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (file == nullptr && errno == EEXIST) {
            continue;
        }
        if (file == nullptr) {
            failure = failureOf(errno);
            return nullptr;
        }
        RecordedPiece opened = piece;
        opened.path = path.string();
        std::unique_ptr<PieceFile> result(new PieceFile(file, rules, std::move(opened)));
        const std::string tag
            = format == RecordedFormat::Mp3 || format == RecordedFormat::Aac ? id3Tag(rules.tags(piece.song)) : "";
        const std::string front = tag + headers;
        if (!result->put(front.data(), front.size(), failure)) {
            return nullptr;
        }
        return result;
    }
    failure = RecorderFailure::NotWritable;
    return nullptr;
}

PieceFile::PieceFile(std::FILE* file, const RecordingRules& rules, RecordedPiece piece)
    : m_file(file)
    , m_rules(rules)
    , m_piece(std::move(piece))
{
}

PieceFile::~PieceFile()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool PieceFile::write(const std::uint8_t* data, std::size_t size, RecorderFailure& failure)
{
    m_sinceRoomCheck += size;
    if (m_sinceRoomCheck >= roomCheckBytes) {
        m_sinceRoomCheck = 0;
        if (!hasRoom(std::filesystem::path(m_piece.path).parent_path(), m_rules)) {
            failure = RecorderFailure::NoRoom;
            std::fclose(std::exchange(m_file, nullptr));
            return false;
        }
    }
    return put(data, size, failure);
}

bool PieceFile::put(const void* data, std::size_t size, RecorderFailure& failure)
{
    if (m_file == nullptr) {
        failure = RecorderFailure::WriteFailed;
        return false;
    }
    // Written through at once: a full disk is found at the write that meets it, and what was
    // written before it is in the file.
    if (std::fwrite(data, 1, size, m_file) == size && std::fflush(m_file) == 0) {
        return true;
    }
    failure = failureOf(errno);
    std::fclose(std::exchange(m_file, nullptr));
    return false;
}

std::string id3Tag(const RecordedTags& tags)
{
    std::string frames;
    for (const auto& [id, text] : {std::pair {"TIT2", &tags.title}, std::pair {"TPE1", &tags.artist},
             std::pair {"TALB", &tags.album}, std::pair {"TDRC", &tags.date}}) {
        if (!text->empty()) {
            // Encoding 3 is UTF-8.
            frames += std::string(id) + syncSafe(text->size() + 1) + std::string(2, '\0') + '\x03' + *text;
        }
    }
    return frames.empty() ? "" : std::string("ID3\x04\x00\x00", 6) + syncSafe(frames.size()) + frames;
}

std::optional<std::string> flacStreamHeader(const std::string& start)
{
    if (start.size() < 4 || start.compare(0, 4, "fLaC") != 0) {
        return start.size() < 4 ? std::nullopt : std::optional<std::string>("");
    }
    std::size_t at = 4;
    while (at + 4 <= start.size()) {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(start[at + i]); };
        const bool last = (byte(0) & 0x80U) != 0;
        at += 4 + ((std::size_t {byte(1)} << 16U) | (std::size_t {byte(2)} << 8U) | byte(3));
        if (last) {
            return at <= start.size() ? std::optional(start.substr(0, at)) : std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace Vello
