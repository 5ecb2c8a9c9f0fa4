#include "fakehostresolver.h"

namespace Vello {

namespace {

template <typename Value> Value lookUp(const std::map<std::string, Value>& table, const std::string& name)
{
    const auto found = table.find(name);
    return found == table.end() ? Value() : found->second;
}

} // namespace

void FakeHostResolver::serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done)
{
    asked.push_back(service);
    done(lookUp(services, service));
}

void FakeHostResolver::addresses(const std::string& host, std::function<void(Names)> done)
{
    asked.push_back(host);
    done(lookUp(hostAddresses, host));
}

void FakeHostResolver::hostNames(const std::string& address, std::function<void(Names)> done)
{
    asked.push_back(address);
    done(lookUp(pointers, address));
}

} // namespace Vello
