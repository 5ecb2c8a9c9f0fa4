#include "stationquery.h"

#include "searchtext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace Vello {

namespace {

bool startsWithFolded(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(),
            [](char lower, char c) { return lower == static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
}

} // namespace

StationMatch matchStation(const std::vector<Station>& catalog, const std::vector<Station>& own, std::string_view named)
{
    for (const auto* list : {&own, &catalog}) {
        const auto found = std::ranges::find_if(*list, [named](const Station& s) { return s.id() == named; });
        if (found != list->end()) {
            return {.station = &*found, .others = 0};
        }
    }
    // As the search field does: an empty query would keep every station, which names none.
    const std::string query = searchQuery(named);
    if (query.empty()) {
        return {};
    }
    StationMatch match;
    for (const auto* list : {&catalog, &own}) {
        for (const Station& station : *list) {
            if (searchText(station).find(query) == std::string::npos) {
                continue;
            }
            if (match.station == nullptr) {
                match.station = &station;
            } else {
                ++match.others;
            }
        }
    }
    return match;
}

bool namesAddress(std::string_view text)
{
    return std::ranges::any_of(std::array<std::string_view, 2> {{"http://", "https://"}},
        [text](std::string_view scheme) { return startsWithFolded(text, scheme); });
}

Station stationForAddress(std::string_view address)
{
    return StationFields {.name = std::string(address), .url = std::string(address)};
}

} // namespace Vello
