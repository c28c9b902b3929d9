#pragma once
// Files as the commands write them, in pieces: the batch summary streams its lines into the
// file it replaces, so that its memory stays flat however many files it checks. The whole-file
// forms (readInputDataFile, writeFileSafely) are in commands/commands.h; both go through the
// one file-system interface, commands/file_system.h.

#include <string>
#include <string_view>

#include "commands/file_system.h"
#include "model/expected.h"

namespace zan {

// Writes a file exactly as writeFileSafely does, with the same messages: nothing of it is in
// place before commit(), and a writer dropped before then (an error, an exception, running out
// of memory) removes its temporary and keeps the previous file whole.
class SafeFileWriter {
  public:
    static Expected<SafeFileWriter, std::string> open(const std::string& path,
                                                      const std::string& displayPath);

    Expected<Done, std::string> write(std::string_view bytes);
    Expected<Done, std::string> commit();

  private:
    SafeFileWriter(file_system::PendingFile file, std::string displayPath)
        : m_file(std::move(file)), m_displayPath(std::move(displayPath)) {}

    file_system::PendingFile m_file;
    std::string m_displayPath;
};

}  // namespace zan
