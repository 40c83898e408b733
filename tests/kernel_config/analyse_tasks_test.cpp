// Tests of the task-count analysis and of the task-table analysis of config.c.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

using TaskCounts = AnalyserTest;
using TaskTables = AnalyserTest;
using ShiftJisTaskTables = ShiftJisAnalyserTest;

const char kTcbNumBlock[] =
    "/*------ TCB Number ------------------------------------------*/\r\n"
    "#define KNL_TCB_NUM         5\r\n"
    "#ifdef KNL_BB_PRIORITY\r\n"
    "#define KNL_TCB_PRI_NUM     2\r\n"
    "#endif\r\n\r\n";

TEST_F(TaskCounts, ReadsBothCountsOfTheWrittenBlock)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum(kTcbNumBlock), 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 2);
}

TEST_F(TaskCounts, InvalidCountClearsItsLookButALaterLineBeforeTheOtherCountIsRead)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 200\r\n#define KNL_TCB_NUM 7\r\n#define KNL_TCB_PRI_NUM 1\r\n"
                                  "#define KNL_TCB_NUM 9\r\n"),
              1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 7);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 1);
}

TEST_F(TaskCounts, OutOfRangeValuesKeepTheDefaults)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 200\r\n#define KNL_TCB_PRI_NUM 128\r\n"), 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 0);
    // 99999999999 must not wrap into the range.
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 4294967301\r\n#define KNL_TCB_PRI_NUM -1\r\n"), 0);
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 99999999999\r\n#define KNL_TCB_PRI_NUM\r\n"), 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 0);
}

TEST_F(TaskCounts, ZeroPriorityTasksIsValidZeroTasksIsNot)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 0\r\n#define KNL_TCB_PRI_NUM 0\r\n"), 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(Conf().m_tsk.m_nTskPriNum, 0);
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define KNL_TCB_NUM 127\r\n"), 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 127);
}

TEST_F(TaskCounts, NameRightAfterDefineDoesNotCount)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#defineKNL_TCB_NUM 5\r\n#defineKNL_TCB_PRI_NUM 2\r\n"), 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    // Anything between "#define" and the name will do.
    EXPECT_EQ(m_doc.AnalyzeTcbNum("#define\tKNL_TCB_NUM 5\r\n"), 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 5);
}

TEST_F(TaskCounts, CommentsAndUnendedLastLinesAreNotRead)
{
    EXPECT_EQ(m_doc.AnalyzeTcbNum("/* #define KNL_TCB_NUM 9 */\r\n#define KNL_TCB_NUM 4"), 0);
    EXPECT_EQ(Conf().m_tsk.m_nTskNum, 3);
    EXPECT_EQ(m_doc.AnalyzeTcbNum(""), 0);
}

// One task of a written config.c.
struct Task {
    std::string name;
    std::string state;
    std::string size;  // the value of its TCB%d_SIZE define
};

// The TCB blocks of a config.c for an H8S/2600 as the writer lays them out.
std::string TaskBlocks(const std::vector<Task>& tasks)
{
    const int n = static_cast<int>(tasks.size());
    std::string s = "#define KNL_TCB_NUM         " + std::to_string(n) + "\r\n\r\n";
    s += "/*------ TCB Stack Size --------------------------------------*/\r\n";
    for (int i = 0; i < n; ++i) s += "#define TCB" + std::to_string(i + 1) + "_SIZE       " + tasks[i].size + "\r\n";
    s += "\r\n#pragma section ustack\r\n";
    for (int i = 1; i <= n; ++i) {
        s += "W tcb_stack" + std::to_string(i) + "[(TCB" + std::to_string(i) + "_SIZE/sizeof(W))];\r\n";
    }
    s += "\r\n#pragma section quorvaneos\r\n"
         "/*------ TCB Stack addr --------------------------------------*/\r\n"
         "const TCBSP knl_tcbSpInit[KNL_TCB_NUM] = {\r\n";
    for (int i = 1; i <= n; ++i) {
        const std::string id = std::to_string(i);
        s += "  {  &tcb_stack" + id + "[TCB" + id + "_SIZE/sizeof(W)]  }" + (i < n ? "," : " ") +
             "           /* TCB" + id + " */\r\n";
    }
    s += "};\r\n\r\n"
         "/*------ TCB Start addr Init ---------------------------------*/\r\n"
         "/*** Refer to exterior ***/\r\n";
    for (int i = 0; i < n; ++i) {
        s += "        extern void " + tasks[i].name + "(void);                    /* TCB" + std::to_string(i + 1) +
             "   */\r\n";
    }
    s += "/*** Table for start addr init ***/\r\n\r\n"
         "const TCBADDR knl_tcbAddrInit[KNL_TCB_NUM] = {\r\n";
    for (int i = 0; i < n; ++i) {
        s += "  { " + tasks[i].name + "    }" + (i + 1 < n ? "," : " ") + std::string(37, ' ') + "/* TCB" +
             std::to_string(i + 1) + "   */\r\n";
    }
    s += "};\r\n\r\n"
         "/*------ TCB Status Init -------------------------------------*/\r\n"
         "/*\r\n"
         " * Task status Init : CTCB_ST_RDY | CTCB_ST_SLP | ...\r\n"
         " *                   (\"qvos.h\" Refer to for details.)\r\n"
         " */\r\n"
         "const UB knl_tcbStInit[KNL_TCB_NUM] = {\r\n";
    for (int i = 0; i < n; ++i) {
        s += "    " + tasks[i].state + (i + 1 < n ? "," : " ") + "                                    /* TCB" +
             std::to_string(i + 1) + "   */\r\n";
    }
    s += "};\r\n\r\n"
         "/*------ SYSTEM TIME -----------------------------------------*/\r\n"
         "#ifdef SYSTIME\r\n"
         "#define SYSTIM_CYCLIC_TIM   250uL        /* systim time(msec) */\r\n"
         "#endif\r\n\r\n";
    return s;
}

const std::vector<Task> kThreeTasks = {
    {"main_task", "CTCB_ST_RDY", "0x100u"},
    {"uart_task", "CTCB_ST_SLP", "0x80u"},
    {"idle_task", "CTCB_ST_RDY", "0x48u"},
};

class TaskTablesOf : public AnalyserTest {
protected:
    // Reads the count, then the tables, as the load does.
    int Load(const std::string& text, int cpuType = 9)
    {
        Conf().m_cpu.SetCpuType(cpuType);
        m_doc.AnalyzeTcbNum(text);
        return m_doc.AnalyzeTaskSetting(text);
    }
    const CCData_conf_info_tsk& Tsk() { return Conf().m_tsk; }
};

TEST_F(TaskTablesOf, WrittenTablesReadBackExactly)
{
    EXPECT_EQ(Load(TaskBlocks(kThreeTasks)), 1);
    EXPECT_EQ(Tsk().m_nTskNum, 3);
    const int stacks[] = {256, 128, 72};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Tsk().m_strTskFunc[i], kThreeTasks[i].name);
        EXPECT_EQ(Tsk().m_nTskState[i], i == 1 ? 1 : 0);
        EXPECT_EQ(Tsk().m_nStackSize[i], stacks[i]);
        EXPECT_EQ(Tsk().m_nTskSet[i], 1);
    }
    EXPECT_EQ(Tsk().m_strTskFunc[3], "tsk04");
    EXPECT_EQ(Tsk().m_nTskSet[3], 0);
}

TEST_F(TaskTablesOf, TasksBeyondTheCountAreNotTouched)
{
    Conf().m_tsk.SetTskData(100, 1, 999, "keep_me");
    EXPECT_EQ(Load(TaskBlocks(kThreeTasks)), 1);
    EXPECT_EQ(Tsk().m_strTskFunc[99], "keep_me");
    EXPECT_EQ(Tsk().m_nStackSize[99], 999);
    EXPECT_EQ(Tsk().m_nTskSet[99], 1);
}

TEST_F(TaskTablesOf, ShortStateTableLeavesTheLastTaskReady)
{
    std::string text = TaskBlocks(kThreeTasks);
    const std::string lastState = "    CTCB_ST_RDY                                     /* TCB3   */\r\n";
    text.replace(text.find(lastState), lastState.size(), "");
    std::string second = "    CTCB_ST_SLP,";
    text.replace(text.find(second), second.size(), "    CTCB_ST_SLP ");
    Conf().m_tsk.m_nTskState[2] = 1;
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_nTskState[0], 0);
    EXPECT_EQ(Tsk().m_nTskState[1], 1);
    EXPECT_EQ(Tsk().m_nTskState[2], 0);
    EXPECT_EQ(Tsk().m_nTskSet[2], 1);
}

TEST_F(TaskTablesOf, SleepingStateDoesNotExistOnTheH8300l)
{
    EXPECT_EQ(Load(TaskBlocks(kThreeTasks), 0), 0);
    EXPECT_EQ(Tsk().m_nTskState[1], 0);
    EXPECT_EQ(Tsk().m_nTskSet[1], 0);
    EXPECT_EQ(Tsk().m_nTskSet[0], 1);
    EXPECT_EQ(Tsk().m_nTskSet[2], 1);
}

TEST_F(TaskTablesOf, UnknownStateWordFailsItsTask)
{
    std::string text = TaskBlocks(kThreeTasks);
    text.replace(text.find("CTCB_ST_SLP,"), 11, "CTCB_ST_SLEEP");
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_nTskState[1], 0);
    EXPECT_EQ(Tsk().m_nTskSet[1], 0);
}

TEST_F(TaskTablesOf, EntryRowsAreTrimmed)
{
    const std::string text =
        "#define KNL_TCB_NUM 2\r\nconst TCBADDR knl_tcbAddrInit[2] = {\r\n  { main },\r\n  {tsk01}\r\n};\r\n";
    Load(text);
    EXPECT_EQ(Tsk().m_strTskFunc[0], "main");
    EXPECT_EQ(Tsk().m_strTskFunc[1], "tsk01");
}

TEST_F(TaskTablesOf, CommaAfterTheStateTableCutsItsLastEntry)
{
    std::string text = TaskBlocks(kThreeTasks) + "const UB knl_x[2] = {1, 2};\r\n";
    Conf().m_tsk.m_nTskState[2] = 1;
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_nTskState[1], 1);
    EXPECT_EQ(Tsk().m_nTskState[2], 0);
    EXPECT_EQ(Tsk().m_nTskSet[2], 1);
}

TEST_F(TaskTablesOf, StackSizesInDecimalOrAnyCaseOfHex)
{
    std::vector<Task> tasks = kThreeTasks;
    tasks[1].size = "256";
    tasks[2].size = "0X100U";
    EXPECT_EQ(Load(TaskBlocks(tasks)), 1);
    EXPECT_EQ(Tsk().m_nStackSize[1], 256);
    EXPECT_EQ(Tsk().m_nStackSize[2], 256);
}

TEST_F(TaskTablesOf, HugeHexStackSaturatesInsteadOfWrapping)
{
    std::vector<Task> tasks = kThreeTasks;
    tasks[0].size = "0x100000080u";  // 0x80 after wrapping in 32 bits
    EXPECT_EQ(Load(TaskBlocks(tasks)), 1);
    EXPECT_EQ(Tsk().m_nStackSize[0], 2147483647);
}

TEST_F(TaskTablesOf, EmptyStackValueFailsItsTask)
{
    std::vector<Task> tasks = kThreeTasks;
    tasks[0].size = "";
    // As with "%x", the "0" before an "x" without hex digits is the number read.
    tasks[2].size = "0xzz";
    EXPECT_EQ(Load(TaskBlocks(tasks)), 0);
    EXPECT_EQ(Tsk().m_nTskSet[0], 0);
    EXPECT_EQ(Tsk().m_nTskSet[1], 1);
    EXPECT_EQ(Tsk().m_nTskSet[2], 1);
    EXPECT_EQ(Tsk().m_nStackSize[2], 0);
    // The default stack of the CPU stays for the empty one.
    EXPECT_EQ(Tsk().m_nStackSize[0], 128);
}

TEST_F(TaskTablesOf, LaterDefineOfTheSameSizeWins)
{
    const std::string text = TaskBlocks(kThreeTasks) + "#define TCB2_SIZE 0x200u\r\n";
    EXPECT_EQ(Load(text), 1);
    EXPECT_EQ(Tsk().m_nStackSize[1], 512);
}

TEST_F(TaskTablesOf, MoreTasksThanRowsGetDefaultsMarkedAsSet)
{
    std::string text = TaskBlocks(kThreeTasks);
    text.replace(text.find("KNL_TCB_NUM         3"), 21, "KNL_TCB_NUM         5");
    EXPECT_EQ(Load(text, 16), 0);
    EXPECT_EQ(Tsk().m_nTskNum, 5);
    EXPECT_EQ(Tsk().m_strTskFunc[2], "idle_task");
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(Tsk().m_strTskFunc[i], i == 3 ? "tsk04" : "tsk05");
        EXPECT_EQ(Tsk().m_nTskState[i], 0);
        EXPECT_EQ(Tsk().m_nStackSize[i], 1024);  // the SH-4 default
        EXPECT_EQ(Tsk().m_nTskSet[i], 1);
    }
}

TEST_F(TaskTablesOf, EmptyRowTakesNoSlotAndFailsTheNextTask)
{
    const std::string text = "#define KNL_TCB_NUM 2\r\nconst TCBADDR knl_tcbAddrInit[2] = {\r\n"
                             "  { a },\r\n  {  },\r\n  { b }\r\n};\r\n";
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_strTskFunc[0], "a");
    EXPECT_EQ(Tsk().m_strTskFunc[1], "b");
    EXPECT_EQ(Tsk().m_nTskSet[0], 1);
    EXPECT_EQ(Tsk().m_nTskSet[1], 0);
}

TEST_F(TaskTablesOf, MissingTablesStoreDefaults)
{
    Conf().m_tsk.m_strTskFunc[0] = "old";
    EXPECT_EQ(Load(""), 0);
    EXPECT_EQ(Tsk().m_nTskNum, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Tsk().m_nTskSet[i], 1);
        EXPECT_EQ(Tsk().m_nStackSize[i], 128);
    }
    EXPECT_EQ(Tsk().m_strTskFunc[0], "tsk01");
}

TEST_F(TaskTablesOf, TableNameAtTheVeryStartIsNotATable)
{
    const std::string text = "knl_tcbAddrInit = { { a } };\r\n#define KNL_TCB_NUM 1\r\n";
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_strTskFunc[0], "tsk01");
}

TEST_F(TaskTablesOf, CommentedRowsAreNotRead)
{
    std::string text = TaskBlocks(kThreeTasks);
    text.replace(text.find("  { uart_task"), 0, "/*  { ghost },  */\r\n");
    EXPECT_EQ(Load(text), 1);
    EXPECT_EQ(Tsk().m_strTskFunc[1], "uart_task");
}

TEST_F(TaskTablesOf, TablesLongerThanTheSlotsAreCutAndFail)
{
    std::string rows;
    for (int i = 0; i < 200; ++i) rows += "  { f" + std::to_string(i) + " },\r\n";
    const std::string text = "#define KNL_TCB_NUM 127\r\nconst TCBADDR knl_tcbAddrInit[X] = {\r\n" + rows + "};\r\n";
    EXPECT_EQ(Load(text), 0);
    EXPECT_EQ(Tsk().m_strTskFunc[126], "f126");
}

TEST_F(TaskTablesOf, UnclosedTablesEndWithoutReadingPastTheText)
{
    const char* texts[] = {
        "#define KNL_TCB_NUM 2\r\nknl_tcbAddrInit = { { a",
        "#define KNL_TCB_NUM 2\r\nknl_tcbAddrInit = { { a }",
        "#define KNL_TCB_NUM 2\r\n x knl_tcbStInit = { CTCB_ST_RDY",
        "#define KNL_TCB_NUM 2\r\n x knl_tcbStInit = { CTCB_ST_RDY, CTCB_ST_SLP}",
        "#define KNL_TCB_NUM 2\r\n x knl_tcbSpInit = { { &s[TCB1_SIZE",
        "#define KNL_TCB_NUM 2\r\n x knl_tcbSpInit = { { &s[TCB1_SIZE/",
        "#define KNL_TCB_NUM 2\r\n x knl_tcbSpInit = { { &s[TCB1_SIZE]}}",
        " knl_tcbAddrInit{",
        " knl_tcbStInit{",
        " knl_tcbSpInit{",
        " knl_tcbAddrInit{}}}}};",
    };
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        EXPECT_EQ(Load(t), 0);
    }
}

TEST_F(ShiftJisTaskTables, EntryWithABraceAsSecondByteStaysWhole)
{
    // 0x83 0x7D is one katakana whose second byte is "}".
    const std::string name = "\x83\x7D";
    const std::string text =
        "#define KNL_TCB_NUM 1\r\nconst TCBADDR knl_tcbAddrInit[1] = {\r\n  { " + name + " }\r\n};\r\n";
    Conf().m_cpu.SetCpuType(9);
    m_doc.AnalyzeTcbNum(text);
    m_doc.AnalyzeTaskSetting(text);
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[0], name);
}

TEST_F(ShiftJisTaskTables, DoubleByteCharacterRightAfterARowIsSkippedWhole)
{
    // After a row the walk moves two characters on; 0x83 0x7D is one katakana whose second byte is "}",
    // and 0x81 0x5B a long-vowel mark whose second byte is "[". Two bytes on would land on those bytes.
    const std::string text =
        "#define KNL_TCB_NUM 2\r\n"
        "const TCBADDR knl_tcbAddrInit[2] = {\r\n  { a }\x83\x7D{ b }\r\n};\r\n"
        "const TCBSP knl_tcbSpInit[2] = {\r\n  { &s1[TCB1_SIZE/\x81\x5B] }, { &s2[TCB2_SIZE/\x81\x5B] }\r\n};\r\n"
        "#define TCB1_SIZE 0x40u\r\n#define TCB2_SIZE 0x60u\r\n";
    Conf().m_cpu.SetCpuType(9);
    m_doc.AnalyzeTcbNum(text);
    m_doc.AnalyzeTaskSetting(text);
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[0], "a");
    EXPECT_EQ(Conf().m_tsk.m_strTskFunc[1], "b");
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[0], 0x40);
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[1], 0x60);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[0], 1);
    EXPECT_EQ(Conf().m_tsk.m_nTskSet[1], 1);
}

}  // namespace
