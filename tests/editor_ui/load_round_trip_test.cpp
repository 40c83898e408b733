// End-to-end: the kernel files that the writer makes for a rich configuration load back through the
// configuration-files panel into the configuration, the CPU panel and the tree, without one warning line.
#include "load_test_util.h"

#include "summary_lines.h"

namespace {

using uitest::LoadTest;

// A configuration that uses every kind with values away from the defaults.
void MakeRich(CCData_conf_info& c)
{
    c.m_cpu.SetCpuType(10);
    c.m_cpu.SetCpuMode(4);
    c.m_cpu.m_nMaskLevel = 8;
    c.m_tsk.m_nTskNum = 12;
    c.m_tsk.m_nTskPriNum = 4;
    for (int id = 1; id <= 12; ++id) {
        c.m_tsk.SetTskData(id, id % 2, 128 + 16 * id, "task_" + std::to_string(id));
    }
    c.m_flg.SetUse(1);
    c.m_flg.m_nFlgNum = 6;
    for (int id = 1; id <= 6; ++id) {
        c.m_flg.m_nFlgAttr[id - 1] = id % 8;
        c.m_flg.m_nFlgSet[id - 1] = 1;
    }
    c.m_sem.SetUse(1);
    c.m_sem.m_nSemNum = 4;
    for (int id = 1; id <= 4; ++id) c.m_sem.SetSemData(id, id % 2, id + 1);
    c.m_dtq.SetUse(1);
    c.m_dtq.m_nDtqNum = 3;
    for (int id = 1; id <= 3; ++id) c.m_dtq.SetDtqData(id, (id + 1) % 2, 4 * id);
    c.m_tim.SetUse(1);
    c.m_tim.m_nCyclicTime = 20;
    c.m_cyc.SetUse(1);
    c.m_cyc.m_nCycNum = 5;
    for (int id = 1; id <= 5; ++id) c.m_cyc.SetCycData(id, id % 2, "cyc_" + std::to_string(id), 100 * id);
}

TEST_F(LoadTest, WrittenFilesOfARichConfigurationLoadBackWithoutWarnings)
{
    const std::string dir = m_dir.File("rich");
    std::filesystem::create_directories(dir);
    CQuorvaneConfiguratorDoc writer(m_dir.File("rich"));
    MakeRich(writer.m_confInfo);
    ASSERT_EQ(writer.WriteConfigFiles(dir + "/config.c", dir + "/qvos.def", dir + "/kinit.c"), 0);
    const CCData_conf_info& want = writer.m_confInfo;

    ChooseFolder(dir);
    EXPECT_EQ(Log(), (std::vector<std::string>{"---------- INPUT CONFIG-FILES -----------",
                                               "- File reading \"" + dir + "/config.c\" : OK",
                                               "- File reading \"" + dir + "/qvos.def\" : OK",
                                               "- File reading \"" + dir + "/kinit.c\" : OK"}));
    const CCData_conf_info& got = Conf();
    EXPECT_EQ(got.m_cpu.m_nCpuType, 10);
    EXPECT_EQ(got.m_cpu.m_nCpuMode, 4);
    EXPECT_EQ(got.m_cpu.m_nMaskLevel, 8);
    EXPECT_EQ(got.m_tsk.m_nTskNum, want.m_tsk.m_nTskNum);
    EXPECT_EQ(got.m_tsk.m_nTskPriNum, want.m_tsk.m_nTskPriNum);
    for (int i = 0; i < want.m_tsk.m_nTskNum; ++i) {
        EXPECT_EQ(got.m_tsk.m_strTskFunc[i], want.m_tsk.m_strTskFunc[i]) << i;
        EXPECT_EQ(got.m_tsk.m_nTskState[i], want.m_tsk.m_nTskState[i]) << i;
        EXPECT_EQ(got.m_tsk.m_nStackSize[i], want.m_tsk.m_nStackSize[i]) << i;
    }
    EXPECT_EQ(got.m_flg.m_nUse, 1);
    EXPECT_EQ(got.m_flg.m_nFlgNum, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got.m_flg.m_nFlgAttr[i], want.m_flg.m_nFlgAttr[i]) << i;
    EXPECT_EQ(got.m_sem.m_nUse, 1);
    EXPECT_EQ(got.m_sem.m_nSemNum, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(got.m_sem.m_nSemAttr[i], want.m_sem.m_nSemAttr[i]) << i;
        EXPECT_EQ(got.m_sem.m_nSemCnt[i], want.m_sem.m_nSemCnt[i]) << i;
    }
    EXPECT_EQ(got.m_dtq.m_nUse, 1);
    EXPECT_EQ(got.m_dtq.m_nDtqNum, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(got.m_dtq.m_nDtqAttr[i], want.m_dtq.m_nDtqAttr[i]) << i;
        EXPECT_EQ(got.m_dtq.m_nDtqCnt[i], want.m_dtq.m_nDtqCnt[i]) << i;
    }
    EXPECT_EQ(got.m_tim.m_nUse, 1);
    EXPECT_EQ(got.m_tim.m_nCyclicTime, 20);
    EXPECT_EQ(got.m_cyc.m_nUse, 1);
    EXPECT_EQ(got.m_cyc.m_nCycNum, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(got.m_cyc.m_nCycAttr[i], want.m_cyc.m_nCycAttr[i]) << i;
        EXPECT_EQ(got.m_cyc.m_strCycFunc[i], want.m_cyc.m_strCycFunc[i]) << i;
        EXPECT_EQ(got.m_cyc.m_nCycTime[i], want.m_cyc.m_nCycTime[i]) << i;
    }

    // The panels and the tree show it.
    EXPECT_EQ(Cpu()->CpuList()->currentText(), "H8S/2600(Advanced mode)");
    EXPECT_EQ(Cpu()->ModeList()->currentText(), "Interrupt Control Mode 3");
    EXPECT_EQ(Cpu()->LevelList()->currentText(), "Level8");
    EXPECT_EQ(TreeLines(1), (std::vector<std::string>{"CPU :H8S/2600(Advanced mode)", "Mode :Interrupt Control Mode 3",
                                                      "Kernel Mask Level :Level8"}));
    const LabelLookup label = [](int id) { return qvui::FromQ(LoadStr(id)); };
    const std::vector<std::string> tasks = TreeLines(2);
    ASSERT_EQ(tasks.size(), 12u);
    for (int id = 1; id <= 12; ++id) EXPECT_EQ(tasks[id - 1], summary::TaskLine(want.m_tsk, id, label)) << id;
    EXPECT_EQ(View()->m_nEnableMask, 0x3ffu);
}

}  // namespace
