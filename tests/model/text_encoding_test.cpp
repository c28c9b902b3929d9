#include "model/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace zan::textEncoding {
namespace {

TEST(TextEncoding, EveryWindows1252ByteHasItsOwnCharacterAndComesBack) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string text = fromWindows1252(bytes);
    EXPECT_EQ(characterCount(text), 256U);
    EXPECT_EQ(validUtf8(text), text);
    EXPECT_EQ(toWindows1252(text), bytes);
    EXPECT_EQ(beyondWindows1252(text), "");
}

TEST(TextEncoding, ConvertsAtTheFileBoundary) {
    const struct {
        const char* name;
        std::string text;                  // UTF-8
        std::optional<std::string> bytes;  // Windows-1252, none when it cannot hold them
        std::string replaced;              // with '?' for each character it cannot hold
        std::string beyond;
    } cases[] = {
        {"ascii", "h = 9.5", "h = 9.5", "h = 9.5", ""},
        {"quotes and dashes", "O\u2019Hare \u2013 \u20AC", "O\x92Hare \x96 \x80",
         "O\x92Hare \x96 \x80", ""},
        {"Polish", "\u0141\u00F3d\u017A \u0141", std::nullopt,
         "?\xF3"
         "d? ?",
         "\u0141\u017A"},
        {"beyond the basic plane", "a\U0001F600b", std::nullopt, "a?b", "\U0001F600"},
        {"not UTF-8", "\xE9t\xE9", std::nullopt, "?t?", "\uFFFD"},
        {"overlong slash", "\xC0\xAF", std::nullopt, "??", "\uFFFD"},
        {"surrogate", "\xED\xA0\x80", std::nullopt, "???", "\uFFFD"},
        {"cut short", "a\xE2\x82", std::nullopt, "a??", "\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toWindows1252(c.text), c.bytes) << c.name;
        EXPECT_EQ(toWindows1252(c.text, '?'), c.replaced) << c.name;
        EXPECT_EQ(beyondWindows1252(c.text), c.beyond) << c.name;
    }
    // A name of a Latin-1 system reads as the characters it means.
    EXPECT_EQ(validUtf8("\xE9t\xE9 \u0141"), "\u00E9t\u00E9 \u0141");
    EXPECT_EQ(characterCount("\u0141\u00F3d\u017A\xFF"), 5U);
}

}  // namespace
}  // namespace zan::textEncoding
