#pragma once

#include "ownstations.h"

#include "base/error.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// One favourite as a file keeps it: the station's identifier, and its name when it was saved
// so a person reading the file knows which station it was. A station of the person's own comes
// with what it is made of, so that another player can add it too, and it is there whether a
// favourite or not.
struct FavoriteEntry final {
    std::string id;
    std::string name;
    std::optional<StationDraft> own {};
    bool favorite = true;

    friend bool operator==(const FavoriteEntry&, const FavoriteEntry&) = default;
};

// Exported favourites are a JSON list of {"id": ..., "name": ...} objects, one per line. An own
// station's object adds "url", "favicon" and "tags", and "favorite": false when it is not one;
// files without them, as older players wrote, read as they always did.
class FavoritesFile final {
public:
    // Larger files are refused before they are read.
    static constexpr std::size_t maxBytes = std::size_t {8} * 1024 * 1024;

    // What a file holds: the stations, and how many of its entries are none.
    struct Contents {
        std::vector<FavoriteEntry> entries;
        std::size_t notStations = 0;

        friend bool operator==(const Contents&, const Contents&) = default;
    };

    [[nodiscard]] static std::string write(const std::vector<FavoriteEntry>& entries);
    // What `text` holds, or what is wrong with it, in words for the person importing: text that
    // is not JSON, JSON of another shape, or a list with no station, is refused as a whole.
    [[nodiscard]] static Result<Contents> read(std::string_view text);
};

} // namespace Vello
