// Fault injection at the file level. Saving goes through writeFileSafely (a temporary file
// beside the target and a rename); reading through readDataFile. Each fault must give a
// message that names the file, and leave the previous file, the folder and the workspace
// as they were. The tests run as root in CI, where permission bits stop nothing, so the
// faults come from the file system itself: a path under a regular file, /proc, a file-size
// limit (RLIMIT_FSIZE, which fails a write after N bytes), and small tmpfs mounts (full, or
// read-only) where the machine allows mounting.

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "commands/commands.h"
#include "io/def_file.h"
#include "random_design.h"
#include "support/files.h"

namespace zan {
namespace {

namespace fs = std::filesystem;

const auto& readFile = test::readBytes;
const auto& writeFile = test::writeBytes;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class FileFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zan-faults-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override {
        for (const fs::path& mount : m_mounts)
            umount2(mount.c_str(), MNT_DETACH);
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }

    // A tmpfs of `options` at a new folder, or nothing when the machine does not allow it.
    std::optional<fs::path> mountTmpfs(const std::string& name, const std::string& options) {
        const fs::path at = m_folder / name;
        fs::create_directory(at);
        if (mount("zan-test", at.c_str(), "tmpfs", 0, options.c_str()) != 0)
            return std::nullopt;
        m_mounts.push_back(at);
        return at;
    }

    // Saving over `previous` must fail with a message naming the file and keep it whole.
    void expectFailedSaveKeepsPrevious(const fs::path& target, const std::string& bytes) {
        const std::string previous = readFile(target);
        const std::set<std::string> before = namesIn(target.parent_path());
        const auto written = writeFileSafely(target.string(), bytes);
        ASSERT_FALSE(written.ok()) << target;
        EXPECT_NE(written.error().find(target.string()), std::string::npos) << written.error();
        EXPECT_EQ(readFile(target), previous) << "the previous file was damaged";
        EXPECT_EQ(namesIn(target.parent_path()), before) << "a temporary file was left behind";
    }

    fs::path m_folder;
    std::vector<fs::path> m_mounts;
};

const std::string kPrevious = "****ENG****\r\n\r\n***ZAN***\r\nthe previous file\r\n";

TEST_F(FileFaults, SaveFailuresNameTheFileAndTouchNothing) {
    fs::create_directory(m_folder / "a folder");
    writeFile(m_folder / "a folder" / "inside.DEF", kPrevious);
    writeFile(m_folder / "plain.txt", kPrevious);
    struct Case {
        const char* name;
        fs::path target;
    };
    const Case cases[] = {
        {"FolderDoesNotExist", m_folder / "no such folder" / "design.DEF"},
        {"TargetIsADirectory", m_folder / "a folder"},
        {"FolderIsARegularFile", m_folder / "plain.txt" / "design.DEF"},
        {"FolderInProc", "/proc/self/design.DEF"},
        {"EmptyName", ""},
    };
    for (const Case& c : cases) {
        const std::set<std::string> before = namesIn(m_folder);
        const auto written = writeFileSafely(c.target.string(), "new contents\r\n");
        ASSERT_FALSE(written.ok()) << c.name;
        EXPECT_NE(written.error().find("could not be written"), std::string::npos)
            << c.name << ": " << written.error();
        EXPECT_NE(written.error().find(c.target.string()), std::string::npos)
            << c.name << ": " << written.error();
        EXPECT_EQ(namesIn(m_folder), before) << c.name;
    }
    EXPECT_EQ(readFile(m_folder / "a folder" / "inside.DEF"), kPrevious);
    EXPECT_EQ(readFile(m_folder / "plain.txt"), kPrevious);
    EXPECT_TRUE(fs::is_directory(m_folder / "a folder"));
}

// A write layer that fails after N bytes: the process's file-size limit. Writes past it fail
// with EFBIG (SIGXFSZ is ignored for the test).
TEST_F(FileFaults, WriteThatFailsAfterNBytesKeepsThePreviousFile) {
    const fs::path target = m_folder / "design.DEF";
    writeFile(target, kPrevious);
    const std::string bytes(1 << 20, 'z');
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    for (rlim_t limit :
         {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{65537}, rlim_t{(1 << 20) - 1}}) {
        rlimit small = oldLimit;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        const std::string previous = readFile(target);
        const std::set<std::string> before = namesIn(m_folder);
        const auto written = writeFileSafely(target.string(), bytes);
        setrlimit(RLIMIT_FSIZE, &oldLimit);
        ASSERT_FALSE(written.ok()) << "limit " << limit;
        EXPECT_NE(written.error().find(target.string()), std::string::npos) << written.error();
        EXPECT_EQ(readFile(target), previous) << "limit " << limit;
        EXPECT_EQ(namesIn(m_folder), before) << "limit " << limit;
    }
    std::signal(SIGXFSZ, oldHandler);
    // With the limit lifted the same save succeeds.
    EXPECT_TRUE(writeFileSafely(target.string(), bytes).ok());
    EXPECT_EQ(readFile(target), bytes);
}

TEST_F(FileFaults, FullDiskKeepsThePreviousFile) {
    const auto disk = mountTmpfs("small disk", "size=64k");
    if (!disk)
        GTEST_SKIP() << "this machine does not allow a tmpfs mount";
    const fs::path target = *disk / "design.DEF";
    writeFile(target, kPrevious);
    expectFailedSaveKeepsPrevious(target, std::string(1 << 20, 'z'));
    // What fits is saved.
    EXPECT_TRUE(writeFileSafely(target.string(), "small\r\n").ok());
    EXPECT_EQ(readFile(target), "small\r\n");
}

TEST_F(FileFaults, ReadOnlyFolderKeepsThePreviousFile) {
    const auto disk = mountTmpfs("read-only disk", "size=64k");
    if (!disk)
        GTEST_SKIP() << "this machine does not allow a tmpfs mount";
    const fs::path target = *disk / "design.DEF";
    writeFile(target, kPrevious);
    ASSERT_EQ(mount("zan-test", disk->c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    expectFailedSaveKeepsPrevious(target, "new contents\r\n");
}

// The user chose a file in the dialog, and it or its folder went away before the save.
TEST_F(FileFaults, TargetOrFolderDisappearsBetweenChoosingAndWriting) {
    const fs::path target = m_folder / "chosen.DEF";
    writeFile(target, kPrevious);
    fs::remove(target);
    EXPECT_TRUE(writeFileSafely(target.string(), "saved\r\n").ok());
    EXPECT_EQ(readFile(target), "saved\r\n");

    const fs::path folder = m_folder / "gone";
    fs::create_directory(folder);
    const fs::path inGone = folder / "chosen.DEF";
    fs::remove(folder);
    const auto written = writeFileSafely(inGone.string(), "saved\r\n");
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().find(inGone.string()), std::string::npos) << written.error();
    EXPECT_FALSE(fs::exists(folder));
}

// What a save may find at its target. A link stays a link with its target replaced; a
// character device takes the bytes (a pipe too, when read: zan-report's -o /dev/stdout); a
// replaced file keeps its mode and owner; a write-protected file, a block device and a pipe
// nobody reads are refused with the file named. No temporary file is left.
TEST_F(FileFaults, SaveTargetsKeepWhatTheyAre) {
    const std::string bytes = "new contents\r\n";
    struct Case {
        const char* name;
        std::string target;
        bool saved;
        const char* reason;  // of a refusal
    };
    const fs::path plain = m_folder / "plain.PRN";
    writeFile(plain, kPrevious);
    fs::create_symlink("plain.PRN", m_folder / "link.PRN");
    writeFile(m_folder / "read-only.PRN", kPrevious);
    fs::permissions(m_folder / "read-only.PRN", fs::perms::owner_read | fs::perms::group_read);
    writeFile(m_folder / "shared.PRN", kPrevious);
    fs::permissions(m_folder / "shared.PRN", static_cast<fs::perms>(0640));
    const bool root = geteuid() == 0;
    if (root) {
        writeFile(m_folder / "other owner.PRN", kPrevious);
        ASSERT_EQ(chown((m_folder / "other owner.PRN").c_str(), 1234, 2345), 0);
        fs::permissions(m_folder / "other owner.PRN", static_cast<fs::perms>(0600));
    }
    const std::string longName(250, 'n');
    const bool block = mknod((m_folder / "block").c_str(), S_IFBLK | 0600, makedev(7, 0)) == 0;
    ASSERT_EQ(mkfifo((m_folder / "pipe").c_str(), 0600), 0);
    const Case cases[] = {
        {"Link", (m_folder / "link.PRN").string(), true, ""},
        {"Device", "/dev/null", true, ""},
        {"ReadOnly", (m_folder / "read-only.PRN").string(), false, "it is write-protected"},
        {"PipeWithoutReader", (m_folder / "pipe").string(), false,
         "no program reads from this named pipe"},
        {"KeepsItsMode", (m_folder / "shared.PRN").string(), true, ""},
        {"OtherOwner", root ? (m_folder / "other owner.PRN").string() : "", true, ""},
        {"LongName", (m_folder / (longName + ".PRN")).string(), true, ""},
        {"BlockDevice", block ? (m_folder / "block").string() : "", false, "it is a device"},
    };
    for (const Case& c : cases) {
        if (c.target.empty())
            continue;
        struct stat before {};
        const bool existed = stat(c.target.c_str(), &before) == 0;
        const auto written = writeFileSafely(c.target, bytes);
        ASSERT_EQ(written.ok(), c.saved) << c.name << ": " << (written ? "" : written.error());
        struct stat after {};
        ASSERT_EQ(stat(c.target.c_str(), &after), 0) << c.name;
        if (existed) {
            EXPECT_EQ(after.st_mode, before.st_mode) << c.name;
            EXPECT_EQ(after.st_uid, before.st_uid) << c.name;
            EXPECT_EQ(after.st_gid, before.st_gid) << c.name;
        }
        if (!c.saved) {
            EXPECT_NE(written.error().find(c.target + " could not be written: " + c.reason),
                      std::string::npos)
                << written.error();
        }
        if (S_ISREG(after.st_mode)) {
            EXPECT_EQ(readFile(c.target), c.saved ? bytes : kPrevious) << c.name;
        }
    }
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.PRN"));
    EXPECT_EQ(readFile(plain), bytes);
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_TRUE(entry.path().extension() == ".PRN" || !entry.is_regular_file()) << entry.path();
}

// A save ended by a signal between writing and renaming keeps the old file and leaves no
// temporary file; the next save succeeds and leaves none either.
TEST_F(FileFaults, SaveEndedBySignalLeavesNoTemporaryFile) {
    const fs::path target = m_folder / "design.PRN";
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        writeFile(target, kPrevious);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            removeTemporaryOnSignals();
            // Large enough to be caught while it is written.
            (void)writeFileSafely(target.string(), std::string(std::size_t{128} << 20, 'z'));
            _exit(0);
        }
        // Signalled once the temporary file is being written.
        bool seen = false;
        for (int i = 0; i < 5000 && !seen; ++i) {
            for (const auto& entry : fs::directory_iterator(m_folder)) {
                std::error_code ec;
                seen = seen || (entry.path() != target && fs::file_size(entry.path(), ec) > 0);
            }
            if (!seen)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        kill(child, signal);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(seen) << signal;
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(readFile(target), kPrevious) << signal;
        EXPECT_EQ(namesIn(m_folder), std::set<std::string>{"design.PRN"}) << signal;
        ASSERT_TRUE(writeFileSafely(target.string(), "next\r\n").ok());
        EXPECT_EQ(namesIn(m_folder), std::set<std::string>{"design.PRN"}) << signal;
    }
}

// A workspace with a design and results, to see that a failed read changes nothing.
Workspace sessionWorkspace() {
    Workspace w;
    w.chooseUnitSystem(UnitSystem::Metric);
    w.ensurePavement().thickness = "23.5";
    w.ensureTraffic().designPeriod = "30";
    performAnalysis(w, AnalysisKind::Both);
    return w;
}

TEST_F(FileFaults, UnreadableFilesNameTheFileAndChangeNothing) {
    fs::create_directory(m_folder / "folder.DEF");
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"Directory", (m_folder / "folder.DEF").string()},
        {"Missing", (m_folder / "missing.DEF").string()},
        {"UnderARegularFile", "/proc/self/status/x.DEF"},
        {"UnreadableProcFile", "/proc/self/mem"},
    };
    for (const Case& c : cases) {
        Workspace w = sessionWorkspace();
        const Workspace before = w;
        const CommandOutcome outcome = readDataFile(w, c.path);
        EXPECT_EQ(outcome.status, CommandStatus::FileUnreadable) << c.name;
        ASSERT_TRUE(outcome.message.has_value()) << c.name;
        EXPECT_NE(outcome.message->text.find(c.path), std::string::npos)
            << c.name << ": " << outcome.message->text;
        EXPECT_TRUE(w == before) << c.name;
    }
}

// A file above the size limit is refused before it is read, whatever it holds; the same bytes
// given directly are read as any others.
TEST_F(FileFaults, FilesAboveTheLimitAreRefusedUnread) {
    const std::string valid = [] {
        Workspace w;
        return writeDefFile(w);
    }();
    constexpr std::size_t kFifty = 50u << 20;
    // A valid file followed by 50 MB, and a line 5 (the thickness) of 50 MB.
    std::string trailing = valid;
    trailing.resize(valid.size() + kFifty, 'j');
    std::string longLine = valid;
    longLine.insert(longLine.find("9.5\r\n") + 3, std::string(kFifty, 'x'));
    std::string justAbove = valid;
    justAbove.resize(kMaxInputDataFileBytes + 1, ' ');
    std::string atTheLimit = valid;
    atTheLimit.resize(kMaxInputDataFileBytes, ' ');
    struct Case {
        const char* name;
        const std::string* bytes;
        CommandStatus status;
    };
    const Case cases[] = {
        {"ValidThenFiftyMegabytes", &trailing, CommandStatus::FileUnreadable},
        {"FiftyMegabyteLine", &longLine, CommandStatus::FileUnreadable},
        {"OneByteAboveTheLimit", &justAbove, CommandStatus::FileUnreadable},
        {"AtTheLimit", &atTheLimit, CommandStatus::Done},
    };
    for (const Case& c : cases) {
        const fs::path path = m_folder / "big.DEF";
        writeFile(path, *c.bytes);
        Workspace w = sessionWorkspace();
        const Workspace before = w;
        const CommandOutcome outcome = readDataFile(w, path.string());
        EXPECT_EQ(outcome.status, c.status) << c.name;
        // A browser refuses by the size alone, before reading: the reader's own refusal.
        const auto bySize = refusalBySize(c.bytes->size(), path.string());
        EXPECT_EQ(bySize ? bySize->message : std::nullopt,
                  outcome.ok() ? std::nullopt : outcome.message)
            << c.name;
        if (outcome.ok()) {
            EXPECT_EQ(outcome.message->text, path.string() + "  Loaded!") << c.name;
        } else {
            EXPECT_NE(outcome.message->text.find("larger than 1 MiB"), std::string::npos)
                << outcome.message->text;
            EXPECT_TRUE(w == before) << c.name;
        }
    }
    // The long thickness text reads as 9.5 and analyses.
    Workspace w;
    ASSERT_TRUE(readDataBytes(w, longLine, "long.DEF").ok());
    EXPECT_EQ(w.pavement().thickness.size(), kFifty + 3);
    EXPECT_TRUE(performAnalysis(w, AnalysisKind::Both).ok());
}

// NULs inside texts and CR-only line ends: a file written that way on another system still
// reads every text exactly.
TEST_F(FileFaults, NulBytesAndCarriageReturnOnlyLineEnds) {
    test::Random r(13);
    for (int i = 0; i < 200; ++i) {
        Workspace saved = test::randomDesign(r, {50, 5});
        saved.ensurePavement().subgradeModulus = std::string(
            "1\0"
            "30",
            4);
        saved.ensureAxles().rows[r.below(10)].singleCount = std::string("\0\0", 2);
        std::string bytes;
        for (char c : writeDefFile(saved))
            if (c != '\n')
                bytes.push_back(c);
        const fs::path path = m_folder / "cr.DEF";
        writeFile(path, bytes);
        Workspace loaded;
        ASSERT_TRUE(readDataFile(loaded, path.string()).ok()) << i;
        EXPECT_EQ(writeDefFile(loaded), writeDefFile(saved)) << i;
    }
}

}  // namespace
}  // namespace zan
