// Tests of the document's file access: whole-file reading in pieces, atomic writing with the read-only
// test, the existence test and numbered backups, also under real faults: special files, full disks, other
// users' files and kills.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <random>
#include <sched.h>
#include <sys/file.h>
#include <linux/securebits.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "doc.h"
#include "file_io.h"
#include "test_util.h"

namespace {

using Doc = CQuorvaneConfiguratorDoc;
using testutil::ReadBytes;
using testutil::TempDir;
using testutil::WriteBytes;

mode_t ModeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// Runs body in a forked child that an alarm ends, so that a hang fails instead of holding the suite; the
// child's exit code, or 128 + the signal that ended it.
int InChild(const std::function<int()>& body, unsigned seconds = 30)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(seconds);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
const int kSkipped = 77;

std::vector<std::string> Entries(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadFile, ReturnsTheWholeTextAcrossPieces)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);
    WriteBytes(dir.File("f.c"), text);
    EXPECT_EQ(Doc::ReadFileToString(dir.File("f.c")), text);

    WriteBytes(dir.File("crlf.c"), "#define A 1\r\n#define B 2\r\n");
    EXPECT_EQ(Doc::ReadFileToString(dir.File("crlf.c")), "#define A 1\r\n#define B 2\r\n");
}

TEST(ReadFile, FailuresGiveAnEmptyText)
{
    TempDir dir;
    WriteBytes(dir.File("empty.c"), "");
    EXPECT_EQ(Doc::ReadFileToString(dir.File("empty.c")), "");
    EXPECT_EQ(Doc::ReadFileToString(dir.File("missing.c")), "");
    EXPECT_EQ(Doc::ReadFileToString(dir.Path()), "");
    EXPECT_EQ(Doc::ReadFileToString(""), "");
    EXPECT_EQ(Doc::ReadFileToString(std::string(5000, 'x')), "");
    EXPECT_EQ(Doc::ReadFileToString(dir.File("%s%n")), "");
}

TEST(ReadFile, AZeroByteDropsTheRestOfItsPiece)
{
    TempDir dir;
    // Piece 1 is bytes 0..254: the zero at 10 drops 11..254; piece 2 starts at 255 and is whole.
    std::string text(300, 'b');
    text[10] = '\0';
    for (std::size_t i = 255; i < 300; ++i) text[i] = 'c';
    WriteBytes(dir.File("z.bin"), text);
    EXPECT_EQ(Doc::ReadFileToString(dir.File("z.bin")), std::string(10, 'b') + std::string(45, 'c'));

    // Far beyond one read: zeros at and around piece borders, each dropping only the rest of its piece.
    std::string big(300000, 'q');
    for (std::size_t at : {0u, 254u, 255u, 509u, 1000u, 65535u, 65536u, 299999u}) big[at] = '\0';
    std::string expected;
    for (std::size_t piece = 0; piece < big.size(); piece += 255) {
        const std::string part = big.substr(piece, 255);
        expected += part.substr(0, part.find('\0'));
    }
    WriteBytes(dir.File("big.bin"), big);
    EXPECT_EQ(Doc::ReadFileToString(dir.File("big.bin")), expected);
}

// A FIFO, a device or a link to one, as an input file or as the settings file: refused at once, left as it is.
// A proc file that never ends, through a link and by its own name, is read up to the limit and no further.
TEST(ReadFile, SpecialFilesAreRefusedAtOnce)
{
    for (const char* device : {"fifo", "/dev/zero", "/dev/urandom", "/dev/null", "/proc/self/pagemap"}) {
        TempDir dir;
        const std::string path = dir.File("quorvane.ini"), named = device[0] == '/' ? device : path;
        ASSERT_EQ(device[0] == '/' ? ::symlink(device, path.c_str()) : ::mkfifo(path.c_str(), 0644), 0);
        const auto kind = std::filesystem::symlink_status(path).type();
        EXPECT_EQ(InChild([&] {
            struct rusage before, after;
            ::getrusage(RUSAGE_SELF, &before);
            Doc doc(dir.Path());  // reads the settings file at start and writes it at the end
            const int failed = (Doc::ReadFileToString(path).empty() && Doc::ReadFileToString(named).empty() ? 0 : 1) |
                               (Doc::WriteStringToFile(path, "x") == 0 ? 0 : 2) |
                               (doc.MakeBackupFile(path) == "err" && doc.MakeBackupFile(named) == "err" ? 0 : 4);
            ::getrusage(RUSAGE_SELF, &after);
            return failed | (after.ru_maxrss - before.ru_maxrss < 400 * 1024 ? 0 : 8);  // kB
        }, 5), 0) << device;
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), kind) << device;
        EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"quorvane.ini"}) << device;
    }
}

TEST(WriteFile, CreatesAndReplacesWholeFiles)
{
    TempDir dir;
    EXPECT_EQ(Doc::WriteStringToFile(dir.File("new.c"), "abc\r\n"), 1);
    EXPECT_EQ(ReadBytes(dir.File("new.c")), "abc\r\n");
    EXPECT_EQ(Doc::WriteStringToFile(dir.File("new.c"), "x"), 1);
    EXPECT_EQ(ReadBytes(dir.File("new.c")), "x");
    EXPECT_EQ(Doc::WriteStringToFile(dir.File("empty.c"), ""), 1);
    EXPECT_EQ(ReadBytes(dir.File("empty.c")), "");
    // No temporary file is left beside the target.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST(WriteFile, ReadOnlyFileIsLeftUnchangedEvenForRoot)
{
    TempDir dir;
    const std::string path = dir.File("ro.c");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(Doc::WriteStringToFile(path, "new"), 0);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(ModeOf(path), 0444u);
}

TEST(WriteFile, KeepsPermissionBitsAndFollowsLinks)
{
    TempDir dir;
    const std::string path = dir.File("perm.c");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(Doc::WriteStringToFile(path, "new"), 1);
    EXPECT_EQ(ModeOf(path), 0640u);

    const std::string link = dir.File("link.c");
    ASSERT_EQ(::symlink("perm.c", link.c_str()), 0);
    EXPECT_EQ(Doc::WriteStringToFile(link, "through the link"), 1);
    EXPECT_EQ(ReadBytes(path), "through the link");
    struct stat st;
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));

    // Both names of a hard-linked file see the new text, and the owner stays.
    const std::string hard = dir.File("hard.c");
    ASSERT_EQ(::link(path.c_str(), hard.c_str()), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    EXPECT_EQ(Doc::WriteStringToFile(hard, "both names"), 1);
    EXPECT_EQ(ReadBytes(path), "both names");
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_nlink, 2u);
    if (::geteuid() == 0) {
        EXPECT_EQ(st.st_uid, 65534u);
    }
}

TEST(WriteFile, UnwritablePathsGiveZeroAndKeepOldContent)
{
    TempDir dir;
    EXPECT_EQ(Doc::WriteStringToFile(dir.File("missing/x.c"), "t"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    EXPECT_EQ(Doc::WriteStringToFile(dir.Path(), "t"), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));
    EXPECT_EQ(Doc::WriteStringToFile("", "t"), 0);
    EXPECT_EQ(Doc::WriteStringToFile(dir.File(std::string(5000, 'y')), "t"), 0);
}

TEST(WriteFile, FailedWriteLeavesTheOldFile)
{
    // /dev/full refuses every byte; it is no regular file, so nothing is written to it.
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(Doc::WriteStringToFile("/dev/full", "data"), 0);

    // A full disk half-way through: the rename never happens and the target keeps its bytes.
    TempDir dir;
    const std::string path = dir.File("keep.c");
    WriteBytes(path, "precious");
    const std::string link = dir.File("full");
    ASSERT_EQ(::symlink("/dev/full", link.c_str()), 0);
    EXPECT_EQ(Doc::WriteStringToFile(link, "data"), 0);
    EXPECT_EQ(ReadBytes(path), "precious");
}

// A disk without free blocks and one without free inodes (a small tmpfs in a private mount namespace): no write
// cuts a file, backups fail whole, and only a hard-linked file, written in place, may take its new text.
TEST(WriteFile, FullDiskNeverCutsAFile)
{
    const std::string oldText(8192, 'o'), newText(65536, 'n');
    for (const bool inodes : {false, true}) {
        TempDir dir;
        const std::string disk = dir.File("disk"), config = disk + "/config.c", kinit = disk + "/kinit.c";
        ASSERT_EQ(::mkdir(disk.c_str(), 0755), 0);
        const int failed = InChild([&] {
            if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("qvtest", disk.c_str(), "tmpfs", 0, "size=512k,nr_inodes=64") != 0) {
                return kSkipped;
            }
            for (const std::string& file : {config, kinit, disk + "/quorvane.ini"}) WriteBytes(file, oldText);
            ::link(kinit.c_str(), (disk + "/kinit.link").c_str());
            // Use up the blocks with one file, or the inodes with empty ones.
            for (int n = 0, fd; n < 1000; ++n) {
                if ((fd = ::open((disk + "/fill" + std::to_string(n)).c_str(), O_WRONLY | O_CREAT, 0644)) < 0) break;
                while (!inodes && ::write(fd, newText.data(), 4096) > 0) {
                }
                ::close(fd);
            }
            const int linked = Doc::WriteStringToFile(kinit, newText);
            int bad = (Doc::WriteStringToFile(config, newText) == 0 ? 0 : 1) | (linked == (inodes ? 1 : 0) ? 0 : 2) |
                      (ReadBytes(disk + "/kinit.link") == (linked ? newText : oldText) ? 0 : 4);
            {
                Doc doc(disk);  // its settings file cannot be written at the end
                doc.GetConfInfo().m_win.SetWinSize(1, 2, 3, 4, 5, 6);
                bad |= doc.MakeBackupFile(config) == "err" ? 0 : 8;
            }
            bad |= ReadBytes(config) == oldText && ReadBytes(disk + "/quorvane.ini") == oldText ? 0 : 16;
            for (const std::string& name : Entries(disk)) bad |= name.find('.') != 0 ? 0 : 32;  // no temporary
            return bad;
        });
        if (failed == kSkipped) GTEST_SKIP() << "no private mount namespace with a tmpfs (needs root)";
        EXPECT_EQ(failed, 0) << (inodes ? "no free inode" : "no free block");
    }
}

// As an unprivileged user: another owner's file is not written; a group-writable one is written in place and
// keeps its owner; in a folder that takes no new file the user's own file is written in place.
TEST(WriteFile, OtherUsersFilesStayTheirs)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    const uid_t user = 65534;
    TempDir dir;
    const std::string own = dir.File("own"), locked = dir.File("locked");
    ASSERT_TRUE(::chmod(dir.Path().c_str(), 0755) == 0 && ::mkdir(own.c_str(), 0755) == 0 &&
                ::chown(own.c_str(), user, user) == 0 && ::mkdir(locked.c_str(), 0755) == 0);
    const struct {
        std::string path;
        uid_t uid;
        gid_t gid;
        mode_t mode;
        int result;
    } rows[] = {{own + "/root.c", 0, 0, 0644, 0},
                {own + "/group.c", 0, user, 0664, 1},
                {own + "/mine.c", user, user, 0600, 1},
                {locked + "/mine.c", user, user, 0644, 1},
                {locked + "/new.c", 0, 0, 0, 0}};
    int expected = 0;
    for (std::size_t i = 0; i + 1 < std::size(rows); ++i) {
        WriteBytes(rows[i].path, "old");
        ASSERT_TRUE(::chown(rows[i].path.c_str(), rows[i].uid, rows[i].gid) == 0 &&
                    ::chmod(rows[i].path.c_str(), rows[i].mode) == 0);
        expected |= rows[i].result << i;
    }
    EXPECT_EQ(InChild([&] {
        const gid_t group = user;
        if (::setgroups(1, &group) != 0 || ::setresgid(user, user, user) != 0 || ::setresuid(user, user, user) != 0) {
            return 255;
        }
        int written = 0;
        for (std::size_t i = 0; i < std::size(rows); ++i) written |= Doc::WriteStringToFile(rows[i].path, "new") << i;
        return written;
    }), expected);
    for (const auto& row : rows) {
        struct stat st{};
        EXPECT_EQ(ReadBytes(row.path), row.mode == 0 ? "" : row.result ? "new" : "old") << row.path;
        if (::stat(row.path.c_str(), &st) == 0) {
            EXPECT_TRUE(st.st_uid == row.uid && st.st_gid == row.gid && (st.st_mode & 07777) == row.mode) << row.path;
        }
    }
    EXPECT_EQ(Entries(own), (std::vector<std::string>{"group.c", "mine.c", "root.c"}));
    EXPECT_EQ(Entries(locked), std::vector<std::string>{"mine.c"});
}

// SIGKILL at random moments of backups and writes: the target and every backup hold a whole old or new text,
// and no stray file is left beside them (a named leftover at the latest after the next write, which spares
// the file of a living writer, which is locked, and names that no writer makes).
TEST(WriteFile, KilledWritesLeaveOldOrNewAndNoStray)
{
    TempDir dir;
    const std::string path = dir.File("config.c");
    const std::string texts[2] = {std::string(200000, 'a'), std::string(300000, 'b')};
    WriteBytes(dir.File(".qvtmp-1-0-2"), "x");
    WriteBytes(dir.File(".qvtmp-1-new"), "x");  // no name that a writer makes
    const int held = ::open(dir.File(".qvtmp-held").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(Doc::WriteStringToFile(path, texts[0]), 1);
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{".qvtmp-1-new", ".qvtmp-held", "config.c"}));
    ::close(held);
    std::filesystem::remove(dir.File(".qvtmp-held"));
    std::filesystem::remove(dir.File(".qvtmp-1-new"));
    ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), 65534, 65534) == 0);  // root saves another's file

    const auto whole = [&](const std::string& file) {
        const std::string text = ReadBytes(file);
        return text == texts[0] || text == texts[1];
    };
    std::mt19937 random(11);
    int bad = 0;
    for (int round = 0; round < 120; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (Doc doc("");; ++round) {
                doc.MakeBackupFile(path);
                Doc::WriteStringToFile(path, texts[round % 2]);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 6000)(random));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        bad += whole(path) ? 0 : 1;
        for (const std::string& name : Entries(dir.Path())) {
            if (name.rfind("config.c.bk", 0) != 0) continue;
            bad += whole(dir.File(name)) ? 0 : 1;
            std::filesystem::remove(dir.File(name));
        }
        if (Entries(dir.Path()).size() > 1) bad += Doc::WriteStringToFile(path, ReadBytes(path)) ? 0 : 1;
        bad += Entries(dir.Path()).size() == 1 ? 0 : 1;
    }
    EXPECT_EQ(bad, 0);
}


TEST(FileExists, FilesAndFoldersCount)
{
    TempDir dir;
    WriteBytes(dir.File("a.c"), "x");
    EXPECT_EQ(Doc::IsFileExist(dir.File("a.c")), 1);
    EXPECT_EQ(Doc::IsFileExist(dir.Path()), 1);
    EXPECT_EQ(Doc::IsFileExist(dir.File("b.c")), 0);
    EXPECT_EQ(Doc::IsFileExist(""), 0);
    ASSERT_EQ(::symlink("nowhere", dir.File("dangling").c_str()), 0);
    EXPECT_EQ(Doc::IsFileExist(dir.File("dangling")), 0);
    // A file name followed by "/" or "/." names nothing, also at the end of a link, for every operation.
    ASSERT_EQ(::symlink("a.c/", dir.File("slash").c_str()), 0);
    for (const char* name : {"a.c/", "a.c/.", "slash"}) {
        EXPECT_TRUE(Doc::IsFileExist(dir.File(name)) == 0 && Doc::ReadFileToString(dir.File(name)).empty() &&
                    Doc::WriteStringToFile(dir.File(name), "new") == 0) << name;
    }
    EXPECT_EQ(ReadBytes(dir.File("a.c")), "x");
}

// A start folder deeper than the kernel takes in one path: its files exist, are backed up, and its settings
// file is read back.
TEST(FileExists, PathsBeyondTheKernelsLimitAreWalked)
{
    TempDir dir;
    const std::string place(200, 'd');
    std::string deep = dir.Path();
    std::vector<int> folders{::open(deep.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)};
    for (; deep.size() <= 4300; deep += "/" + place) {
        ASSERT_EQ(::mkdirat(folders.back(), place.c_str(), 0700), 0);
        folders.push_back(::openat(folders.back(), place.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    }
    EXPECT_EQ(Doc::WriteStringToFile(deep + "/config.c", "old"), 1);
    {
        Doc doc(deep);
        EXPECT_EQ(doc.MakeBackupFile(deep + "/config.c"), deep + "/config.c.bk001");
        doc.GetConfInfo().m_win.SetWinSize(1, 2, 3, 4, 5, 6);
    }
    int x = 0, y, width, height, barX, barY;
    Doc(deep).GetConfInfo().m_win.GetWinSize(x, y, width, height, barX, barY);
    EXPECT_EQ(x, 1);
    for (const char* name : {"config.c", "config.c.bk001", "quorvane.ini"}) ::unlinkat(folders.back(), name, 0);
    for (std::size_t i = folders.size() - 1; i > 0; --i) {
        ::close(folders[i]);
        ::unlinkat(folders[i - 1], place.c_str(), AT_REMOVEDIR);
    }
    ::close(folders[0]);
}

class Backup : public ::testing::Test {
protected:
    Backup() : doc(dir.Path()) {}
    TempDir dir;
    Doc doc;
};

TEST_F(Backup, TakesTheFirstFreeNumber)
{
    const std::string path = dir.File("config.c");
    WriteBytes(path, "v1");
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk001");
    EXPECT_EQ(ReadBytes(path + ".bk001"), "v1");
    WriteBytes(path, "v2");
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk002");
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk003");
    EXPECT_EQ(ReadBytes(path + ".bk003"), "v2");
    EXPECT_EQ(ReadBytes(path + ".bk001"), "v1");

    std::filesystem::remove(path + ".bk001");
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk001");
    EXPECT_EQ(ReadBytes(path + ".bk001"), "v2");
}

TEST_F(Backup, AnyEntryTakesANumberAndTheCopyKeepsTheTime)
{
    const std::string path = dir.File("config.c");
    WriteBytes(path, "v1");
    ASSERT_EQ(::symlink("gone", (path + ".bk001").c_str()), 0);
    const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk002");
    struct stat st;
    ASSERT_EQ(::lstat((path + ".bk001").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat((path + ".bk002").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(ReadBytes(path + ".bk002"), "v1");
}

TEST_F(Backup, CopiesThePermissionBits)
{
    const std::string path = dir.File("kinit.c");
    WriteBytes(path, "k");
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk001");
    EXPECT_EQ(ModeOf(path + ".bk001"), 0604u);
}

TEST_F(Backup, MissingSourceAndFullNumbering)
{
    EXPECT_EQ(doc.MakeBackupFile(dir.File("none.c")), "non");
    EXPECT_EQ(doc.MakeBackupFile(""), "non");
    ASSERT_EQ(::symlink("loop.c", dir.File("loop.c").c_str()), 0);  // missing, as for the existence check
    EXPECT_TRUE(Doc::IsFileExist(dir.File("loop.c")) == 0 && doc.MakeBackupFile(dir.File("loop.c")) == "non");

    const std::string path = dir.File("qvos.def");
    WriteBytes(path, "d");
    for (int n = 1; n <= 999; ++n) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".bk%03d", n);
        WriteBytes(path + suffix, "old");
    }
    EXPECT_EQ(doc.MakeBackupFile(path), "err");
    EXPECT_FALSE(std::filesystem::exists(path + ".bk1000"));
    EXPECT_EQ(ReadBytes(path + ".bk500"), "old");
}

TEST_F(Backup, NamesWithFormatCharactersAreTakenLiterally)
{
    const std::string path = dir.File("%s%n%d.c");
    WriteBytes(path, "x");
    EXPECT_EQ(doc.MakeBackupFile(path), path + ".bk001");
    EXPECT_EQ(ReadBytes(path + ".bk001"), "x");
}

TEST_F(Backup, AFolderCannotBeCopied)
{
    EXPECT_EQ(doc.MakeBackupFile(dir.Path()), "err");
    // Nor a file above the read limit (sparse here), refused before a byte is read.
    const std::string big = dir.File("big.c");
    WriteBytes(big, "x");
    ASSERT_EQ(::truncate(big.c_str(), static_cast<off_t>(fsys::kReadLimit) + 1), 0);
    EXPECT_TRUE(Doc::ReadFileToString(big).empty() && doc.MakeBackupFile(big) == "err");
}

TEST(Document, RecordsTheStartFolder)
{
    TempDir dir;
    testutil::ScopedCwd cwd(dir.Path());
    Doc doc;
    EXPECT_EQ(std::filesystem::equivalent(doc.GetStartDir(), dir.Path()), true);
    EXPECT_EQ(doc.OnNewDocument(), 1);
}

// --- Files stay their owners' on every file system ----------------------------------------------------------

const uid_t kNobody = 65534;

bool BecomeUser(uid_t user)
{
    const gid_t group = user;
    return ::setgroups(1, &group) == 0 && ::setresgid(user, user, user) == 0 && ::setresuid(user, user, user) == 0;
}

int Sh(const std::string& command) { return std::system(("(" + command + ") >/dev/null 2>&1").c_str()); }

// A shell command's output; the extended attributes of a file (its ACL included) are "getfattr -m- " + path.
std::string Out(const std::string& command)
{
    std::string text;
    char buffer[4096];
    if (std::FILE* out = ::popen((command + " 2>/dev/null").c_str(), "r")) {
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;) text.append(buffer, n);
        ::pclose(out);
    }
    return text;
}
std::string Attributes(const std::string& path) { return Out("getfattr -d -e hex -m- " + path); }

// Runs the fault writer (write PATH TEXT or backup PATH) under the preloaded fault library; its exit status,
// or 128 + the signal that ended it.
int RunWriter(const std::string& faults, std::vector<std::string> args)
{
    return InChild([&] {
        const char* asan = std::getenv("ASAN_OPTIONS");
        ::setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":verify_asan_link_order=0").c_str(), 1);
        ::setenv("QV_FAULT", faults.c_str(), 1);
        ::setenv("LD_PRELOAD", QV_FAULT_SHIM, 1);
        std::vector<char*> argv{const_cast<char*>(QV_FAULT_WRITER)};
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        ::execv(QV_FAULT_WRITER, argv.data());
        return 127;
    }, 20);
}

bool NoTemporaries(const std::string& dir)
{
    const auto names = Entries(dir);
    return std::none_of(names.begin(), names.end(), [](const std::string& n) { return n.rfind(".qvtmp-", 0) == 0; });
}

// Backups by root and by another user, in set-gid folders and with ACLs: no set-id bit, the source's group
// where the writer may set it, no ACL, and no class that may do more with the copy than with the source.
TEST(FileOwners, BackupsGrantNoMoreThanTheirSource)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users";
    const struct {
        mode_t folderMode, folderGid, uid, gid, mode;
        const char* acl;  // setfacl -m on the source ("d:" on the folder)
        uid_t writer, wantUid, wantGid, wantMode;
    } rows[] = {{0755, 0, kNobody, kNobody, 04755, nullptr, 0, kNobody, kNobody, 0755},
                {02777, 100, kNobody, kNobody, 0640, nullptr, 0, kNobody, kNobody, 0640},
                {02777, 100, 0, 0, 0604, nullptr, kNobody, kNobody, 100, 0400},
                {02777, 100, 0, 0, 0644, nullptr, kNobody, kNobody, 100, 0444},
                {02777, 100, 0, kNobody, 02750, nullptr, kNobody, kNobody, kNobody, 0550},
                {0755, 0, kNobody, kNobody, 0640, "g::-,u:1:rw", 0, kNobody, kNobody, 0600},
                {0755, 0, 0, 0, 0604, "u:1:-", 0, 0, 0, 0600},
                {0755, 0, 0, 0, 0600, "d:u:1:rwx", 0, 0, 0, 0600}};
    for (const auto& row : rows) {
        TempDir dir;
        const std::string folder = dir.File("f"), path = folder + "/config.c";
        ASSERT_TRUE(::chmod(dir.Path().c_str(), 0755) == 0 && ::mkdir(folder.c_str(), 0755) == 0 &&
                    ::chown(folder.c_str(), 0, row.folderGid) == 0 && ::chmod(folder.c_str(), row.folderMode) == 0);
        WriteBytes(path, "bytes");
        ASSERT_TRUE(::chown(path.c_str(), row.uid, row.gid) == 0 && ::chmod(path.c_str(), row.mode) == 0);
        if (row.acl != nullptr) {
            ASSERT_EQ(Sh(std::string("setfacl -m ") + row.acl + " " + (row.acl[0] == 'd' ? folder : path)), 0);
        }
        EXPECT_EQ(InChild([&] {
            return (row.writer == 0 || BecomeUser(row.writer)) && Doc("").MakeBackupFile(path) == path + ".bk001";
        }), 1) << std::oct << row.mode;
        struct stat st{};
        EXPECT_TRUE(::stat((path + ".bk001").c_str(), &st) == 0 && st.st_uid == row.wantUid &&
                    st.st_gid == row.wantGid && (st.st_mode & 07777) == row.wantMode)
            << std::oct << row.mode << ": " << std::dec << st.st_uid << ":" << st.st_gid << " " << std::oct << st.st_mode;
        EXPECT_EQ(Out("getfattr -m system.posix_acl_access " + path + ".bk001"), "");
    }
}

// Links planted in a sticky, world-writable folder towards root-only files: root follows only those that
// he or the folder's owner owns, for reading, backups, writes and the settings file, whatever
// fs.protected_symlinks says. Links in other folders keep working. Another user's symbolic link, or a second
// name in his folder, or any such name in a folder that others may write (they may have renamed it there),
// leads a write only to a file that each of them may write and reach as the kernel answers for him (ACLs count,
// a membership it cannot tell counts against him; no answer, as when the asking thread cannot start or keeps a
// capability, is no), and gives no set-id bit or capability through another user's link; a backup only to one
// that he may read, into a folder he may write whatever stands under its first name. Reads follow it as the
// kernel does.
TEST(FileOwners, LinksInSharedFoldersFollowTheKernelsRule)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to plant other users' links";
    const uid_t kStranger = 1234;  // no account
    const char* hidden = "chgrp 1235 ../shared && chown 1235 . && chmod 700 .";  // a group folder, 1235's own
    const struct {
        mode_t sharedMode;
        uid_t sharedOwner, linkOwner, targetOwner;
        bool folderLink, hard, followed;  // folderLink: the link names the folder instead of the files
        int reach = 2;                    // 0 not read, 1 read, 2 also backed up
        const char* command = "true";     // run in the targets' folder
        const char* faults = "";          // of the write (fault shim), or "securebit": under no_setuid_fixup
        uid_t as = 0;                     // who backs up
    } rows[] = {{01777, 0, kNobody, 0, false, false, false, 0}, {01777, 0, kNobody, 0, true, false, false, 0},
                {01777, 0, 0, 0, false, false, true}, {01777, kNobody, kNobody, kNobody, false, false, true},
                {0777, 0, kNobody, kNobody, false, false, false}, {01777, kNobody, kNobody, 0, false, false, false},
                {0755, kNobody, kNobody, 0, false, false, false}, {0755, kNobody, kNobody, 0, true, false, false, 1},
                {0755, kNobody, 0, 0, false, true, false}, {0755, kNobody, 0, kNobody, false, true, true},
                {0755, kStranger, kStranger, 0, false, false, false, 1, "chgrp 1234 * && chmod 606 *"},
                {0755, kStranger, kStranger, 0, false, false, false, 1, "chmod 666 * && chmod 700 ."},
                {0555, kStranger, 0, 0, false, true, false, 1, "chmod 600 *"},
                {0755, kStranger, kStranger, 0, false, false, false, 2, "chmod 666 * && setfacl -m u:1234:r *"},
                {0755, kStranger, kStranger, 0, false, false, true, 2, "setfacl -m u:1234:rw *"},
                {02775, 0, kStranger, 1235, false, false, false, 1, hidden},
                {02775, 0, kStranger, 1235, false, false, false, 1, hidden, "", 1235},
                {02775, 0, 0, 0, false, false, false, 1, "chgrp 2000 ../shared && chmod 600 *"},
                {02775, 0, 0, 0, false, true, false, 1, "chgrp 2000 ../shared && chmod 600 *"},
                {0755, 0, 0, 0, false, false, false, 1, "setfacl -m u:1234:rwx ../shared && chmod 660 *"},
                {0755, kStranger, kStranger, 0, true, false, false, 1, "mkdir config.c.bk001"},
                {0755, kStranger, kStranger, 0, true, false, false, 1, "ln -s gone config.c.bk001"},
                {0755, kStranger, kStranger, 0, true, false, false, 1, "touch config.c.bk001 && chmod 666 *.bk001"},
                {0755, kStranger, kStranger, 0, false, false, false, 2, "chmod 666 * && setfacl -m u:1234:r *",
                 "thread:EAGAIN:0"},
                {0755, kStranger, kStranger, 0, false, false, false, 2, "true", "securebit"},
                {0755, kStranger, kStranger, 0, false, false, true, 2,
                 "chmod 4775 * && setfacl -m u:1234:rw * && setcap cap_net_raw+ep config.c"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        TempDir dir;
        const std::string safe = dir.File("safe"), shared = dir.File("shared");
        const std::string path = shared + (row.folderLink ? "/d/config.c" : "/config.c");
        ASSERT_TRUE(::chmod(dir.Path().c_str(), 0755) == 0 && ::mkdir(safe.c_str(), 0711) == 0 &&
                    ::mkdir(shared.c_str(), 0700) == 0 && ::chown(shared.c_str(), row.sharedOwner, 0) == 0 &&
                    ::chmod(shared.c_str(), row.sharedMode) == 0);
        for (const std::string name : {"/config.c", "/quorvane.ini"}) {
            WriteBytes(safe + name, "old");
            const std::string link = shared + (row.folderLink ? "/d" : name);
            ASSERT_TRUE(::chown((safe + name).c_str(), row.targetOwner, row.targetOwner) == 0 &&
                        ((row.folderLink && name != "/config.c") ||
                         (row.hard ? ::link((safe + name).c_str(), link.c_str()) == 0
                                   : ::symlink((row.folderLink ? safe : safe + name).c_str(), link.c_str()) == 0 &&
                                         ::lchown(link.c_str(), row.linkOwner, row.linkOwner) == 0)));
        }
        ASSERT_EQ(Sh("cd " + safe + " && " + row.command), 0);
        EXPECT_EQ(Doc::IsFileExist(path), row.reach > 0 ? 1 : 0);
        EXPECT_EQ(Doc::ReadFileToString(path), row.reach > 0 ? "old" : "");
        const auto backup = [&] { return Doc(shared).MakeBackupFile(path); };  // writes its settings file at the end
        const std::string backedUp = row.reach > 1 ? path + ".bk001" : "err";
        if (row.as == 0) {
            EXPECT_EQ(backup(), backedUp);
        } else {
            EXPECT_EQ(InChild([&] { return BecomeUser(row.as) && backup() == backedUp; }), 1);
        }
        const bool securebit = std::strcmp(row.faults, "securebit") == 0;
        EXPECT_EQ(securebit ? InChild([&] {
            return ::prctl(PR_SET_SECUREBITS, SECBIT_NO_SETUID_FIXUP) == 0 ? Doc::WriteStringToFile(path, "new") : 9;
        }) : row.faults[0] != 0 ? RunWriter(row.faults, {"write", path, "new"}) : Doc::WriteStringToFile(path, "new"),
                  row.followed ? 1 : 0);
        EXPECT_EQ(ReadBytes(safe + "/config.c"), row.followed ? "new" : "old");
        EXPECT_TRUE((ModeOf(safe + "/config.c") & 04000) == 0 && Out("getcap " + safe + "/config.c").empty());
        EXPECT_EQ(ReadBytes(safe + "/quorvane.ini") == "old", !row.followed || row.folderLink);
    }
}

// A user who may rename the folder's entries swaps his link with the writer's own (RENAME_EXCHANGE) while the
// writer saves through it, as root and as a user, in the last place and mid-path: his file is never written,
// while the writer's own, which the swapper may write as well, is. Last, he swaps his FIFO with the file that
// root reads, and with a leftover he keeps locked beside the file root saves: it is never opened, while the
// file is read and saved.
TEST(FileOwners, SwappedLinksNeverRedirectAWrite)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other users";
    const uid_t writer = 1235, swapper = 1236;
    for (int row = 0; row < 6; ++row) {
        const bool asUser = row == 2 || row == 3, midPath = row == 1 || row == 3, fifo = row >= 4, leftover = row == 5;
        const uid_t owner = asUser ? writer : 0;
        TempDir dir;
        const std::string m = dir.File("m"), real = dir.File("real"), secret = dir.File("priv");  // texts of one length
        const std::string trusted = m + (midPath ? "/d" : leftover ? "/.qvtmp-1-0-1" : "/config.c"), planted = m + "/e";
        ASSERT_EQ(Sh("cd " + dir.Path() + " && chmod 755 . && mkdir -m 755 real && mkdir -m 700 priv && touch "
                     "real/config.c priv/config.c && chmod 666 real/config.c && chmod 600 priv/config.c && chown -R " +
                     std::to_string(owner) + " real priv"), 0);
        ASSERT_TRUE(::mkdir(m.c_str(), 0755) == 0 && ::chown(m.c_str(), asUser ? 0 : swapper, 0) == 0 &&
                    ::chmod(m.c_str(), asUser ? 0777 : 0755) == 0);
        if (fifo) WriteBytes(trusted, "old");
        ASSERT_TRUE(fifo ? ::mkfifo(planted.c_str(), 0644) == 0 :
                    ::symlink((midPath ? real : real + "/config.c").c_str(), trusted.c_str()) == 0 &&
                    ::lchown(trusted.c_str(), owner, owner) == 0 &&
                    ::symlink((midPath ? secret : secret + "/config.c").c_str(), planted.c_str()) == 0 &&
                    ::lchown(planted.c_str(), swapper, swapper) == 0);
        const int opens = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_TRUE(opens >= 0 && ::inotify_add_watch(opens, planted.c_str(), IN_OPEN | IN_DONT_FOLLOW) >= 0);
        const pid_t swap = ::fork();
        if (swap == 0) {
            ::alarm(30);  // the links keep their owners whoever swaps them
            if (leftover) ::flock(::open(trusted.c_str(), O_RDONLY | O_CLOEXEC), LOCK_EX);
            while (::renameat2(AT_FDCWD, trusted.c_str(), AT_FDCWD, planted.c_str(), RENAME_EXCHANGE) == 0) {}
            ::_exit(1);
        }
        const int redirected = InChild([&] {
            if (asUser && !BecomeUser(writer)) return 255;
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            const std::string path = trusted + (midPath ? "/config.c" : "");
            int done = 0;
            while (std::chrono::steady_clock::now() < end) {
                done += leftover ? Doc::WriteStringToFile(m + "/config.c", "new")
                        : fifo   ? Doc::ReadFileToString(path) == "old"
                                 : Doc::WriteStringToFile(path, "new");
            }
            return !ReadBytes(secret + "/config.c").empty() ? 1 : done > 0 ? 0 : 2;
        });
        ::kill(swap, SIGKILL);
        ::waitpid(swap, nullptr, 0);
        char events[4096];
        EXPECT_TRUE(redirected == 0 && ::read(opens, events, sizeof events) < 0)
            << (leftover ? "leftover " : fifo ? "FIFO " : asUser ? "as a user, " : "as root, ") << (midPath ? "mid-path" : "last name");
        ::close(opens);
    }
}

// Links of proc name no path that a walk could follow; the kernel opens them: /proc/self/fd/N of a deleted file
// (written in place, no backup beside it), and from a mount namespace with a tmpfs over box, /proc/PID/root.
TEST(FileOwners, LinksOfProcAreOpenedByTheKernel)
{
    TempDir dir;
    WriteBytes(dir.File("g"), "deleted");
    const int held = ::open(dir.File("g").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_TRUE(held >= 0 && ::unlink(dir.File("g").c_str()) == 0);
    const std::string fd = "/proc/self/fd/" + std::to_string(held);
    EXPECT_EQ(Doc::IsFileExist(fd), 1);
    EXPECT_TRUE(Doc::ReadFileToString(fd) == "deleted" && Doc("").MakeBackupFile(fd) == "err");
    EXPECT_EQ(Doc::WriteStringToFile(fd, "new"), 1);
    EXPECT_TRUE(ReadBytes(fd) == "new" && Entries(dir.Path()).empty());
    ::close(held);

    if (::geteuid() != 0) GTEST_SKIP() << "needs root for a mount namespace";
    const std::string box = dir.File("box"), host = "/proc/" + std::to_string(::getpid()) + "/root" + box + "/c";
    ASSERT_EQ(::mkdir(box.c_str(), 0755), 0);
    WriteBytes(box + "/c", "host");
    const int bad = InChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("qvtest", box.c_str(), "tmpfs", 0, nullptr) != 0) {
            return kSkipped;
        }
        return Doc::ReadFileToString(host) == "host" && Doc("").MakeBackupFile(host) == host + ".bk001" &&
               Doc::WriteStringToFile(host, "new") == 1 && Entries(box).empty() ? 0 : 1;
    });
    if (bad == kSkipped) GTEST_SKIP() << "no private mount namespace with a tmpfs";
    EXPECT_EQ(bad, 0);
    EXPECT_TRUE(ReadBytes(box + "/c") == "new" && ReadBytes(box + "/c.bk001") == "host");
}

// A replaced file keeps its ACL and extended attributes; where one cannot be set on the new file, the file is
// written in place (the same inode).
TEST(FileOwners, ReplacedFilesKeepTheirAttributes)
{
    const struct {
        const char* acl;
        const char* faults;
    } rows[] = {{"u:65534:rw,g::r,m::rw", ""}, {nullptr, ""}, {"g::-,u:1:rwx", "fsetxattr:EPERM:0"}};
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.File("config.c");
        WriteBytes(path, "old");
        if ((row.acl != nullptr && Sh(std::string("setfacl -m ") + row.acl + " " + path) != 0) ||
            Sh("setfattr -n user.note -v kept " + path) != 0) {
            GTEST_SKIP() << "no ACLs or user attributes here";
        }
        const std::string attrs = Attributes(path);
        struct stat before{}, after{};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
        EXPECT_EQ(RunWriter(row.faults, {"write", path, "new"}), 1) << row.faults;
        ASSERT_EQ(::stat(path.c_str(), &after), 0);
        EXPECT_EQ(ReadBytes(path), "new");
        EXPECT_EQ(Attributes(path), attrs) << row.faults;
        EXPECT_TRUE(after.st_mode == before.st_mode && (after.st_ino == before.st_ino) == (row.faults[0] != 0));
    }
}

// Disks that users keep projects on, each in a private mount namespace: an exFAT image on a loop device (no
// O_TMPFILE, no hard links, no renameat2 flags), a bindfs mirror (FUSE without fallocate), one file
// bind-mounted over config.c, and an ext4 image with times in whole seconds and an append-only folder. New
// files and their rewrites at once, backups with their time (also of a finer-timed file through a link), writes
// in place and the settings file all succeed, and no temporary file is left.
class EveryDisk : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryDisk, TakesWritesAndBackups)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to mount";
    TempDir dir;
    const std::string disk = dir.File("disk"), under = dir.File("under"), config = disk + "/config.c";
    ASSERT_TRUE(::mkdir(disk.c_str(), 0755) == 0 && ::mkdir(under.c_str(), 0755) == 0);
    const int result = InChild([&] {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            return kSkipped;
        }
        const bool image = GetParam() == "exfat" || GetParam() == "ext4";
        const std::string file = dir.File("image"), loop = !image ? "" :
            Out("truncate -s 16M " + file + " && mkfs." + (GetParam() == "ext4" ? "ext4 -q -I 128 " : "exfat ") + file +
                " >/dev/null && losetup -f --show " + file);
        if (image && loop.empty()) return kSkipped + 1;
        WriteBytes(under + "/mounted", "");
        if (GetParam() == "bind-mounted-file") WriteBytes(config, "");
        const std::string device = loop.substr(0, loop.size() - 1);
        if (image ? Sh((GetParam() == "exfat" ? "mount.exfat-fuse " : "mount ") + device + " " + disk)
            : GetParam() == "bindfs" ? Sh("bindfs " + under + " " + disk)
            : ::mount((under + "/mounted").c_str(), config.c_str(), nullptr, MS_BIND, nullptr)) {
            return kSkipped + 2;
        }
        const std::string fresh = disk + "/new.c";
        const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        WriteBytes(config, "old");
        ::utimensat(AT_FDCWD, config.c_str(), times, 0);
        int bad = Doc::WriteStringToFile(fresh, "one") == 1 && Doc::WriteStringToFile(fresh, "two") == 1 &&
                  ReadBytes(fresh) == "two" ? 0 : 1;
        struct stat st{};
        {
            Doc doc(disk);  // creates the settings file at the end
            bad |= doc.MakeBackupFile(config) == config + ".bk001" && ReadBytes(config + ".bk001") == "old" &&
                   ::stat((config + ".bk001").c_str(), &st) == 0 && st.st_mtim.tv_sec == 1000000000 ? 0 : 2;
        }
        bad |= Doc::WriteStringToFile(config, "new") == 1 && ReadBytes(config) == "new" ? 0 : 4;
        bad |= std::filesystem::exists(disk + "/quorvane.ini") && NoTemporaries(disk) ? 0 : 8;
        if (::link(config.c_str(), (disk + "/config.link").c_str()) == 0) {
            // Read beside the mirror, whose cache may still hold the link's old size.
            const std::string other = (GetParam() == "bindfs" ? under : disk) + "/config.link";
            bad |= Doc::WriteStringToFile(config, "both") == 1 && ReadBytes(other) == "both" ? 0 : 16;
        }
        WriteBytes(dir.File("fine.c"), "fine");
        const struct timespec fine[2] = {{1000000000, 123456789}, {1000000000, 123456789}};
        if (::utimensat(AT_FDCWD, dir.File("fine.c").c_str(), fine, 0) == 0 &&
            ::symlink(dir.File("fine.c").c_str(), (disk + "/fine.c").c_str()) == 0) {
            bad |= Doc("").MakeBackupFile(disk + "/fine.c") == disk + "/fine.c.bk001" ? 0 : 32;
        }
        const std::string append = disk + "/append";
        if (::mkdir(append.c_str(), 0755) == 0 && Doc::WriteStringToFile(append + "/config.c", "old") == 1 &&
            Sh("chattr +a " + append) == 0) {
            {
                Doc doc(append);  // creates its settings file at the end, and rewrites it at the second
                bad |= Doc::WriteStringToFile(append + "/config.c", "new") == 1 &&
                       ReadBytes(append + "/config.c") == "new" &&
                       doc.MakeBackupFile(append + "/config.c") == append + "/config.c.bk001" ? 0 : 64;
            }
            { Doc again(append); }
            bad |= NoTemporaries(append) && Entries(append).size() == 3 ? 0 : 64;
            Sh("chattr -a " + append);
        }
        // Three editors at once, each backing config.c up and saving it: every backup a name of its own, every
        // save a success.
        int taken = 0, saved = 0;
        for (int trial = 0; trial <= 30; ++trial) {
            for (const std::string& name : Entries(disk)) {
                taken += name.rfind("config.c.bk", 0) == 0 && std::filesystem::remove(disk + "/" + name) ? 1 : 0;
            }
            pid_t pids[3];
            int start[2];
            if (::pipe(start) != 0) return 255;
            for (int i = 0; i < 3 && trial < 30; ++i) {
                if ((pids[i] = ::fork()) == 0) {
                    char go;
                    ::close(start[1]);
                    (void)!::read(start[0], &go, 1);  // all three start at once
                    const bool copied = Doc("").MakeBackupFile(config).rfind(config + ".bk", 0) == 0;
                    ::_exit(copied + 2 * Doc::WriteStringToFile(config, std::string(5000 + i, 'a')));
                }
            }
            ::close(start[0]);
            ::close(start[1]);
            for (int i = 0, status = 0; i < 3 && trial < 30; ++i) {
                saved += ::waitpid(pids[i], &status, 0) == pids[i] && WIFEXITED(status) && WEXITSTATUS(status) == 3;
            }
        }
        bad |= saved == 90 && taken == 91 ? 0 : 128;
        // A mirror that shows every file as 1234's: no copy of a root-only file through a link there, his to open.
        const std::string forced = dir.File("forced"), secret = dir.File("private");
        WriteBytes(secret, "secret");
        if (GetParam() == "bindfs" && ::chmod(secret.c_str(), 0600) == 0 && ::mkdir(forced.c_str(), 0755) == 0 &&
            ::symlink(secret.c_str(), (under + "/private.c").c_str()) == 0 &&
            Sh("bindfs --force-user=1234 " + under + " " + forced) == 0) {
            bad |= Doc("").MakeBackupFile(forced + "/private.c") == "err" ? 0 : 32;
            Sh("umount " + forced);
        }
        Sh("umount " + config + "; umount " + disk + "; losetup -d " + loop);
        return bad >= kSkipped && bad <= kSkipped + 2 ? bad | 128 : bad;  // never taken for a skip
    }, 60);
    if (result >= kSkipped && result <= kSkipped + 2) {
        GTEST_SKIP() << GetParam() << ": no " << (result == kSkipped ? "private mount namespace" :
                                                  result == kSkipped + 1 ? "loop device" : "mount (FUSE missing?)");
    }
    EXPECT_EQ(result, 0) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(FileOwners, EveryDisk, ::testing::Values("exfat", "bindfs", "bind-mounted-file", "ext4"));

// Faults while a hard-linked file is written in place: the result is 0 and both names hold the old bytes,
// except where only the reservation is missing (FUSE) or writes merely fall short.
TEST(FileOwners, FailedWritesInPlacePutTheOldBytesBack)
{
    const std::string oldText(30000, 'o'), longText(70000, 'n'), shortText(100, 's');
    const struct {
        const char* faults;
        const std::string& text;
        int result;
    } rows[] = {{"write:short:1,write:EIO:2", longText, 0}, {"write:EIO:1", longText, 0},
                {"ftruncate:EIO:1", shortText, 0},         {"fsync:EIO:1", longText, 0},
                {"fallocate:ENOSPC:1", longText, 0},       {"fallocate:EOPNOTSUPP:0", longText, 1},
                {"write:short:0", longText, 1}};
    for (const auto& row : rows) {
        TempDir dir;
        WriteBytes(dir.File("kinit.c"), oldText);
        ASSERT_EQ(::link(dir.File("kinit.c").c_str(), dir.File("kinit.link").c_str()), 0);
        EXPECT_EQ(RunWriter(row.faults, {"write", dir.File("kinit.c"), row.text}), row.result) << row.faults;
        EXPECT_EQ(ReadBytes(dir.File("kinit.link")), row.result ? row.text : oldText) << row.faults;
    }
}

// A write that takes nothing, failing or held locks, slow renames with no exclusive one, names missing for a
// moment, failed looks, folders that keep names, openat2 errors: no spinning or waiting, no needless failure,
// backups under names of their own, one temporary file left at most. Two editors creating one file both succeed.
TEST(FileOwners, WritersNeverSpinOrWait)
{
    const struct {
        const char* faults;
        int written, created, backup, left;  // the writers' exit statuses; temporary files that stay
    } rows[] = {{"write:zero:0", 0, 0, 0, 0}, {"tmpfile:EOPNOTSUPP:0,flock:ENOLCK:0", 1, 1, 2, 0},
                {"tmpfile:EOPNOTSUPP:0,flock:EINTR:0", 1, 1, 2, 0},
                {"tmpfile:EOPNOTSUPP:0,flock:EWOULDBLOCK:0", 1, 1, 2, 0},
                {"tmpfile:EOPNOTSUPP:0,renameat2:EINVAL:0,renameat:slow:0", 1, 1, 2, 0},
                {"tmpfile:EOPNOTSUPP:0,renameat2:EINVAL:0,renameat:slow:0,linkat:EPERM:0", 1, 1, 2, 0},
                {"look:ENOENT:1:config.c,look:ENOENT:2:config.c", 1, 1, 2, 0}, {"look:EIO:0:config.c", 0, 1, 0, 0},
                {"renameat:EPERM:0,unlinkat:EPERM:0", 1, 1, 2, 1},
                {"tmpfile:EOPNOTSUPP:0,renameat:EPERM:0,unlinkat:EPERM:0", 1, 0, 0, 1},
                {"look:EIO:0:.,renameat:EPERM:0,unlinkat:EPERM:0", 1, 1, 2, 0}, {"openat2:EAGAIN:0", 1, 1, 2, 0}};
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.File("config.c");
        WriteBytes(path, "old");
        for (int again = 0; again < 2; ++again) {  // the second save, and the new file, meet what the first left
            EXPECT_EQ(RunWriter(row.faults, {"write", path, "new"}), row.written) << row.faults;
        }
        EXPECT_EQ(RunWriter(row.faults, {"write", dir.File("new.c"), "text"}), row.created) << row.faults;
        const pid_t other = ::fork();
        if (other == 0) ::_exit(RunWriter(row.faults, {"backup", path}));
        int status = 0;
        EXPECT_EQ(RunWriter(row.faults, {"backup", path}), row.backup) << row.faults;
        EXPECT_TRUE(::waitpid(other, &status, 0) == other && WEXITSTATUS(status) == row.backup) << row.faults;
        const std::string text = row.written ? "new" : "old";
        EXPECT_TRUE(ReadBytes(path) == text && (!row.backup || ReadBytes(path + ".bk002") == text)) << row.faults;
        // new.c, config.c, its backups and the temporary files that stay
        EXPECT_EQ(static_cast<int>(Entries(dir.Path()).size()), row.created + 1 + row.backup + row.left) << row.faults;
    }
    TempDir dir;
    const std::string texts[2] = {std::string(100000, 'a'), std::string(120000, 'b')};
    int bad = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const std::string path = dir.File(std::to_string(trial) + ".c");
        pid_t pids[2];
        for (int i = 0; i < 2; ++i) {
            if ((pids[i] = ::fork()) == 0) ::_exit(Doc::WriteStringToFile(path, texts[i]));
        }
        for (const pid_t pid : pids) {
            int status = 0;
            bad += ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 1 ? 0 : 1;
        }
        bad += ReadBytes(path) == texts[0] || ReadBytes(path) == texts[1] ? 0 : 1;
    }
    EXPECT_EQ(bad, 0);
}

// Leftovers planted in a sticky, world-writable folder: the next write removes the unlocked ones, whoever they
// were handed to, also one that is a second name of config.c, and one whose process id a process unrelated to
// it now has; without locks, those whose process is gone. Names that no writer makes stay.
TEST(FileOwners, LeftoversAreRemovedOnlyOnceTheirWriterIsGone)
{
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to plant other users' files";
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = ".qvtmp-" + std::to_string(gone) + "-0-1", alive = ".qvtmp-1-0-1", notes = ".qvtmp-notes";
    const struct {
        const std::string& name;
        uid_t owner;
        bool locked, secondName;
        const char* faults;
        bool removed;
    } rows[] = {{dead, 0, false, false, "", true},       {dead, kNobody, false, false, "", true},
                {dead, 0, true, false, "", false},       {dead, 0, false, true, "", true},
                {dead, 0, false, false, "flock:ENOLCK:0", true}, {alive, 0, false, false, "flock:ENOLCK:0", false},
                {alive, 0, false, false, "", true},              {notes, kNobody, false, false, "", false}};
    for (const auto& row : rows) {
        TempDir dir;
        const std::string path = dir.File("config.c"), leftover = dir.File(row.name);
        ASSERT_EQ(::chmod(dir.Path().c_str(), 01777), 0);
        WriteBytes(path, "old");
        if (!row.secondName) WriteBytes(leftover, "left");
        ASSERT_TRUE((!row.secondName || ::link(path.c_str(), leftover.c_str()) == 0) &&
                    ::chown(leftover.c_str(), row.owner, row.owner) == 0);
        const int held = ::open(leftover.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_TRUE(!row.locked || ::flock(held, LOCK_EX) == 0);
        EXPECT_EQ(RunWriter(row.faults, {"write", path, "new"}), 1) << row.name;
        struct stat st{};
        EXPECT_TRUE(std::filesystem::exists(leftover) != row.removed && ::stat(path.c_str(), &st) == 0 &&
                    st.st_nlink == 1u) << row.name << " " << row.owner;
        ::close(held);
    }
}

}  // namespace
