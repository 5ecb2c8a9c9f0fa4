#include "catalog/directoryservers.h"
#include "catalog/catalogsource.h"
#include "fakehttpclient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace Vello {
namespace {

// The servers the DNS names (in any order), then the remembered, then the built-in, each once.
TEST(DirectoryServers, TakeTheUsableNamesTheDnsGivesUpToTheirCap)
{
    const std::string longest(253, 'a');
    std::vector<ServiceHost> seventeen;
    HostResolver::Names seventeenAddresses;
    FakeHostResolver reverse;
    std::vector<std::string> sixteen;
    for (int i = 1; i <= 17; ++i) {
        seventeen.push_back({"h" + std::to_string(i) + ".example", 443});
        seventeenAddresses.push_back("10.0.0." + std::to_string(i));
        reverse.namesOf[seventeenAddresses.back()] = {"h" + std::to_string(i) + ".example."};
        if (i < 17) {
            sixteen.push_back("https://h" + std::to_string(i) + ".example");
        }
    }
    reverse.namesOf["10.0.1.1"] = {"bad_name.", "n9-a.example."};
    reverse.namesOf["10.0.1.2"] = {"n0.example"};
    struct Case {
        const char* name;
        std::vector<ServiceHost> services;
        HostResolver::Names addresses;
        std::vector<std::string> found;
    };
    const std::vector<Case> cases {
        {"service records: digits, hyphens and the longest name; ports 1 to 65535",
            {{"s9-0.example.", 443}, {"x.example", 8443}, {longest + ".", 65535}, {longest + "b", 443},
                {"bad_name", 443}, {"-x.example", 443}, {".x.example", 443}, {"y.example", 0}, {"z.example", 65536}},
            {}, {"https://" + longest + ":65535", "https://s9-0.example", "https://x.example:8443"}},
        {"sixteen service records at most", seventeen, {}, sixteen},
        {"without service records, the first usable name each address points back to", {},
            {"10.0.1.1", "10.0.1.2", "10.0.1.3"}, {"https://n0.example", "https://n9-a.example"}},
        {"sixteen addresses at most", {}, seventeenAddresses, sixteen},
    };
    const std::vector<std::string> remembered {"https://x.example:8443", "https://r.example"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reverse.services[std::string(directoryService)] = c.services;
        reverse.addressesOf[std::string(directoryHosts)] = c.addresses;
        std::optional<std::vector<std::string>> order;
        findDirectoryServers(
            reverse, remembered, [&order](std::vector<std::string> servers) { order = std::move(servers); });
        ASSERT_TRUE(order);
        ASSERT_GE(order->size(), c.found.size());
        const auto foundEnd = order->begin() + static_cast<std::ptrdiff_t>(c.found.size());
        std::vector<std::string> found = c.found;
        std::ranges::sort(found);
        std::sort(order->begin(), foundEnd);
        EXPECT_EQ(std::vector(order->begin(), foundEnd), found);
        std::vector<std::string> rest;
        for (const std::string_view server : {std::string_view(remembered[0]), std::string_view(remembered[1]),
                 builtInDirectoryServers[0], builtInDirectoryServers[1]}) {
            if (std::ranges::find(c.found, server) == c.found.end()) {
                rest.emplace_back(server);
            }
        }
        EXPECT_EQ(std::vector(foundEnd, order->end()), rest);
    }
}

} // namespace
} // namespace Vello
