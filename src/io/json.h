#pragma once
// JSON, for what the core hands to the web page and keeps in its storage: a writer that makes
// compact text, and a reader that turns text back into a tree of values. The texts are UTF-8;
// the reader treats what it reads as untrusted (another page may have written it), so it
// refuses rather than guesses, and it bounds the nesting so that no text can exhaust the stack.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "model/expected.h"

namespace zan::json {

class Writer {
  public:
    Writer& beginObject();
    Writer& endObject();
    Writer& beginArray();
    Writer& endArray();
    // An object's member: its key, then exactly one value or container.
    Writer& key(std::string_view name);

    Writer& value(std::string_view text);
    Writer& value(const char* text) { return value(std::string_view(text)); }
    Writer& value(const std::string& text) { return value(std::string_view(text)); }
    Writer& value(bool flag);
    Writer& value(int number) { return value(static_cast<long long>(number)); }
    Writer& value(long long number);
    Writer& value(std::size_t number);
    // The shortest text that reads back as the same number; a float as a float, so that
    // 0.1f is 0.1 and not 0.10000000149011612. JSON has no NaN or infinity: they are null.
    Writer& value(double number);
    Writer& value(float number);
    Writer& null();

    template <typename T>
    Writer& member(std::string_view name, const T& v) {
        return key(name).value(v);
    }

    const std::string& text() const { return m_text; }

  private:
    void separate();

    std::string m_text;
    // Per open container: whether something has been written in it yet.
    std::vector<bool> m_filled;
    bool m_afterKey = false;
};

// A text as a JSON string with its quotes. Quote, backslash and control characters are escaped,
// and so are '<', '>', '&' and U+2028/U+2029, so that the text is safe inside a script or an
// HTML page too; a byte that is not part of valid UTF-8 becomes U+FFFD.
std::string quote(std::string_view text);

class Value;

struct Member;
using Array = std::vector<Value>;
using Object = std::vector<Member>;  // in the text's order

class Value {
  public:
    Value() = default;  // null
    // Defined after Member: a constructor's body needs every alternative complete, and clang
    // (libFuzzer's build) will not wait for the end of the header as g++ does.
    explicit Value(bool flag);
    explicit Value(double number);
    explicit Value(std::string text);
    explicit Value(Array items);
    explicit Value(Object members);

    bool isNull() const { return m_data.index() == 0; }
    // Null when the value is of another kind.
    const bool* boolean() const { return std::get_if<bool>(&m_data); }
    const double* number() const { return std::get_if<double>(&m_data); }
    const std::string* string() const { return std::get_if<std::string>(&m_data); }
    const Array* array() const { return std::get_if<Array>(&m_data); }
    const Object* object() const { return std::get_if<Object>(&m_data); }

    // An object's member by its key (the first, should the text repeat it); null when this is
    // no object or has no such member.
    const Value* find(std::string_view key) const;

  private:
    std::variant<std::monostate, bool, double, std::string, Array, Object> m_data;
};

struct Member {
    std::string key;
    Value value;
};

inline Value::Value(bool flag) : m_data(flag) {}
inline Value::Value(double number) : m_data(number) {}
inline Value::Value(std::string text) : m_data(std::move(text)) {}
inline Value::Value(Array items) : m_data(std::move(items)) {}
inline Value::Value(Object members) : m_data(std::move(members)) {}

inline constexpr std::size_t kMaxDepth = 64;

// The value of a whole JSON text (blanks around it allowed, nothing else after it), or a
// message saying what is wrong and at which byte.
Expected<Value, std::string> parse(std::string_view text);

}  // namespace zan::json
