#include "model/input_warnings.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "model/catalogue.h"
#include "model/input_ranges.h"
#include "model/numbers.h"
#include "model/project_fields.h"
#include "model/workspace.h"

namespace zan {
namespace {

std::string quoted(std::string_view text) {
    return '"' + std::string(text) + '"';
}

bool isBlankText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
}

// A load and its count left empty together: a row the file does not use, not a misread text.
bool inEmptyAxleRow(const Workspace& workspace, InputField field, std::size_t row) {
    const AxleRowTexts& texts = workspace.axles().rows.at(row);
    const bool single = field == InputField::SingleAxleLoad || field == InputField::SingleAxleCount;
    return single ? isBlankText(texts.singleLoad) && isBlankText(texts.singleCount)
                  : isBlankText(texts.tandemLoad) && isBlankText(texts.tandemCount);
}

// The number the analysis takes from the text, with the digits a double holds; the
// typical ranges' bounds are single precision and need fewer.
std::string readValueText(double value) {
    return formatSignificant(value, 15);
}

void warnAbout(const Workspace& workspace, const InputRange& entry, std::size_t row,
               std::vector<InputWarning>& warnings) {
    const std::string& text = inputText(workspace, entry.field, row);
    const double value = parseNumber(text);
    const bool axle = isAxleField(entry.field);
    if (!isNumberText(text) && !(axle && inEmptyAxleRow(workspace, entry.field, row)))
        warnings.push_back(
            {InputWarningKind::NotReadAsWritten,
             catalogue::arg(
                 catalogue::translate("Warnings", "%1 = %2 is read as %3"),
                 {inputCaption(workspace, entry.field, row), quoted(text), readValueText(value)})});
    const FieldRange range = entry.range(workspace.unitSystem());
    if (rangePosition(value, range) != RangePosition::Inside)
        warnings.push_back(
            {InputWarningKind::OutsideRange,
             outOfRangeText({entry.field, axle ? static_cast<int>(row) + 1 : 0,
                             inputCaption(workspace, entry.field, row), text, range})});
}

// "Key: text" with a key of letters, digits, blanks, '-' and '_', starting with a letter: the
// form of the project information, with a key this version may not know.
bool isKeyLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (!isLetter(line.front()))
        return false;
    return std::all_of(
        line.begin(), line.begin() + static_cast<std::ptrdiff_t>(colon), [&](char c) {
            return isLetter(c) || (c >= '0' && c <= '9') || c == ' ' || c == '-' || c == '_';
        });
}

// A line as the warnings quote it: a long one by its start.
std::string quotedLine(std::string_view line) {
    constexpr std::size_t kShown = 60;
    if (line.size() <= kShown)
        return quoted(line);
    return quoted(std::string(line.substr(0, kShown - 3)) + "...");
}

// Why one line of the project information is kept unread; empty for a line of a key this
// version does not know, which is no doubt: another version wrote it.
std::string unreadReason(const std::string& line) {
    if (line == kProjectMarker)
        return catalogue::translate("Warnings", "it repeats the marker");
    for (const ProjectField& field : kProjectFields)
        if (line.starts_with(std::string(field.key) + ":"))
            return catalogue::arg(
                catalogue::translate("Warnings", "only the first %1 line is read"), {field.key});
    return isKeyLine(line) ? ""
                           : catalogue::arg(catalogue::translate("Warnings", "it is not %1"),
                                            {quoted("Key: text")});
}

// One warning for all the lines kept unread: a second design run on after the first would
// otherwise be forty.
void warnAboutProject(const ProjectInfo& project, std::vector<InputWarning>& warnings) {
    std::vector<std::pair<std::string, std::string>> unread;  // line, reason
    for (const std::string& line : project.otherLines)
        if (std::string reason = unreadReason(line); !reason.empty())
            unread.emplace_back(line, std::move(reason));
    if (unread.size() == 1)
        warnings.push_back(
            {InputWarningKind::ProjectLine,
             catalogue::arg(
                 catalogue::translate("Warnings", "Project information: %1 is kept unread: %2"),
                 {quotedLine(unread[0].first), unread[0].second})});
    else if (unread.size() > 1)
        warnings.push_back(
            {InputWarningKind::ProjectLine,
             catalogue::arg(catalogue::translate(
                                "Warnings",
                                "Project information: %1 lines are kept unread (repeated keys or "
                                "markers, or text that is not %2), the first %3"),
                            {std::to_string(unread.size()), quoted("Key: text"),
                             quotedLine(unread[0].first)})});
}

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + (count == 1 ? one : many);
}

}  // namespace

std::vector<InputWarning> inputWarningList(const Workspace& workspace) {
    std::vector<InputWarning> warnings;
    for (const InputRange& entry : inputRanges())
        if (!isAxleField(entry.field))
            warnAbout(workspace, entry, 0, warnings);
    for (std::size_t row = 0; row < workspace.axles().rows.size(); ++row)
        for (const InputRange& entry : inputRanges())
            if (isAxleField(entry.field))
                warnAbout(workspace, entry, row, warnings);
    warnAboutProject(workspace.project(), warnings);
    return warnings;
}

std::vector<std::string> inputWarnings(const Workspace& workspace) {
    std::vector<std::string> texts;
    for (InputWarning& warning : inputWarningList(workspace))
        texts.push_back(std::move(warning.text));
    return texts;
}

std::string warningCounts(const std::vector<InputWarning>& warnings) {
    std::array<std::size_t, 4> count{};
    for (const InputWarning& warning : warnings)
        ++count[static_cast<std::size_t>(warning.kind)];
    std::vector<std::string> parts;
    if (count[0] > 0)
        parts.emplace_back("no unit marker");
    if (count[1] > 0)
        parts.push_back(
            counted(count[1], " input not read as written", " inputs not read as written"));
    if (count[2] > 0)
        parts.push_back(counted(count[2], " input outside its typical range",
                                " inputs outside their typical ranges"));
    if (count[3] > 0)
        parts.emplace_back("project lines kept unread");
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

}  // namespace zan
