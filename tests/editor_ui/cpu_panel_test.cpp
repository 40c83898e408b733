// Tests of the CPU panel: list contents per CPU type and mode, the refused H8SX modes, the level choice, the
// default stack of tasks the user has not set, and the tree's three CPU lines.
#include "load_test_util.h"

namespace {

using uitest::LoadTest;

class CpuPanelTest : public LoadTest {
protected:
    void SetUp() override
    {
        LoadTest::SetUp();
        ChooseFolder(MakeSet("set"));
        View()->OnCpuKernelMaskLevel();
        ASSERT_EQ(ShownPanel(), 1);
    }
    QComboBox* CpuList() const { return Cpu()->CpuList(); }
    QComboBox* ModeList() const { return Cpu()->ModeList(); }
    QComboBox* LevelList() const { return Cpu()->LevelList(); }
    std::string Text(const QComboBox* combo) const { return qvui::FromQ(combo->currentText()); }
    static std::vector<std::string> Levels(int first, int last)
    {
        std::vector<std::string> items;
        for (int l = first; l <= last; ++l) items.push_back("Level" + std::to_string(l));
        return items;
    }
};

TEST_F(CpuPanelTest, ShowsTheLoadedCpu)
{
    EXPECT_EQ(CpuList()->count(), 31);
    EXPECT_EQ(CpuList()->currentIndex(), 9);
    EXPECT_EQ(Items(ModeList()), (std::vector<std::string>{"Interrupt Control Mode 0", "Interrupt Control Mode 1",
                                                           "Interrupt Control Mode 2", "Interrupt Control Mode 3"}));
    EXPECT_EQ(ModeList()->currentIndex(), 1);
    EXPECT_TRUE(ModeList()->isEnabled());
    EXPECT_EQ(Items(LevelList()), Levels(1, 2));
    EXPECT_EQ(LevelList()->currentIndex(), 1);
}

TEST_F(CpuPanelTest, Sh4BigGivesFifteenLevelsAndItsDefaultStack)
{
    // Task 1 was set by the user (its stack was in config.c); a task not set keeps none of its own.
    ASSERT_EQ(Conf().m_tsk.m_nTskSet[0], 1);
    Conf().m_tsk.m_nTskSet[2] = 0;
    const int setStack = Conf().m_tsk.m_nStackSize[0];
    Choose(CpuList(), 16);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 16);
    EXPECT_EQ(Items(ModeList()), std::vector<std::string>{"-"});
    EXPECT_FALSE(ModeList()->isEnabled());
    EXPECT_EQ(Items(LevelList()), Levels(1, 15));
    EXPECT_EQ(Text(LevelList()), "Level14");
    EXPECT_TRUE(LevelList()->isEnabled());
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[2], 1024);
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[0], setStack);
    EXPECT_EQ(TreeLines(1), (std::vector<std::string>{"CPU :SH-4(Big)", "Mode :-", "Kernel Mask Level :Level14"}));
}

TEST_F(CpuPanelTest, Rl78LevelsStartAtZero)
{
    Choose(CpuList(), 20);
    EXPECT_EQ(Items(LevelList()), Levels(0, 2));
    EXPECT_EQ(Text(LevelList()), "Level0");
    Choose(LevelList(), 2);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 2);
    EXPECT_EQ(Text(LevelList()), "Level2");
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 0);
}

TEST_F(CpuPanelTest, H8300LSupportsNoModeAndNoLevel)
{
    Choose(CpuList(), 0);
    EXPECT_EQ(Items(ModeList()), std::vector<std::string>{"-"});
    EXPECT_EQ(Text(ModeList()), "-");
    EXPECT_FALSE(ModeList()->isEnabled());
    EXPECT_EQ(Items(LevelList()), std::vector<std::string>{"Not Support"});
    EXPECT_EQ(Text(LevelList()), "Not Support");
    EXPECT_FALSE(LevelList()->isEnabled());
    // Back to a type with modes, both lists are enabled again.
    Choose(CpuList(), 7);
    EXPECT_TRUE(ModeList()->isEnabled());
    EXPECT_TRUE(LevelList()->isEnabled());
}

TEST_F(CpuPanelTest, H8sxRefusesTwoModes)
{
    Choose(CpuList(), 11);
    ASSERT_EQ(Conf().m_cpu.m_nCpuMode, 3);
    Choose(LevelList(), 3);
    ASSERT_EQ(Conf().m_cpu.m_nMaskLevel, 4);
    for (int item : {1, 3}) {
        qvui::ClearAskedDialogs();
        Choose(ModeList(), item);
        EXPECT_EQ(MessagesAsked(QStringLiteral("Not supported selected CPU mode.")), 1) << item;
        EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 3);
        EXPECT_EQ(ModeList()->currentIndex(), 2);
        // Mode 3 was stored already, so the chosen level stays.
        EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 4);
        EXPECT_EQ(Text(LevelList()), "Level4");
    }
    // From mode 1 a refused choice lands on mode 3 with its default level.
    qvui::ClearAskedDialogs();
    Choose(ModeList(), 0);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 1);
    Choose(ModeList(), 3);
    EXPECT_EQ(MessagesAsked(QStringLiteral("Not supported selected CPU mode.")), 1);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 3);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 6);
    EXPECT_EQ(Items(LevelList()), Levels(1, 7));
}

TEST_F(CpuPanelTest, H8s2000NormalModeFourOffersNineLevels)
{
    Choose(CpuList(), 7);
    Choose(ModeList(), 3);
    EXPECT_EQ(MessagesAsked(QStringLiteral("Not supported selected CPU mode.")), 0);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 4);
    EXPECT_EQ(Items(LevelList()), Levels(1, 9));
    EXPECT_EQ(Text(LevelList()), "Level6");
}

TEST_F(CpuPanelTest, RaisedTaskCountGetsTheDefaultStackAtTheNextRefresh)
{
    Choose(CpuList(), 12);
    Conf().m_tsk.m_nTskNum = 8;
    Conf().m_tsk.m_nStackSize[7] = 77;
    View()->RefreshAll();
    EXPECT_EQ(Conf().m_tsk.m_nStackSize[7], 288);
}

TEST_F(CpuPanelTest, LevelChoiceKeepsTheMode)
{
    Choose(ModeList(), 3);
    ASSERT_EQ(Conf().m_cpu.m_nCpuMode, 4);
    Choose(LevelList(), 8);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 9);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 4);
    EXPECT_EQ(TreeLines(1)[2], "Kernel Mask Level :Level9");
}

TEST_F(CpuPanelTest, CodeThatSelectsRaisesNoChange)
{
    // A refresh selects items in all three lists; none of that may count as the user's choice.
    Conf().m_cpu.SetCpuType(16);
    View()->RefreshAll();
    EXPECT_EQ(CpuList()->currentIndex(), 16);
    EXPECT_EQ(Conf().m_cpu.m_nCpuType, 16);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 14);
    EXPECT_EQ(MessagesAsked(QStringLiteral("Not supported selected CPU mode.")), 0);
}

}  // namespace
