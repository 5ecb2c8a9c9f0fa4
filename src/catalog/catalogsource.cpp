#include "catalogsource.h"

namespace Vello {

namespace {

// A uuid goes into an address as it is where it is a plain uuid, percent-encoded where a
// catalog put anything else there.
std::string escaped(std::string_view text)
{
    static constexpr std::string_view hex = "0123456789ABCDEF";
    std::string segment;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~') {
            segment += c;
        } else {
            segment += '%';
            segment += hex[byte >> 4U];
            segment += hex[byte & 0xfU];
        }
    }
    return segment;
}

std::string_view withoutTrailingSlash(std::string_view server)
{
    while (server.ends_with('/')) {
        server.remove_suffix(1);
    }
    return server;
}

} // namespace

std::string directoryStationsUrl(std::string_view server)
{
    return std::string(withoutTrailingSlash(server)) + "/json/stations?hidebroken=true&limit=100000";
}

std::string directoryPlayUrl(std::string_view server, std::string_view stationuuid)
{
    return std::string(withoutTrailingSlash(server)) + "/json/url/" + escaped(stationuuid);
}

std::string directoryChangesUrl(std::string_view server, std::string_view lastchangeuuid, std::size_t limit)
{
    return std::string(withoutTrailingSlash(server))
        + "/json/stations/changed?lastchangeuuid=" + escaped(lastchangeuuid) + "&limit=" + std::to_string(limit);
}

} // namespace Vello
