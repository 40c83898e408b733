// Tests of the task panel's row texts and count rules and of the task edit dialog's checks, against the
// shipped English texts.
#include "task_entries.h"

#include <gtest/gtest.h>

#include "cyc_entries.h"
#include "doc.h"
#include "english_labels.h"
#include "load_analysis.h"
#include "text.h"
#include "writer.h"

namespace {

using taskpanel::CheckTaskInput;
using taskpanel::TaskCheck;

// The message id of the first failed check, 0 when all pass (alignment 4, minimum 44 as on the H8SX).
int FirstFailure(const std::string& func, const std::string& stack, int align = 4, int minimum = 44)
{
    return CheckTaskInput(func, stack, 0, minimum, align).messageId;
}

TEST(TaskRows, FiveTasksTwoOfThemPriorityTasks)
{
    const LabelLookup label = testlabels::Labels();
    std::vector<std::string> types;
    std::vector<std::string> priorities;
    for (int id = 1; id <= 5; ++id) {
        const std::vector<std::string> row = taskpanel::RowTexts(id, 2, 0, 128, "f", label);
        ASSERT_EQ(row.size(), 5u);
        types.push_back(row[0]);
        priorities.push_back(row[1]);
    }
    EXPECT_EQ(types, (std::vector<std::string>{"Priority Task", "Priority Task", "Rotation Task", "Rotation Task",
                                               "Rotation Task"}));
    EXPECT_EQ(priorities, (std::vector<std::string>{"1", "2", "3", "3", "3"}));
}

TEST(TaskRows, NoPriorityTasksShareOnePriority)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(taskpanel::RowTexts(1, 0, 0, 0, "", label)[0], "Rotation Task");
    EXPECT_EQ(taskpanel::RowTexts(1, 0, 0, 0, "", label)[1], "1");
    EXPECT_EQ(taskpanel::RowTexts(127, 127, 0, 0, "", label)[1], "127");
}

TEST(TaskRows, FunctionStateAndStackColumns)
{
    const LabelLookup label = testlabels::Labels();
    // A name with conversions is shown as it stands.
    EXPECT_EQ(taskpanel::RowTexts(3, 1, 1, 256, "task%s%n", label),
              (std::vector<std::string>{"Rotation Task", "2", "task%s%n", "Waiting(SLP)", "256"}));
    EXPECT_EQ(taskpanel::RowTexts(3, 1, 0, -4, "t", label)[3], "Ready");
    EXPECT_EQ(taskpanel::RowTexts(3, 1, 0, -4, "t", label)[4], "-4");
    // Only bit 0 of the state counts.
    EXPECT_EQ(taskpanel::StateText(3, label), "Waiting(SLP)");
    EXPECT_EQ(taskpanel::StateText(2, label), "Ready");
}

TEST(TaskRows, ColumnHeadersAndWidths)
{
    const LabelLookup label = testlabels::Labels();
    std::vector<std::string> headers;
    std::vector<int> widths;
    for (const taskpanel::Column& c : taskpanel::Columns()) {
        headers.push_back(label(c.headerId));
        widths.push_back(c.width);
    }
    EXPECT_EQ(headers, (std::vector<std::string>{"Type", "Priority", "Task Function", "Init Stat", "Stack Size"}));
    EXPECT_EQ(widths, (std::vector<int>{85, 55, 115, 115, 85}));
}

TEST(TaskCounts, PriorityCountFollowsALowerTaskCount)
{
    EXPECT_EQ(taskpanel::ClampedPriTaskCount(5, 2), 2);
    EXPECT_EQ(taskpanel::ClampedPriTaskCount(5, 5), 5);
    EXPECT_EQ(taskpanel::ClampedPriTaskCount(3, 5), 3);
    EXPECT_EQ(taskpanel::ClampedPriTaskCount(1, 0), 0);
}

TEST(TaskReadyOnlyCpu, SleepingTasksUpToTheCountBecomeReadyAndUnset)
{
    CCData_conf_info conf;
    conf.m_tsk.m_nTskNum = 3;
    for (int i = 0; i < 5; ++i) {
        conf.m_tsk.m_nTskState[i] = 1;
        conf.m_tsk.m_nTskSet[i] = 1;
    }
    conf.m_tsk.m_nTskState[1] = 0;
    conf.m_cpu.SetCpuType(1);
    taskpanel::ClearSleepOnReadyOnlyCpu(conf);
    EXPECT_EQ(conf.m_tsk.m_nTskState[0], 1);
    EXPECT_EQ(conf.m_tsk.m_nTskSet[0], 1);

    conf.m_cpu.SetCpuType(0);
    taskpanel::ClearSleepOnReadyOnlyCpu(conf);
    EXPECT_EQ(conf.m_tsk.m_nTskState[0], 0);
    EXPECT_EQ(conf.m_tsk.m_nTskSet[0], 0);
    // A ready task keeps its flag.
    EXPECT_EQ(conf.m_tsk.m_nTskSet[1], 1);
    EXPECT_EQ(conf.m_tsk.m_nTskState[2], 0);
    EXPECT_EQ(conf.m_tsk.m_nTskSet[2], 0);
    // Tasks above the count keep theirs.
    EXPECT_EQ(conf.m_tsk.m_nTskState[3], 1);
    EXPECT_EQ(conf.m_tsk.m_nTskSet[4], 1);
}

TEST(TaskReadyOnlyCpu, AllSlotsWithTheLargestCount)
{
    CCData_conf_info conf;
    conf.m_cpu.SetCpuType(0);
    conf.m_tsk.m_nTskNum = kMaxObjects;
    conf.m_tsk.m_nTskState.fill(1);
    taskpanel::ClearSleepOnReadyOnlyCpu(conf);
    EXPECT_EQ(conf.m_tsk.m_nTskState[kMaxObjects - 1], 0);
}

TEST(TaskDialogState, ReadyOnlyCpuShowsReadyAndLocksTheChoice)
{
    EXPECT_EQ(taskpanel::StateItemIndex(0, 1), 0);
    EXPECT_FALSE(taskpanel::IsStateChoiceEnabled(0));
    EXPECT_EQ(taskpanel::StateItemIndex(1, 1), 1);
    EXPECT_EQ(taskpanel::StateItemIndex(1, 0), 0);
    EXPECT_EQ(taskpanel::StateItemIndex(1, 3), 1);
    EXPECT_TRUE(taskpanel::IsStateChoiceEnabled(1));
}

TEST(TaskDialogChecks, AcceptedValues)
{
    const TaskCheck ok = CheckTaskInput("  main_task\t", " 128 ", 1, 44, 4);
    EXPECT_EQ(ok.messageId, 0);
    EXPECT_EQ(ok.func, "main_task");
    EXPECT_EQ(ok.stackSize, 128);
    EXPECT_EQ(ok.state, 1);
    EXPECT_EQ(CheckTaskInput("t", "44", 0, 44, 4).state, 0);
    EXPECT_EQ(CheckTaskInput("t", "44", 0, 44, 4).messageId, 0);
    // Any non-zero item index means sleeping.
    EXPECT_EQ(CheckTaskInput("t", "44", 5, 44, 4).state, 1);
}

TEST(TaskDialogChecks, EmptyFunctionComesFirst)
{
    EXPECT_EQ(FirstFailure("", ""), 4001);
    EXPECT_EQ(FirstFailure(" \t ", "x"), 4001);
}

TEST(TaskDialogChecks, BadFunctionNameStopsBeforeTheStack)
{
    EXPECT_EQ(FirstFailure("1task", ""), 4002);
    EXPECT_EQ(FirstFailure("my task", "128"), 4002);
    EXPECT_EQ(FirstFailure("int", "128"), 4002);
    EXPECT_EQ(FirstFailure("Int", "128"), 0);
}

TEST(TaskDialogChecks, StackSizeMustBeAPlainNumber)
{
    EXPECT_EQ(FirstFailure("t", ""), 4003);
    EXPECT_EQ(FirstFailure("t", "   "), 4003);
    for (const char* bad : {"0128", "+128", "1 28", "128k", "0x80", "abc", "99999999999", "-0"}) {
        EXPECT_EQ(FirstFailure("t", bad), 4004) << bad;
    }
    EXPECT_EQ(FirstFailure("t", " 128 "), 0);
}

TEST(TaskDialogChecks, AlignmentBeforeMinimum)
{
    EXPECT_EQ(FirstFailure("t", "46", 4, 44), 4006);
    EXPECT_EQ(FirstFailure("t", "40", 4, 44), 4007);
    EXPECT_EQ(FirstFailure("t", "129", 2, 18), 4005);
    EXPECT_EQ(FirstFailure("t", "130", 2, 18), 0);
    EXPECT_EQ(FirstFailure("t", "129", 1, 20), 0);
    EXPECT_EQ(FirstFailure("t", "19", 1, 20), 4007);
    // A minus sign passes the number and the alignment checks and is caught by the minimum.
    const TaskCheck negative = CheckTaskInput("t", "-4", 0, 44, 4);
    EXPECT_EQ(negative.messageId, 4007);
    EXPECT_EQ(negative.messageMinimum, 44);
    EXPECT_EQ(FirstFailure("t", "-6", 4, 44), 4006);
    EXPECT_EQ(FirstFailure("t", "-3", 2, 18), 4005);
    // An alignment the CPU rules never give cannot divide by zero.
    EXPECT_EQ(FirstFailure("t", "45", 0, 44), 0);
}

TEST(TaskDialogChecks, MessagesFromTheStringTable)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("t", "-4", 0, 44, 4), label),
              "Please set stack size than minimum 44");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("t", "46", 0, 44, 4), label),
              "Invalid stack size.\n4byte boundary error");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("t", "47", 0, 18, 2), label),
              "Invalid stack size.\n2byte boundary error");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("t", "4x", 0, 18, 2), label),
              "Invalid stack size.\nPlease input a number");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("", "", 0, 18, 2), label), "Please input a task function");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("1a", "", 0, 18, 2), label), "Invalid task function");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("a", "", 0, 18, 2), label), "Please input a stack size");
    EXPECT_EQ(taskpanel::CheckMessage(CheckTaskInput("a", "20", 0, 18, 2), label), "");
    // The Japanese minimum message gets the number too.
    const std::string ja = taskpanel::CheckMessage(CheckTaskInput("t", "0", 0, 220, 4),
                                                   testlabels::Labels(StringLang::Japanese));
    EXPECT_NE(ja.find("220"), std::string::npos);
}

// Task 1 or the handler named `name` (RX v2, every kind used): written, read back without warning, written alike.
bool ComesBack(bool task, const std::string& name)
{
    CQuorvaneConfiguratorDoc source{std::string()}, loaded{std::string()};
    CCData_conf_info& conf = source.GetConfInfo();
    conf.m_cpu.SetCpuType(30);
    conf.m_flg.m_nUse = conf.m_sem.m_nUse = conf.m_dtq.m_nUse = conf.m_tim.m_nUse = conf.m_cyc.m_nUse = 1;
    conf.m_dtq.SetDtqData(1, 1, 1);
    task ? conf.m_tsk.SetTskData(1, 1, 256, name) : conf.m_cyc.SetCycData(1, 1, name, 1000);
    const KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 7);
    loaded.ClearConfigData();
    if (!AnalyzeLoadedTexts(loaded, texts.config, texts.def, texts.kinit).empty()) return false;
    const KernelFileTexts again = MakeKernelFileTexts(loaded.GetConfInfo(), 2026, 12, 7);
    return again.config == texts.config && again.kinit == texts.kinit;
}

// Every byte, multibyte characters and the readers' words, anywhere in a name: what a dialog accepts comes back.
TEST(EntryNames, EveryAcceptedNameComesBackInBothCodePages)
{
    std::vector<std::string> units = {"/*", "//", "#defineDTQ1_SIZE", "knl_tcbStInit", "EVTFLG_ATTR", "SEM_ATTR",
                                      "H8SX", "R8C", "SH2", "RL78", "\xE5\x87\xBA", "\xE3\x80\x80", "\xEF\xBD\x9B",
                                      "\x83\x5C", "\x83\x7B", "\x83\x7D", "\x83\x7C", "\x81\x40"};
    for (int b = 0; b < 256; ++b) units.push_back(std::string(1, static_cast<char>(b)));
    int accepted = 0;
    for (const mbtext::CodePage page : {mbtext::CodePage::Utf8, mbtext::CodePage::ShiftJis}) {
        mbtext::SetCodePage(page);
        for (const std::string& unit : units) {
            for (const std::string& typed : {unit + "fn", "f" + unit + "n", "fn" + unit}) {
                const TaskCheck t = CheckTaskInput(typed, "256", 1, 44, 4);
                const cycpanel::CycCheck c = cycpanel::CheckCycInput(typed, "1000", 0);
                accepted += (t.messageId == 0) + (c.messageId == 0);
                EXPECT_TRUE(t.messageId != 0 || ComesBack(true, t.func)) << "task " << typed;
                EXPECT_TRUE(c.messageId != 0 || ComesBack(false, c.func)) << "handler " << typed;
            }
        }
    }
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    EXPECT_EQ(accepted, 2468);
}

}  // namespace
