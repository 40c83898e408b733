// Tests of the recently used configurations: the field accessors and AddRecentConfig (ordering by last use,
// dropping the oldest, exact matching, and the folder taken from the input config.c path).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "conf_info.h"
#include "text.h"

namespace {

using Set = std::array<std::string, CCData_conf_ini::kFieldCount>;

Set MakeSet(const std::string& name)
{
    const std::string in = "/in/" + name;
    const std::string out = "/out/" + name;
    return {in, in + "/config.c", in + "/qvos.def", in + "/kinit.c", out + "/config.c", out + "/qvos.def",
            out + "/kinit.c"};
}

void Add(CCData_conf_ini& ini, const Set& s)
{
    ini.AddRecentConfig(s[0], s[1], s[2], s[3], s[4], s[5], s[6]);
}

Set EntryOf(const CCData_conf_ini& ini, int i)
{
    return {ini.GetRecentDir(i),       ini.GetRecentInConfig(i), ini.GetRecentInDef(i), ini.GetRecentInKinit(i),
            ini.GetRecentOutConfig(i), ini.GetRecentOutDef(i),   ini.GetRecentOutKinit(i)};
}

// The folder AddRecentConfig stores for an empty folder argument and the given input config.c path.
std::string DerivedFolder(const std::string& inConfig)
{
    CCData_conf_ini ini;
    ini.AddRecentConfig("", inConfig, "d", "k", "", "", "");
    return ini.GetRecentDir(0);
}

TEST(RecentAccessors, EachFieldOfEachEntryIsItsOwn)
{
    CCData_conf_ini ini;
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        ini.SetRecentDir(i, "dir" + n);
        ini.SetRecentInConfig(i, "ic" + n);
        ini.SetRecentInDef(i, "id" + n);
        ini.SetRecentInKinit(i, "ik" + n);
        ini.SetRecentOutConfig(i, "oc" + n);
        ini.SetRecentOutDef(i, "od" + n);
        ini.SetRecentOutKinit(i, "ok" + n);
    }
    EXPECT_EQ(ini.m_nRecentNum, 1) << "setters leave the count alone";
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(EntryOf(ini, i), (Set{"dir" + n, "ic" + n, "id" + n, "ik" + n, "oc" + n, "od" + n, "ok" + n}));
    }
}

TEST(RecentAdd, FirstSetReplacesTheEmptyState)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    EXPECT_EQ(ini.m_nRecentNum, 1);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s1"));
}

TEST(RecentAdd, NewestFirstAndTheOldestIsDropped)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    Add(ini, MakeSet("s2"));
    EXPECT_EQ(ini.m_nRecentNum, 2);
    Add(ini, MakeSet("s3"));
    ASSERT_EQ(ini.m_nRecentNum, 3);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s3"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
    EXPECT_EQ(EntryOf(ini, 2), MakeSet("s1"));

    Add(ini, MakeSet("s4"));
    ASSERT_EQ(ini.m_nRecentNum, 3);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s4"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s3"));
    EXPECT_EQ(EntryOf(ini, 2), MakeSet("s2"));
}

TEST(RecentAdd, ASetAlreadyListedMovesToTheTop)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    Add(ini, MakeSet("s2"));
    Add(ini, MakeSet("s3"));

    Add(ini, MakeSet("s3"));
    EXPECT_EQ(ini.m_nRecentNum, 3);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s3"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
    EXPECT_EQ(EntryOf(ini, 2), MakeSet("s1"));

    Add(ini, MakeSet("s2"));
    EXPECT_EQ(ini.m_nRecentNum, 3);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s2"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s3"));
    EXPECT_EQ(EntryOf(ini, 2), MakeSet("s1"));

    Add(ini, MakeSet("s1"));
    EXPECT_EQ(ini.m_nRecentNum, 3);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s1"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
    EXPECT_EQ(EntryOf(ini, 2), MakeSet("s3"));
}

TEST(RecentAdd, MatchInAListOfTwoKeepsTheCount)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    Add(ini, MakeSet("s2"));
    Add(ini, MakeSet("s1"));
    EXPECT_EQ(ini.m_nRecentNum, 2);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s1"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
}

TEST(RecentAdd, MatchingIsExactAndCaseSensitiveInEveryField)
{
    for (int field = 0; field < CCData_conf_ini::kFieldCount; ++field) {
        CCData_conf_ini ini;
        const Set s1 = MakeSet("s1");
        Set upper = s1;
        upper[field][1] = 'I';  // "/in/..." or "/out/..." with one letter in upper case
        Set blank = s1;
        blank[field] += " ";
        Add(ini, s1);
        Add(ini, upper);
        Add(ini, blank);
        EXPECT_EQ(ini.m_nRecentNum, 3) << "field " << field;
        EXPECT_EQ(EntryOf(ini, 0), blank);
        EXPECT_EQ(EntryOf(ini, 1), upper);
        EXPECT_EQ(EntryOf(ini, 2), s1);
    }
}

TEST(RecentAdd, EntriesAboveTheCountAreNotSearched)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    Add(ini, MakeSet("s2"));
    ini.m_nRecentNum = 1;  // entry 1 still holds s1 but is no longer part of the list
    Add(ini, MakeSet("s1"));
    EXPECT_EQ(ini.m_nRecentNum, 2);
    EXPECT_EQ(EntryOf(ini, 0), MakeSet("s1"));
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
}

TEST(RecentAdd, FolderComesFromTheInputConfigPath)
{
    EXPECT_EQ(DerivedFolder("/home/dev/kernel/config.c"), "/home/dev/kernel");
    EXPECT_EQ(DerivedFolder("/config.c"), "/");
    EXPECT_EQ(DerivedFolder("rel/sub/config.c"), "rel/sub");
    EXPECT_EQ(DerivedFolder("/home/dev/kernel/"), "/home/dev/kernel");
    EXPECT_EQ(DerivedFolder("//config.c"), "/");
    // A UTF-8 file name under a Shift-JIS locale: the last byte of 語 is a Shift-JIS lead byte before "/".
    mbtext::SetCodePage(mbtext::CodePage::ShiftJis);
    EXPECT_EQ(DerivedFolder("/x/日本語/config.c"), "/x/日本語");
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
}

TEST(RecentAdd, BareFileNameGetsTheCurrentFolder)
{
    // No folder part to take: "." keeps the entry non-empty, so it shows in the menu and survives the
    // settings file (whose reader drops an entry with an empty folder).
    EXPECT_EQ(DerivedFolder("config.c"), ".");
    EXPECT_EQ(DerivedFolder(""), ".");
}

TEST(RecentAdd, GivenFolderIsKeptAsItIs)
{
    CCData_conf_ini ini;
    ini.AddRecentConfig("/elsewhere/", "/in/config.c", "d", "k", "", "", "");
    EXPECT_EQ(ini.GetRecentDir(0), "/elsewhere/");
}

TEST(RecentAdd, DerivedFolderMatchesAStoredEntry)
{
    CCData_conf_ini ini;
    Add(ini, MakeSet("s1"));
    Add(ini, MakeSet("s2"));
    const Set s1 = MakeSet("s1");
    ini.AddRecentConfig("", s1[1], s1[2], s1[3], s1[4], s1[5], s1[6]);
    EXPECT_EQ(ini.m_nRecentNum, 2);
    EXPECT_EQ(EntryOf(ini, 0), s1);
    EXPECT_EQ(EntryOf(ini, 1), MakeSet("s2"));
}

TEST(RecentAdd, ResetsOfTheConfigurationKeepTheList)
{
    CCData_conf_info conf;
    conf.m_ini.AddRecentConfig("/a", "/a/config.c", "/a/qvos.def", "/a/kinit.c", "", "", "");
    conf.InitData();
    EXPECT_EQ(conf.m_ini.m_nRecentNum, 1);
    EXPECT_EQ(conf.m_ini.GetRecentDir(0), "/a");
}

}  // namespace
