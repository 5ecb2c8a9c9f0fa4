#include "textrules.h"

#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace Vello {

namespace {

bool isAscii(std::string_view text)
{
    // Eight bytes at a time: most catalog texts are plain ASCII and skip ICU entirely.
    const char* data = text.data();
    std::size_t size = text.size();
    constexpr std::uint64_t highBits = 0x8080808080808080ULL;
    while (size >= sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, data, sizeof word);
        if ((word & highBits) != 0) {
            return false;
        }
        data += sizeof word;
        size -= sizeof word;
    }
    for (; size > 0; ++data, --size) {
        if ((static_cast<unsigned char>(*data) & 0x80U) != 0) {
            return false;
        }
    }
    return true;
}

// Grapheme segmentation is locale-independent; a break iterator is costly to create, so each
// thread keeps one.
icu::BreakIterator* characterBreaks()
{
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

// Byte length of the first `count` grapheme clusters and how many there were (at most `count`).
struct Prefix {
    std::size_t bytes = 0;
    std::size_t characters = 0;
};

Prefix graphemePrefix(std::string_view text, std::size_t count)
{
    if (count == 0 || text.empty()) {
        return {};
    }
    icu::BreakIterator* breaks = characterBreaks();
    UErrorCode status = U_ZERO_ERROR;
    UText utext = UTEXT_INITIALIZER;
    utext_openUTF8(&utext, text.data(), static_cast<std::int64_t>(text.size()), &status);
    if (breaks == nullptr || U_FAILURE(status)) {
        utext_close(&utext);
        // Without ICU's data every code point is taken as a character of its own.
        Prefix prefix;
        while (prefix.bytes < text.size() && prefix.characters < count) {
            std::int32_t offset = static_cast<std::int32_t>(prefix.bytes);
            UChar32 ignored = 0;
            U8_NEXT(text.data(), offset, static_cast<std::int32_t>(text.size()), ignored);
            prefix.bytes = static_cast<std::size_t>(offset);
            ++prefix.characters;
        }
        return prefix;
    }
    breaks->setText(&utext, status);
    Prefix prefix;
    for (std::int32_t boundary = breaks->first(); prefix.characters < count;) {
        boundary = breaks->next();
        if (boundary == icu::BreakIterator::DONE) {
            break;
        }
        prefix.bytes = static_cast<std::size_t>(boundary);
        ++prefix.characters;
    }
    // The iterator keeps a shallow copy of the text; point it elsewhere before the text goes.
    breaks->setText(icu::UnicodeString());
    utext_close(&utext);
    return prefix;
}

// The bytes that may begin a character printableText() changes: the C0 controls, DEL, and the
// lead bytes of U+0080 to U+00BF, U+2000 to U+2FFF and U+F000 to U+FFFF. A text without them,
// as nearly every one is, is passed over a byte at a time without decoding it.
constexpr std::array<bool, 256> mayBeginChange = [] {
    std::array<bool, 256> table {};
    for (std::size_t byte = 0; byte < 0x20; ++byte) {
        table.at(byte) = true;
    }
    for (const std::size_t byte : {0x7F, 0xC2, 0xE2, 0xEF}) {
        table.at(byte) = true;
    }
    return table;
}();

// Asked of ICU once, in a static the C++ runtime guards: the search index thread and the GUI
// thread both normalise, and ICU's own lazy set-up is invisible to ThreadSanitizer.
const icu::Normalizer2* nfcNormalizer()
{
    static const icu::Normalizer2* const normalizer = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* instance = icu::Normalizer2::getNFCInstance(status);
        return U_SUCCESS(status) ? instance : nullptr;
    }();
    return normalizer;
}

} // namespace

bool isTrimmedCharacter(char32_t character)
{
    if (character < 0x80) {
        return character == U' ' || (character >= U'\t' && character <= U'\r');
    }
    if (character == 0x85) {
        return true;
    }
    if (character > 0x10FFFF) {
        return false;
    }
    const auto type = static_cast<UCharCategory>(u_charType(static_cast<UChar32>(character)));
    return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

std::string_view trimmed(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t begin = 0;
    while (begin < length) {
        std::int32_t next = begin;
        UChar32 character = 0;
        U8_NEXT(bytes, next, length, character);
        if (character < 0 || !isTrimmedCharacter(static_cast<char32_t>(character))) {
            break;
        }
        begin = next;
    }
    std::int32_t end = length;
    while (end > begin) {
        std::int32_t previous = end;
        UChar32 character = 0;
        U8_PREV(bytes, begin, previous, character);
        if (character < 0 || !isTrimmedCharacter(static_cast<char32_t>(character))) {
            break;
        }
        end = previous;
    }
    return text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

bool isHiddenCharacter(char32_t character)
{
    if (character < 0xA0) {
        return (character < 0x20 || character >= 0x7F) && !isTrimmedCharacter(character);
    }
    return character == 0x200B || (character >= 0x202A && character <= 0x202E)
        || (character >= 0x2066 && character <= 0x2069) || character == 0xFEFF || character == 0xFFFD;
}

std::optional<std::string> printableText(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    // What becomes of the character at `at`, which ends at `next`: nothing when it stays.
    enum class Change { none, drop, space };
    const auto changeAt = [&](std::int32_t at, std::int32_t& next) {
        if (!mayBeginChange[bytes[at]]) {
            next = at + 1;
            return Change::none;
        }
        next = at;
        UChar32 character = 0;
        U8_NEXT(bytes, next, length, character);
        if (character < 0) {
            return Change::none;
        }
        const auto value = static_cast<char32_t>(character);
        if (isHiddenCharacter(value)) {
            return Change::drop;
        }
        return value < 0x20 || value == 0x85 || value == 0x2028 || value == 0x2029 ? Change::space : Change::none;
    };
    // Nearly every text needs nothing: find the first change before copying anything.
    std::int32_t at = 0;
    std::int32_t next = 0;
    for (;; at = next) {
        while (at < length && !mayBeginChange[bytes[at]]) {
            ++at;
        }
        if (at == length) {
            return std::nullopt;
        }
        if (changeAt(at, next) != Change::none) {
            break;
        }
    }
    std::string printable(text.substr(0, static_cast<std::size_t>(at)));
    for (; at < length; at = next) {
        switch (changeAt(at, next)) {
        case Change::none:
            printable.append(text.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(next - at)));
            break;
        case Change::space:
            printable.push_back(' ');
            break;
        case Change::drop:
            break;
        }
    }
    return printable;
}

std::size_t characterCount(std::string_view text, std::size_t stopAfter)
{
    return graphemePrefix(text, stopAfter).characters;
}

std::string_view leadingCharacters(std::string_view text, std::size_t count)
{
    return text.substr(0, graphemePrefix(text, count).bytes);
}

bool isNfc(std::string_view text)
{
    if (isAscii(text)) {
        return true;
    }
    const icu::Normalizer2* normalizer = nfcNormalizer();
    if (normalizer == nullptr) {
        return true;
    }
    UErrorCode status = U_ZERO_ERROR;
    const bool normalized
        = normalizer->isNormalizedUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), status);
    // Text ICU cannot read is its own canonical form: equal only to identical bytes.
    return U_FAILURE(status) || normalized;
}

std::string toNfc(std::string_view text)
{
    if (isAscii(text)) {
        return std::string(text);
    }
    const icu::Normalizer2* normalizer = nfcNormalizer();
    if (normalizer == nullptr) {
        return std::string(text);
    }
    std::string result;
    icu::StringByteSink<std::string> sink(&result, static_cast<std::int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    normalizer->normalizeUTF8(
        0, icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())), sink, nullptr, status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    return result;
}

std::string lowercased(std::string_view text)
{
    if (isAscii(text)) {
        std::string result(text);
        for (char& c : result) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return result;
    }
    icu::UnicodeString wide
        = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    wide.toLower(icu::Locale::getRoot());
    std::string result;
    wide.toUTF8String(result);
    return result;
}

} // namespace Vello
