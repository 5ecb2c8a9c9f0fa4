#pragma once

#include <cstddef>
#include <string_view>

namespace Vello {

// What a key of a station object holds, and where it is stored in the station.
struct StationKey final {
    enum class Kind {
        text, // a string or null: Station::Texts[field]
        count, // a whole number or null: Station::Counts[field]
        homepage, // kept when it is a string: Station::Texts[field]
        other, // skipped, whatever its value
    };
    Kind kind = Kind::other;
    std::size_t field = 0;
};

// The key `key` (unescaped) matched exactly. A table, here so that the readers, which ask it
// for every key of every station, have it inline; keys are told apart by their length first.
[[nodiscard]] constexpr StationKey stationKey(std::string_view key)
{
    using enum StationKey::Kind;
    const auto match = [key](std::string_view name, StationKey::Kind kind, std::size_t field) {
        return key == name ? StationKey {kind, field} : StationKey {};
    };
    switch (key.size()) {
    case 3:
        return match("url", text, 2);
    case 4:
        return key[0] == 'n' ? match("name", text, 1) : match("tags", text, 8);
    case 5:
        return key[0] == 's' ? match("state", text, 6)
            : key[0] == 'v'  ? match("votes", count, 0)
                             : match("codec", text, 12);
    case 7:
        return key[0] == 'f' ? match("favicon", text, 4)
            : key[0] == 'c'  ? match("country", text, 5)
                             : match("bitrate", count, 2);
    case 8:
        return key[0] == 'l' ? match("language", text, 7) : match("homepage", homepage, 9);
    case 10:
        return key[1] == 'l' ? match("clickcount", count, 1) : match("changeuuid", text, 14);
    case 11:
        return key[0] == 's' ? match("stationuuid", text, 0) : match("countrycode", text, 10);
    case 12:
        return match("url_resolved", text, 3);
    case 13:
        return match("languagecodes", text, 11);
    case 14:
        return match("lastchangetime", text, 15);
    case 15:
        return match("lastcheckoktime", text, 13);
    default:
        return {};
    }
}

} // namespace Vello
