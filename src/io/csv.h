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

// Control characters other than tab, CR and LF (and DEL) as \xHH, so that a text read from a
// file cannot steer the terminal it is shown on (retitle it, move the cursor, hide what
// follows) or hide in a spreadsheet's cell.
std::string escapeControls(std::string_view text);

// A text cell as a spreadsheet shows it and never evaluates it: its control characters, tab
// included, escaped, and a leading apostrophe when it begins with '=', '+', '-', '@' or a CR,
// the characters that start a formula.
std::string spreadsheetText(std::string_view text);

}  // namespace zan
