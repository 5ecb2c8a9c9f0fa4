#include "streamaddress.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace Vello {
namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    return std::ranges::equal(text, lowerCase,
        [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == static_cast<unsigned char>(b); });
}

bool isHexDigit(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Printable ASCII an address may carry unescaped; anything else has to be percent-encoded.
bool isAddressCharacter(char c)
{
    if (c <= ' ' || c >= 0x7f) {
        return false;
    }
    constexpr std::string_view refused = "\"<>\\^`{|}";
    return refused.find(c) == std::string_view::npos;
}

bool hasWellFormedEscapes(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%') {
            if (i + 2 >= text.size()) {
                return false;
            }
            if (!isHexDigit(text[i + 1]) || !isHexDigit(text[i + 2])) {
                return false;
            }
            i += 2;
        }
    }
    return true;
}

bool isValidPort(std::string_view port)
{
    if (port.empty()) {
        return true;
    }
    if (port.size() > 5 || !std::ranges::all_of(port, [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    return std::stoi(std::string(port)) <= 65535;
}

bool isValidAuthority(std::string_view authority)
{
    if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    std::string_view host = authority;
    std::string_view port;
    if (!host.empty() && host.front() == '[') {
        const auto close = host.find(']');
        if (close == std::string_view::npos || close == 1) {
            return false;
        }
        const std::string_view rest = host.substr(close + 1);
        if (!rest.empty() && rest.front() != ':') {
            return false;
        }
        port = rest.empty() ? rest : rest.substr(1);
        host = host.substr(1, close - 1);
        return isValidPort(port)
            && std::ranges::all_of(host, [](char c) { return isHexDigit(c) || c == ':' || c == '.'; });
    }
    if (const auto colon = host.rfind(':'); colon != std::string_view::npos) {
        port = host.substr(colon + 1);
        host = host.substr(0, colon);
    }
    return !host.empty() && host.find_first_of("[]:") == std::string_view::npos && isValidPort(port);
}

} // namespace

bool isPlayableStreamAddress(std::string_view address)
{
    if (address.empty() || !std::ranges::all_of(address, isAddressCharacter) || !hasWellFormedEscapes(address)) {
        return false;
    }
    const auto colon = address.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view scheme = address.substr(0, colon);
    if (!equalsIgnoringCase(scheme, "http") && !equalsIgnoringCase(scheme, "https")) {
        return false;
    }
    std::string_view rest = address.substr(colon + 1);
    if (!rest.starts_with("//")) {
        return false;
    }
    rest.remove_prefix(2);
    const auto authorityEnd = rest.find_first_of("/?#");
    return isValidAuthority(rest.substr(0, authorityEnd));
}

} // namespace Vello
