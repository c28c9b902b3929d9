#include "io/def_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/project_fields.h"
#include "model/text_encoding.h"

namespace zan {
namespace {

constexpr std::string_view kEnglishMarker = "****ENG****";
constexpr std::string_view kMetricMarker = "****SI****";
constexpr std::string_view kFileMarker = "***ZAN***";
constexpr std::string_view kEndMarker = "ZAN Data End";
constexpr std::string_view kYesText = "Yes";
constexpr std::string_view kKeySeparator = ": ";
// The first line of a project block whose texts hold characters Windows-1252 has no byte for:
// its lines are UTF-8. A block without it is Windows-1252, as every file has been.
constexpr std::string_view kUtf8Trailer = "Encoding: UTF-8";

// Lines 1 to 19 are read whole; the axle rows that follow are read field by field.
constexpr std::size_t kHeaderLines = 19;
constexpr std::size_t kAxleFields = 4 * static_cast<std::size_t>(kAxleRows);

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the bytes as lines and fields. Files written elsewhere may end their lines with a lone
// CR or a lone LF; all three line ends are accepted.
class DefReader {
  public:
    explicit DefReader(std::string_view bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // False when the data ends before the line starts.
    bool readLine(std::string& line) {
        if (atEnd())
            return false;
        const std::size_t start = m_pos;
        while (!atEnd() && !isLineEnd(m_bytes[m_pos]))
            ++m_pos;
        line.assign(m_bytes.substr(start, m_pos - start));
        skipLineEnd();
        return true;
    }

    // False when the data ends before the field starts. A line end ends a field, so fields
    // run on across lines and an empty line gives one empty field.
    bool readField(std::string& field) {
        while (!atEnd() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        if (atEnd())
            return false;
        const std::size_t start = m_pos;
        if (m_bytes[m_pos] == '"') {
            // The format has no escape: a quote inside a field ends it.
            ++m_pos;
            const std::size_t contentStart = m_pos;
            while (!atEnd() && m_bytes[m_pos] != '"' && !isLineEnd(m_bytes[m_pos]))
                ++m_pos;
            // Data that ends before the closing quote was cut inside this field: its text may be
            // short of what was saved, so the file counts as ending early.
            if (atEnd())
                return false;
            field.assign(m_bytes.substr(contentStart, m_pos - contentStart));
            while (!atEnd() && m_bytes[m_pos] != ',' && !isLineEnd(m_bytes[m_pos]))
                ++m_pos;
        } else {
            while (!atEnd() && m_bytes[m_pos] != ',' && !isLineEnd(m_bytes[m_pos]))
                ++m_pos;
            std::size_t end = m_pos;
            while (end > start && isBlank(m_bytes[end - 1]))
                --end;
            field.assign(m_bytes.substr(start, end - start));
        }
        if (!atEnd() && m_bytes[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
        return true;
    }

  private:
    void skipLineEnd() {
        if (atEnd())
            return;
        if (m_bytes[m_pos] == '\r') {
            ++m_pos;
            if (!atEnd() && m_bytes[m_pos] == '\n')
                ++m_pos;
        } else if (m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

void appendLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

// An input text's line. The dialogs and the page keep to the characters the file can hold.
void appendText(std::string& out, std::string_view text) {
    appendLine(out, textEncoding::toWindows1252(text, '?'));
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

// Many editors write a byte-order mark before the first line or leave blanks after it; the
// marker is still the marker.
std::optional<UnitSystem> unitMarker(std::string_view line) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        line.remove_prefix(kByteOrderMark.size());
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    if (line == kEnglishMarker)
        return UnitSystem::English;
    if (line == kMetricMarker)
        return UnitSystem::Metric;
    return std::nullopt;
}

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), isBlank);
}

bool isEndMarker(std::string_view line) {
    while (!line.empty() && isBlank(line.back()))
        line.remove_suffix(1);
    return line == kEndMarker;
}

// The known key a line starts with, followed by its colon ("Key: text", or "Key:text" as
// hand-edited files have it).
std::optional<std::size_t> knownKey(std::string_view line) {
    for (std::size_t i = 0; i < kProjectFields.size(); ++i) {
        const std::string_view key = kProjectFields[i].key;
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == ':')
            return i;
    }
    return std::nullopt;
}

// The lines after the axle rows. The format's own (blank lines, the end marker, the project
// marker) are passed over; after the project marker the first line of each known key gives
// its text. Every other line is kept as it stands, so that it is said and saved again rather
// than lost: a line of another version, a repeated key, a second design run on.
ProjectInfo readProject(DefReader& reader) {
    ProjectInfo project;
    std::array<bool, kProjectFields.size()> given{};
    bool endSeen = false;
    bool inProject = false;
    bool justEntered = false;  // the next line is the block's first
    bool utf8 = false;
    std::string bytes;
    while (reader.readLine(bytes)) {
        if (isBlankLine(bytes))
            continue;
        const bool firstInProject = std::exchange(justEntered, false);
        if (firstInProject && bytes == kUtf8Trailer) {
            utf8 = true;
            continue;
        }
        // A line of a UTF-8 block that is not UTF-8 was edited elsewhere: read as the rest.
        const bool asUtf8 = utf8 && textEncoding::validUtf8(bytes) == bytes;
        const std::string line = asUtf8 ? bytes : textEncoding::fromWindows1252(bytes);
        if (!inProject && !endSeen && isEndMarker(line)) {
            endSeen = true;
            continue;
        }
        // A marker after text that is not read belongs to that text (a second design's).
        if (!inProject && line == kProjectMarker && project.otherLines.empty()) {
            inProject = true;
            justEntered = true;
            continue;
        }
        const std::optional<std::size_t> key = inProject ? knownKey(line) : std::nullopt;
        if (key && !given[*key]) {
            given[*key] = true;
            // The writer puts one blank after the colon; a text's own blanks stay.
            std::string_view text =
                std::string_view(line).substr(kProjectFields[*key].key.size() + 1);
            if (text.starts_with(' '))
                text.remove_prefix(1);
            project.*kProjectFields[*key].text = std::string(text);
            continue;
        }
        project.otherLines.push_back(line);
    }
    return project;
}

}  // namespace

Expected<DefFileContents, DefReadError> parseDefFile(std::string_view bytes) {
    DefReader reader(bytes);
    std::vector<std::string> lines(kHeaderLines);
    for (std::size_t i = 0; i < 3; ++i)
        if (!reader.readLine(lines[i]))
            return failure(DefReadError::EndsEarly);
    if (lines[2] != kFileMarker)
        return failure(DefReadError::NotInputDataFile);
    for (std::size_t i = 3; i < kHeaderLines; ++i)
        if (!reader.readLine(lines[i]))
            return failure(DefReadError::EndsEarly);

    DefFileContents contents;
    contents.units = unitMarker(lines[0]);
    for (std::string& line : lines)
        line = textEncoding::fromWindows1252(line);
    // Line n of the file is lines[n - 1]; the texts are taken verbatim, blanks included.
    contents.thickness = lines[4];
    contents.subgradeModulus = lines[5];
    contents.modulusOfRupture = lines[6];
    contents.concreteShoulder = lines[8] == kYesText;
    contents.doweledJoints = lines[9] == kYesText;
    TrafficInputs& traffic = contents.traffic;
    traffic.averageDailyTraffic = lines[11];
    traffic.truckPercent = lines[12];
    traffic.growthPercent = lines[13];
    traffic.directionPercent = lines[14];
    traffic.lanePercent = lines[15];
    traffic.loadSafetyFactor = lines[16];
    traffic.designPeriod = lines[17];

    std::string* fields[kAxleFields];
    for (std::size_t i = 0; i < contents.rows.size(); ++i) {
        AxleRowTexts& row = contents.rows[i];
        fields[4 * i] = &row.singleLoad;
        fields[4 * i + 1] = &row.singleCount;
        fields[4 * i + 2] = &row.tandemLoad;
        fields[4 * i + 3] = &row.tandemCount;
    }
    for (std::string* field : fields) {
        if (!reader.readField(*field))
            return failure(DefReadError::EndsEarly);
        *field = textEncoding::fromWindows1252(*field);
    }
    contents.project = readProject(reader);
    return contents;
}

void applyDefFile(Workspace& workspace, const DefFileContents& contents) {
    if (contents.units)
        workspace.setUnitSystemFromFile(*contents.units);
    // In the file's unit system, before its captions and texts go in.
    workspace.createInputSections();
    if (contents.units)
        workspace.applyUnitCaptions(*contents.units);
    PavementInputs& pavement = workspace.ensurePavement();
    pavement.thickness = contents.thickness;
    pavement.subgradeModulus = contents.subgradeModulus;
    pavement.modulusOfRupture = contents.modulusOfRupture;
    pavement.concreteShoulder = contents.concreteShoulder;
    pavement.doweledJoints = contents.doweledJoints;
    workspace.ensureTraffic() = contents.traffic;
    // Only the texts: whether tandem row 9 is shown is a category's business, not a file's.
    workspace.ensureAxles().rows = contents.rows;
    workspace.setProject(contents.project);
}

bool hasInputDataMarker(std::string_view bytes) {
    DefReader reader(bytes);
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!reader.readLine(line))
            return false;
    return line == kFileMarker;
}

std::string writeDefFile(const Workspace& workspace) {
    const PavementInputs& pavement = workspace.pavement();
    const TrafficInputs& traffic = workspace.traffic();
    const AxleInputs& axles = workspace.axles();
    std::string out;
    appendLine(out, workspace.unitSystem() == UnitSystem::Metric ? kMetricMarker : kEnglishMarker);
    appendLine(out, "");
    appendLine(out, kFileMarker);
    appendLine(out, "");
    appendText(out, pavement.thickness);
    appendText(out, pavement.subgradeModulus);
    appendText(out, pavement.modulusOfRupture);
    appendLine(out, "");
    appendLine(out, pavement.concreteShoulder ? "Yes" : "No");
    appendLine(out, pavement.doweledJoints ? "Yes" : "No");
    appendLine(out, "");
    // The file keeps the load safety factor before the design period.
    appendText(out, traffic.averageDailyTraffic);
    appendText(out, traffic.truckPercent);
    appendText(out, traffic.growthPercent);
    appendText(out, traffic.directionPercent);
    appendText(out, traffic.lanePercent);
    appendText(out, traffic.loadSafetyFactor);
    appendText(out, traffic.designPeriod);
    appendLine(out, "");
    for (const AxleRowTexts& row : axles.rows) {
        appendText(out, quoted(row.singleLoad) + ',' + quoted(row.singleCount) + ',' +
                            quoted(row.tandemLoad) + ',' + quoted(row.tandemCount));
    }
    appendLine(out, "");
    appendLine(out, kEndMarker);
    const ProjectInfo& project = workspace.project();
    if (project.empty())
        return out;
    std::vector<std::string> lines;
    for (const ProjectField& field : kProjectFields)
        lines.push_back(std::string(field.key) + std::string(kKeySeparator) + project.*field.text);
    lines.insert(lines.end(), project.otherLines.begin(), project.otherLines.end());
    const bool utf8 = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return !textEncoding::toWindows1252(line);
    });
    appendLine(out, kProjectMarker);
    if (utf8)
        appendLine(out, kUtf8Trailer);
    for (const std::string& line : lines)
        appendLine(out, utf8 ? textEncoding::validUtf8(line) : *textEncoding::toWindows1252(line));
    return out;
}

}  // namespace zan
