#pragma once

#include <string>
#include <string_view>

namespace Vello {

// Appends `text` to `out` as a JSON string: quoted, with quotes, backslashes and control
// characters escaped. The small files the player writes itself use it.
void appendJsonString(std::string& out, std::string_view text);

} // namespace Vello
