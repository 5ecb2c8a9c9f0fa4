#pragma once

#include <string_view>

namespace Vello {

// Whether `address` is one the player may open: an absolute http or https address (scheme in
// any case) with a host, made only of characters an address may hold. Catalog entries are
// untrusted, so anything else (local files, devices, other protocols, text that does not
// parse) is refused.
[[nodiscard]] bool isPlayableStreamAddress(std::string_view address);

} // namespace Vello
