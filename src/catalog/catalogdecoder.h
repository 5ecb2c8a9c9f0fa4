#pragma once

#include "base/error.h"
#include "station.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

class DocumentBuffer;
struct DocumentStream;

// Opens a document afresh (catalogparts.h), or gives nothing when it cannot be read.
using DocumentOpener = std::function<std::optional<DocumentStream>()>;

// Decodes a catalog document: a JSON array of station objects, in document order.
//
// - The nineteen station keys are matched exactly; a missing key and `null` both leave the field
//   absent. When a key appears twice in one object the last occurrence wins (every occurrence
//   must still be of the right type).
// - The fifteen text keys take strings. "homepage" keeps a string; any other value is checked as
//   an unknown key's would be and leaves it absent. "votes", "clickcount" and "bitrate" take
//   numbers whose value is a whole number in the signed 64-bit range. A fraction or an exponent is accepted when the
//   value is still whole: 12.0, 1e3 and 1.5e1 give 12, 1000 and 15, while 12.5 and 1e-1 are
//   refused. The check works on the decimal text, never through floating point, so no digit
//   is ever rounded away.
// - Other keys are skipped whatever their value, but the value must still be well-formed JSON
//   and arrays and objects may nest at most `maxNesting` levels deep in the whole document.
// - Anything else wrong fails the whole document and no station is returned. The error reads
//   like `station 12: "votes" must be an integer or null, found a string`, stations numbered
//   from 1 in document order.
// - A leading UTF-8 byte order mark is ignored; the text must otherwise be valid UTF-8.
//
// Safe to call from any thread; each call uses its own CatalogDecoder.
[[nodiscard]] Result<std::vector<Station>> decodeCatalog(std::string_view document);
// The same for a document that already carries the parser's padding: it is read in place.
[[nodiscard]] Result<std::vector<Station>> decodeCatalog(const DocumentBuffer& document);

// Decodes catalog documents as decodeCatalog() does, keeping its working memory from one decode
// to the next: fresh memory costs more than the parse itself. Its stations share blocks of text
// (StationTextArena); the decoder holds on to the block it is filling. Worth keeping for
// documents decoded in a row, then dropped. One decode at a time per object.
//
// A document is read a part of about a megabyte at a time (decodeCatalogInParts), each part
// parsed whole and its stations taken as they are; a part holding anything that needs a closer
// look (a wrong type, a count written as 12.0) is read again value by value. A document that
// does not decode is read once more, whole, to say where it breaks.
class CatalogDecoder final {
public:
    CatalogDecoder();
    ~CatalogDecoder();
    CatalogDecoder(CatalogDecoder&& other) noexcept;
    CatalogDecoder& operator=(CatalogDecoder&& other) noexcept;
    CatalogDecoder(const CatalogDecoder&) = delete;
    CatalogDecoder& operator=(const CatalogDecoder&) = delete;

    [[nodiscard]] Result<std::vector<Station>> decode(std::string_view document);
    [[nodiscard]] Result<std::vector<Station>> decode(const DocumentBuffer& document);
    // The document `open` reads, a part of about `partBytes` at a time.
    [[nodiscard]] Result<std::vector<Station>> decode(
        const DocumentOpener& open, std::size_t partBytes = std::size_t {1} << 20U);
    // Decodes `document`, which DocumentBuffer::padding zeroed bytes follow in memory, adding
    // its stations to the end of `stations`. Gives the error when it does not decode.
    [[nodiscard]] std::optional<Error> decodeAppending(std::string_view document, std::vector<Station>& stations);

private:
    struct Buffers;

    Buffers& buffers();
    [[nodiscard]] Result<std::vector<Station>> decodeWhole(const DocumentOpener& open);

    std::unique_ptr<Buffers> m_buffers;
};

// What a document that cannot be read at all gives.
inline constexpr MarkedText unreadableCatalog = VELLO_TR("Core", "the catalog could not be read");

// The deepest nesting of arrays and objects a catalog document may have, counting the
// top-level array as the first level and a station object as the second.
inline constexpr int maxNesting = 64;

} // namespace Vello
