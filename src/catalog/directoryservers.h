#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Vello {

class HostResolver;

// Finds the public radio directory's servers, in the order to try them: the hosts of its SRV
// record or, when there are none, the names its addresses point back to, shuffled so that
// clients spread over the servers; then `remembered` (the servers that worked last time, in
// their order); then the built-in pair. Each appears once, as "https://host" (with the port
// when it is not 443). `done` runs once, on any thread.
void findDirectoryServers(
    HostResolver& resolver, std::vector<std::string> remembered, std::function<void(std::vector<std::string>)> done);

// Puts `found` (shuffled), `remembered` and the built-in servers into the order above.
[[nodiscard]] std::vector<std::string> directoryServerOrder(
    std::vector<std::string> found, const std::vector<std::string>& remembered);

} // namespace Vello
