#pragma once
// Comma-separated values as RFC 4180 has them, for the tables zan-report writes.

#include <string>
#include <string_view>

namespace zan {

// Lines end with CR LF, as CSV wants and as every file the program writes.
inline constexpr std::string_view kCsvLineEnd = "\r\n";

// One field: quoted when it holds a comma, a double quote, CR or LF, with every inner double
// quote doubled; otherwise as it is.
std::string csvField(std::string_view text);

}  // namespace zan
