#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Vello {

// Text rules shared by everything the catalog shows. All texts are UTF-8; ill-formed bytes
// are never trimmed and count as characters of their own. Every function here is safe to
// call from any thread.

// The characters trimmed from both ends of a displayed text: U+0009 to U+000D, U+0085 and
// the separators (general categories Zs, Zl, Zp). U+200B ZERO WIDTH SPACE is not one of them.
[[nodiscard]] bool isTrimmedCharacter(char32_t character);

// `text` without trimmed characters at either end; inner characters are left alone.
[[nodiscard]] std::string_view trimmed(std::string_view text);

// Whether `character` is never shown: a control character that is not white space (C0, DEL,
// C1), or an invisible character that hides text or reorders the text around it: U+200B ZERO
// WIDTH SPACE, the direction embeddings, overrides and isolates (U+202A to U+202E, U+2066 to
// U+2069), U+FEFF and U+FFFD. The joiners (U+200C, U+200D) and the direction marks (U+200E,
// U+200F, U+061C) are shown: scripts and emoji need them, and none reverses a run of text.
[[nodiscard]] bool isHiddenCharacter(char32_t character);

// `text` made safe to print as it is, in a terminal as on the desktop: hidden characters left
// out, and the white space that breaks lines or tabulates (U+0009 to U+000D, U+0085, U+2028,
// U+2029) made plain spaces; everything else, spaces included, kept. Nothing when `text` is
// already so, found without a copy. Ill-formed bytes are kept as they are.
[[nodiscard]] std::optional<std::string> printableText(std::string_view text);

// User-perceived characters (extended grapheme clusters) in `text`, counting no further
// than `stopAfter`: callers that only need to know "more than n" pass n + 1.
[[nodiscard]] std::size_t characterCount(std::string_view text, std::size_t stopAfter = std::string_view::npos);

// The first `count` user-perceived characters of `text` (all of it when it is shorter).
// Never ends inside a grapheme cluster.
[[nodiscard]] std::string_view leadingCharacters(std::string_view text, std::size_t count);

// Whether `text` is already in Unicode Normalization Form C.
[[nodiscard]] bool isNfc(std::string_view text);

// `text` in Normalization Form C: canonically equivalent texts give identical bytes.
[[nodiscard]] std::string toNfc(std::string_view text);

// Full Unicode lower-casing, the same in every locale.
[[nodiscard]] std::string lowercased(std::string_view text);

} // namespace Vello
