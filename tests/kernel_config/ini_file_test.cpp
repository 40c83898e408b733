// Tests of the settings file "quorvane.ini": the line reader, the writer's exact text, the reader's rules for
// each section, where the file lives, and files that are damaged, huge or not text at all.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>

#include "doc.h"
#include "test_util.h"
#include "text.h"

namespace {

using Doc = CQuorvaneConfiguratorDoc;
using Set = std::array<std::string, CCData_conf_ini::kFieldCount>;
using Layout = std::array<int, 6>;
using testutil::ReadBytes;
using testutil::TempDir;
using testutil::WriteBytes;

const Layout kDefaultLayout = {0, 0, 680, 550, 100, 320};
const Set kEmptyEntry = {"<NONE>", "", "", "", "", "", ""};
const std::string kVersionOk = "[DATABASE VERSION]\r\n1.1\r\n\r\n";

std::string DataFile(const std::string& name)
{
    return ReadBytes(std::string(QV_TEST_DATA_DIR) + "/ini_file/" + name);
}

Set EntryOf(const CCData_conf_ini& ini, int i)
{
    return {ini.GetRecentDir(i),       ini.GetRecentInConfig(i), ini.GetRecentInDef(i), ini.GetRecentInKinit(i),
            ini.GetRecentOutConfig(i), ini.GetRecentOutDef(i),   ini.GetRecentOutKinit(i)};
}

Set MakeSet(const std::string& name)
{
    const std::string in = "/in/" + name;
    return {in, in + "/config.c", in + "/qvos.def", in + "/kinit.c", "/out/config.c", "/out/qvos.def",
            "/out/kinit.c"};
}

std::string RecentLine(int number, const Set& s)
{
    std::string line = std::to_string(number) + ":" + s[0];
    for (int f = 1; f < CCData_conf_ini::kFieldCount; ++f) line += "," + s[f];
    return line + "\r\n";
}

// What a document holds of the settings after it was built.
struct Settings {
    Layout layout;
    int count;
    std::array<Set, CCData_conf_ini::kMaxRecent> entries;
};

Settings SettingsOf(const Doc& doc)
{
    Settings s{};
    const CCData_conf_info& conf = doc.GetConfInfo();
    conf.m_win.GetWinSize(s.layout[0], s.layout[1], s.layout[2], s.layout[3], s.layout[4], s.layout[5]);
    s.count = conf.m_ini.m_nRecentNum;
    for (int i = 0; i < CCData_conf_ini::kMaxRecent; ++i) s.entries[i] = EntryOf(conf.m_ini, i);
    return s;
}

// Every test runs in a temporary folder of its own that is also the current folder, so the document's
// reading and writing of the settings file in the start folder never touches anything else.
class IniFile : public ::testing::Test {
protected:
    std::string IniPath() const { return dir.File("quorvane.ini"); }
    void WriteIni(const std::string& text) const { WriteBytes(IniPath(), text); }
    // Builds a document in the test's folder and returns what it read from the settings file there.
    Settings Load() const
    {
        Doc doc;
        return SettingsOf(doc);
    }
    void ExpectDefaults(const Settings& s) const
    {
        EXPECT_EQ(s.layout, kDefaultLayout);
        EXPECT_EQ(s.count, 1);
        for (const Set& entry : s.entries) EXPECT_EQ(entry, kEmptyEntry);
    }

    TempDir dir;
    testutil::ScopedCwd cwd{dir.Path()};
};

// --- The line reader ---

TEST(GetIniLine, ReturnsTheLineAfterThePositionsLine)
{
    Doc doc("");
    const std::string text = "[HEAD]\r\nfirst\r\nsecond\r\n";
    int position = 0;
    EXPECT_EQ(doc.GetIniLine(text, position), "first");
    EXPECT_EQ(position, 13);
    EXPECT_EQ(text.substr(position, 2), "\r\n");
    EXPECT_EQ(doc.GetIniLine(text, position), "second");
    EXPECT_EQ(position, 21);
    EXPECT_EQ(doc.GetIniLine(text, position), "");

    position = 3;  // anywhere inside the header line
    EXPECT_EQ(doc.GetIniLine(text, position), "first");
}

TEST(GetIniLine, EmptyLineIsReturnedEmptyButStillMovesOn)
{
    Doc doc("");
    const std::string text = "h\r\n\r\nnext\r\n";
    int position = 0;
    EXPECT_EQ(doc.GetIniLine(text, position), "");
    EXPECT_EQ(position, 3);
    EXPECT_EQ(doc.GetIniLine(text, position), "next");
}

TEST(GetIniLine, ALastLineWithoutLineEndIsNeverReturned)
{
    Doc doc("");
    int position = 0;
    EXPECT_EQ(doc.GetIniLine("h\r\ntail", position), "");
    EXPECT_EQ(position, 3) << "the position keeps the step past the first line end";

    position = 0;
    EXPECT_EQ(doc.GetIniLine("no line end at all", position), "");
    EXPECT_EQ(position, 0);

    position = 0;
    EXPECT_EQ(doc.GetIniLine("h\nLF only\n", position), "");
    EXPECT_EQ(position, 0);
}

TEST(GetIniLine, PositionOutsideTheTextGivesNothing)
{
    Doc doc("");
    const std::string text = "a\r\nb\r\n";
    for (int start : {-1, -1000, 6, 7, 1 << 30}) {
        int position = start;
        EXPECT_EQ(doc.GetIniLine(text, position), "") << start;
        EXPECT_EQ(position, start);
    }
}

// --- The writer ---

TEST_F(IniFile, DefaultConfigurationIsWrittenByteForByte)
{
    { Doc doc; }
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("default.ini"));

    // The file just written reads back to the defaults, and is written again unchanged.
    ExpectDefaults(Load());
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("default.ini"));
}

TEST_F(IniFile, ThreeEntriesAreWrittenInOrderAndReadBack)
{
    {
        Doc doc;
        CCData_conf_info& conf = doc.GetConfInfo();
        conf.m_ini.AddRecentConfig("", "/work/a/config.c", "/work/a/qvos.def", "/work/a/kinit.c",
                                   "/work/a/config.c", "/work/a/qvos.def", "/work/a/kinit.c");
        conf.m_ini.AddRecentConfig("/work/b", "/work/b/config.c", "/work/b/qvos.def", "/work/b/kinit.c", "", "", "");
        conf.m_ini.AddRecentConfig("/work/c", "/work/c/config.c", "/work/c/qvos.def", "/work/c/kinit.c",
                                   "/out/c/config.c", "/out/c/qvos.def", "/out/c/kinit.c");
        conf.m_win.SetWinSize(-20, 15, 1024, 768, 240, -7);
    }
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("three_entries.ini"));

    const Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{-20, 15, 1024, 768, 240, -7}));
    ASSERT_EQ(s.count, 3);
    EXPECT_EQ(s.entries[0], (Set{"/work/c", "/work/c/config.c", "/work/c/qvos.def", "/work/c/kinit.c",
                                 "/out/c/config.c", "/out/c/qvos.def", "/out/c/kinit.c"}));
    EXPECT_EQ(s.entries[1], (Set{"/work/b", "/work/b/config.c", "/work/b/qvos.def", "/work/b/kinit.c", "", "", ""}));
    EXPECT_EQ(s.entries[2], (Set{"/work/a", "/work/a/config.c", "/work/a/qvos.def", "/work/a/kinit.c",
                                 "/work/a/config.c", "/work/a/qvos.def", "/work/a/kinit.c"}));
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("three_entries.ini"));
}

TEST_F(IniFile, PathsAreWrittenAsTheyStand)
{
    {
        Doc doc;
        doc.GetConfInfo().m_ini.AddRecentConfig("/d/%s%n", "/d/%s%n/config.c", "/d/x:y/qvos.def", "k", "", "", "");
    }
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("default.ini").substr(0, DataFile("default.ini").find("1:<NONE>")) +
                                        "1:/d/%s%n,/d/%s%n/config.c,/d/x:y/qvos.def,k,,,\r\n");
    const Settings s = Load();
    EXPECT_EQ(s.entries[0], (Set{"/d/%s%n", "/d/%s%n/config.c", "/d/x:y/qvos.def", "k", "", "", ""}));
}

TEST_F(IniFile, ACountOutsideTheListNeverReachesPastTheThreeEntries)
{
    {
        Doc doc;
        doc.GetConfInfo().m_ini.m_nRecentNum = 7;
    }
    const std::string text = ReadBytes(IniPath());
    EXPECT_NE(text.find("1:<NONE>,,,,,,\r\n"), std::string::npos);
    EXPECT_EQ(text.find("2:"), std::string::npos);
}

TEST_F(IniFile, WrittenIntoTheStartFolderWhereverTheCurrentFolderIs)
{
    TempDir other;
    {
        Doc doc;
        testutil::ScopedCwd moved(other.Path());
        doc.GetConfInfo().m_win.SetWinSize(1, 2, 3, 4, 5, 6);
    }
    EXPECT_FALSE(std::filesystem::exists(other.File("quorvane.ini")));
    EXPECT_NE(ReadBytes(IniPath()).find("\r\n1,2,3,4,5,6\r\n"), std::string::npos);
}

TEST_F(IniFile, ReadFromTheStartFolder)
{
    TempDir other;
    WriteBytes(other.File("quorvane.ini"), kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n");
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n9,9,9,9,9,9\r\n");
    Doc doc(other.Path());
    EXPECT_EQ(SettingsOf(doc).layout, (Layout{1, 2, 3, 4, 5, 6}));
}

TEST_F(IniFile, AReadOnlySettingsFileKeepsItsContent)
{
    const std::string old = kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n";
    WriteIni(old);
    ASSERT_EQ(::chmod(IniPath().c_str(), 0444), 0);
    {
        Doc doc;
        doc.GetConfInfo().m_win.SetWinSize(7, 7, 7, 7, 7, 7);
    }
    EXPECT_EQ(ReadBytes(IniPath()), old);
}

TEST_F(IniFile, AVanishedStartFolderIsNotRecreated)
{
    const std::string gone = dir.File("gone");
    ASSERT_TRUE(std::filesystem::create_directory(gone));
    {
        Doc doc(gone);
        std::filesystem::remove(gone);
    }
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(IniFile, AnUnknownStartFolderReadsAndWritesNothing)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n");
    {
        Doc doc("");
        EXPECT_EQ(SettingsOf(doc).layout, kDefaultLayout);
    }
    EXPECT_EQ(ReadBytes(IniPath()), kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n");
    EXPECT_FALSE(std::filesystem::exists("/quorvane.ini"));
}

// --- The version section ---

TEST_F(IniFile, NoFileOrAnEmptyFileGivesTheDefaults)
{
    ExpectDefaults(Load());
    WriteIni("");
    ExpectDefaults(Load());
}

TEST_F(IniFile, AnotherVersionIsNotReadAtAll)
{
    const std::string rest = "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n\r\n[RECENTLY CONFIG]\r\n" + RecentLine(1, MakeSet("a"));
    for (const char* version : {"1.0", "1.1 ", " 1.1", "1.10", "", "1,1"}) {
        WriteIni("[DATABASE VERSION]\r\n" + std::string(version) + "\r\n\r\n" + rest);
        ExpectDefaults(Load());
    }
    WriteIni(rest);
    ExpectDefaults(Load());
    WriteIni("[database version]\r\n1.1\r\n\r\n" + rest);
    ExpectDefaults(Load());
    WriteIni("[DATABASE VERSION]\r\n1.1");  // the version line has no line end
    ExpectDefaults(Load());
}

// --- The layout line ---

TEST_F(IniFile, LayoutLineIsStoredAsRead)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n12,-34,800,600,150,400\r\n");
    EXPECT_EQ(Load().layout, (Layout{12, -34, 800, 600, 150, 400}));

    WriteIni(kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6,\r\n");
    EXPECT_EQ(Load().layout, (Layout{1, 2, 3, 4, 5, 6}));

    WriteIni(kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6,7,junk\r\n");
    EXPECT_EQ(Load().layout, (Layout{1, 2, 3, 4, 5, 6}));
}

TEST_F(IniFile, AbsurdLayoutValuesAreKeptForTheWindowCodeToRepair)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n-2147483648,2000000000,-5,0,-99999,2147483647\r\n");
    EXPECT_EQ(Load().layout, (Layout{-2147483647 - 1, 2000000000, -5, 0, -99999, 2147483647}));
}

TEST_F(IniFile, AShortLayoutLineRepeatsItsLastValue)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n10,20,30\r\n");
    EXPECT_EQ(Load().layout, (Layout{10, 20, 30, 30, 30, 30}));

    WriteIni(kVersionOk + "[WINDOW INFO]\r\n-7\r\n");
    EXPECT_EQ(Load().layout, (Layout{-7, -7, -7, -7, -7, -7}));
}

TEST_F(IniFile, AnEmptyOrMissingLayoutLineKeepsTheDefaults)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n\r\n[RECENTLY CONFIG]\r\n" + RecentLine(1, MakeSet("a")));
    Settings s = Load();
    EXPECT_EQ(s.layout, kDefaultLayout);
    EXPECT_EQ(s.entries[0], MakeSet("a")) << "the recent section is still read";

    WriteIni(kVersionOk + "[WINDOW INFO]\r\n10,20,30,40,50,60");
    EXPECT_EQ(Load().layout, (Layout{10, 20, 30, 40, 50, 60}));
}

TEST_F(IniFile, ALayoutLineThatStopsEarlyIsNotApplied)
{
    // Not the plain decimal form of its value: a blank, a sign, a leading zero, an empty token, other text,
    // a number out of range; or a trailing comma before the sixth value.
    for (const char* line : {"10,20,x,40,50,60", "10,20,30,", "+10,20,30,40,50,60", "10,020,30,40,50,60",
                                    " 10,20,30,40,50,60", "10,20 ,30,40,50,60", "10,,30,40,50,60",
                                    ",10,20,30,40,50,60", "99999999999,20,30,40,50,60", "10,20,30,40,50,6x",
                                    "1,2,3,4,5,", "-,1,2,3,4,5", "-0,1,2,3,4,5"}) {
        WriteIni(kVersionOk + "[WINDOW INFO]\r\n" + std::string(line) + "\r\n\r\n[RECENTLY CONFIG]\r\n" +
                 RecentLine(1, MakeSet("a")));
        const Settings s = Load();
        EXPECT_EQ(s.layout, kDefaultLayout) << line;
        EXPECT_EQ(s.entries[0], MakeSet("a")) << line;
    }
}

// --- Sections and headers ---

TEST_F(IniFile, SectionsMayStandInAnyOrder)
{
    WriteIni("[RECENTLY CONFIG]\r\n" + RecentLine(1, MakeSet("a")) + "\r\n[WINDOW INFO]\r\n1,2,3,4,5,6\r\n\r\n" +
             kVersionOk);
    const Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], MakeSet("a"));
}

TEST_F(IniFile, AHeaderCountsOnlyAtItsFirstOccurrence)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n\r\n[RECENTLY CONFIG]\r\n" + RecentLine(1, MakeSet("a")) +
             "\r\n[WINDOW INFO]\r\n7,7,7,7,7,7\r\n\r\n[RECENTLY CONFIG]\r\n" + RecentLine(1, MakeSet("b")) +
             RecentLine(2, MakeSet("c")));
    Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], MakeSet("a"));

    // A first, empty layout line wins over a good second one.
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n\r\n[WINDOW INFO]\r\n7,7,7,7,7,7\r\n");
    EXPECT_EQ(Load().layout, kDefaultLayout);

    // The first version line decides.
    WriteIni("[DATABASE VERSION]\r\n1.0\r\n[DATABASE VERSION]\r\n1.1\r\n[WINDOW INFO]\r\n7,7,7,7,7,7\r\n");
    EXPECT_EQ(Load().layout, kDefaultLayout);
}

TEST_F(IniFile, AMissingRecentSectionLeavesTheEmptyList)
{
    WriteIni(kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n");
    const Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], kEmptyEntry);
}

// --- Recent lines ---

std::string RecentFile(const std::string& lines)
{
    return kVersionOk + "[WINDOW INFO]\r\n1,2,3,4,5,6\r\n\r\n[RECENTLY CONFIG]\r\n" + lines;
}

TEST_F(IniFile, NoneOnTheFirstLineLeavesTheEmptyList)
{
    WriteIni(RecentFile("1:<NONE>,,,,,,\r\n" + RecentLine(2, MakeSet("a")) + RecentLine(3, MakeSet("b"))));
    const Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.count, 1);
    for (const Set& entry : s.entries) EXPECT_EQ(entry, kEmptyEntry);
}

TEST_F(IniFile, NoneOnALaterLineEmptiesTheListReadSoFar)
{
    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + "2:<NONE>,x,y,z,,,\r\n" + RecentLine(3, MakeSet("b"))));
    const Settings s = Load();
    EXPECT_EQ(s.count, 1);
    for (const Set& entry : s.entries) EXPECT_EQ(entry, kEmptyEntry);
}

TEST_F(IniFile, ASkippedLineKeepsItsPlace)
{
    Set noDef = MakeSet("b");
    noDef[2] = "";
    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + RecentLine(2, noDef) + RecentLine(3, MakeSet("c"))));
    const Settings s = Load();
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.entries[0], MakeSet("a"));
    EXPECT_EQ(s.entries[1], kEmptyEntry);
    EXPECT_EQ(s.entries[2], MakeSet("c"));
    EXPECT_EQ(Load().entries[1], MakeSet("c")) << "the skipped line's placeholder is not stored";
}

TEST_F(IniFile, LinesMissingARequiredPartAreSkipped)
{
    Set noFolder = MakeSet("x");
    noFolder[0] = "";
    Set noConfig = MakeSet("x");
    noConfig[1] = "";
    Set noKinit = MakeSet("x");
    noKinit[3] = "";
    const std::string noColon = "1/in/x,/in/x/config.c,/in/x/qvos.def,/in/x/kinit.c,,,\r\n";
    const std::string fiveCommas = "1:/in/x,/in/x/config.c,/in/x/qvos.def,/in/x/kinit.c,,\r\n";
    const std::string noComma = "1:/in/x\r\n";
    for (const std::string& bad : {RecentLine(1, noFolder), RecentLine(1, noConfig), RecentLine(1, noKinit), noColon,
                                   fiveCommas, noComma}) {
        WriteIni(RecentFile(bad + RecentLine(2, MakeSet("b"))));
        const Settings s = Load();
        EXPECT_EQ(s.count, 2) << bad;
        EXPECT_EQ(s.entries[0], kEmptyEntry) << bad;
        EXPECT_EQ(s.entries[1], MakeSet("b")) << bad;
    }
}

TEST_F(IniFile, EmptyOutputPathsAreAccepted)
{
    WriteIni(RecentFile("1:/in/a,/in/a/config.c,/in/a/qvos.def,/in/a/kinit.c,,,\r\n"));
    const Settings s = Load();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], (Set{"/in/a", "/in/a/config.c", "/in/a/qvos.def", "/in/a/kinit.c", "", "", ""}));
}

TEST_F(IniFile, AnEntrysPlaceComesFromItsLineNotItsNumber)
{
    WriteIni(RecentFile(RecentLine(7, MakeSet("a")) + ":" + RecentLine(3, MakeSet("b")).substr(2) +
                        "x:y:" + RecentLine(1, MakeSet("c")).substr(2)));
    const Settings s = Load();
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.entries[0], MakeSet("a"));
    EXPECT_EQ(s.entries[1], MakeSet("b"));
    Set c = MakeSet("c");
    c[0] = "y:" + c[0];  // only the text up to the first colon is dropped
    EXPECT_EQ(s.entries[2], c);
}

TEST_F(IniFile, AnEmptyLineEndsTheSectionAndAFourthLineIsIgnored)
{
    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + "\r\n" + RecentLine(2, MakeSet("b"))));
    Settings s = Load();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[1], kEmptyEntry);

    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + RecentLine(2, MakeSet("b")) + RecentLine(3, MakeSet("c")) +
                        RecentLine(4, MakeSet("d"))));
    s = Load();
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.entries[2], MakeSet("c"));

    // A last line without its line end is read too.
    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + "2:/in/b,/in/b/config.c,/in/b/qvos.def,/in/b/kinit.c,,,"));
    s = Load();
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.entries[1][3], "/in/b/kinit.c");
}

TEST_F(IniFile, ACommaInAPathShiftsTheFieldsAfterIt)
{
    WriteIni(RecentFile("1:/in/a,b,/in/a,b/config.c,/in/a,b/qvos.def,/in/a,b/kinit.c,,,\r\n"));
    const Settings s = Load();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], (Set{"/in/a", "b", "/in/a", "b/config.c", "/in/a", "b/qvos.def",
                                 "/in/a,b/kinit.c,,,"}));
}

void AddSet(CCData_conf_ini& ini, const Set& s) { ini.AddRecentConfig(s[0], s[1], s[2], s[3], s[4], s[5], s[6]); }

TEST_F(IniFile, AnEntryThatWouldNotReadBackWholeIsLeftOut)
{
    Set kept = MakeSet("k");
    kept[6] = "/o/a,b";  // the last field takes the rest of its line, commas included
    Set lineEnd = MakeSet("e");
    lineEnd[5] = "/o/a\r\nb";
    {
        Doc doc;
        for (const Set& set : {kept, lineEnd, MakeSet("a,b")}) AddSet(doc.GetConfInfo().m_ini, set);
    }
    const std::string text = ReadBytes(IniPath());
    EXPECT_EQ(text.substr(text.find("[RECENTLY CONFIG]")), "[RECENTLY CONFIG]\r\n" + RecentLine(1, kept));

    // With none left, the list is stored empty.
    {
        Doc doc;
        doc.GetConfInfo().m_ini.InitData();
        AddSet(doc.GetConfInfo().m_ini, MakeSet("a,b"));
    }
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("default.ini"));
}

TEST_F(IniFile, FileNameBytesReadBackUnderAShiftJisLocale)
{
    // UTF-8 names: the last byte of 語 is a Shift-JIS lead byte, here before a comma and the line end.
    const std::string n = "/x/日本語";
    mbtext::SetCodePage(mbtext::CodePage::ShiftJis);
    WriteIni(RecentFile(RecentLine(1, {n, n, n, n, n, n, n})));
    const Settings s = Load();
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    EXPECT_EQ(s.entries[0], (Set{n, n, n, n, n, n, n}));
}

TEST_F(IniFile, FieldsAreNeitherTrimmedNorUnquoted)
{
    WriteIni(RecentFile("1: <NONE> ,\"/in/a/config.c\",\t/in/a/qvos.def, /in/a/kinit.c,o1 ,o2,o3 \r\n"));
    const Settings s = Load();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0],
              (Set{" <NONE> ", "\"/in/a/config.c\"", "\t/in/a/qvos.def", " /in/a/kinit.c", "o1 ", "o2", "o3 "}));
}

// --- Damaged, huge and binary files ---

TEST_F(IniFile, RandomBytesNeverCrashTheReader)
{
    std::mt19937 random(20240605);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string prefixes[] = {"", kVersionOk, kVersionOk + "[WINDOW INFO]\r\n",
                                    kVersionOk + "[RECENTLY CONFIG]\r\n"};
    for (int round = 0; round < 200; ++round) {
        std::string text = prefixes[round % 4];
        const int length = 1 + round * 37;
        for (int i = 0; i < length; ++i) {
            // Plenty of the bytes the reader looks for, so that its branches are reached.
            const int pick = byte(random);
            text += pick < 40 ? "\r\n,:"[pick % 4] : static_cast<char>(byte(random));
        }
        WriteIni(text);
        const Settings s = Load();
        EXPECT_GE(s.count, 1);
        EXPECT_LE(s.count, 3);
    }
}

TEST_F(IniFile, AFileOfFiftyMegabytesIsReadAsFarAsItIsValid)
{
    const std::string padding(50u << 20, 'x');
    WriteIni(RecentFile(RecentLine(1, MakeSet("a")) + RecentLine(2, MakeSet("b"))) + padding);
    Settings s = Load();
    EXPECT_EQ(s.layout, (Layout{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.entries[1], MakeSet("b"));

    WriteIni(padding);
    ExpectDefaults(Load());
}

TEST_F(IniFile, AOneMegabyteLineIsHandledWhole)
{
    const std::string huge(1u << 20, 'p');
    Set big = MakeSet("a");
    big[4] = "/" + huge;
    WriteIni(RecentFile(RecentLine(1, big)));
    Settings s = Load();
    EXPECT_EQ(s.count, 1);
    EXPECT_EQ(s.entries[0], big);

    WriteIni(kVersionOk + "[WINDOW INFO]\r\n" + std::string(1u << 20, '7') + "\r\n");
    EXPECT_EQ(Load().layout, kDefaultLayout);

    WriteIni("[DATABASE VERSION]\r\n" + huge + "\r\n[WINDOW INFO]\r\n1,2,3,4,5,6\r\n");
    ExpectDefaults(Load());
}

TEST_F(IniFile, LfEndsReadLikeCrLfAndCrAloneReadsNothing)
{
    std::string lfOnly;
    for (char c : DataFile("three_entries.ini")) {
        if (c != '\r') lfOnly += c;
    }
    WriteIni(lfOnly);
    EXPECT_EQ(Load().entries[2][0], "/work/a");
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("three_entries.ini")) << "written back with CR LF";
    std::string mixed = DataFile("three_entries.ini");  // an LF alone among CR LF, no end on the last line
    mixed.erase(mixed.find("\r\n3:"), 1);
    WriteIni(mixed.substr(0, mixed.size() - 2));
    EXPECT_EQ(Load().entries[2][0], "/work/a");
    EXPECT_EQ(ReadBytes(IniPath()), DataFile("three_entries.ini"));

    std::string crOnly;
    for (char c : DataFile("three_entries.ini")) {
        if (c != '\n') crOnly += c;
    }
    WriteIni(crOnly);
    ExpectDefaults(Load());
}

}  // namespace
