// isNumberText, the test that decides whether the report formats an axle text or prints it
// as typed: it must agree with the independent state machine of number_model.h, a number
// text must read as exactly the value strtod gives for it, and a finite value of a number
// text must format as a plain decimal in every report pattern.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/numbers.h"
#include "number_model.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

bool isPlainDecimal(const std::string& s, int decimals) {
    std::size_t i = s.empty() || s[0] != '-' ? 0 : 1;
    const std::size_t point = s.find('.');
    const std::size_t integerEnd = point == std::string::npos ? s.size() : point;
    if (integerEnd == i)
        return false;
    for (std::size_t j = i; j < integerEnd; ++j)
        if (s[j] < '0' || s[j] > '9')
            return false;
    if (decimals == 0)
        return point == std::string::npos;
    if (point == std::string::npos || s.size() - point - 1 != static_cast<std::size_t>(decimals))
        return false;
    for (std::size_t j = point + 1; j < s.size(); ++j)
        if (s[j] < '0' || s[j] > '9')
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool isNumber = zan::isNumberText(text);
    if (isNumber != zan::fuzz::modelIsNumberText(text))
        fail("isNumberText disagrees with the model", text);
    if (!isNumber)
        return 0;

    // A number text holds no blank inside, so reading it is strtod on the trimmed text.
    std::size_t begin = text.find_first_not_of(" \t\n");
    std::size_t end = text.find_last_not_of(" \t\n") + 1;
    std::string trimmed(text.substr(begin, end - begin));
    for (char& c : trimmed)
        if (c == 'D' || c == 'd')
            c = 'e';
    const double expected = std::strtod(trimmed.c_str(), nullptr);
    const double actual = zan::parseNumber(text);
    if (!(actual == expected))
        fail("a number text reads differently from strtod", text);

    if (std::isfinite(actual)) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            if (!isPlainDecimal(zan::formatFixed(actual, decimals), decimals))
                fail("a finite number text does not format as a plain decimal", text);
            if (std::fabs(actual) <= static_cast<double>(FLT_MAX) &&
                !isPlainDecimal(zan::formatFixed(static_cast<float>(actual), decimals), decimals))
                fail("a finite single-precision value does not format as a plain decimal", text);
        }
    }
    return 0;
}
