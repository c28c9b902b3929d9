#include "io/json.h"

#include "io/utf8.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>
#include <cstdint>
#include <optional>

namespace zan::json {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The escape of one ASCII character, or empty for one that goes as it is.
std::string escapeOf(char c) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        case '<':
        case '>':
        case '&':
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                return {};
    }
    return fmt::format("\\u{:04x}", static_cast<unsigned char>(c));
}

class Reader {
  public:
    explicit Reader(std::string_view text) : m_text(text) {}

    Expected<Value, std::string> whole() {
        std::optional<Value> v = value(0);
        if (v) {
            blanks();
            if (m_at != m_text.size())
                fail("text after the value");
        }
        if (!m_error.empty())
            return failure(fmt::format("{} at byte {}", m_error, m_at));
        return std::move(*v);
    }

  private:
    std::optional<Value> fail(const char* what) {
        if (m_error.empty())
            m_error = what;
        return std::nullopt;
    }

    void blanks() {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' ||
                                        m_text[m_at] == '\n' || m_text[m_at] == '\r'))
            ++m_at;
    }

    bool take(char c) {
        blanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool word(std::string_view w) {
        if (m_text.substr(m_at, w.size()) != w)
            return false;
        m_at += w.size();
        return true;
    }

    std::optional<Value> value(std::size_t depth) {
        if (depth > kMaxDepth)
            return fail("nested too deeply");
        blanks();
        if (m_at == m_text.size())
            return fail("a value expected");
        switch (m_text[m_at]) {
            case '{':
                return object(depth);
            case '[':
                return array(depth);
            case '"': {
                std::optional<std::string> s = string();
                return s ? std::optional<Value>(Value(std::move(*s))) : std::nullopt;
            }
            default:
                break;
        }
        if (word("true"))
            return Value(true);
        if (word("false"))
            return Value(false);
        if (word("null"))
            return Value();
        return number();
    }

    std::optional<Value> number() {
        // JSON's grammar, which is stricter than fast_float's: no '+', no leading zeros, no
        // bare '.', digits on both sides of the point.
        const std::size_t start = m_at;
        const auto digits = [&] {
            const std::size_t from = m_at;
            while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9')
                ++m_at;
            return m_at - from;
        };
        word("-");
        const std::size_t integral = m_at;
        if (digits() == 0)
            return fail("a value expected");
        if (m_text[integral] == '0' && m_at - integral > 1)
            return fail("a number with a leading zero");
        if (word(".") && digits() == 0)
            return fail("digits expected after the point");
        if (word("e") || word("E")) {
            if (!word("+"))
                word("-");
            if (digits() == 0)
                return fail("digits expected in the exponent");
        }
        double v = 0.0;
        fast_float::from_chars(m_text.data() + start, m_text.data() + m_at, v);
        return Value(v);
    }

    std::optional<std::uint32_t> hex4() {
        if (m_text.size() - m_at < 4)
            return std::nullopt;
        std::uint32_t code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return std::nullopt;
            code = code * 16 + static_cast<std::uint32_t>(digit);
        }
        return code;
    }

    // After a backslash and 'u': one code point, a surrogate pair joined.
    bool unicodeEscape(std::string& out) {
        std::optional<std::uint32_t> code = hex4();
        if (!code)
            return false;
        if (*code >= 0xD800 && *code < 0xDC00) {
            if (!word("\\u"))
                return false;
            const std::optional<std::uint32_t> low = hex4();
            if (!low || *low < 0xDC00 || *low >= 0xE000)
                return false;
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
        } else if (*code >= 0xDC00 && *code < 0xE000) {
            return false;
        }
        utf8::append(out, static_cast<char32_t>(*code));
        return true;
    }

    bool escape(std::string& out) {
        if (m_at == m_text.size())
            return false;
        const char c = m_text[m_at++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                return unicodeEscape(out);
            default:
                return false;
        }
    }

    std::optional<std::string> string() {
        ++m_at;  // the opening quote
        std::string out;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '"') {
                ++m_at;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("a control character in a string");
                return std::nullopt;
            }
            if (c == '\\') {
                ++m_at;
                if (!escape(out)) {
                    fail("an invalid escape in a string");
                    return std::nullopt;
                }
                continue;
            }
            const std::size_t length = utf8::sequenceLength(m_text.substr(m_at));
            if (length == 0) {
                fail("a string that is not UTF-8");
                return std::nullopt;
            }
            out += m_text.substr(m_at, length);
            m_at += length;
        }
        fail("a string without its closing quote");
        return std::nullopt;
    }

    std::optional<Value> array(std::size_t depth) {
        ++m_at;
        Array items;
        if (take(']'))
            return Value(std::move(items));
        do {
            std::optional<Value> item = value(depth + 1);
            if (!item)
                return std::nullopt;
            items.push_back(std::move(*item));
        } while (take(','));
        if (!take(']'))
            return fail("',' or ']' expected");
        return Value(std::move(items));
    }

    std::optional<Value> object(std::size_t depth) {
        ++m_at;
        Object members;
        if (take('}'))
            return Value(std::move(members));
        do {
            blanks();
            if (m_at == m_text.size() || m_text[m_at] != '"')
                return fail("a key expected");
            std::optional<std::string> key = string();
            if (!key)
                return std::nullopt;
            if (!take(':'))
                return fail("':' expected");
            std::optional<Value> v = value(depth + 1);
            if (!v)
                return std::nullopt;
            members.push_back(Member{std::move(*key), std::move(*v)});
        } while (take(','));
        if (!take('}'))
            return fail("',' or '}' expected");
        return Value(std::move(members));
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::string m_error;
};

}  // namespace

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8::sequenceLength(text.substr(at));
        if (length == 0) {
            out += kReplacement;
            ++at;
            continue;
        }
        const std::string_view character = text.substr(at, length);
        if (character == "\xE2\x80\xA8" || character == "\xE2\x80\xA9")
            out += character == "\xE2\x80\xA8" ? "\\u2028" : "\\u2029";
        else if (const std::string e = length == 1 ? escapeOf(text[at]) : std::string(); !e.empty())
            out += e;
        else
            out += character;
        at += length;
    }
    return out + '"';
}

void Writer::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_filled.empty()) {
        if (m_filled.back())
            m_text += ',';
        m_filled.back() = true;
    }
}

Writer& Writer::beginObject() {
    separate();
    m_text += '{';
    m_filled.push_back(false);
    return *this;
}

Writer& Writer::endObject() {
    m_text += '}';
    m_filled.pop_back();
    return *this;
}

Writer& Writer::beginArray() {
    separate();
    m_text += '[';
    m_filled.push_back(false);
    return *this;
}

Writer& Writer::endArray() {
    m_text += ']';
    m_filled.pop_back();
    return *this;
}

Writer& Writer::key(std::string_view name) {
    separate();
    m_text += quote(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

Writer& Writer::value(std::string_view text) {
    separate();
    m_text += quote(text);
    return *this;
}

Writer& Writer::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

Writer& Writer::value(long long number) {
    separate();
    m_text += fmt::format("{}", number);
    return *this;
}

Writer& Writer::value(std::size_t number) {
    separate();
    m_text += fmt::format("{}", number);
    return *this;
}

Writer& Writer::value(double number) {
    separate();
    m_text += std::isfinite(number) ? fmt::format("{}", number) : "null";
    return *this;
}

Writer& Writer::value(float number) {
    separate();
    m_text += std::isfinite(number) ? fmt::format("{}", number) : "null";
    return *this;
}

Writer& Writer::null() {
    separate();
    m_text += "null";
    return *this;
}

const Value* Value::find(std::string_view key) const {
    if (const Object* members = object())
        for (const Member& m : *members)
            if (m.key == key)
                return &m.value;
    return nullptr;
}

Expected<Value, std::string> parse(std::string_view text) {
    return Reader(text).whole();
}

}  // namespace zan::json
