#pragma once
// The web page's texts are UTF-8; the core's are Latin-1, one char per character, until they
// too are UTF-8. These convert at the page session's edge, and nowhere else.

#include <optional>
#include <string>
#include <string_view>

namespace zan::pageText {

// A core text in UTF-8: every Latin-1 character has a code point of the same number.
inline std::string fromCore(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// A UTF-8 text as the core holds it; a character beyond Latin-1 (and a byte that is not UTF-8)
// becomes `beyond`, or, when it is 0, makes the whole text nothing.
inline std::optional<std::string> toCore(std::string_view text, char beyond) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto next = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if (lead < 0x80) {
            out += text[at++];
        } else if ((lead == 0xC2 || lead == 0xC3) && (next & 0xC0) == 0x80) {
            out += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
            at += 2;
        } else if (beyond == 0) {
            return std::nullopt;
        } else {
            out += beyond;
            // The rest of the character: its continuation bytes.
            for (++at; at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;)
                ++at;
        }
    }
    return out;
}

// As a typed text has always been kept: each character beyond Latin-1 becomes '?'.
inline std::string toCore(std::string_view text) {
    return *toCore(text, '?');
}

}  // namespace zan::pageText
