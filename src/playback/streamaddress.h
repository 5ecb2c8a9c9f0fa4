#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// The form of `address` to open, with an internationalised host in its ASCII form and other
// non-ASCII text percent-encoded, as a strict URL parser writes it; nothing when the address
// is not playable (below).
[[nodiscard]] std::optional<std::string> encodedStreamAddress(std::string_view address);

// Whether `address` is one the player may open: an absolute http or https address (scheme in
// any case) with a host, made only of characters an address may hold once encoded. Catalog entries are
// untrusted, so anything else (local files, devices, other protocols, text that does not
// parse) is refused.
[[nodiscard]] bool isPlayableStreamAddress(std::string_view address);

// Where a station's homepage link may take the user: the homepage without the blanks around it
// and without a user name or password, in the encoded form above, when it is an http or https
// address; nothing for anything else (absent, blank, script, local file, other protocols), as
// catalog entries are untrusted.
[[nodiscard]] std::optional<std::string> homepageAddress(std::optional<std::string_view> homepage);

} // namespace Vello
