#pragma once

#include "ports/hostresolver.h"

#include <map>
#include <string>
#include <vector>

namespace Vello {

// A DNS that answers at once from its tables; a name it does not hold gives nothing.
class FakeHostResolver final : public HostResolver {
public:
    std::map<std::string, std::vector<ServiceHost>> services;
    std::map<std::string, Names> hostAddresses;
    std::map<std::string, Names> pointers;
    // Every name asked about, in order.
    Names asked;

    void serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done) override;
    void addresses(const std::string& host, std::function<void(Names)> done) override;
    void hostNames(const std::string& address, std::function<void(Names)> done) override;
};

} // namespace Vello
