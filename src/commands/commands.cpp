#include "commands/commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <new>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "io/def_file.h"
#include "io/report.h"
#include "model/analysis.h"
#include "model/design_search.h"
#include "model/numbers.h"

namespace zan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFatigueTitle = "ZAN Thickness Design: Fatigue Analysis";
constexpr const char* kErosionTitle = "ZAN Thickness Design: Erosion Analysis";
constexpr const char* kDesignThicknessTitle = "Recommended Design Thickness";
constexpr const char* kFatigueExceeds = "The fatigue damage exceeds 100%.";
constexpr const char* kErosionExceeds = "The erosion damage exceeds 100%.";

Message okMessage(std::string text, std::string title, Icon icon) {
    return Message{std::move(text), std::move(title), icon, Buttons::Ok};
}

CommandOutcome refused(CommandStatus status, std::string text, std::string title) {
    CommandOutcome outcome;
    outcome.status = status;
    outcome.message = okMessage(std::move(text), std::move(title), Icon::None);
    return outcome;
}

const char* analysisTitle(AnalysisKind kind) {
    switch (kind) {
        case AnalysisKind::Fatigue:
            return kFatigueTitle;
        case AnalysisKind::Erosion:
            return kErosionTitle;
        case AnalysisKind::Both:
            break;
    }
    return kMainWindowTitle;
}

// Empty when no selected total exceeds 100 % (exactly 100 does not).
std::string damageWarning(AnalysisKind kind, const AnalysisResults& results) {
    const bool fatigueExceeds = results.totalFatigueDamage > 100.0f;
    const bool erosionExceeds = results.totalErosionDamage > 100.0f;
    switch (kind) {
        case AnalysisKind::Fatigue:
            return fatigueExceeds ? kFatigueExceeds : "";
        case AnalysisKind::Erosion:
            return erosionExceeds ? kErosionExceeds : "";
        case AnalysisKind::Both:
            break;
    }
    std::string text;
    if (fatigueExceeds)
        text += std::string(kFatigueExceeds) + "\r\n";
    if (erosionExceeds)
        text += std::string(kErosionExceeds) + "\r\n";
    return text;
}

CommandOutcome unreadable(const std::string& path, const std::string& reason) {
    return refused(CommandStatus::FileUnreadable,
                   "The file " + path + " " + reason + ". Nothing was loaded.", "");
}

std::string errnoReason(int error, const char* fallback) {
    return error != 0 ? std::generic_category().message(error) : std::string(fallback);
}

std::string writeFailure(const std::string& path, const std::string& reason) {
    return "The file " + path + " could not be written: " + reason +
           ". The previous file, if any, was left unchanged.";
}

// Why a file of this type is not read; empty for a regular file.
std::string notRegularReason(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return std::make_error_code(std::errc::is_a_directory).message();
    if (S_ISFIFO(mode))
        return "it is a named pipe (FIFO), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

std::string tooLargeReason() {
    return "it is larger than " + std::to_string(kMaxInputDataFileBytes >> 20) +
           " MiB, far more than an input data file holds";
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

}  // namespace

Expected<std::string, std::string> readInputDataFile(const std::string& path) {
    // Looked at before opening: opening a FIFO would wait for a writer, a device could give
    // bytes without end.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return failure(errnoReason(errno, "it cannot be opened"));
    if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
        return failure(reason);
    // Non-blocking, and looked at again through the descriptor, in case the name was given
    // to something else in between.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return failure(errnoReason(errno, "it cannot be opened"));
    if (::fstat(file.fd, &status) != 0)
        return failure(errnoReason(errno, "it cannot be opened"));
    if (std::string reason = notRegularReason(status.st_mode); !reason.empty())
        return failure(reason);
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxInputDataFileBytes)
        return failure(tooLargeReason());
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(errnoReason(errno, "a read failed"));
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // The file grew while it was read.
        if (bytes.size() > kMaxInputDataFileBytes)
            return failure(tooLargeReason());
    }
}

CommandOutcome performAnalysis(Workspace& workspace, AnalysisKind kind) {
    workspace.createInputSections();
    const std::string title = analysisTitle(kind);
    AnalysisRequest request;
    request.trialThickness =
        EnteredThickness{static_cast<float>(parseNumber(workspace.pavement().thickness))};
    request.fatigue = kind != AnalysisKind::Erosion;
    request.erosion = kind != AnalysisKind::Fatigue;

    auto run = runDamageAnalysis(workspace, request);
    if (!run)
        return refused(CommandStatus::Refused, analysisErrorMessage(run.error()), title);
    auto report = writeReport(workspace, *run);
    if (!report)
        return refused(CommandStatus::Refused, report.error().message, title);

    workspace.commitResults(*run);
    workspace.recordRun(kind == AnalysisKind::Fatigue   ? RunKind::Fatigue
                        : kind == AnalysisKind::Erosion ? RunKind::Erosion
                                                        : RunKind::Both);
    CommandOutcome outcome;
    outcome.report = std::move(*report);
    std::string warning = damageWarning(kind, *run);
    if (!warning.empty())
        outcome.message = okMessage(std::move(warning), title, Icon::Information);
    return outcome;
}

CommandOutcome computeDesignThickness(Workspace& workspace) {
    workspace.createInputSections();
    auto found = searchDesignThickness(workspace);
    if (!found) {
        const CommandStatus status = found.error().kind == DesignSearchError::Kind::Refused
                                         ? CommandStatus::Refused
                                         : CommandStatus::NoPassingThickness;
        return refused(status, designSearchErrorMessage(found.error()), kDesignThicknessTitle);
    }

    PavementInputs& pavement = workspace.ensurePavement();
    const std::string previousThickness = pavement.thickness;
    pavement.thickness = formatSignificant(static_cast<double>(found->thickness));
    auto report = writeReport(workspace, found->results);
    if (!report) {
        pavement.thickness = previousThickness;
        return refused(CommandStatus::Refused, report.error().message, kDesignThicknessTitle);
    }
    workspace.commitResults(found->results);
    workspace.recordRun(RunKind::DesignSearch);

    const char* unit = workspace.unitSystem() == UnitSystem::Metric ? "  cm." : "  in.";
    CommandOutcome outcome;
    outcome.report = std::move(*report);
    outcome.message = okMessage(
        "The Recommended Minimum Slab Thickness is :  " + formatFixed(found->thickness, 2) + unit,
        kDesignThicknessTitle, Icon::Information);
    return outcome;
}

std::optional<CommandOutcome> refusalBySize(std::uintmax_t size, const std::string& displayPath) {
    if (size <= kMaxInputDataFileBytes)
        return std::nullopt;
    return unreadableDataFile(displayPath, tooLargeReason());
}

CommandOutcome unreadableDataFile(const std::string& displayPath, const std::string& reason) {
    return unreadable(displayPath, "could not be read: " + reason);
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path) {
    return readDataFile(workspace, path, path);
}

CommandOutcome readDataFile(Workspace& workspace, const std::string& path,
                            const std::string& displayPath) {
    try {
        auto bytes = readInputDataFile(path);
        if (!bytes)
            return unreadable(displayPath, "could not be read: " + bytes.error());
        return readDataBytes(workspace, *bytes, displayPath);
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, "could not be read: there is not enough memory");
    }
}

CommandOutcome readDataBytes(Workspace& workspace, std::string_view bytes,
                             const std::string& displayPath) {
    try {
        auto contents = parseDefFile(bytes);
        if (!contents) {
            if (contents.error() == DefReadError::NotInputDataFile)
                return refused(CommandStatus::NotInputDataFile, "Incorrect Input File!", "");
            return unreadable(displayPath, "ends before the tenth axle-load row");
        }
        // Applied to a copy, so that running out of memory halfway changes no input.
        Workspace loaded = workspace;
        applyDefFile(loaded, *contents);
        CommandOutcome outcome;
        outcome.message = okMessage(displayPath + "  Loaded!", "", Icon::None);
        if (!contents->units)
            outcome.warning = okMessage(
                "The first line of " + displayPath +
                    " is neither ****ENG**** nor ****SI****: " + "its inputs were read in " +
                    (loaded.unitSystem() == UnitSystem::Metric ? "Metric" : "English") +
                    " units, the unit system in force. Check them before analysing.",
                "", Icon::Information);
        loaded.markInputsSaved();
        workspace = std::move(loaded);
        return outcome;
    } catch (const std::bad_alloc&) {
        return unreadable(displayPath, "could not be read: there is not enough memory");
    }
}

namespace {

std::string_view unsavableMark(std::string_view text, bool quoted) {
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "a line end";
    if (quoted && text.find('"') != std::string_view::npos)
        return "a double quote";
    return {};
}

// The first text the input data file could not give back as it stands, as the message names
// it; nothing when every text can be saved.
std::optional<std::string> unsavableText(const Workspace& workspace) {
    const PavementInputs& p = workspace.pavement();
    const TrafficInputs& t = workspace.traffic();
    const auto inSection =
        [](const char* section,
           std::initializer_list<const std::string*> texts) -> std::optional<std::string> {
        for (const std::string* text : texts)
            if (auto mark = unsavableMark(*text, false); !mark.empty())
                return std::string(section) + " holds " + std::string(mark);
        return std::nullopt;
    };
    if (auto found =
            inSection("Pavement Data", {&p.thickness, &p.subgradeModulus, &p.modulusOfRupture}))
        return found;
    if (auto found =
            inSection("Traffic Data",
                      {&t.averageDailyTraffic, &t.truckPercent, &t.growthPercent,
                       &t.directionPercent, &t.lanePercent, &t.loadSafetyFactor, &t.designPeriod}))
        return found;
    const auto& rows = workspace.axles().rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (const std::string* text :
             {&rows[i].singleLoad, &rows[i].singleCount, &rows[i].tandemLoad, &rows[i].tandemCount})
            if (auto mark = unsavableMark(*text, true); !mark.empty())
                return "Axle-Load Categories, row " + std::to_string(i + 1) + " holds " +
                       std::string(mark);
    const ProjectInfo& q = workspace.project();
    return inSection("Project Information", {&q.project, &q.location, &q.client, &q.designer,
                                             &q.checker, &q.revision, &q.notes});
}

}  // namespace

Expected<std::string, std::string> inputDataFileBytes(Workspace& workspace) {
    workspace.createInputSections();
    if (auto text = unsavableText(workspace))
        return failure("The input data were not saved: a text in " + *text +
                       ", which an input data file cannot keep. Change it and save again.");
    return writeDefFile(workspace);
}

Expected<std::string, std::string> reportForSaveOrPrint(Workspace& workspace) {
    workspace.createInputSections();
    auto report = writeReport(workspace);
    if (!report)
        return failure(report.error().message);
    return std::move(*report);
}

Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes) {
    return writeFileSafely(path, bytes, path);
}

namespace {

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

// A pipe or a character device (a terminal, /dev/stdout, /dev/null) takes the bytes as they
// come; there is nothing to replace.
Expected<Done, std::string> writeThrough(const std::string& path, std::string_view bytes,
                                         const std::string& displayPath) {
    // Non-blocking, so that a named pipe nobody reads refuses rather than waits.
    Descriptor out{::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK)};
    if (out.fd < 0)
        return failure(writeFailure(displayPath, errno == ENXIO
                                                     ? "no program reads from this named pipe"
                                                     : errnoReason(errno, "it cannot be opened")));
    ::fcntl(out.fd, F_SETFL, ::fcntl(out.fd, F_GETFL) & ~O_NONBLOCK);
    if (!writeAll(out.fd, bytes))
        return failure(writeFailure(displayPath, errnoReason(errno, "a write failed")));
    return Done{};
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

void removePendingTemporary() noexcept {
    if (g_pendingSet != 0) {
        ::unlink(g_pendingTemporary);
        g_pendingSet = 0;
    }
}

void removeTemporaryOnSignals() {
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

Expected<Done, std::string> writeFileSafely(const std::string& path, std::string_view bytes,
                                            const std::string& displayPath) {
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)))
        return writeThrough(path, bytes, displayPath);
    if (exists && !S_ISREG(status.st_mode))
        return failure(writeFailure(displayPath, notRegularReason(status.st_mode)));
    if (exists && writeProtected(path, status))
        return failure(writeFailure(displayPath, "it is write-protected"));
    auto target = followLinks(path);
    if (!target)
        return failure(writeFailure(displayPath, target.error()));
    const fs::path folder = fs::path(*target).parent_path();

    std::string temporary;
    auto created = createTemporary(folder, exists ? &status : nullptr, temporary);
    if (!created)
        return failure(writeFailure(
            displayPath, errnoReason(created.error(), "no temporary file could be created")));
    Descriptor file{*created};
    errno = 0;
    // Flushed to the disk before the rename, so that a power cut leaves the old file or the
    // whole new one, never an empty one.
    const bool written = writeAll(file.fd, bytes) && ::fsync(file.fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(file.fd) == 0;
    file.fd = -1;
    if (!written || !closed || ::rename(temporary.c_str(), target->c_str()) != 0) {
        const int error = !written ? writeError : errno;
        ::unlink(temporary.c_str());
        clearPendingTemporary();
        return failure(writeFailure(displayPath, errnoReason(error, "a write failed")));
    }
    clearPendingTemporary();
    syncFolder(folder);
    return Done{};
}

}  // namespace zan
