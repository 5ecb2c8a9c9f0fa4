#pragma once

#include "base/error.h"
#include "cachedorder.h"
#include "catalogdecoder.h"
#include "station.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

// A catalog document read from its start. `read` copies at most `size` bytes to `into` and
// gives how many, 0 at the end or -1 on a failure; `size` is the length of the whole document.
struct DocumentStream final {
    std::function<std::ptrdiff_t(char* into, std::size_t size)> read;
    std::size_t size = 0;
};

// Reads `document`, which must outlive what it opens.
[[nodiscard]] DocumentOpener openerOf(std::string_view document);

// Decodes a catalog exactly as decodeCatalog() does, with the same stations and the same errors,
// but a part at a time: the array is cut between stations into parts of about `partBytes`, each
// parsed on its own. Only one part and the parser's working memory for it are ever alive beside
// the stations, never the whole document and the parser's index of it; parts of about a
// megabyte also keep that memory in the processor's cache, which makes this faster than a
// decode of the whole. A document that does not decode this way is read again whole, to report
// the error decodeCatalog() gives.
[[nodiscard]] Result<std::vector<Station>> decodeCatalogInParts(
    const DocumentOpener& open, std::size_t partBytes = std::size_t {1} << 20U);

// The stations of a well-formed catalog read from `stream` a part at a time through `decoder`
// (CatalogDecoder::decodeAppending), or nothing when the document is anything else.
[[nodiscard]] std::optional<std::vector<Station>> decodeWellFormedInParts(
    DocumentStream stream, std::size_t partBytes, CatalogDecoder& decoder);

// The same for a regular file of at most `maxBytes`, read as it stood when opened; tells
// `identity`, when given, which file that was.
[[nodiscard]] Result<std::vector<Station>> decodeCatalogFile(
    const std::filesystem::path& file, std::size_t maxBytes, FileIdentity* identity = nullptr);

// JSON's white space, the only blanks a document may hold between its tokens.
inline constexpr std::string_view jsonBlanks = " \t\r\n";

// `text` without JSON white space at either end.
[[nodiscard]] std::string_view withoutJsonBlanks(std::string_view text);

// Where the array element that starts at `at` ends: at the comma after it or at the array's
// closing bracket, or nullptr when the text runs out first. Only well-formed JSON is cut right.
[[nodiscard]] const char* arrayElementEnd(const char* at, const char* end);

} // namespace Vello
