#include "model/text_encoding.h"

#include <array>

namespace zan::textEncoding {
namespace {

// The characters of bytes 80 to 9F; the rest of the upper half is Latin-1's.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t characterOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<char> byteOf(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code < 0x100))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

void append(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
        return;
    }
    const int extra = code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[extra] | (code >> (6 * extra)));
    for (int i = extra - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((code >> (6 * i)) & 0x3F));
}

// The length of the valid UTF-8 sequence at `text`'s start, 0 when there is none (overlong
// forms, surrogates and code points beyond U+10FFFF are none).
std::size_t sequenceLength(std::string_view text) {
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

// Calls `f(code, sequence)` for each character, `f(nullopt, byte)` for each byte that begins
// no sequence.
template <typename F>
void eachCharacter(std::string_view text, F f) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text.substr(at));
        if (length == 0) {
            f(std::optional<char32_t>{}, text.substr(at++, 1));
            continue;
        }
        char32_t code = static_cast<unsigned char>(text[at]);
        if (length > 1)
            code &= 0x7F >> length;
        for (std::size_t i = 1; i < length; ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        f(std::optional<char32_t>{code}, text.substr(at, length));
        at += length;
    }
}

}  // namespace

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        append(out, characterOf(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> toWindows1252(std::string_view text) {
    std::string out;
    bool whole = true;
    eachCharacter(text, [&](std::optional<char32_t> code, std::string_view) {
        const std::optional<char> byte = code ? byteOf(*code) : std::nullopt;
        whole = whole && byte;
        if (byte)
            out += *byte;
    });
    return whole ? std::optional<std::string>(std::move(out)) : std::nullopt;
}

std::string toWindows1252(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    eachCharacter(text, [&](std::optional<char32_t> code, std::string_view) {
        out += code ? byteOf(*code).value_or(replacement) : replacement;
    });
    return out;
}

std::string beyondWindows1252(std::string_view text) {
    std::string out;
    eachCharacter(text, [&](std::optional<char32_t> code, std::string_view sequence) {
        if (code && byteOf(*code))
            return;
        const std::string shown = code ? std::string(sequence) : "\xEF\xBF\xBD";
        if (out.find(shown) == std::string::npos)
            out += shown;
    });
    return out;
}

std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    eachCharacter(text, [&](std::optional<char32_t> code, std::string_view sequence) {
        if (code)
            out += sequence;
        else
            append(out, characterOf(static_cast<unsigned char>(sequence[0])));
    });
    return out;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    eachCharacter(text, [&](std::optional<char32_t>, std::string_view) { ++count; });
    return count;
}

}  // namespace zan::textEncoding
