#include "streamaddress.h"

#include "catalog/textrules.h"

#include <unicode/uidna.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
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

// Printable ASCII an address may carry unescaped.
bool isAddressCharacter(char c)
{
    if (c <= ' ' || c >= 0x7f) {
        return false;
    }
    constexpr std::string_view refused = "\"<>\\^`{|}";
    return refused.find(c) == std::string_view::npos;
}

// The length of the UTF-8 sequence at the start of `text` when it encodes a character an
// address may hold once percent-encoded (anything from U+00A0 on); 0 for malformed UTF-8 and
// for the C1 control characters.
std::size_t textCharacterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    std::size_t length = 0;
    char32_t code = 0;
    if (byte(0) >= 0xc2 && byte(0) <= 0xdf) {
        length = 2;
        code = byte(0) & 0x1fU;
    } else if (byte(0) >= 0xe0 && byte(0) <= 0xef) {
        length = 3;
        code = byte(0) & 0x0fU;
    } else if (byte(0) >= 0xf0 && byte(0) <= 0xf4) {
        length = 4;
        code = byte(0) & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0U) != 0x80) {
            return 0;
        }
        code = (code << 6U) | (byte(i) & 0x3fU);
    }
    constexpr std::array<char32_t, 5> smallest {0, 0, 0xa0, 0x800, 0x10000};
    const bool overlong = code < smallest[length];
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return overlong || surrogate || code > 0x10ffff ? 0 : length;
}

// Checks every character and percent-encodes the non-ASCII ones, as a strict URL parser does.
std::optional<std::string> percentEncoded(std::string_view text)
{
    std::string encoded;
    encoded.reserve(text.size());
    constexpr std::string_view hex = "0123456789ABCDEF";
    for (std::size_t i = 0; i < text.size();) {
        if (isAddressCharacter(text[i])) {
            encoded += text[i++];
            continue;
        }
        const std::size_t length = textCharacterLength(text.substr(i));
        if (length == 0) {
            return std::nullopt;
        }
        for (const char c : text.substr(i, length)) {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += hex[byte >> 4U];
            encoded += hex[byte & 0x0fU];
        }
        i += length;
    }
    return encoded;
}

// The ASCII form of an internationalised host name, as browsers and URL parsers compute it.
std::optional<std::string> asciiHost(std::string_view host)
{
    if (std::ranges::all_of(host, [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(host);
    }
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UIDNA, decltype(&uidna_close)> idna(
        uidna_openUTS46(
            UIDNA_NONTRANSITIONAL_TO_ASCII | UIDNA_CHECK_BIDI | UIDNA_CHECK_CONTEXTJ | UIDNA_USE_STD3_RULES, &status),
        &uidna_close);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    std::array<char, 256> ascii {};
    UIDNAInfo info = UIDNA_INFO_INITIALIZER;
    const int32_t length = uidna_nameToASCII_UTF8(idna.get(), host.data(), static_cast<int32_t>(host.size()),
        ascii.data(), static_cast<int32_t>(ascii.size()), &info, &status);
    if (U_FAILURE(status) || info.errors != 0 || length <= 0 || length >= static_cast<int32_t>(ascii.size())) {
        return std::nullopt;
    }
    return std::string(ascii.data(), static_cast<std::size_t>(length));
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

std::optional<std::string> encodedStreamAddress(std::string_view address)
{
    const auto colon = address.find(':');
    if (address.empty() || colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view scheme = address.substr(0, colon);
    if (!equalsIgnoringCase(scheme, "http") && !equalsIgnoringCase(scheme, "https")) {
        return std::nullopt;
    }
    std::string_view rest = address.substr(colon + 1);
    if (!rest.starts_with("//")) {
        return std::nullopt;
    }
    rest.remove_prefix(2);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    const std::string_view tail = rest.substr(authority.size());

    // user info @ host : port; only a host in brackets (IPv6) may hold colons of its own.
    const auto at = authority.rfind('@');
    const std::string_view userInfo = at == std::string_view::npos ? std::string_view() : authority.substr(0, at + 1);
    std::string_view host = authority.substr(userInfo.size());
    std::string_view port;
    if (const auto portColon = host.rfind(':'); portColon != std::string_view::npos && !host.starts_with('[')) {
        port = host.substr(portColon);
        host = host.substr(0, portColon);
    }
    const std::optional<std::string> hostName = asciiHost(host);
    const std::optional<std::string> encodedUserInfo = percentEncoded(userInfo);
    const std::optional<std::string> encodedTail = percentEncoded(tail);
    if (!hostName || !encodedUserInfo || !encodedTail) {
        return std::nullopt;
    }
    const std::string encodedAuthority = *encodedUserInfo + *hostName + std::string(port);
    std::string encoded = std::string(scheme) + "://" + encodedAuthority + *encodedTail;
    if (!std::ranges::all_of(encoded, isAddressCharacter) || !hasWellFormedEscapes(encoded)
        || !isValidAuthority(encodedAuthority)) {
        return std::nullopt;
    }
    return encoded;
}

bool isPlayableStreamAddress(std::string_view address)
{
    return encodedStreamAddress(address).has_value();
}

std::optional<std::string> homepageAddress(std::optional<std::string_view> homepage)
{
    if (!homepage) {
        return std::nullopt;
    }
    std::optional<std::string> address = encodedStreamAddress(trimmed(*homepage));
    // Credentials would be handed to the site, or dress a link up as another site's
    // ("https://bank.example@elsewhere.example/"): a homepage opens without them.
    if (address) {
        const std::size_t start = address->find("//") + 2;
        const std::string_view authority
            = std::string_view(*address).substr(start, address->find_first_of("/?#", start) - start);
        if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
            address->erase(start, at + 1);
        }
    }
    return address;
}

} // namespace Vello
