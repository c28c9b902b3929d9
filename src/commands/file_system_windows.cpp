// The file system on Windows, through the wide-character API: the core's UTF-8 names become
// UTF-16 here, so that a name in any script is opened and named as the user gave it.

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include "commands/file_system.h"

namespace zan::file_system {
namespace {

std::wstring wide(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring text(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(),
                          static_cast<int>(text.size()));
    return text;
}

std::string utf8(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                     nullptr, 0, nullptr, nullptr)),
                      '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

// Worded as the C library words the matching errno where there is one ("No such file or
// directory"), so that the messages read as they do on Linux; the system's words otherwise.
std::string windowsReason(DWORD error, const char* fallback) {
    if (error == ERROR_SUCCESS)
        return reasons::systemError(0, fallback);
    return std::system_category().default_error_condition(static_cast<int>(error)).message();
}

std::string lastErrorReason(const char* fallback) {
    return windowsReason(::GetLastError(), fallback);
}

// Closes the handle on every way out.
struct Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Handle() {
        if (valid())
            ::CloseHandle(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what a name stands for, links followed; a folder too (FILE_FLAG_BACKUP_SEMANTICS),
// so that it can be named as one.
HANDLE openExisting(const std::wstring& name, DWORD access) {
    return ::CreateFileW(name.c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The full name: Wine's ReplaceFileW takes no other (Windows' takes any).
std::wstring fullName(const std::wstring& name) {
    std::wstring full(32768, L'\0');
    const DWORD size =
        ::GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (size == 0 || size >= full.size())
        return name;
    full.resize(size);
    return full;
}

std::wstring upper(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return result;
}

// The names Windows keeps for its devices in every folder, whatever follows a dot.
bool isDosDeviceName(const std::wstring& name) {
    for (const wchar_t* device : {L"NUL", L"CON", L"PRN", L"AUX", L"CONIN$", L"CONOUT$"})
        if (name == device)
            return true;
    return name.size() == 4 && (name.starts_with(L"COM") || name.starts_with(L"LPT")) &&
           name[3] >= L'0' && name[3] <= L'9';
}

bool isConsoleName(const std::wstring& device) {
    return device == L"CON" || device == L"CONIN$" || device == L"CONOUT$";
}

// X:\..., where a path on a drive starts.
bool isDrivePath(std::wstring_view name) {
    return name.size() >= 3 && name[1] == L':' && (name[2] == L'\\' || name[2] == L'/') &&
           ((name[0] >= L'A' && name[0] <= L'Z') || (name[0] >= L'a' && name[0] <= L'z'));
}

// What a name stands for to Windows, told from the name before anything is opened: opening a
// device or a pipe to ask would already connect to it. Decided so, a device namespace name of
// a file (\\.\C:\reports\design.DEF) is that file and a stream name (design.DEF::$DATA) its
// file, so that neither passes for a device, nor for a file other than itself.
struct NameMeaning {
    enum class Kind { File, NamedStream, Device, ReservedName, OtherDevice, Pipe };
    Kind kind = Kind::File;
    std::wstring file;    // File, NamedStream: the file's name, stream and device prefix taken off
    std::wstring device;  // Device, ReservedName: NUL, CON, COM1
};

// FILE:STREAM and FILE::$DATA stand for FILE; `full` is the full name of `name`.
NameMeaning fileOrStream(const std::wstring& name, const std::wstring& full) {
    const std::size_t start =
        std::max(full.find_last_of(L"\\/") + 1, std::size_t{isDrivePath(full) ? 3u : 0u});
    const std::size_t colon = full.find(L':', start);
    if (colon == std::wstring::npos)
        return {NameMeaning::Kind::File, name, {}};
    // ::$DATA is the file's own bytes; any other stream is kept inside the file.
    const bool ownBytes = upper(std::wstring_view(full).substr(colon)) == L"::$DATA";
    return {ownBytes ? NameMeaning::Kind::File : NameMeaning::Kind::NamedStream,
            full.substr(0, colon),
            {}};
}

NameMeaning meaningOf(const std::wstring& name) {
    using Kind = NameMeaning::Kind;
    const std::wstring full = fullName(name);
    if (!full.starts_with(L"\\\\.\\") && !full.starts_with(L"\\\\?\\"))
        return fileOrStream(name, full);
    const std::wstring_view rest = std::wstring_view(full).substr(4);
    const std::wstring folder = upper(rest.substr(0, rest.find(L'\\') + 1));
    if (folder == L"PIPE\\")
        return {Kind::Pipe, {}, {}};
    // \\?\ keeps the name as it is: C:\reports\aux.PRN stays a file there, never the device.
    if (isDrivePath(rest) || folder == L"UNC\\")
        return fileOrStream(L"\\\\?\\" + std::wstring(rest), L"\\\\?\\" + std::wstring(rest));
    const std::wstring device = upper(rest);
    if (!isDosDeviceName(device))
        return {Kind::OtherDevice, {}, {}};  // a volume, a disk: never written to
    // The device asked for by its name; any other spelling (NUL.PRN, aux.txt, C:\x\con) is a
    // file's name that Windows takes for the device.
    const std::wstring given = upper(name);
    const bool asked =
        given == device || given == L"\\\\.\\" + device || given == L"\\\\?\\" + device;
    return {asked ? Kind::Device : Kind::ReservedName, {}, device};
}

// Why a name that is not a file's is not read or replaced.
std::string refusalOf(const NameMeaning& named) {
    using Kind = NameMeaning::Kind;
    switch (named.kind) {
        case Kind::Pipe:
            return reasons::isPipe();
        case Kind::ReservedName:
            return reasons::reservedDeviceName(utf8(named.device));
        case Kind::NamedStream:
            return reasons::namedStream();
        case Kind::File:
            return {};
        case Kind::Device:
        case Kind::OtherDevice:
            break;
    }
    return reasons::isDevice();
}

// Why what the handle stands for is not read or replaced; empty for a regular file.
std::string notRegularReason(HANDLE file) {
    switch (::GetFileType(file)) {
        case FILE_TYPE_CHAR:
            return reasons::isDevice();
        case FILE_TYPE_PIPE:
            return reasons::isPipe();
        case FILE_TYPE_DISK:
            break;
        default:
            return reasons::notRegular();
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileInformationByHandle(file, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return reasons::isDirectory();
    return {};
}

// Why an existing file is not replaced; empty when it may be.
std::string replacementRefusal(HANDLE file) {
    if (std::string reason = notRegularReason(file); !reason.empty())
        return reason;
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileInformationByHandle(file, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        return reasons::writeProtected();
    return {};
}

// The temporary file of the save under way, kept where the console-control handler, which
// runs on a thread of its own, can reach it without allocating.
wchar_t g_pendingTemporary[32768];
std::atomic<bool> g_pendingSet{false};

void setPendingTemporary(const std::wstring& name) {
    if (name.size() >= std::size(g_pendingTemporary))
        return;
    g_pendingSet.store(false);
    name.copy(g_pendingTemporary, name.size());
    g_pendingTemporary[name.size()] = L'\0';
    g_pendingSet.store(true);
}

BOOL WINAPI removeTemporaryAndEnd(DWORD event) {
    removePendingTemporary();
    // Ended as the system's own handler ends it, with the status that says so even where
    // that handler does not (Wine's exits with 0): an interrupted batch never looks done.
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        ::ExitProcess(static_cast<UINT>(STATUS_CONTROL_C_EXIT));
    return FALSE;  // closing the console, logging off: the system ends the program
}

// The folder part of a name, with its separator: the temporary goes beside the target, on
// the same volume, so that the rename only changes names.
std::wstring folderOf(const std::wstring& name) {
    const std::size_t end = name.find_last_of(L"\\/:");
    return end == std::wstring::npos ? std::wstring() : name.substr(0, end + 1);
}

// A link's final target, so that a link stays a link and its target gets the new bytes.
std::wstring finalName(HANDLE file, const std::wstring& name) {
    std::wstring final(32768, L'\0');
    const DWORD size =
        ::GetFinalPathNameByHandleW(file, final.data(), static_cast<DWORD>(final.size()), 0);
    if (size == 0 || size >= final.size())
        return name;
    final.resize(size);
    return final;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD put = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &put, nullptr) || put == 0)
            return false;
        bytes.remove_prefix(put);
    }
    return true;
}

// The new file, created exclusively beside the target so an existing file is never taken
// over. Others may delete it, so that the console-control handler can while it is open.
Expected<HANDLE, std::string> createTemporary(const std::wstring& folder, std::wstring& name) {
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device entropy;
    std::mt19937 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + L".zan";
        for (int i = 0; i < 8; ++i)
            name += kLetters[random() % (std::size(kLetters) - 1)];
        name += L".tmp";
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS)
            continue;
        if (file == INVALID_HANDLE_VALUE)
            return failure(lastErrorReason("no temporary file could be created"));
        setPendingTemporary(name);
        return file;
    }
    return failure(windowsReason(ERROR_FILE_EXISTS, "no temporary file could be created"));
}

// A device or a pipe takes the bytes as they come; there is nothing to replace.
Expected<HANDLE, std::string> openThrough(const std::wstring& name, const std::wstring& device) {
    const HANDLE through =
        ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    if (through != INVALID_HANDLE_VALUE)
        return through;
    // Started without a console (by another program, a service), CON is no device at all.
    if (isConsoleName(device))
        return failure(reasons::noConsole());
    return failure(lastErrorReason("it cannot be opened"));
}

}  // namespace

Expected<std::string, std::string> readRegularFile(const std::string& path,
                                                   std::uintmax_t maxBytes) {
    const NameMeaning named = meaningOf(wide(path));
    // Refused unopened: reading CON would wait for the keyboard.
    if (named.kind != NameMeaning::Kind::File)
        return failure(refusalOf(named));
    Handle file{openExisting(named.file, GENERIC_READ)};
    if (!file.valid())
        return failure(lastErrorReason("it cannot be opened"));
    if (std::string reason = notRegularReason(file.handle); !reason.empty())
        return failure(reason);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.handle, &size))
        return failure(lastErrorReason("it cannot be opened"));
    if (static_cast<std::uintmax_t>(size.QuadPart) > maxBytes)
        return failure(reasons::tooLarge(maxBytes));
    std::string bytes;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.handle, buffer, sizeof buffer, &got, nullptr))
            return failure(lastErrorReason("a read failed"));
        if (got == 0)
            return bytes;
        bytes.append(buffer, got);
        // The file grew while it was read.
        if (bytes.size() > maxBytes)
            return failure(reasons::tooLarge(maxBytes));
    }
}

Expected<PendingFile, std::string> PendingFile::open(const std::string& path) {
    using Kind = NameMeaning::Kind;
    PendingFile file;
    const NameMeaning named = meaningOf(wide(path));
    if (named.kind != Kind::File && named.kind != Kind::Device && named.kind != Kind::Pipe)
        return failure(refusalOf(named));
    std::wstring target = named.kind == Kind::File ? named.file : wide(path);
    // Of a link, not its target.
    const DWORD attributes =
        named.kind == Kind::File ? ::GetFileAttributesW(target.c_str()) : INVALID_FILE_ATTRIBUTES;
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    Handle existing{exists ? openExisting(target, 0) : INVALID_HANDLE_VALUE};
    const DWORD openError = ::GetLastError();
    if (named.kind != Kind::File ||
        (existing.valid() && (::GetFileType(existing.handle) == FILE_TYPE_CHAR ||
                              ::GetFileType(existing.handle) == FILE_TYPE_PIPE))) {
        auto through = openThrough(target, named.device);
        if (!through)
            return failure(through.error());
        file.m_handle = reinterpret_cast<std::intptr_t>(*through);
        return file;
    }
    if (exists) {
        if (!existing.valid())
            return failure(windowsReason(openError, "it cannot be opened"));
        if (std::string refusal = replacementRefusal(existing.handle); !refusal.empty())
            return failure(refusal);
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            target = finalName(existing.handle, target);
    }
    std::wstring temporary;
    auto created = createTemporary(folderOf(target), temporary);
    if (!created)
        return failure(created.error());
    file.m_handle = reinterpret_cast<std::intptr_t>(*created);
    file.m_temporary = utf8(temporary);
    file.m_target = utf8(target);
    file.m_replacesExisting = exists;
    return file;
}

Expected<Done, std::string> PendingFile::write(std::string_view bytes) {
    ::SetLastError(ERROR_SUCCESS);
    if (!writeAll(reinterpret_cast<HANDLE>(m_handle), bytes))
        return failure(lastErrorReason("a write failed"));
    return Done{};
}

Expected<Done, std::string> PendingFile::commit() {
    const HANDLE file = reinterpret_cast<HANDLE>(std::exchange(m_handle, -1));
    if (m_temporary.empty()) {
        ::CloseHandle(file);
        return Done{};
    }
    // Flushed to the disk before the rename, so that a power cut leaves the old file or the
    // whole new one, never an empty one.
    ::SetLastError(ERROR_SUCCESS);
    const bool flushed = ::FlushFileBuffers(file) != 0;
    const DWORD flushError = ::GetLastError();
    const bool closed = ::CloseHandle(file) != 0;
    const std::wstring temporary = fullName(wide(m_temporary));
    const std::wstring target = fullName(wide(m_target));
    // ReplaceFileW gives the new file the old one's attributes and access rights; a new name,
    // or an old file removed in between, is a rename, written through to the disk.
    bool replaced = flushed && closed && m_replacesExisting &&
                    ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (flushed && closed && !replaced &&
        (!m_replacesExisting || ::GetLastError() == ERROR_FILE_NOT_FOUND))
        replaced = ::MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const DWORD error = !flushed ? flushError : ::GetLastError();
        abandon();
        return failure(windowsReason(error, "a write failed"));
    }
    m_temporary.clear();
    g_pendingSet.store(false);
    return Done{};
}

void PendingFile::abandon() noexcept {
    if (m_handle != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(std::exchange(m_handle, -1)));
    if (!m_temporary.empty()) {
        g_pendingSet.store(false);
        ::DeleteFileW(wide(m_temporary).c_str());
        m_temporary.clear();
    }
}

void removePendingTemporary() noexcept {
    if (g_pendingSet.exchange(false))
        ::DeleteFileW(g_pendingTemporary);
}

void removeTemporaryOnInterrupt() {
    ::SetConsoleCtrlHandler(removeTemporaryAndEnd, TRUE);
}

std::optional<FileIdentity> regularFileIdentity(const std::string& path) {
    using Kind = NameMeaning::Kind;
    const NameMeaning named = meaningOf(wide(path));
    // A stream is kept inside its file: it is that file.
    if (named.kind != Kind::File && named.kind != Kind::NamedStream)
        return std::nullopt;
    Handle file{openExisting(named.file, 0)};
    BY_HANDLE_FILE_INFORMATION information{};
    if (!file.valid() || !notRegularReason(file.handle).empty() ||
        !::GetFileInformationByHandle(file.handle, &information))
        return std::nullopt;
    return FileIdentity{
        information.dwVolumeSerialNumber,
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

std::vector<std::string_view> commandLineArguments(int argc, char** argv) {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (arguments == nullptr)
        return std::vector<std::string_view>(argv + (argc > 0 ? 1 : 0), argv + argc);
    // Kept for the program's life, as argv is.
    static std::vector<std::string> texts;
    for (int i = 1; i < count; ++i)
        texts.push_back(utf8(arguments[i]));
    ::LocalFree(arguments);
    return std::vector<std::string_view>(texts.begin(), texts.end());
}

void useBinaryStandardStreams() {
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}

namespace {

HANDLE standardHandle(StandardStream stream) {
    return ::GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// Bytes as the console shows them: UTF-8 where they are valid, Latin-1 otherwise.
std::wstring consoleText(std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length > 0) {
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(),
                              length);
        return text;
    }
    std::wstring text;
    for (const char c : bytes)
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return text;
}

}  // namespace

bool isTerminal(StandardStream stream) {
    DWORD mode = 0;
    return ::GetConsoleMode(standardHandle(stream), &mode) != 0;
}

bool writeStandardStream(StandardStream stream, std::string_view bytes) {
    if (!isTerminal(stream)) {
        std::FILE* file = stream == StandardStream::Output ? stdout : stderr;
        if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
            return false;
        return std::fflush(file) == 0;
    }
    const std::wstring whole = consoleText(bytes);
    std::wstring_view text = whole;
    while (!text.empty()) {
        DWORD put = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
        if (!::WriteConsoleW(standardHandle(stream), text.data(), chunk, &put, nullptr) || put == 0)
            return false;
        text.remove_prefix(put);
    }
    return true;
}

}  // namespace zan::file_system
