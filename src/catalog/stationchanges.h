#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Vello {

// What the directory's change feed said changed, station by station, to be written into a
// catalog document. The feed gives a station's version after each change; a version may carry
// only some of the station's members (the directory's own history leaves out the stream's
// resolved address, its checks and its plays), so each member it carries replaces the one the
// document has and the others stay. A changed stream address drops the resolved address that
// came from the old one, unless the change brings one too.
//
// Everything is text: a document's untouched stations go out byte for byte, and members are
// matched by their keys as written.
class StationChanges final {
public:
    // Takes one version from the feed, a JSON object that decodes as a station, after those taken
    // before. One without a "stationuuid" string is left out.
    void add(std::string_view object);

    // The stations changed, and the bytes their versions hold.
    [[nodiscard]] std::size_t size() const { return m_order.size(); }
    [[nodiscard]] std::size_t bytes() const { return m_bytes; }

    // Writes `document`, a catalog document that decodes, with the changes in it, piece by piece
    // to `write`: "[", then the stations in their order, each changed one as changed, then the
    // new ones in the order they first changed, joined by ",\n", then "]\n". A changed or new
    // station that no longer has a stream address, or that the directory's last check found
    // broken ("lastcheckok" 0 or false), is left out. False when `document` is not an array.
    bool applyTo(std::string_view document, const std::function<void(std::string_view)>& write) const;

private:
    // The versions of each station merged in order, by its "stationuuid" as written.
    std::unordered_map<std::string, std::string> m_objects;
    std::vector<std::string> m_order;
    std::size_t m_bytes = 0;
};

// `base` (a station object) with the members of `change` (another) in it, as StationChanges
// merges them.
[[nodiscard]] std::string mergedStation(std::string_view base, std::string_view change);

} // namespace Vello
