// Tests of the document's file access: whole-file reading in pieces, atomic writing with the read-only
// test, the existence test and numbered backups.
#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "doc.h"
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
    // /dev/full refuses every byte; a file beside it cannot exist, so the write goes in place and fails.
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
}

TEST(Document, RecordsTheStartFolder)
{
    TempDir dir;
    testutil::ScopedCwd cwd(dir.Path());
    Doc doc;
    EXPECT_EQ(std::filesystem::equivalent(doc.GetStartDir(), dir.Path()), true);
    EXPECT_EQ(doc.OnNewDocument(), 1);
}

}  // namespace
