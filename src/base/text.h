#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Mark an English text of the core for translation. lupdate reads them as QT_TRANSLATE_NOOP and
// QT_TRANSLATE_N_NOOP (translations/CMakeLists.txt tells it so); the window translates core
// texts in the context "Core", so that is the context every use names. A marked text is a
// MarkedText, which becomes a Text where one is wanted; an unmarked one does not.
#define VELLO_TR(context, source) (::Vello::MarkedText {source})
#define VELLO_TR_N(context, source) source

namespace Vello {

// An English sentence marked with VELLO_TR for translation: the one kind of plain text that
// becomes a Text without being asked to, and that still reads as its characters.
struct MarkedText final {
    const char* source;

    constexpr operator const char*() const { return source; } // NOLINT(google-explicit-constructor)
};

// A text a person reads, kept in English together with what translating it needs: the source
// text, marked with VELLO_TR, whose numbered places %1 to %9 are filled with `values` in order,
// so a translation may put them in any order. A value is itself a text: another phrase to
// translate, a name or address shown as it is, or a number written the reader's way.
class Text final {
public:
    enum class Kind { Phrase, Verbatim, Number };

    Text() = default;
    // A phrase marked for translation, without values: VELLO_TR("Core", "...") reads as a Text.
    Text(MarkedText source); // NOLINT(google-explicit-constructor)
    // A phrase without values, its source text marked where it was written. Explicit, so that no
    // sentence slips past translation into a Text unmarked.
    explicit Text(const char* source);
    Text(const char* source, std::vector<Text> values);
    // A name, address or technical detail: shown as it is in every language.
    [[nodiscard]] static Text verbatim(std::string value);
    // A number, written with the reader's digits, grouping and decimal sign: `value` holds it
    // times 10 to the `decimals` (number(441, 1) is 44.1).
    [[nodiscard]] static Text number(std::int64_t value, int decimals = 0);
    // A phrase marked with VELLO_TR_N whose %Ln is `count`, which also picks the plural form.
    // Its English is written the Qt way, "%Ln second(s)"; english() reads the "(s)".
    [[nodiscard]] static Text counted(const char* source, std::int64_t count);

    [[nodiscard]] Kind kind() const { return m_kind; }
    // The English source text, or the verbatim value.
    [[nodiscard]] const std::string& source() const { return m_source; }
    [[nodiscard]] const std::vector<Text>& values() const { return m_values; }
    // The number, or for a counted phrase its count; -1 for a phrase that counts nothing.
    [[nodiscard]] std::int64_t numberValue() const { return m_number; }
    [[nodiscard]] int decimals() const { return m_decimals; }
    [[nodiscard]] bool empty() const;
    // The text in English, its places filled.
    [[nodiscard]] std::string english() const;

    friend bool operator==(const Text&, const Text&) = default;
    // A text with values never equals a bare English sentence: compare english() instead.
    friend bool operator==(const Text&, const char*) = delete;

private:
    Kind m_kind = Kind::Verbatim;
    std::string m_source;
    std::vector<Text> m_values;
    std::int64_t m_number = -1;
    int m_decimals = 0;
};

// `pattern` with each %1 to %9 replaced by the matching entry of `values` in one pass, so a
// value that itself holds "%2" is left as it is; a place without a value stays as written.
[[nodiscard]] std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& values);

} // namespace Vello
