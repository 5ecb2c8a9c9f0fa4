#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Vello {

// A host that offers a service, as a DNS SRV record names it.
struct ServiceHost final {
    std::string name;
    int port = 0;

    friend bool operator==(const ServiceHost&, const ServiceHost&) = default;
};

// Asks the DNS. Each lookup answers exactly once, on any thread, with what it found: nothing
// when the name does not exist, the lookup failed or it took too long. A resolver destroyed
// first drops the lookups it still holds unanswered.
class HostResolver {
public:
    using Names = std::vector<std::string>;

    virtual ~HostResolver() = default;

    // The hosts of the SRV records of `service` (such as "_api._tcp.example.org").
    virtual void serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done) = 0;
    // The IPv4 and IPv6 addresses of `host`, as text.
    virtual void addresses(const std::string& host, std::function<void(Names)> done) = 0;
    // The names an address (as text) points back to: its PTR records.
    virtual void hostNames(const std::string& address, std::function<void(Names)> done) = 0;
};

} // namespace Vello
