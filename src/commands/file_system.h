#pragma once
// What differs between Linux and Windows, behind one small interface: reading a regular
// file, replacing a file durably, the temporary an interrupted save leaves, a file's
// identity, and the command line and standard streams of a console program. Names are UTF-8
// on both systems (the Windows implementation speaks UTF-16 to the system). Two
// implementations, chosen by the build: file_system_posix.cpp and file_system_windows.cpp.
// Failures come back as the reason alone, worded by the reasons below or by the system; the
// callers (commands/files.h) name the file around it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/expected.h"

namespace zan::file_system {

// The bytes of the regular file at `path` (links followed). A pipe, device, socket or folder
// is refused without being waited on, and a file above `maxBytes` before a byte is read.
Expected<std::string, std::string> readRegularFile(const std::string& path,
                                                   std::uintmax_t maxBytes);

// Bytes on their way to `path`: into a new temporary file beside the file they replace until
// commit() flushes it to the disk and puts it in the file's place, so a failure or an
// interruption at any point keeps the previous file whole. A pipe or a character device
// (/dev/null, NUL, CON) takes them straight through; on Windows a file's name that the system
// takes for a device (aux.PRN), a stream inside a file, a disk or a volume is refused. A link
// is followed, a write-protected file refused; the replaced file's permissions (and, where
// allowed, owner) are kept.
class PendingFile {
  public:
    static Expected<PendingFile, std::string> open(const std::string& path);

    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();  // removes a temporary that was not committed

    Expected<Done, std::string> write(std::string_view bytes);
    Expected<Done, std::string> commit();

  private:
    PendingFile() = default;
    void abandon() noexcept;

    std::intptr_t m_handle = -1;  // a descriptor, or a Windows HANDLE
    std::string m_temporary;      // empty when writing straight through
    std::string m_target;         // the name the temporary replaces, links followed
    bool m_replacesExisting = false;
};

// Removes the temporary of a save under way; safe in a signal or console-control handler.
void removePendingTemporary() noexcept;

// Makes an interruption (SIGINT, SIGTERM, SIGHUP; Ctrl+C, Ctrl+Break, closing the console)
// remove the temporary of a save under way before it ends the program as it would have.
void removeTemporaryOnInterrupt();

// Which file a name stands for, so that two names of one file are seen to be the same.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at `path`; nothing for a missing file or any other kind.
std::optional<FileIdentity> regularFileIdentity(const std::string& path);

// The program's arguments after its name, in UTF-8 (on Windows from the wide command line,
// so that a name in any script arrives whole); they stay valid as long as the program runs.
std::vector<std::string_view> commandLineArguments(int argc, char** argv);

enum class StandardStream { Output, Error };

// Standard output and error take bytes as they are: Windows would turn each LF into CR LF.
void useBinaryStandardStreams();

// Whether the stream is a terminal (a console window on Windows).
bool isTerminal(StandardStream stream);

// Writes and flushes. A Windows console is given the text: the bytes as UTF-8 where they are
// valid UTF-8, as Latin-1 otherwise.
bool writeStandardStream(StandardStream stream, std::string_view bytes);

// The reasons both implementations give, worded once, in the language in force (English in
// zan-report, which never sets one).
namespace reasons {
std::string isDirectory();
std::string isPipe();
std::string isDevice();
std::string isSocket();
std::string notRegular();
std::string tooLarge(std::uintmax_t maxBytes);
std::string writeProtected();
std::string noPipeReader();
// Windows' own: a file's name that Windows takes for the device `device` (aux.PRN is AUX), a
// name of a stream inside a file (design.PRN:notes), CON without a console.
std::string reservedDeviceName(const std::string& device);
std::string namedStream();
std::string noConsole();
// The system's own wording of an error number (errno), or `fallback` (a text marked for the
// catalogue's "Messages") for none.
std::string systemError(int error, const char* fallback);
}  // namespace reasons

}  // namespace zan::file_system
