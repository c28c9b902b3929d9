#include "io/csv.h"

namespace zan {

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    field += '"';
    return field;
}

std::string escapeControls(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\r' && c != '\n' && c != '\t') || byte == 0x7f) {
            constexpr const char* kHex = "0123456789abcdef";
            ((shown += "\\x") += kHex[byte >> 4]) += kHex[byte & 0xf];
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string spreadsheetText(std::string_view text) {
    // A tab is a control character as the others are: a spreadsheet would take it for a cell
    // break or hide it, so the cell shows it as \x09.
    std::string cell;
    for (const char c : escapeControls(text))
        cell += c == '\t' ? std::string("\\x09") : std::string(1, c);
    if (!cell.empty() && std::string_view("=+-@\r").find(cell.front()) != std::string_view::npos)
        cell.insert(cell.begin(), '\'');
    return cell;
}

}  // namespace zan
