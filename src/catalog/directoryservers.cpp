#include "directoryservers.h"

#include "catalogsource.h"
#include "ports/hostresolver.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <mutex>
#include <random>
#include <string_view>
#include <utility>

namespace Vello {

namespace {

// The directory runs a handful of servers: more names than this come from a broken or hostile
// answer.
constexpr std::size_t maxFound = 16;

// A name the DNS gave, usable in an address: letters, digits, hyphens and dots, without the
// root's trailing dot. Empty when it is not one.
std::string hostName(std::string_view name)
{
    if (name.ends_with('.')) {
        name.remove_suffix(1);
    }
    const bool valid = !name.empty() && name.size() <= 253 && !name.starts_with('.') && !name.starts_with('-')
        && std::ranges::all_of(name, [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
                   || c == '.';
           });
    return valid ? std::string(name) : std::string();
}

std::string serverAddress(const std::string& host, int port)
{
    return "https://" + host + (port == 443 ? std::string() : ":" + std::to_string(port));
}

struct Search {
    std::vector<std::string> remembered;
    std::function<void(std::vector<std::string>)> done;
    std::mutex mutex;
    std::vector<std::string> found;
    std::size_t waiting = 0;

    void finish() { done(directoryServerOrder(std::move(found), remembered)); }
};

void reverseAddresses(HostResolver& resolver, const std::shared_ptr<Search>& search, std::vector<std::string> addresses)
{
    if (addresses.size() > maxFound) {
        addresses.resize(maxFound);
    }
    if (addresses.empty()) {
        search->finish();
        return;
    }
    search->waiting = addresses.size();
    for (const std::string& address : addresses) {
        resolver.hostNames(address, [search](const HostResolver::Names& names) {
            std::unique_lock lock(search->mutex);
            for (const std::string& name : names) {
                if (const std::string host = hostName(name); !host.empty()) {
                    search->found.push_back(serverAddress(host, 443));
                    break;
                }
            }
            if (--search->waiting == 0) {
                lock.unlock();
                search->finish();
            }
        });
    }
}

} // namespace

std::vector<std::string> directoryServerOrder(
    std::vector<std::string> found, const std::vector<std::string>& remembered)
{
    std::shuffle(found.begin(), found.end(), std::mt19937(std::random_device {}()));
    std::vector<std::string> order;
    const auto add = [&order](std::string_view server) {
        if (!server.empty() && std::ranges::find(order, server) == order.end()) {
            order.emplace_back(server);
        }
    };
    for (const std::string& server : found) {
        add(server);
    }
    for (const std::string& server : remembered) {
        add(server);
    }
    for (const std::string_view server : builtInDirectoryServers) {
        add(server);
    }
    return order;
}

void findDirectoryServers(
    HostResolver& resolver, std::vector<std::string> remembered, std::function<void(std::vector<std::string>)> done)
{
    auto search = std::make_shared<Search>();
    search->remembered = std::move(remembered);
    search->done = std::move(done);
    resolver.serviceHosts(std::string(directoryService), [&resolver, search](const std::vector<ServiceHost>& hosts) {
        for (const ServiceHost& service : hosts) {
            const std::string host = hostName(service.name);
            if (!host.empty() && service.port > 0 && service.port <= 65535 && search->found.size() < maxFound) {
                search->found.push_back(serverAddress(host, service.port));
            }
        }
        if (!search->found.empty()) {
            search->finish();
            return;
        }
        resolver.addresses(std::string(directoryHosts), [&resolver, search](HostResolver::Names addresses) {
            reverseAddresses(resolver, search, std::move(addresses));
        });
    });
}

} // namespace Vello
