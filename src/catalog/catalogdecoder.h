#pragma once

#include "base/error.h"
#include "station.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

class DocumentBuffer;

// Decodes a catalog document: a JSON array of station objects, in document order.
//
// - The twelve station keys are matched exactly; a missing key and `null` both leave the field
//   absent. When a key appears twice in one object the last occurrence wins (every occurrence
//   must still be of the right type).
// - The nine text keys take strings. "homepage" keeps a string; any other value is checked as
//   an unknown key's would be and leaves it absent. "votes" and "clickcount" take numbers whose value is a
//   whole number in the signed 64-bit range. A fraction or an exponent is accepted when the
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

// Decodes catalog documents as decodeCatalog() does, keeping its working memory (a few times
// the size of the largest document so far) from one decode to the next: fresh memory costs
// more than the parse itself. Its stations share blocks of text (StationTextArena); the decoder
// holds on to the block it is filling. Worth keeping for documents decoded in a row, then dropped.
// One decode at a time per object.
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
    // Decodes `document`, which DocumentBuffer::padding zeroed bytes follow in memory, adding
    // its stations to the end of `stations`. Gives the error when it does not decode.
    [[nodiscard]] std::optional<Error> decodeAppending(std::string_view document, std::vector<Station>& stations);

private:
    struct Buffers;
    std::unique_ptr<Buffers> m_buffers;
};

// The deepest nesting of arrays and objects a catalog document may have, counting the
// top-level array as the first level and a station object as the second.
inline constexpr int maxNesting = 64;

} // namespace Vello
