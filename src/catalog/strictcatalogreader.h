#pragma once

#include "base/text.h"
#include "station.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace Vello {

// Reads a catalog document by the rules decodeCatalog() states, value by value, and says exactly
// where and how a document breaks them. Keeps its parser's working memory from one document to
// the next. One document at a time.
class StrictCatalogReader final {
public:
    StrictCatalogReader();
    ~StrictCatalogReader();
    StrictCatalogReader(StrictCatalogReader&& other) noexcept;
    StrictCatalogReader& operator=(StrictCatalogReader&& other) noexcept;
    StrictCatalogReader(const StrictCatalogReader&) = delete;
    StrictCatalogReader& operator=(const StrictCatalogReader&) = delete;

    // `document` is followed in memory by DocumentBuffer::padding readable bytes. Appends its
    // stations to `stations`, their texts in `arena`; gives what is wrong when it does not decode,
    // the stations numbered from 1 in the document.
    [[nodiscard]] std::optional<Text> read(
        std::string_view document, StationTextArena& arena, std::vector<Station>& stations);

private:
    struct Parser;
    std::unique_ptr<Parser> m_parser;
};

} // namespace Vello
