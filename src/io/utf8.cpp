#include "io/utf8.h"

namespace zan::utf8 {

std::size_t sequenceLength(std::string_view text) {
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

std::u32string decode(std::string_view text) {
    std::u32string codes;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text.substr(at));
        if (length == 0) {
            codes += U'\uFFFD';
            ++at;
            continue;
        }
        const auto byte = [&](std::size_t i) {
            return static_cast<char32_t>(static_cast<unsigned char>(text[at + i]));
        };
        char32_t code = length == 1 ? byte(0) : byte(0) & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i)
            code = (code << 6) | (byte(i) & 0x3F);
        codes += code;
        at += length;
    }
    return codes;
}

void append(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t visible(char32_t code) {
    if (code == 0x7F)
        return U'\u2421';
    return code < 0x20 ? U'\u2400' + code : code;
}

std::string withVisibleControls(std::string_view text) {
    std::string out;
    for (const char32_t code : decode(text))
        append(out, visible(code));
    return out;
}

std::string fromLatin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        append(out, static_cast<unsigned char>(c));
    return out;
}

}  // namespace zan::utf8
