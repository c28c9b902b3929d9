#pragma once
// UTF-8, in which the memo document, its drawings and the JSON texts of the web page hold
// their texts.

#include <cstddef>
#include <string>
#include <string_view>

namespace zan::utf8 {

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when it is not one
// (overlong forms, surrogates and code points beyond U+10FFFF are not valid).
std::size_t sequenceLength(std::string_view text);

// The code points of `text`; a byte that begins no valid sequence reads as U+FFFD.
std::u32string decode(std::string_view text);

void append(std::string& out, char32_t code);

// A control character as its visible picture (U+2400 to U+241F, U+2421 for DEL), for a text
// shown on one line, or where (as in XML) it cannot stand.
char32_t visible(char32_t code);

// Latin-1 bytes, one character per byte, as UTF-8.
std::string fromLatin1(std::string_view text);

// The text with every control character as its picture.
std::string withVisibleControls(std::string_view text);

}  // namespace zan::utf8
