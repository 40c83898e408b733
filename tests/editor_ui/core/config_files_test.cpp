// Tests of the configuration-files panel's rules: paths of a folder, the bad-path and enable masks, the
// question before abandoning a configuration, the browser's start folder.
#include "config_files.h"

#include <gtest/gtest.h>

#include "../../kernel_config/test_util.h"

namespace {

using namespace configfiles;

TEST(ConfigFilePaths, FolderGivesTheSixFilesInsideIt)
{
    const ConfigPaths p = PathsFromFolder("/home/u/kernel");
    EXPECT_EQ(p.dir, "/home/u/kernel");
    EXPECT_EQ(p.inConfig, "/home/u/kernel/config.c");
    EXPECT_EQ(p.inDef, "/home/u/kernel/qvos.def");
    EXPECT_EQ(p.inKinit, "/home/u/kernel/kinit.c");
    EXPECT_EQ(p.outConfig, p.inConfig);
    EXPECT_EQ(p.outDef, p.inDef);
    EXPECT_EQ(p.outKinit, p.inKinit);
}

TEST(ConfigFilePaths, NamesAreAppendedEvenAfterATrailingSeparator)
{
    EXPECT_EQ(PathsFromFolder("/").inConfig, "//config.c");
    EXPECT_EQ(PathsFromFolder("/tmp/").outKinit, "/tmp//kinit.c");
    // A folder name with format characters stays as it is.
    EXPECT_EQ(PathsFromFolder("/x%s%n").inDef, "/x%s%n/qvos.def");
}

TEST(ConfigFileMasks, PathBitSetForMissingClearedForExisting)
{
    EXPECT_EQ(WithPathBit(0, kInDefBit, false), 0x20u);
    EXPECT_EQ(WithPathBit(0x770, kInDefBit, true), 0x750u);
    EXPECT_EQ(WithPathBit(0x750, kInDefBit, true), 0x750u);
}

TEST(ConfigFileMasks, EnableMaskFollowsTheBadPaths)
{
    // Everything present: all bits, with a refresh.
    EXPECT_EQ(EnableMaskAfterCheck(0, 3).enableMask, 0x3ffu);
    EXPECT_TRUE(EnableMaskAfterCheck(0, 3).refresh);
    // An input missing: 3 when an output is missing too, else the output command stays available.
    EXPECT_EQ(EnableMaskAfterCheck(0x10, 0x3ff).enableMask, 0x203u);
    EXPECT_EQ(EnableMaskAfterCheck(0x40, 3).enableMask, 0x203u);
    EXPECT_EQ(EnableMaskAfterCheck(0x410, 0x3ff).enableMask, 3u);
    EXPECT_EQ(EnableMaskAfterCheck(0x770, 0x203).enableMask, 3u);
    EXPECT_FALSE(EnableMaskAfterCheck(0x10, 3).refresh);
    // Only outputs missing: the panels open, the output command keeps its previous state.
    EXPECT_EQ(EnableMaskAfterCheck(0x200, 3).enableMask, 0x1ffu);
    EXPECT_EQ(EnableMaskAfterCheck(0x200, 0x203).enableMask, 0x3ffu);
    EXPECT_EQ(EnableMaskAfterCheck(0x700, 0x3ff).enableMask, 0x3ffu);
    EXPECT_FALSE(EnableMaskAfterCheck(0x700, 3).refresh);
}

TEST(ConfigFileMasks, OneExistingOutputAfterClearEnablesEverything)
{
    // After "Clear" the mask is 0; checking one chosen file that exists leaves it at 0.
    const std::uint32_t err = WithPathBit(0, kOutConfigBit, true);
    EXPECT_EQ(err, 0u);
    EXPECT_EQ(EnableMaskAfterCheck(err, 3).enableMask, 0x3ffu);
}

TEST(ConfigFileQuestion, AskedOnlyForARecordedLoadWithAllInputsPresent)
{
    ConfigPaths none;
    EXPECT_FALSE(NeedsCancelQuestion(none, 0));
    // Output paths alone do not count as a loaded configuration.
    none.dir = "/d";
    none.outConfig = "/d/config.c";
    EXPECT_FALSE(NeedsCancelQuestion(none, 0));
    ConfigPaths loaded = PathsFromFolder("/d");
    EXPECT_TRUE(NeedsCancelQuestion(loaded, 0));
    EXPECT_TRUE(NeedsCancelQuestion(loaded, 0x700));
    EXPECT_FALSE(NeedsCancelQuestion(loaded, 0x40));
    EXPECT_FALSE(NeedsCancelQuestion(loaded, 0x10));
    ConfigPaths oneInput;
    oneInput.inKinit = "/k.c";
    EXPECT_TRUE(NeedsCancelQuestion(oneInput, 0));
}

TEST(ConfigFileBrowser, StartsInTheShownFolderWhenItExists)
{
    testutil::TempDir tmp;
    ASSERT_FALSE(tmp.Path().empty());
    EXPECT_EQ(BrowserStartFolder(tmp.Path(), "/start"), tmp.Path());
    EXPECT_EQ(BrowserStartFolder(tmp.File("gone"), "/start"), "/start");
    EXPECT_EQ(BrowserStartFolder("", "/start"), "/start");
    // A file there counts as well: the browser is then given its path.
    testutil::WriteBytes(tmp.File("f"), "x");
    EXPECT_EQ(BrowserStartFolder(tmp.File("f"), "/start"), tmp.File("f"));
}

TEST(ConfigFileRecent, FolderFieldFallsBackToTheInputConfig)
{
    ConfigPaths p;
    p.inConfig = "/a/config.c";
    EXPECT_EQ(RecentFolderField(p), "/a/config.c");
    p.dir = "/b";
    EXPECT_EQ(RecentFolderField(p), "/b");
}

}  // namespace
