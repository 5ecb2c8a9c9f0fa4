#pragma once

#include "ports/hostresolver.h"

#include <map>
#include <string>
#include <vector>

namespace Vello {

// A DNS that answers at once: SRV lookups from its table, every other lookup with nothing.
class FakeHostResolver final : public HostResolver {
public:
    std::map<std::string, std::vector<ServiceHost>> services;

    void serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done) override
    {
        const auto found = services.find(service);
        done(found == services.end() ? std::vector<ServiceHost>() : found->second);
    }
    void addresses(const std::string&, std::function<void(Names)> done) override { done({}); }
    void hostNames(const std::string&, std::function<void(Names)> done) override { done({}); }
};

} // namespace Vello
