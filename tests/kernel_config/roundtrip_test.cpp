// Round trip of the kernel files: configurations drawn at random under the model's rules are written,
// analysed back with every analyser reporting success, compared field by field, and written again to the
// same bytes. Values that the file formats cannot carry are left out on purpose; each is named below.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conf_info.h"
#include "cpu_types.h"
#include "doc.h"
#include "load_analysis.h"
#include "test_util.h"
#include "writer.h"

namespace {

// Modes offered for each type; 0 alone for types without a mode choice.
std::vector<int> ModesOf(int type)
{
    if (type == 1 || type == 2 || type == 6) return {1, 2};
    if (type >= 7 && type <= 11) return {1, 2, 3, 4};
    return {0};
}

// Levels that the kernel-mask block carries back for a type and mode.
std::pair<int, int> LevelRange(int type, int mode)
{
    if (type == 0) return {0, 0};  // no kernel-mask block at all: the level stays the type's 0
    if (type == 1 || type == 2) return {1, mode == 2 ? 2 : 1};  // only "80"/"C0" are written
    if (type <= 5) return {1, 7};
    if (type == 6) return {1, mode == 1 ? 1 : 3};
    if (type <= 11) {
        static const int top[] = {1, 2, 7, 9};
        return {1, top[mode - 1]};
    }
    if (type >= 20 && type <= 24) return {0, 2};
    return {1, 15};
}

// Lower-case C identifiers: every CPU name the analysis looks for holds a capital letter, so a generated
// name can never be taken for a CPU description.
std::string RandomName(std::mt19937& rng)
{
    static const char first[] = "abcdefghijklmnopqrstuvwxyz_";
    static const char rest[] = "abcdefghijklmnopqrstuvwxyz_0123456789";
    std::uniform_int_distribution<int> len(1, 24);
    std::string name(1, first[std::uniform_int_distribution<int>(0, 26)(rng)]);
    for (int i = len(rng); i > 1; --i) name += rest[std::uniform_int_distribution<int>(0, 36)(rng)];
    return name;
}

int Pick(std::mt19937& rng, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

void RandomConfig(std::mt19937& rng, int type, int mode, CCData_conf_info& conf)
{
    CCData_conf_info_cpu& cpu = conf.m_cpu;
    cpu.SetCpuType(type);
    if (mode != 0) cpu.SetCpuMode(mode);
    const auto levels = LevelRange(type, mode);
    cpu.m_nMaskLevel = Pick(rng, levels.first, levels.second);

    CCData_conf_info_tsk& tsk = conf.m_tsk;
    tsk.m_nTskNum = Pick(rng, 1, kMaxObjects);
    tsk.m_nTskPriNum = Pick(rng, 0, kMaxObjects);
    const int align = cpu.m_nStackAlign;
    for (int id = 1; id <= tsk.m_nTskNum; ++id) {
        // Type 0 has no sleeping state: the analysis reads CTCB_ST_SLP there as an error.
        const int state = type == 0 ? 0 : Pick(rng, 0, 1);
        const int stack = align * Pick(rng, (cpu.GetMinStackSize() + align - 1) / align, 4096 / align);
        tsk.SetTskData(id, state, stack, Pick(rng, 0, 3) == 0 ? tsk.GetTskFunc(id) : RandomName(rng));
    }

    // Per-object values travel only in the calls of kinit.c, which a kind that is off does not write:
    // such a kind keeps its defaults and only its count goes through config.c.
    auto on = [&rng](CCData_conf_info_base& kind) {
        kind.SetUse(Pick(rng, 0, 1));
        return kind.GetUse() == 1;
    };
    CCData_conf_info_flg& flg = conf.m_flg;
    flg.m_nFlgNum = Pick(rng, 1, kMaxObjects);
    if (on(flg)) {
        for (int id = 1; id <= flg.m_nFlgNum; ++id) {
            flg.m_nFlgAttr[id - 1] = Pick(rng, 0, 7);
            flg.m_nFlgSet[id - 1] = 1;
        }
    }
    CCData_conf_info_sem& sem = conf.m_sem;
    sem.m_nSemNum = Pick(rng, 1, kMaxObjects);
    if (on(sem)) {
        for (int id = 1; id <= sem.m_nSemNum; ++id) sem.SetSemData(id, Pick(rng, 0, 1), Pick(rng, 0, 255));
    }
    CCData_conf_info_dtq& dtq = conf.m_dtq;
    dtq.m_nDtqNum = Pick(rng, 1, kMaxObjects);
    if (on(dtq)) {
        for (int id = 1; id <= dtq.m_nDtqNum; ++id) dtq.SetDtqData(id, Pick(rng, 0, 1), Pick(rng, 0, 3) == 0 ? 0 : Pick(rng, 1, 127));
    }
    CCData_conf_info_tim& tim = conf.m_tim;
    on(tim);
    tim.m_nCyclicTime = Pick(rng, 1, 1000000);
    CCData_conf_info_cyc& cyc = conf.m_cyc;
    cyc.m_nCycNum = Pick(rng, 1, kMaxObjects);
    if (on(cyc)) {
        for (int id = 1; id <= cyc.m_nCycNum; ++id) {
            cyc.SetCycData(id, Pick(rng, 0, 1), Pick(rng, 0, 2) == 0 ? cyc.GetCycFunc(id) : RandomName(rng), Pick(rng, 1, 100000));
        }
    }
}

// Field by field; tables only over the ids that the files carry (1..count).
void ExpectSameConfig(const CCData_conf_info& want, const CCData_conf_info& got, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(want.m_cpu.m_nCpuType, got.m_cpu.m_nCpuType);
    EXPECT_EQ(want.m_cpu.m_nCpuMode, got.m_cpu.m_nCpuMode);
    EXPECT_EQ(want.m_cpu.m_nMaskLevel, got.m_cpu.m_nMaskLevel);
    EXPECT_EQ(want.m_cpu.m_nStackAlign, got.m_cpu.m_nStackAlign);
    const CCData_conf_info_tsk& wt = want.m_tsk;
    const CCData_conf_info_tsk& gt = got.m_tsk;
    ASSERT_EQ(wt.m_nTskNum, gt.m_nTskNum);
    EXPECT_EQ(wt.m_nTskPriNum, gt.m_nTskPriNum);
    for (int i = 0; i < wt.m_nTskNum; ++i) {
        EXPECT_EQ(wt.m_nTskState[i], gt.m_nTskState[i]) << "task " << i + 1;
        EXPECT_EQ(wt.m_nStackSize[i], gt.m_nStackSize[i]) << "task " << i + 1;
        EXPECT_EQ(wt.m_strTskFunc[i], gt.m_strTskFunc[i]) << "task " << i + 1;
        EXPECT_EQ(wt.m_nTskSet[i], gt.m_nTskSet[i]) << "task " << i + 1;
    }
    EXPECT_EQ(want.m_flg.m_nUse, got.m_flg.m_nUse);
    ASSERT_EQ(want.m_flg.m_nFlgNum, got.m_flg.m_nFlgNum);
    for (int i = 0; i < want.m_flg.m_nFlgNum; ++i) {
        EXPECT_EQ(want.m_flg.m_nFlgAttr[i], got.m_flg.m_nFlgAttr[i]) << "flag " << i + 1;
        EXPECT_EQ(want.m_flg.m_nFlgSet[i], got.m_flg.m_nFlgSet[i]) << "flag " << i + 1;
    }
    EXPECT_EQ(want.m_sem.m_nUse, got.m_sem.m_nUse);
    ASSERT_EQ(want.m_sem.m_nSemNum, got.m_sem.m_nSemNum);
    for (int i = 0; i < want.m_sem.m_nSemNum; ++i) {
        EXPECT_EQ(want.m_sem.m_nSemAttr[i], got.m_sem.m_nSemAttr[i]) << "semaphore " << i + 1;
        EXPECT_EQ(want.m_sem.m_nSemCnt[i], got.m_sem.m_nSemCnt[i]) << "semaphore " << i + 1;
        EXPECT_EQ(want.m_sem.m_nSemSet[i], got.m_sem.m_nSemSet[i]) << "semaphore " << i + 1;
    }
    EXPECT_EQ(want.m_dtq.m_nUse, got.m_dtq.m_nUse);
    ASSERT_EQ(want.m_dtq.m_nDtqNum, got.m_dtq.m_nDtqNum);
    for (int i = 0; i < want.m_dtq.m_nDtqNum; ++i) {
        EXPECT_EQ(want.m_dtq.m_nDtqAttr[i], got.m_dtq.m_nDtqAttr[i]) << "data queue " << i + 1;
        EXPECT_EQ(want.m_dtq.m_nDtqCnt[i], got.m_dtq.m_nDtqCnt[i]) << "data queue " << i + 1;
        EXPECT_EQ(want.m_dtq.m_nDtqSet[i], got.m_dtq.m_nDtqSet[i]) << "data queue " << i + 1;
    }
    EXPECT_EQ(want.m_tim.m_nUse, got.m_tim.m_nUse);
    EXPECT_EQ(want.m_tim.m_nCyclicTime, got.m_tim.m_nCyclicTime);
    EXPECT_EQ(want.m_cyc.m_nUse, got.m_cyc.m_nUse);
    ASSERT_EQ(want.m_cyc.m_nCycNum, got.m_cyc.m_nCycNum);
    for (int i = 0; i < want.m_cyc.m_nCycNum; ++i) {
        EXPECT_EQ(want.m_cyc.m_nCycAttr[i], got.m_cyc.m_nCycAttr[i]) << "cyclic handler " << i + 1;
        EXPECT_EQ(want.m_cyc.m_strCycFunc[i], got.m_cyc.m_strCycFunc[i]) << "cyclic handler " << i + 1;
        EXPECT_EQ(want.m_cyc.m_nCycTime[i], got.m_cyc.m_nCycTime[i]) << "cyclic handler " << i + 1;
        EXPECT_EQ(want.m_cyc.m_nCycSet[i], got.m_cyc.m_nCycSet[i]) << "cyclic handler " << i + 1;
    }
}

TEST(RoundTrip, RandomConfigurationsOfEveryCpuTypeAndModeSurviveWriteAndLoad)
{
    std::mt19937 rng(20261206u);
    testutil::TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    int cases = 0;
    for (int type = 0; type < kCpuTypeCount; ++type) {
        for (int mode : ModesOf(type)) {
            for (int round = 0; round < 4; ++round) {
                const std::string where = "type " + std::to_string(type) + " mode " + std::to_string(mode) +
                                          " round " + std::to_string(round);
                CQuorvaneConfiguratorDoc source(dir.Path());
                RandomConfig(rng, type, mode, source.GetConfInfo());
                const std::string paths[3] = {dir.File("config.c"), dir.File("qvos.def"), dir.File("kinit.c")};
                ASSERT_EQ(0, source.WriteConfigFiles(paths[0], paths[1], paths[2])) << where;

                CQuorvaneConfiguratorDoc loaded(dir.Path());
                loaded.ClearConfigData();
                const std::string texts[3] = {CQuorvaneConfiguratorDoc::ReadFileToString(paths[0]),
                                              CQuorvaneConfiguratorDoc::ReadFileToString(paths[1]),
                                              CQuorvaneConfiguratorDoc::ReadFileToString(paths[2])};
                const std::vector<LoadWarning> warnings = AnalyzeLoadedTexts(loaded, texts[0], texts[1], texts[2]);
                EXPECT_TRUE(warnings.empty()) << where << ": first warning " << (warnings.empty() ? 0 : warnings[0].messageId);
                ExpectSameConfig(source.GetConfInfo(), loaded.GetConfInfo(), where);

                const KernelFileTexts again = MakeKernelFileTexts(loaded.GetConfInfo(), 2026, 12, 6);
                const KernelFileTexts first = MakeKernelFileTexts(source.GetConfInfo(), 2026, 12, 6);
                EXPECT_EQ(first.config, again.config) << where;
                EXPECT_EQ(first.def, again.def) << where;
                EXPECT_EQ(first.kinit, again.kinit) << where;
                ++cases;
                if (HasFatalFailure()) return;
            }
        }
    }
    EXPECT_EQ(196, cases);  // 49 type and mode pairs, four configurations each
}

// The hand-written expected files load back as well. The one warning that stays is by design: the
// H8/300L file holds a sleeping task, and CPU type 0 has no sleeping state, so its task table fails (5111).
TEST(RoundTrip, ExpectedFilesLoadWithTheirOnlyWarnings)
{
    struct Expect {
        const char* folder;
        std::vector<int> warnings;
    };
    const Expect cases[] = {{"default", {}}, {"A_h8300l", {5111}}, {"B_h8300h_normal", {}}, {"C_h8300h_advanced", {}},
                            {"D_r8c2", {}}, {"E_h8s2600_normal", {}}, {"F_h8s_tiny", {}}, {"G_h8sx", {}},
                            {"H_sh2a_fpu", {}}, {"I_sh4", {}}, {"J_rl78", {}}, {"K_rx", {}}};
    for (const Expect& c : cases) {
        const std::string base = std::string(QV_TEST_DATA_DIR) + "/golden/" + c.folder + "/";
        testutil::TempDir dir;
        CQuorvaneConfiguratorDoc doc(dir.Path());
        doc.ClearConfigData();
        const std::vector<LoadWarning> warnings =
            AnalyzeLoadedTexts(doc, testutil::ReadBytes(base + "config.c"), testutil::ReadBytes(base + "qvos.def"),
                               testutil::ReadBytes(base + "kinit.c"));
        std::vector<int> ids;
        for (const LoadWarning& w : warnings) ids.push_back(w.messageId);
        EXPECT_EQ(c.warnings, ids) << c.folder;
    }
}

}  // namespace
