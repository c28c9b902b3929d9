#pragma once
// A design memo read back as a design: the PDF that File > Export PDF writes carries the run's
// input data file as an attachment, and every front end that reads a .DEF reads a memo the
// same way, with the same messages. The PDF is read by qpdf, which also copes with a memo that
// another PDF program re-saved (object streams, a rebuilt cross-reference table). Above the
// core, so that the core and its WebAssembly build stay without a PDF library; a build without
// qpdf (zan-report.exe) says plainly that it cannot read memos.

#include <cstdint>
#include <string>
#include <string_view>

#include "commands/commands.h"
#include "model/expected.h"

namespace zan {

// A memo is a few hundred kilobytes; a larger PDF is refused before a byte of it is read.
constexpr std::uintmax_t kMaxMemoBytes = std::uintmax_t{64} << 20;

// Whether this build reads memos.
bool readsMemos();

// Whether the bytes are a PDF's (a memo's), whatever the file is called.
bool isPdf(std::string_view bytes);

// The bytes of the input data file attached to the PDF, or the reason there are none (no
// attachment, a damaged PDF, an attachment larger than an input data file may be).
Expected<std::string, std::string> attachedInputDataFile(std::string_view pdf);

// The bytes of the design file at `path`: an input data file's, or the one a memo carries. A
// name ending in .pdf may be as large as kMaxMemoBytes, any other as kMaxInputDataFileBytes;
// both are refused above that before they are read, and only regular files are read.
Expected<std::string, std::string> readDesignBytes(const std::string& path);

// File > Read Data From File for an input data file or a memo: readDataFile's outcome and
// messages, `displayPath` naming the file.
CommandOutcome readDesignFile(Workspace& workspace, const std::string& path,
                              const std::string& displayPath);

}  // namespace zan
