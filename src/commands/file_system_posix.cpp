// The file system on Linux and other POSIX systems (and under Emscripten, whose C library
// offers the same calls).

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "commands/file_system.h"
#include "model/catalogue.h"

namespace zan::file_system {
namespace {

namespace fs = std::filesystem;

std::string errnoReason(const char* fallback) {
    return reasons::systemError(errno, fallback);
}

// Why a file of this type is not read; empty for a regular file.
std::string notRegularReason(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return reasons::isDirectory();
    if (S_ISFIFO(mode))
        return reasons::isPipe();
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return reasons::isDevice();
    if (S_ISSOCK(mode))
        return reasons::isSocket();
    return reasons::notRegular();
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// The temporary file of the save under way, kept where a signal handler can reach it without
// allocating, so that an interrupted save removes it.
char g_pendingTemporary[4096];
volatile std::sig_atomic_t g_pendingSet = 0;

void setPendingTemporary(const std::string& path) {
    if (path.size() >= sizeof g_pendingTemporary)
        return;
    g_pendingSet = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(g_pendingTemporary, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    g_pendingSet = 1;
}

void clearPendingTemporary() {
    g_pendingSet = 0;
}

extern "C" void removeTemporaryAndEnd(int signal) {
    removePendingTemporary();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// Follows symbolic links to the name that is to be replaced, so that a link stays a link and
// its target gets the new bytes. A dangling link gives the name it points to.
Expected<std::string, std::string> followLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return failure(ec.message());
        path = target.is_absolute() ? target.string()
                                    : (fs::path(path).parent_path() / target).string();
    }
    return failure(std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
}

// Root may write anything, so the file's own write bits say whether it is meant to be kept.
bool writeProtected(const std::string& path, const struct stat& status) {
    if (::geteuid() == 0)
        return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// A short name, so that any name that fits the file system fits with it.
std::string temporaryName(std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = ".zan";
    for (int i = 0; i < 8; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name + ".tmp";
}

// The new file, created exclusively beside the target so an existing file is never taken
// over, with the permissions, owner and group of the file it replaces.
Expected<int, int> createTemporary(const fs::path& folder, const struct stat* previous,
                                   std::string& temporary) {
    std::random_device entropy;
    std::mt19937 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = (folder / temporaryName(random)).string();
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return failure(errno);
        setPendingTemporary(temporary);
        if (previous != nullptr) {
            // Owner and group where the process may set them; the group alone otherwise. A
            // file it may not give away is still saved, as the user's.
            [[maybe_unused]] const bool ownerKept =
                ::fchown(fd, previous->st_uid, previous->st_gid) == 0 ||
                ::fchown(fd, static_cast<uid_t>(-1), previous->st_gid) == 0;
            (void)::fchmod(fd, previous->st_mode & 07777);
        }
        return fd;
    }
    return failure(EEXIST);
}

void syncFolder(const fs::path& folder) {
    Descriptor dir{::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY)};
    if (dir.fd >= 0)
        (void)::fsync(dir.fd);
}

}  // namespace

Expected<std::string, std::string> readRegularFile(const std::string& path,
                                                   std::uintmax_t maxBytes) {
    // Looked at before opening: opening a FIFO would wait for a writer, a device could give
    // bytes without end.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return failure(errnoReason(ZAN_TRANSLATE_NOOP("Messages", "it cannot be opened")));
    if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
        return failure(reason);
    // Non-blocking, and looked at again through the descriptor, in case the name was given
    // to something else in between.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        return failure(errnoReason(ZAN_TRANSLATE_NOOP("Messages", "it cannot be opened")));
    if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
        return failure(reason);
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        return failure(reasons::tooLarge(maxBytes));
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(errnoReason(ZAN_TRANSLATE_NOOP("Messages", "a read failed")));
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // The file grew while it was read.
        if (bytes.size() > maxBytes)
            return failure(reasons::tooLarge(maxBytes));
    }
}

Expected<PendingFile, std::string> PendingFile::open(const std::string& path) {
    PendingFile file;
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode))) {
        // Non-blocking, so that a named pipe nobody reads refuses rather than waits.
        file.m_handle = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (file.m_handle < 0)
            return failure(errno == ENXIO ? reasons::noPipeReader()
                                          : errnoReason(ZAN_TRANSLATE_NOOP("Messages",
                                                                           "it cannot be opened")));
        const int fd = static_cast<int>(file.m_handle);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return file;
    }
    if (exists && !S_ISREG(status.st_mode))
        return failure(notRegularReason(status.st_mode));
    if (exists && writeProtected(path, status))
        return failure(reasons::writeProtected());
    auto target = followLinks(path);
    if (!target)
        return failure(target.error());
    auto created = createTemporary(fs::path(*target).parent_path(), exists ? &status : nullptr,
                                   file.m_temporary);
    if (!created) {
        file.m_temporary.clear();
        return failure(reasons::systemError(
            created.error(), ZAN_TRANSLATE_NOOP("Messages", "no temporary file could be created")));
    }
    file.m_handle = *created;
    file.m_target = std::move(*target);
    file.m_replacesExisting = exists;
    return file;
}

Expected<Done, std::string> PendingFile::write(std::string_view bytes) {
    errno = 0;
    if (!writeAll(static_cast<int>(m_handle), bytes))
        return failure(errnoReason(ZAN_TRANSLATE_NOOP("Messages", "a write failed")));
    return Done{};
}

Expected<Done, std::string> PendingFile::commit() {
    const int fd = static_cast<int>(std::exchange(m_handle, -1));
    if (m_temporary.empty()) {
        ::close(fd);
        return Done{};
    }
    errno = 0;
    // Flushed to the disk before the rename, so that a power cut leaves the old file or the
    // whole new one, never an empty one.
    const bool flushed = ::fsync(fd) == 0;
    const int flushError = errno;
    const bool closed = ::close(fd) == 0;
    if (!flushed || !closed || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = !flushed ? flushError : errno;
        abandon();
        return failure(
            reasons::systemError(error, ZAN_TRANSLATE_NOOP("Messages", "a write failed")));
    }
    m_temporary.clear();
    clearPendingTemporary();
    syncFolder(fs::path(m_target).parent_path());
    return Done{};
}

void PendingFile::abandon() noexcept {
    if (m_handle >= 0)
        ::close(static_cast<int>(std::exchange(m_handle, -1)));
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        clearPendingTemporary();
    }
}

void removePendingTemporary() noexcept {
    if (g_pendingSet != 0) {
        ::unlink(g_pendingTemporary);
        g_pendingSet = 0;
    }
}

void removeTemporaryOnInterrupt() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        struct sigaction previous {};
        action.sa_handler = removeTemporaryAndEnd;
        sigemptyset(&action.sa_mask);
        // A signal the program was started to ignore (nohup) stays ignored.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

std::optional<FileIdentity> regularFileIdentity(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev),
                        static_cast<std::uint64_t>(status.st_ino)};
}

std::vector<std::string_view> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string_view>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void useBinaryStandardStreams() {}

bool isTerminal(StandardStream stream) {
    return ::isatty(stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO) != 0;
}

bool writeStandardStream(StandardStream stream, std::string_view bytes) {
    std::FILE* file = stream == StandardStream::Output ? stdout : stderr;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        return false;
    return std::fflush(file) == 0;
}

}  // namespace zan::file_system
