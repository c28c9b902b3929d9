#include "io/json.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace zan::json {
namespace {

struct QuotedCase {
    const char* name;
    std::string text;
    std::string json;
};

class QuotedTest : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedTest, EscapesWhatAStringOrAPageCannotHoldAsItIs) {
    EXPECT_EQ(quote(GetParam().text), GetParam().json);
    // Whatever it held, it reads back as it was (invalid UTF-8 aside).
    if (GetParam().text.find('\xFF') == std::string::npos) {
        const auto back = parse(quote(GetParam().text));
        ASSERT_TRUE(back) << back.error();
        EXPECT_EQ(*back->string(), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuotedTest,
    testing::Values(QuotedCase{"Plain", "O’Hare Road – Łódź", "\"O’Hare Road – Łódź\""},
                    QuotedCase{"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
                    QuotedCase{"Controls", std::string("\r\n\t\f\x01\0", 6),
                               "\"\\r\\n\\t\\u000c\\u0001\\u0000\""},
                    QuotedCase{"Markup", "</script><b>&",
                               "\"\\u003c/script\\u003e\\u003cb\\u003e\\u0026\""},
                    QuotedCase{"LineSeparators", "a\u2028b\u2029", "\"a\\u2028b\\u2029\""},
                    QuotedCase{"InvalidUtf8", "a\xFF\xC3", "\"a\xEF\xBF\xBD\xEF\xBF\xBD\""}),
    [](const auto& info) { return info.param.name; });

TEST(JsonWriter, SeparatesMembersAndItemsAndKeepsNumbersShortest) {
    Writer w;
    w.beginObject()
        .member("h", 9.5f)
        .member("tenth", 0.1f)
        .member("third", 1.0 / 3)
        .member("rows", std::size_t{10})
        .member("nan", std::nan(""))
        .key("list")
        .beginArray()
        .value(true)
        .null()
        .beginObject()
        .endObject()
        .endArray()
        .endObject();
    EXPECT_EQ(w.text(),
              "{\"h\":9.5,\"tenth\":0.1,\"third\":0.3333333333333333,\"rows\":10,\"nan\":null,"
              "\"list\":[true,null,{}]}");
}

struct ParseCase {
    const char* name;
    std::string text;
    std::string error;  // empty when the text is valid
};

class ParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, RefusesWhatIsNotJsonAndSaysWhere) {
    const auto v = parse(GetParam().text);
    EXPECT_EQ(v ? std::string() : v.error(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTest,
    testing::Values(
        ParseCase{"Object", " {\"a\": [1, -2.5e3, \"\\u00e9\\ud83d\\ude00\"], \"b\": null} ", ""},
        ParseCase{"Empty", "", "a value expected at byte 0"},
        ParseCase{"Trailing", "1 2", "text after the value at byte 2"},
        ParseCase{"LeadingZero", "01", "a number with a leading zero at byte 2"},
        ParseCase{"Plus", "+1", "a value expected at byte 0"},
        ParseCase{"BarePoint", "1.", "digits expected after the point at byte 2"},
        ParseCase{"NoExponent", "1e", "digits expected in the exponent at byte 2"},
        ParseCase{"UnclosedArray", "[1,", "a value expected at byte 3"},
        ParseCase{"MissingColon", "{\"a\" 1}", "':' expected at byte 5"},
        ParseCase{"BareKey", "{a:1}", "a key expected at byte 1"},
        ParseCase{"ControlInString", "\"a\nb\"", "a control character in a string at byte 2"},
        ParseCase{"LoneSurrogate", "\"\\udc00\"", "an invalid escape in a string at byte 7"},
        ParseCase{"NotUtf8", "\"\xC0\xAF\"", "a string that is not UTF-8 at byte 1"},
        ParseCase{"Unclosed", "\"abc", "a string without its closing quote at byte 4"},
        ParseCase{"Deep", std::string(kMaxDepth + 2, '['), "nested too deeply at byte 65"}),
    [](const auto& info) { return info.param.name; });

TEST(JsonReader, GivesTheTreeBack) {
    const auto v = parse("{\"k\":130,\"t\":\"a\\\"b\",\"on\":true,\"rows\":[1,[]],\"k\":7}");
    ASSERT_TRUE(v) << v.error();
    EXPECT_EQ(*v->find("k")->number(), 130.0);  // the first of a repeated key
    EXPECT_EQ(*v->find("t")->string(), "a\"b");
    EXPECT_TRUE(*v->find("on")->boolean());
    EXPECT_EQ(v->find("rows")->array()->size(), 2u);
    EXPECT_EQ(v->find("missing"), nullptr);
    EXPECT_EQ(v->find("k")->string(), nullptr);
    EXPECT_EQ(v->find("rows")->find("k"), nullptr);
}

}  // namespace
}  // namespace zan::json
