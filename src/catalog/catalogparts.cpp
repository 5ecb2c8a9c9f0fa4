#include "catalogparts.h"

#include "catalogdecoder.h"
#include "documentbuffer.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace Vello {

namespace {

// A likely cut at or after `from`: a comma between one station's closing brace and the next
// one's opening brace. Finding it costs next to nothing, where following every string to the
// cut costs a fifth of the decode. A guess inside a string or a nested value leaves the part
// with an unclosed string or bracket, so the part fails to parse and is cut by arrayElementEnd()
// instead.
std::size_t guessedCut(std::string_view text, std::size_t from)
{
    for (std::size_t comma = text.find(',', from); comma != std::string_view::npos; comma = text.find(',', comma + 1)) {
        const std::size_t before = text.find_last_not_of(jsonBlanks, comma - 1);
        const std::size_t after = text.find_first_not_of(jsonBlanks, comma + 1);
        if (before != std::string_view::npos && text[before] == '}' && after != std::string_view::npos
            && text[after] == '{') {
            return comma;
        }
    }
    return std::string_view::npos;
}

// Reads a document into a window that slides along it: the text not yet decoded stays at the
// front, with one byte before it where a part's opening bracket goes.
class PartReader final {
public:
    PartReader(DocumentStream stream, std::size_t partBytes)
        : m_stream(std::move(stream))
        , m_bytes(std::min(m_stream.size, 2 * partBytes) + 1 + DocumentBuffer::padding)
    {
    }

    [[nodiscard]] char* data() { return m_bytes.data(); }
    [[nodiscard]] std::size_t filled() const { return m_filled; }
    [[nodiscard]] bool atEnd() const { return m_ended; }

    // Reads on, first dropping the text before `keep` and growing the window when it is full.
    bool more(std::size_t& keep)
    {
        std::memmove(m_bytes.data(), m_bytes.data() + keep, m_filled - keep);
        m_filled -= keep;
        keep = 0;
        if (m_filled + 1 + DocumentBuffer::padding >= m_bytes.size()) {
            m_bytes.resize(2 * m_bytes.size());
        }
        const std::size_t room = m_bytes.size() - DocumentBuffer::padding - m_filled;
        const std::ptrdiff_t read = m_stream.read(m_bytes.data() + m_filled, std::min(room, m_stream.size - m_read));
        if (read < 0) {
            return false;
        }
        m_filled += static_cast<std::size_t>(read);
        m_read += static_cast<std::size_t>(read);
        m_ended = read == 0 || m_read == m_stream.size;
        return true;
    }

    // Reads on, keeping the part that starts at `partStart` and the byte before it, where the
    // part's opening bracket goes; the part then starts at 1.
    bool moreForPart(std::size_t& partStart)
    {
        std::size_t keep = partStart - 1;
        if (!more(keep)) {
            return false;
        }
        partStart = 1;
        return true;
    }

private:
    DocumentStream m_stream;
    std::vector<char> m_bytes;
    std::size_t m_filled = 0;
    std::size_t m_read = 0;
    bool m_ended = false;
};

// Parses the text between `open` and `close` (the bytes at both are replaced by brackets for the
// moment) as an array of stations.
bool decodePart(CatalogDecoder& decoder, char* open, char* close, std::vector<Station>& stations)
{
    std::array<char, DocumentBuffer::padding> after {};
    std::memcpy(after.data(), close + 1, after.size());
    std::memset(close + 1, 0, after.size());
    const char closing = *close;
    *open = '[';
    *close = ']';
    const bool fine = !decoder.decodeAppending({open, static_cast<std::size_t>(close - open + 1)}, stations);
    *close = closing;
    std::memcpy(close + 1, after.data(), after.size());
    return fine;
}

} // namespace

std::optional<std::vector<Station>> decodeWellFormedInParts(
    DocumentStream stream, std::size_t partBytes, CatalogDecoder& decoder)
{
    std::vector<Station> stations;
    stations.reserve(stream.size / 1024 + 1);
    preferHugePages(stations.data(), stations.capacity() * sizeof(Station));
    PartReader reader(std::move(stream), partBytes);
    std::size_t partStart = 0;
    std::string_view head;
    std::size_t bracket = std::string_view::npos;
    while (bracket == std::string_view::npos && !reader.atEnd()) {
        if (!reader.more(partStart)) {
            return std::nullopt;
        }
        head = {reader.data(), reader.filled()};
        if (head.starts_with("\xEF\xBB\xBF")) {
            head.remove_prefix(3);
        }
        bracket = reader.filled() < 3 && !reader.atEnd() ? std::string_view::npos : head.find_first_not_of(jsonBlanks);
    }
    if (bracket == std::string_view::npos || head[bracket] != '[') {
        return std::nullopt;
    }
    // The part's text starts after its opening bracket, or after the comma before its first station.
    partStart = static_cast<std::size_t>(head.data() + bracket - reader.data()) + 1;
    bool anyElement = false;
    for (;;) {
        if (!reader.atEnd() && reader.filled() - partStart <= partBytes && !reader.moreForPart(partStart)) {
            return std::nullopt;
        }
        if (reader.filled() - partStart > partBytes) {
            const std::size_t guess = guessedCut({reader.data(), reader.filled()}, partStart + partBytes);
            const std::size_t decoded = stations.size();
            if (guess != std::string_view::npos
                && decodePart(decoder, reader.data() + partStart - 1, reader.data() + guess, stations)) {
                anyElement = true;
                partStart = guess + 1;
                continue;
            }
            stations.erase(stations.begin() + static_cast<std::ptrdiff_t>(decoded), stations.end());
        }
        std::size_t at = partStart;
        std::size_t cut = std::string_view::npos;
        bool closes = false;
        while (!closes && at - partStart < partBytes) {
            const char* end = arrayElementEnd(reader.data() + at, reader.data() + reader.filled());
            if (end == nullptr) {
                if (cut != std::string_view::npos) {
                    break;
                }
                const std::size_t offset = at - partStart;
                if (reader.atEnd() || !reader.moreForPart(partStart)) {
                    return std::nullopt;
                }
                at = partStart + offset;
                continue;
            }
            const std::string_view element(reader.data() + at, static_cast<std::size_t>(end - (reader.data() + at)));
            closes = *end == ']';
            const bool emptyArray = closes && !anyElement;
            anyElement = true;
            if ((*end != ',' && !closes)
                || (element.find_first_not_of(jsonBlanks) == std::string_view::npos && !emptyArray)) {
                return std::nullopt;
            }
            cut = static_cast<std::size_t>(end - reader.data());
            at = cut + 1;
        }
        if (!decodePart(decoder, reader.data() + partStart - 1, reader.data() + cut, stations)) {
            return std::nullopt;
        }
        partStart = cut + 1;
        if (closes) {
            break;
        }
    }
    // Nothing but blanks may follow the array.
    for (;;) {
        const std::string_view rest(reader.data() + partStart, reader.filled() - partStart);
        if (rest.find_first_not_of(jsonBlanks) != std::string_view::npos) {
            return std::nullopt;
        }
        if (reader.atEnd()) {
            return stations;
        }
        partStart = reader.filled();
        if (!reader.more(partStart)) {
            return std::nullopt;
        }
    }
}

std::string_view withoutJsonBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(jsonBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(jsonBlanks) - first + 1);
}

// A wrong cut in anything but well-formed JSON makes a part fail to decode.
const char* arrayElementEnd(const char* at, const char* end)
{
    int depth = 0;
    while (at < end) {
        const char c = *at;
        if (c == '"') {
            const char* content = ++at;
            for (;;) {
                const auto* quote = static_cast<const char*>(std::memchr(at, '"', static_cast<std::size_t>(end - at)));
                if (quote == nullptr) {
                    return nullptr;
                }
                const char* escapes = quote;
                while (escapes > content && escapes[-1] == '\\') {
                    --escapes;
                }
                at = quote + 1;
                if ((quote - escapes) % 2 == 0) {
                    break;
                }
            }
            continue;
        }
        if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0) {
                return at;
            }
            --depth;
        } else if (c == ',' && depth == 0) {
            return at;
        }
        ++at;
    }
    return nullptr;
}

Result<std::vector<Station>> decodeCatalogInParts(const DocumentOpener& open, std::size_t partBytes)
{
    return CatalogDecoder {}.decode(open, partBytes);
}

DocumentOpener openerOf(std::string_view document)
{
    return [document]() -> std::optional<DocumentStream> {
        return DocumentStream {[document, at = std::size_t {0}](char* into, std::size_t size) mutable {
                                   const std::size_t count = std::min(size, document.size() - at);
                                   std::memcpy(into, document.data() + at, count);
                                   at += count;
                                   return static_cast<std::ptrdiff_t>(count);
                               },
            document.size()};
    };
}

Result<std::vector<Station>> decodeCatalogFile(
    const std::filesystem::path& file, std::size_t maxBytes, FileIdentity* identity)
{
    // Without waiting: a FIFO would block the open until a writer came; it is refused below.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return Error {unreadableCatalog};
    }
    const std::shared_ptr<void> closer(nullptr, [descriptor](void*) { ::close(descriptor); });
    struct stat status { };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)
        || static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return Error {unreadableCatalog};
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    if (identity != nullptr) {
        *identity = identityOf(descriptor).value_or(FileIdentity {});
    }
    // Each opening reads from the start of the file as it was opened, whatever replaces it since.
    return decodeCatalogInParts([descriptor, size]() -> std::optional<DocumentStream> {
        auto offset = std::make_shared<off_t>(0);
        return DocumentStream {[descriptor, offset](char* into, std::size_t bytes) -> std::ptrdiff_t {
                                   for (;;) {
                                       const ssize_t read = ::pread(descriptor, into, bytes, *offset);
                                       if (read >= 0) {
                                           *offset += read;
                                           return read;
                                       }
                                       if (errno != EINTR) {
                                           return -1;
                                       }
                                   }
                               },
            size};
    });
}

} // namespace Vello
