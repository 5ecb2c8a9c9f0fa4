#include "catalog/textrules.h"

#include <gtest/gtest.h>

#include <string>

namespace Vello {
namespace {

TEST(TextRules, TrimsExactlyTheWhiteSpaceAndLineBreakSet)
{
    for (char32_t c : {0x09U, 0x0AU, 0x0BU, 0x0CU, 0x0DU, 0x20U, 0x85U, 0xA0U, 0x1680U, 0x2000U, 0x2007U, 0x200AU,
             0x2028U, 0x2029U, 0x202FU, 0x205FU, 0x3000U}) {
        EXPECT_TRUE(isTrimmedCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    // Zero-width and format characters are not white space, nor are the other C0 controls.
    for (char32_t c : {0x00U, 0x08U, 0x0EU, 0x1FU, 0x200BU, 0x200DU, 0x2060U, 0xFEFFU, 0x180EU, 0x41U, 0x110000U}) {
        EXPECT_FALSE(isTrimmedCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(trimmed("\t\n\v\f\r \u0085\u00a0\u2028\u2029\u3000Radio  One\u00a0\r\n"), "Radio  One");
    EXPECT_EQ(trimmed("\u200bRadio\u200b"), "\u200bRadio\u200b");
    EXPECT_EQ(trimmed(" \u00a0 \n"), "");
    // A stray byte is kept as it is, and so is everything inside it.
    EXPECT_EQ(trimmed(" \xff Radio \xc2 "), "\xff Radio \xc2");
}

TEST(TextRules, CountsAndCutsUserPerceivedCharacters)
{
    EXPECT_EQ(characterCount("Cafe\u0301\r\n"), 5U);
    EXPECT_EQ(characterCount("\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7"), 2U); // two flags
    EXPECT_EQ(characterCount("\U0001F468\u200D\U0001F469\u200D\U0001F467"), 1U); // family sequence
    EXPECT_EQ(characterCount("\U0001F44D\U0001F3FD!"), 2U); // thumbs up with skin tone
    EXPECT_EQ(characterCount("\u0928\u092E\u0938\u094D\u0924\u0947"), 3U); // Devanagari conjunct
    EXPECT_EQ(characterCount("abcdef", 3), 3U);
    EXPECT_EQ(leadingCharacters("a\U0001F1E9\U0001F1EAb", 2), "a\U0001F1E9\U0001F1EA");
    EXPECT_EQ(leadingCharacters("e\u0301e\u0301", 1), "e\u0301");
    EXPECT_EQ(leadingCharacters("abc", 10), "abc");
    EXPECT_EQ(leadingCharacters("abc", 0), "");
}

TEST(TextRules, NormalisesToComposedFormAndLowerCasesAllOfUnicode)
{
    EXPECT_TRUE(isNfc("plain ascii"));
    EXPECT_TRUE(isNfc("Caf\u00e9"));
    EXPECT_FALSE(isNfc("Cafe\u0301"));
    EXPECT_EQ(toNfc("Cafe\u0301"), "Caf\u00e9");
    EXPECT_EQ(toNfc("\u1100\u1161"), "\uAC00"); // Hangul jamo compose
    EXPECT_EQ(toNfc("\u212B"), "\u00C5"); // ANGSTROM SIGN is a singleton decomposition

    EXPECT_EQ(lowercased("\u00c4\u00d6\u00dc Stra\u00dfe 24"), "\u00e4\u00f6\u00fc stra\u00dfe 24");
    // The final sigma takes its word-final form.
    EXPECT_EQ(lowercased("\u039f\u0394\u039f\u03a3"), "\u03bf\u03b4\u03bf\u03c2");
    EXPECT_EQ(lowercased("\u0420\u0410\u0414\u0418\u041e"), "\u0440\u0430\u0434\u0438\u043e");
}

} // namespace
} // namespace Vello
