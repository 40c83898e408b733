// Tests of the CPU type table and the mode, level, alignment and stack rules, for all 31 types.
#include <gtest/gtest.h>

#include "conf_info.h"
#include "cpu_types.h"

namespace {

struct TypeRow {
    int type;
    const char* name;
    int nameId;
    int mode, level, align, defStack;
    int minByMode[5];  // minimum stack for modes 0..4 where the type has them
};

// Written from the CPU table; a row of -1 means the mode does not exist for the type.
const TypeRow kRows[] = {
    {0, "H8/300L", 3325, 0, 0, 2, 128, {18, -1, -1, -1, -1}},
    {1, "H8/300H(Normal mode)", 3326, 1, 1, 4, 128, {-1, 32, 32, -1, -1}},
    {2, "H8/300H(Advanced mode)", 3327, 1, 1, 4, 128, {-1, 32, 32, -1, -1}},
    {3, "R8C/1x", 3328, 0, 6, 1, 128, {20, -1, -1, -1, -1}},
    {4, "R8C/2x", 3329, 0, 6, 1, 128, {20, -1, -1, -1, -1}},
    {5, "M16C/1x-6x", 3330, 0, 6, 1, 128, {20, -1, -1, -1, -1}},
    {6, "H8S/TINY(Advanced mode)", 3331, 2, 2, 4, 128, {-1, 32, 34, -1, -1}},
    {7, "H8S/2000(Normal mode)", 3332, 3, 6, 4, 128, {-1, 32, 32, 34, 34}},
    {8, "H8S/2000(Advanced mode)", 3333, 3, 6, 4, 128, {-1, 32, 32, 34, 34}},
    {9, "H8S/2600(Normal mode)", 3334, 3, 6, 4, 128, {-1, 40, 40, 42, 42}},
    {10, "H8S/2600(Advanced mode)", 3335, 3, 6, 4, 128, {-1, 40, 40, 42, 42}},
    {11, "H8SX(Advanced mode)", 3336, 3, 6, 4, 144, {-1, 44, 44, 46, 46}},
    {12, "SH-2(Big)", 3337, 0, 14, 4, 288, {84, -1, -1, -1, -1}},
    {13, "SH-2(Little)", 3338, 0, 14, 4, 288, {84, -1, -1, -1, -1}},
    {14, "SH-2A(Big)", 3339, 0, 14, 4, 304, {88, -1, -1, -1, -1}},
    {15, "SH2A-FPU(Big)", 3340, 0, 14, 4, 384, {160, -1, -1, -1, -1}},
    {16, "SH-4(Big)", 3341, 0, 14, 4, 1024, {220, -1, -1, -1, -1}},
    {17, "SH-4(Little)", 3342, 0, 14, 4, 1024, {220, -1, -1, -1, -1}},
    {18, "SH-4A(Big)", 3343, 0, 14, 4, 1024, {220, -1, -1, -1, -1}},
    {19, "SH-4A(Little)", 3344, 0, 14, 4, 1024, {220, -1, -1, -1, -1}},
    {20, "RL78(Small model)", 3345, 0, 0, 4, 288, {116, -1, -1, -1, -1}},
    {21, "RL78(Medium model)", 3346, 0, 0, 4, 288, {116, -1, -1, -1, -1}},
    {22, "RL78(Large Model)", 3347, 0, 0, 4, 288, {116, -1, -1, -1, -1}},
    {23, "RL78 CC-RL(Small model)", 3356, 0, 0, 4, 288, {28, -1, -1, -1, -1}},
    {24, "RL78 CC-RL(Medium model)", 3357, 0, 0, 4, 288, {28, -1, -1, -1, -1}},
    {25, "RX v1(Big)", 3348, 0, 6, 4, 384, {76, -1, -1, -1, -1}},
    {26, "RX v1(Little)", 3349, 0, 6, 4, 384, {76, -1, -1, -1, -1}},
    {27, "RX v1(FPU/Big)", 3350, 0, 6, 4, 384, {80, -1, -1, -1, -1}},
    {28, "RX v1(FPU/Little)", 3351, 0, 6, 4, 384, {80, -1, -1, -1, -1}},
    {29, "RX v2(FPU/Big)", 3354, 0, 6, 4, 384, {96, -1, -1, -1, -1}},
    {30, "RX v2(FPU/Little)", 3355, 0, 6, 4, 384, {96, -1, -1, -1, -1}},
};

void PrintTo(const TypeRow& row, std::ostream* os) { *os << "CPU type " << row.type; }

class CpuType : public ::testing::TestWithParam<TypeRow> {};

TEST_P(CpuType, SelectingTheTypeSetsItsDefaultsAndStackRules)
{
    const TypeRow& row = GetParam();
    const CpuTypeInfo* info = GetCpuTypeInfo(row.type);
    ASSERT_NE(info, nullptr);
    EXPECT_STREQ(info->name, row.name);
    EXPECT_EQ(info->nameId, row.nameId);

    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(7);
    cpu.SetCpuMode(4);
    cpu.m_nMaskLevel = 3;
    cpu.SetCpuType(row.type);
    EXPECT_EQ(cpu.GetCpuType(), row.type);
    EXPECT_EQ(cpu.m_nCpuMode, row.mode);
    EXPECT_EQ(cpu.m_nMaskLevel, row.level);
    EXPECT_EQ(cpu.m_nStackAlign, row.align);
    EXPECT_EQ(cpu.GetDefStackSize(), row.defStack);
    for (int mode = 0; mode <= 4; ++mode) {
        if (row.minByMode[mode] < 0) continue;
        cpu.m_nCpuMode = mode;
        EXPECT_EQ(cpu.GetMinStackSize(), row.minByMode[mode]) << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTypes, CpuType, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<TypeRow>& p) { return "Type" + std::to_string(p.param.type); });

TEST(CpuRules, TableHasExactlyThirtyOneTypes)
{
    EXPECT_EQ(GetCpuTypeInfo(-1), nullptr);
    EXPECT_EQ(GetCpuTypeInfo(31), nullptr);
}

TEST(CpuRules, ChangingTheTypeResetsModeAndLevel)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(7);
    cpu.SetCpuMode(4);
    cpu.m_nMaskLevel = 3;
    cpu.SetCpuType(16);
    EXPECT_EQ(cpu.m_nCpuMode, 0);
    EXPECT_EQ(cpu.m_nMaskLevel, 14);
    EXPECT_EQ(cpu.m_nStackAlign, 4);
    EXPECT_EQ(cpu.GetDefStackSize(), 1024);
    EXPECT_EQ(cpu.GetMinStackSize(), 220);
}

TEST(CpuRules, ModesSetTheirLevels)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(6);
    EXPECT_EQ(cpu.m_nCpuMode, 2);
    EXPECT_EQ(cpu.m_nMaskLevel, 2);
    EXPECT_EQ(cpu.GetMinStackSize(), 34);
    cpu.SetCpuMode(1);
    EXPECT_EQ(cpu.m_nMaskLevel, 1);
    EXPECT_EQ(cpu.GetMinStackSize(), 32);

    cpu.SetCpuType(1);
    cpu.SetCpuMode(2);
    EXPECT_EQ(cpu.m_nCpuMode, 2);
    EXPECT_EQ(cpu.m_nMaskLevel, 1);

    cpu.SetCpuType(9);
    cpu.SetCpuMode(1);
    EXPECT_EQ(cpu.m_nMaskLevel, 1);
    cpu.SetCpuMode(4);
    EXPECT_EQ(cpu.m_nMaskLevel, 6);
    cpu.SetCpuMode(2);
    EXPECT_EQ(cpu.m_nMaskLevel, 1);
}

TEST(CpuRules, ModeChangesAreRefusedWhereTheyMeanNothing)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(12);
    cpu.SetCpuMode(2);
    EXPECT_EQ(cpu.m_nCpuMode, 0);
    EXPECT_EQ(cpu.m_nMaskLevel, 14);

    cpu.SetCpuType(4);
    cpu.SetCpuMode(1);
    EXPECT_EQ(cpu.m_nCpuMode, 0);
    EXPECT_EQ(cpu.m_nMaskLevel, 6);

    // The same mode again changes nothing, even a level set by hand.
    cpu.SetCpuType(9);
    cpu.m_nMaskLevel = 4;
    cpu.SetCpuMode(3);
    EXPECT_EQ(cpu.m_nMaskLevel, 4);

    // Types 1 and 2 take any mode with level 1; 6..11 keep the level for a mode outside their list.
    cpu.SetCpuType(2);
    cpu.m_nMaskLevel = 5;
    cpu.SetCpuMode(9);
    EXPECT_EQ(cpu.m_nCpuMode, 9);
    EXPECT_EQ(cpu.m_nMaskLevel, 1);
    cpu.SetCpuType(8);
    cpu.m_nMaskLevel = 5;
    cpu.SetCpuMode(7);
    EXPECT_EQ(cpu.m_nCpuMode, 7);
    EXPECT_EQ(cpu.m_nMaskLevel, 5);
    // A mode outside the table gets the larger, safer minimum.
    EXPECT_EQ(cpu.GetMinStackSize(), 34);
}

TEST(CpuRules, AlignmentDecidesWhichStackSizesFit)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(4);
    EXPECT_EQ(129 % cpu.m_nStackAlign, 0);
    cpu.SetCpuType(0);
    EXPECT_NE(129 % cpu.m_nStackAlign, 0);
    cpu.SetCpuType(1);
    EXPECT_NE(129 % cpu.m_nStackAlign, 0);
}

TEST(CpuRules, UnknownTypeCodeFallsBackToTheDefaultType)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(16);
    cpu.SetCpuType(31);
    EXPECT_EQ(cpu.GetCpuType(), 1);
    EXPECT_EQ(cpu.m_nCpuMode, 1);
    cpu.SetCpuType(-5);
    EXPECT_EQ(cpu.GetCpuType(), 1);
    // Fields written directly out of range still give sane sizes.
    cpu.m_nCpuType = 99;
    EXPECT_EQ(cpu.GetDefStackSize(), 128);
    EXPECT_EQ(cpu.GetMinStackSize(), 0);
}

}  // namespace
