// Tests of the CPU panel's list contents and selection rules, against the shipped English texts.
#include "cpu_panel_lists.h"

#include <gtest/gtest.h>

#include "english_labels.h"

namespace {

using cpupanel::ComboContents;

std::vector<std::string> Levels(int first, int last)
{
    std::vector<std::string> items;
    for (int l = first; l <= last; ++l) items.push_back("Level" + std::to_string(l));
    return items;
}

// The lists the panel shows for the document's CPU record.
struct Lists {
    ComboContents mode;
    ComboContents level;
};
Lists ListsOf(const CCData_conf_info_cpu& cpu)
{
    const LabelLookup label = testlabels::Labels();
    return {cpupanel::ModeList(cpu.m_nCpuType, cpu.m_nCpuMode, label),
            cpupanel::LevelList(cpu.m_nCpuType, cpu.m_nCpuMode, cpu.m_nMaskLevel, label)};
}

TEST(CpuPanelLists, CpuNamesAreInTypeCodeOrder)
{
    const std::vector<std::string> names = cpupanel::CpuNames(testlabels::Labels());
    ASSERT_EQ(names.size(), 31u);
    EXPECT_EQ(names[0], "H8/300L");
    EXPECT_EQ(names[11], "H8SX(Advanced mode)");
    EXPECT_EQ(names[16], "SH-4(Big)");
    EXPECT_EQ(names[21], "RL78(Medium model)");
    // The codes after 21 do not follow the string ids.
    EXPECT_EQ(names[22], "RL78(Large Model)");
    EXPECT_EQ(names[23], "RL78 CC-RL(Small model)");
    EXPECT_EQ(names[24], "RL78 CC-RL(Medium model)");
    EXPECT_EQ(names[25], "RX v1(Big)");
    EXPECT_EQ(names[29], "RX v2(FPU/Big)");
    EXPECT_EQ(names[30], "RX v2(FPU/Little)");
}

TEST(CpuPanelLists, ModeListByType)
{
    const LabelLookup label = testlabels::Labels();
    for (int type : {1, 2}) {
        const ComboContents m = cpupanel::ModeList(type, 2, label);
        EXPECT_EQ(m.items, (std::vector<std::string>{"CCR.UI=User bit(Interrupt Level=2)",
                                                     "CCR.UI=Mask bit(Interrupt Level=3)"}));
        EXPECT_EQ(m.selected, 1);
        EXPECT_EQ(m.enabled, true);
    }
    // Type 6 has no mode 1 or 3 of the interrupt control: its second item is mode 2.
    const ComboContents tiny = cpupanel::ModeList(6, 2, label);
    EXPECT_EQ(tiny.items, (std::vector<std::string>{"Interrupt Control Mode 0", "Interrupt Control Mode 2"}));
    EXPECT_EQ(tiny.selected, 1);
    for (int type = 7; type <= 11; ++type) {
        const ComboContents m = cpupanel::ModeList(type, 3, label);
        ASSERT_EQ(m.items.size(), 4u);
        EXPECT_EQ(m.items[3], "Interrupt Control Mode 3");
        EXPECT_EQ(m.selected, 2);
        EXPECT_EQ(m.enabled, true);
    }
    for (int type : {0, 3, 4, 5, 12, 16, 20, 24, 25, 30}) {
        const ComboContents m = cpupanel::ModeList(type, 0, label);
        EXPECT_EQ(m.items, std::vector<std::string>{"-"}) << type;
        EXPECT_EQ(m.selected, 0);
        EXPECT_EQ(m.enabled, false);
    }
}

TEST(CpuPanelLists, ModeOutsideTheTypesChoicesSelectsNothing)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(cpupanel::ModeList(7, 0, label).selected, -1);
    EXPECT_EQ(cpupanel::ModeList(7, 5, label).selected, -1);
    EXPECT_EQ(cpupanel::ModeList(6, 3, label).selected, -1);
}

TEST(CpuPanelLists, TypeOutsideTheTableEmptiesAndLeavesTheState)
{
    const LabelLookup label = testlabels::Labels();
    for (int type : {-1, 31, 1000}) {
        const ComboContents m = cpupanel::ModeList(type, 1, label);
        EXPECT_TRUE(m.items.empty());
        EXPECT_EQ(m.selected, -1);
        EXPECT_FALSE(m.enabled.has_value());
        const ComboContents l = cpupanel::LevelList(type, 1, 1, label);
        EXPECT_TRUE(l.items.empty());
        EXPECT_FALSE(l.enabled.has_value());
    }
}

TEST(CpuPanelLists, LevelListByTypeAndMode)
{
    EXPECT_EQ(cpupanel::LevelNumbers(1, 1), std::vector<int>{1});
    EXPECT_EQ(cpupanel::LevelNumbers(2, 2), (std::vector<int>{1, 2}));
    for (int type = 3; type <= 5; ++type) EXPECT_EQ(cpupanel::LevelNumbers(type, 0).size(), 7u);
    EXPECT_EQ(cpupanel::LevelNumbers(6, 1), std::vector<int>{1});
    EXPECT_EQ(cpupanel::LevelNumbers(6, 2), (std::vector<int>{1, 2, 3}));
    for (int type = 7; type <= 11; ++type) {
        EXPECT_EQ(cpupanel::LevelNumbers(type, 1).size(), 1u);
        EXPECT_EQ(cpupanel::LevelNumbers(type, 2).size(), 2u);
        EXPECT_EQ(cpupanel::LevelNumbers(type, 3).size(), 7u);
        EXPECT_EQ(cpupanel::LevelNumbers(type, 4).size(), 9u);
    }
    for (int type = 12; type <= 19; ++type) EXPECT_EQ(cpupanel::LevelNumbers(type, 0).size(), 15u);
    for (int type = 20; type <= 24; ++type) EXPECT_EQ(cpupanel::LevelNumbers(type, 0), (std::vector<int>{0, 1, 2}));
    for (int type = 25; type <= 30; ++type) EXPECT_EQ(cpupanel::LevelNumbers(type, 0).size(), 15u);
    // A mode the type does not have offers no level rather than a guessed list.
    EXPECT_TRUE(cpupanel::LevelNumbers(1, 3).empty());
    EXPECT_TRUE(cpupanel::LevelNumbers(9, 0).empty());
    EXPECT_TRUE(cpupanel::LevelNumbers(0, 0).empty());
}

TEST(CpuPanelLists, Sh4BigShowsFifteenLevelsWithItsDefaultSelected)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(16);
    const Lists lists = ListsOf(cpu);
    EXPECT_EQ(lists.mode.items, std::vector<std::string>{"-"});
    EXPECT_EQ(lists.mode.enabled, false);
    EXPECT_EQ(lists.level.items, Levels(1, 15));
    ASSERT_EQ(lists.level.selected, 13);
    EXPECT_EQ(lists.level.items[13], "Level14");
    EXPECT_EQ(lists.level.enabled, true);
}

TEST(CpuPanelLists, Rl78LevelsStartAtZero)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(20);
    const Lists lists = ListsOf(cpu);
    EXPECT_EQ(lists.level.items, Levels(0, 2));
    EXPECT_EQ(lists.level.selected, 0);
    // Choosing the third item stores level 2, and the list then selects it again.
    cpu.m_nMaskLevel = cpupanel::LevelFromItemIndex(20, 2);
    EXPECT_EQ(cpu.m_nMaskLevel, 2);
    EXPECT_EQ(ListsOf(cpu).level.selected, 2);
    EXPECT_EQ(cpupanel::LevelFromItemIndex(19, 2), 3);
    EXPECT_EQ(cpupanel::LevelFromItemIndex(25, 0), 1);
}

TEST(CpuPanelLists, H8300LSupportsNoLevel)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(0);
    const Lists lists = ListsOf(cpu);
    EXPECT_EQ(lists.mode.items, std::vector<std::string>{"-"});
    EXPECT_EQ(lists.mode.enabled, false);
    EXPECT_EQ(lists.level.items, std::vector<std::string>{"Not Support"});
    EXPECT_EQ(lists.level.selected, 0);
    EXPECT_EQ(lists.level.enabled, false);
    // Selecting a level on this type touches nothing.
    EXPECT_FALSE(cpupanel::LevelItemIndex(0, 1).has_value());
}

TEST(CpuPanelLists, SelectMaskLevelIndexByType)
{
    EXPECT_EQ(cpupanel::LevelItemIndex(1, 1), 0);
    EXPECT_EQ(cpupanel::LevelItemIndex(19, 14), 13);
    EXPECT_EQ(cpupanel::LevelItemIndex(20, 0), 0);
    EXPECT_EQ(cpupanel::LevelItemIndex(24, 2), 2);
    EXPECT_EQ(cpupanel::LevelItemIndex(25, 15), 14);
    EXPECT_EQ(cpupanel::LevelItemIndex(30, 1), 0);
    EXPECT_FALSE(cpupanel::LevelItemIndex(31, 1).has_value());
    EXPECT_FALSE(cpupanel::LevelItemIndex(-1, 1).has_value());
}

TEST(CpuPanelLists, StoredLevelOutsideTheListSelectsNothing)
{
    const LabelLookup label = testlabels::Labels();
    EXPECT_EQ(cpupanel::LevelList(7, 1, 6, label).selected, -1);
    EXPECT_EQ(cpupanel::LevelList(16, 0, 0, label).selected, -1);
    EXPECT_EQ(cpupanel::LevelList(20, 0, -1, label).selected, -1);
    EXPECT_EQ(cpupanel::LevelList(20, 0, 3, label).selected, -1);
}

TEST(CpuPanelLists, H8S2000NormalModeThreeOffersNineLevels)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(7);
    cpu.SetCpuMode(4);
    const Lists lists = ListsOf(cpu);
    EXPECT_EQ(lists.mode.selected, 3);
    EXPECT_EQ(lists.mode.items[3], "Interrupt Control Mode 3");
    EXPECT_EQ(lists.level.items, Levels(1, 9));
    EXPECT_EQ(lists.level.selected, 5);
}

TEST(CpuPanelLists, H8sxRefusesModesOneAndThreeOfTheInterruptControl)
{
    for (int mode = 1; mode <= 4; ++mode) {
        EXPECT_EQ(cpupanel::IsRefusedMode(11, mode), mode == 2 || mode == 4) << mode;
        for (int type : {7, 8, 9, 10}) EXPECT_FALSE(cpupanel::IsRefusedMode(type, mode));
    }
    // What the panel does with a refused choice: mode 3 instead. When mode 3 was already stored the
    // level the user had chosen stays.
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(11);
    ASSERT_EQ(cpu.m_nCpuMode, 3);
    cpu.m_nMaskLevel = 4;
    int chosen = 4;
    if (cpupanel::IsRefusedMode(cpu.m_nCpuType, chosen)) chosen = cpupanel::kModeTakenInstead;
    cpu.SetCpuMode(chosen);
    EXPECT_EQ(cpu.m_nCpuMode, 3);
    EXPECT_EQ(cpu.m_nMaskLevel, 4);
    EXPECT_EQ(ListsOf(cpu).mode.selected, 2);
}

TEST(CpuPanelLists, UnsetTasksTakeTheDefaultStackOfTheType)
{
    CCData_conf_info conf;
    conf.m_tsk.m_nTskNum = 4;
    conf.m_tsk.SetTskData(2, 0, 200, "io");
    conf.m_cpu.SetCpuType(16);
    cpupanel::ResetUnsetTaskStacks(conf);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[0], 1024);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[1], 200);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[2], 1024);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[3], 1024);
    // Slots beyond the task count are left for now; a task added later gets the default at the next reset.
    const int beyond = conf.m_tsk.m_nStackSize[4];
    EXPECT_NE(beyond, 1024);
    conf.m_tsk.m_nTskNum = 5;
    cpupanel::ResetUnsetTaskStacks(conf);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[4], 1024);
    // Only a flag of exactly 1 protects a stack.
    conf.m_tsk.m_nTskSet[2] = 2;
    conf.m_cpu.SetCpuType(0);
    cpupanel::ResetUnsetTaskStacks(conf);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[2], 128);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[1], 200);
}

TEST(CpuPanelLists, TaskCountOutsideTheTableTouchesOnlyItsSlots)
{
    CCData_conf_info conf;
    conf.m_cpu.SetCpuType(12);
    conf.m_tsk.m_nTskNum = 100000;
    cpupanel::ResetUnsetTaskStacks(conf);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[kMaxObjects - 1], 288);
    conf.m_tsk.m_nTskNum = -5;
    conf.m_cpu.SetCpuType(16);
    cpupanel::ResetUnsetTaskStacks(conf);
    EXPECT_EQ(conf.m_tsk.m_nStackSize[0], 288);
}

TEST(CpuPanelLists, TreeLinesJoinLabelAndListText)
{
    EXPECT_EQ(cpupanel::CpuTreeLines("SH-4(Big)", "-", "Level14", testlabels::Labels()),
              (std::vector<std::string>{"CPU :SH-4(Big)", "Mode :-", "Kernel Mask Level :Level14"}));
    const std::vector<std::string> ja =
        cpupanel::CpuTreeLines("", "", "", testlabels::Labels(StringLang::Japanese));
    EXPECT_EQ(ja[1], "モード :");
}

}  // namespace
