#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// Where the catalog comes from: a document at an address a deployment chose, or the public
// radio directory, whose servers are found at run time.
struct CatalogSource final {
    // The document's http or https address; empty for the directory.
    std::string documentUrl {};
    // The directory's servers to try, in this order, instead of finding them
    // ("https://host[:port]", no path). Empty: find them.
    std::vector<std::string> directoryServers {};

    [[nodiscard]] bool isDirectory() const { return documentUrl.empty(); }
    // What the copy on disk records it came from: the document's address, or "directory".
    [[nodiscard]] std::string name() const { return isDirectory() ? std::string("directory") : documentUrl; }

    friend bool operator==(const CatalogSource&, const CatalogSource&) = default;
};

// The DNS names the directory's servers are found by: its SRV record, and the name whose
// addresses are the servers.
inline constexpr std::string_view directoryService = "_api._tcp.radio-browser.info";
inline constexpr std::string_view directoryHosts = "all.api.radio-browser.info";
// Tried last, when the DNS and the servers that worked before have all failed.
inline constexpr std::array<std::string_view, 2> builtInDirectoryServers {
    "https://de1.api.radio-browser.info", "https://nl1.api.radio-browser.info"};

// The address of the whole station list on a directory server. Newer servers give only the
// first thousand stations unless told how many.
[[nodiscard]] std::string directoryStationsUrl(std::string_view server);
// The address of the changes a directory server made after the change `lastchangeuuid`, at most
// `limit` of them, oldest first.
[[nodiscard]] std::string directoryChangesUrl(
    std::string_view server, std::string_view lastchangeuuid, std::size_t limit);
// The address that tells a directory server a person started the station `stationuuid`.
[[nodiscard]] std::string directoryPlayUrl(std::string_view server, std::string_view stationuuid);

} // namespace Vello
