// Tests of the task panel's row texts and count rules and of the task edit dialog's checks, against the
// shipped English texts.
#include "task_entries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cpu_types.h"
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
    EXPECT_EQ(FirstFailure("SEM_ATTR_task", "128"), 0);
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

// Tasks and handlers so named (CPU `type`; bits 0 to 4 of `uses` switch on event flags, semaphores, data queues,
// the system time and the handlers): written, read back without warning, written alike.
bool ComeBack(int type, int uses, const std::vector<std::string>& tasks, const std::vector<std::string>& handlers)
{
    CQuorvaneConfiguratorDoc source{std::string()}, loaded{std::string()};
    CCData_conf_info& conf = source.GetConfInfo();
    conf.m_cpu.SetCpuType(type);
    CCData_conf_info_base* const kinds[] = {&conf.m_flg, &conf.m_sem, &conf.m_dtq, &conf.m_tim, &conf.m_cyc};
    for (int k = 0; k < 5; ++k) kinds[k]->SetUse(uses >> k & 1);
    conf.m_dtq.SetDtqData(1, 1, 1);
    conf.m_tsk.m_nTskNum = std::max(conf.m_tsk.m_nTskNum, int(tasks.size()));
    conf.m_cyc.m_nCycNum = std::max(conf.m_cyc.m_nCycNum, int(handlers.size()));
    for (std::size_t i = 0; i < tasks.size(); ++i) conf.m_tsk.SetTskData(int(i + 1), type ? 1 : 0, 256, tasks[i]);
    for (std::size_t i = 0; i < handlers.size(); ++i) conf.m_cyc.SetCycData(int(i + 1), 1, handlers[i], 1000);
    const KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 7);
    loaded.ClearConfigData();
    if (!AnalyzeLoadedTexts(loaded, texts.config, texts.def, texts.kinit).empty()) return false;
    const KernelFileTexts again = MakeKernelFileTexts(loaded.GetConfInfo(), 2026, 12, 7);
    return again.config == texts.config && again.kinit == texts.kinit;
}

// Every byte, multibyte characters and every word that a reader of config.c (CPU, mask, task tables, counts),
// kinit.c (calls, attribute words, data-queue sizes) or qvos.def looks for, anywhere in a name: what a dialog
// accepts comes back, 127 names at a time, on every CPU type with every kind used, only the handlers, or none.
TEST(EntryNames, EveryAcceptedNameComesBackInBothCodePages)
{
    const std::string words =
        "/*~*/~//~\r\n~#define~#defineDTQ1_SIZE~\xE5\x87\xBA~\xE3\x80\x80~\xEF\xBD\x9B~\x83\x5C~\x83\x7B~"
        "\x83\x7D~\x83\x7C~\x81\x40~H8/300H~H8/300L~H8S/Tiny(Advanced Mode)~H8S/2000~H8S/2600~H8SX~R8C1~R8C2~R8C~"
        "M16C/2x,3x,6x~SH-2A(Big)~SH2A-FPU(Big)~SH-2A~SH2A~SH2(Big)~SH2(Little)~SH2~SH-4A(Big)~SH-4A(Little)~"
        "SH-4A~SH-4(Big)~SH-4(Little)~SH-4~RL78(Small Model)~RL78(Medium Model)~RL78(Large Model)~"
        "RL78 CC-RL(Small Model)~RL78 CC-RL(Medium Model)~RL78 CC-RL~RL78~RX v1(Big)~RX v1(Little)~"
        "RX v1(FPU/Big)~RX v1(FPU/Little)~RX v1~RX v2(FPU/Big)~RX v2(FPU/Little)~RX v2~RX200~RX600~RX~"
        "normal mode~advanced mode~(IM0)~(IM1)~(IM2)~(IM3)~KNL_MSK_BIT~KNL_MSK_CCR~xc0~x80~KNL_MSK_LEVEL~"
        "KNL_TCB_NUM~KNL_TCB_PRI_NUM~knl_tcbAddrInit~knl_tcbStInit~knl_tcbSpInit~CTCB_ST_RDY~CTCB_ST_SLP~"
        "TCB1_SIZE~0x~EVFLG_NUM~SEM_NUM~DTQ_NUM~CYC_NUM~SYSTIM_CYCLIC_TIM~EVTFLG_ATTR~SEM_ATTR~DTQ_ATTR~CYC_ATTR~"
        "EVFLG_TA_AND~EVFLG_TA_OR~EVFLG_TA_CLR~EVFLG_TA_TPRI~EVFLG_TA_TFIFO~SEM_TA_TPRI~SEM_TA_TFIFO~DTQ_TA_TPRI~"
        "DTQ_TA_TFIFO~CYC_TA_NON~CYC_TA_STA~DTQ1_SIZE~EVENTFLG~SEMAPHORE~DATAQUE~SYSTIME~CYC_HDR";
    std::vector<std::string> units;
    for (std::size_t at = 0, bar = 0; at <= words.size(); at = bar + 1) {
        bar = std::min(words.find('~', at), words.size());
        units.push_back(words.substr(at, bar - at));
    }
    for (int b = 0; b < 256; ++b) units.push_back(std::string(1, static_cast<char>(b)));
    int accepted = 0;
    for (const mbtext::CodePage page : {mbtext::CodePage::Utf8, mbtext::CodePage::ShiftJis}) {
        mbtext::SetCodePage(page);
        std::vector<std::string> tasks, handlers;
        for (const std::string& unit : units) {
            for (const std::string& typed : {unit + "fn", "f" + unit + "n", "fn" + unit}) {
                const TaskCheck t = CheckTaskInput(typed, "256", 1, 44, 4);
                const cycpanel::CycCheck c = cycpanel::CheckCycInput(typed, "1000", 0);
                if (t.messageId == 0) tasks.push_back(t.func);
                if (c.messageId == 0) handlers.push_back(c.func);
            }
        }
        accepted += static_cast<int>(tasks.size() + handlers.size());
        const auto chunk = [](const std::vector<std::string>& names, std::size_t at) {
            return std::vector<std::string>(names.begin() + std::min(at, names.size()),
                                            names.begin() + std::min(at + kMaxObjects, names.size()));
        };
        for (std::size_t at = 0; at < std::max(tasks.size(), handlers.size()); at += kMaxObjects) {
            for (int type = 0; type < kCpuTypeCount; ++type) {
                for (const int uses : {31, 24, 0}) {
                    EXPECT_TRUE(ComeBack(type, uses, chunk(tasks, at), chunk(handlers, at))) << type << uses << at;
                }
            }
        }
    }
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    EXPECT_EQ(accepted, 3658);
}

}  // namespace
