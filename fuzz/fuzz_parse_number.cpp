// parseNumber over arbitrary bytes: it must never crash, never return NaN, and read every
// text as the independent model in number_model.h does.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/numbers.h"
#include "number_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double actual = zan::parseNumber(text);
    const zan::fuzz::ModelValue expected = zan::fuzz::modelParseNumber(text);
    if (std::isnan(actual) || !zan::fuzz::modelAgrees(expected, actual)) {
        std::fprintf(stderr, "parseNumber read %.17g, the model %.17g\n", actual, expected.value);
        std::abort();
    }
    return 0;
}
