#pragma once
// The input data file (.DEF): 31 CR LF lines holding every input text exactly as typed.
//
//   1  "****ENG****" or "****SI****"      17  load safety factor
//   3  "***ZAN***"                          18  design period
//   5-7  h, k, Sc                           20-29  axle rows: "load","count","load","count"
//   9, 10  shoulder, dowels: "Yes"/"No"     31  "ZAN Data End"
//   12-16  ADT, TD, growth, DD, LD          (2, 4, 8, 11, 19, 30 empty)
//
// Project information follows only when some of it is filled in, so that a file without it
// keeps the 31 lines and a reader of those never sees it: line 32 "***Project***", then
// "Project: text", "Location: text", "Client: text", "Designer: text", "Checker: text",
// "Revision: text", "Notes: text" ("Key:text" reads the same). A missing key reads as empty.
// Any other line after the axle rows (an unknown key, a key or the marker repeated, text that
// is no "Key: text") is kept in ProjectInfo::otherLines, the first of a key being the one
// read, and written back after the known keys.
//
// The file is Windows-1252; the texts it gives and takes are UTF-8. Every byte reads as a
// character of its own and writes back as that byte, so a file saved again is the same bytes.
// A project text with a character Windows-1252 has no byte for ("Łódź") is kept as typed: the
// block then starts "Encoding: UTF-8" after its marker and its lines are UTF-8 (a reader of
// an earlier version keeps that line and those bytes as lines it does not read).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/expected.h"
#include "model/workspace.h"

namespace zan {

struct DefFileContents {
    std::optional<UnitSystem> units;  // none when line 1 is neither marker
    std::string thickness, subgradeModulus, modulusOfRupture;
    bool concreteShoulder = false;
    bool doweledJoints = false;
    TrafficInputs traffic;
    std::array<AxleRowTexts, kAxleRows> rows;
    ProjectInfo project;

    bool operator==(const DefFileContents&) const = default;
};

enum class DefReadError {
    NotInputDataFile,  // line 3 is not "***ZAN***"
    EndsEarly,         // the file ends before the tenth axle row
};

// Parses the whole file; nothing is applied here.
Expected<DefFileContents, DefReadError> parseDefFile(std::string_view bytes);

// Applies a complete file: unit system, then every input section created (as in
// Workspace::createInputSections, so the unit choice is locked), captions (capital K) and
// every text.
void applyDefFile(Workspace& workspace, const DefFileContents& contents);

// Whether the bytes' third line is the input data file's marker, as the reader checks it.
bool hasInputDataMarker(std::string_view bytes);

// The file for the workspace's current inputs; the workspace is not changed.
std::string writeDefFile(const Workspace& workspace);

}  // namespace zan
