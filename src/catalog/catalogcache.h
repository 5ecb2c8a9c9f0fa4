#pragma once

#include "base/error.h"
#include "cachedorder.h"
#include "catalogparts.h"
#include "station.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// A download's body on its way to becoming the copy on disk.
//
// After a crash the copy is either the old or the new document, never a mixture: the bytes reach
// the disk under a temporary name first and only a rename, which is atomic, puts them in place
// (putInPlace). Failures leave the old copy untouched.
//
// The body goes to that temporary file as it arrives (it has to reach the disk anyway), so that
// the body, the parser's working memory, the new stations and the list on screen are never all
// in memory at once. Without room on disk the body is kept in memory instead, with whatever had
// reached the file, in blocks that are let go as they are decoded; the copy on disk then stays
// as it was.
class DownloadedBody final {
public:
    // Makes the temporary file beside `file`.
    explicit DownloadedBody(const std::filesystem::path& file);
    DownloadedBody(const DownloadedBody&) = delete;
    DownloadedBody& operator=(const DownloadedBody&) = delete;
    ~DownloadedBody();

    // Removes the temporary file and forgets the body.
    void discard();
    void add(std::string_view piece);
    // The temporary file holding the whole body, flushed to the disk and closed; it is then the
    // caller's. Nothing when the body is in memory: takeMemory() has it.
    [[nodiscard]] std::optional<std::filesystem::path> takeFile();
    // The body kept in memory, to be read once from its start: each block is given back as soon
    // as it has been read. A read fails when memory ran out while the body was kept.
    [[nodiscard]] DocumentStream takeMemory();

private:
    struct Blocks;

    // Drops the file, first reading back what reached it when `keep` is set.
    void moveToMemory(bool keep);

    int m_descriptor = -1;
    std::optional<std::string> m_temporary;
    std::size_t m_written = 0;
    std::shared_ptr<Blocks> m_memory;
};

// Whether the stations a download kept may replace the copy on disk: nothing when they may, else
// why not.
using DownloadCheck = std::function<std::optional<Error>(const std::vector<Station>& kept)>;

// Decodes the body, from its temporary file or from memory, a part at a time as the file is, and
// gives the stations keepListable() keeps, or the reason they are refused: the decoder's or
// `check`'s. Only stations `check` lets through replace `file`, and `kept` (when given) then
// says which file that is now; a refused temporary is removed. The body in memory is read only
// once: one that is not a catalog fails as unreadable, not with the decoder's reason.
[[nodiscard]] Result<std::vector<Station>> decodeDownloadedBody(DownloadedBody& body, const std::filesystem::path& file,
    const DownloadCheck& check, std::optional<FileIdentity>* kept = nullptr);

class StationChanges;

// Writes `changes` into the copy at `file` (StationChanges::applyTo) and takes the result as
// decodeDownloadedBody() takes a download: the copy is replaced only by stations `check` lets
// through, and stays as it was on any failure.
[[nodiscard]] Result<std::vector<Station>> applyChangesToCopy(const StationChanges& changes,
    const std::filesystem::path& file, const DownloadCheck& check, std::optional<FileIdentity>* kept = nullptr);

// Who may read a file written whole: its owner only, or anyone (a document a web server serves).
enum class FileReaders { owner, everyone };

// Replaces `file` with `bytes` as a whole, flushed to the disk. False when it could not.
bool writeFileAtomically(
    const std::filesystem::path& file, std::string_view bytes, FileReaders readers = FileReaders::owner);

// The two halves of writeFileAtomically, for files that must change together: a temporary file
// beside `file` holding `bytes`, flushed to the disk (nothing, and nothing left behind, when it
// could not be written); then `temporary` renamed over `file` for good (false, and the temporary
// removed, when it could not be).
[[nodiscard]] std::optional<std::filesystem::path> writeTemporaryBeside(
    const std::filesystem::path& file, std::string_view bytes, FileReaders readers);
bool putInPlace(const std::filesystem::path& temporary, const std::filesystem::path& file);

// Removes `file` for good; true when it is gone, also when it was not there.
bool removeFile(const std::filesystem::path& file);

// Removes the temporary files in `folder` that writers no longer alive left behind.
void removeLeftoverTemporaries(const std::filesystem::path& folder);

// The listable stations of the copy at `file` in display order, or nothing when there is no
// copy, it does not decode or nothing in it can be listed. The order comes from `orderFile`
// when it holds the order of this copy under the user's collation, and is kept there otherwise.
[[nodiscard]] std::optional<std::vector<Station>> readCachedStations(
    const std::filesystem::path& file, const std::filesystem::path& orderFile);

// `stations`, the listable stations of the copy `copy` in its order, in display order under the
// user's collation; the order is kept in `orderFile` for the next start when `copy` is known.
[[nodiscard]] std::vector<Station> inDisplayOrder(
    std::vector<Station> stations, const std::optional<FileIdentity>& copy, const std::filesystem::path& orderFile);

// Keeps, in their order, only the stations a catalog may list: those with a stream address,
// less any whose identifier is one of the person's own stations'.
void keepListable(std::vector<Station>& stations);

} // namespace Vello
