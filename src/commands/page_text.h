#pragma once
// The web page's texts are UTF-8, as the core's are; these take them in at the page session's
// edge, and nowhere else.

#include <optional>
#include <string>
#include <string_view>

#include "model/text_encoding.h"

namespace zan::pageText {

inline std::string fromCore(std::string_view text) {
    return std::string(text);
}

// A text from the page as the core holds it: every character as it is (a byte that is not
// UTF-8, which a browser never sends, as its Windows-1252 character).
inline std::string toCore(std::string_view text) {
    return textEncoding::validUtf8(text);
}

// A typed input text as the input data file can hold it: a character Windows-1252 has no byte
// for becomes `beyond`, or, when it is 0, makes the whole text nothing.
inline std::optional<std::string> toInputText(std::string_view text, char beyond) {
    const std::string valid = toCore(text);
    if (beyond == 0) {
        if (!textEncoding::toWindows1252(valid))
            return std::nullopt;
        return valid;
    }
    return textEncoding::fromWindows1252(textEncoding::toWindows1252(valid, beyond));
}

// As a typed input text has always been kept: each character beyond the file's becomes '?'.
inline std::string toInputText(std::string_view text) {
    return *toInputText(text, '?');
}

}  // namespace zan::pageText
