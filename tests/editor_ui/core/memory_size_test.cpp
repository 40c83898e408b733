// Tests of the memory-size estimate: the worked examples, the per-CPU constants, the choice of the ROM base
// table, the typed-in tables themselves, and behaviour on values outside the usual ranges.
#include "memory_size.h"
#include "memory_size_examples.h"

#include <gtest/gtest.h>

#include <climits>

#include "conf_info.h"

namespace {

using memsize::EstimateMemorySize;
using memsize::FormatMemorySize;
using memsize::MemorySize;
using memsize::MemorySizeInputs;

// --- Worked examples -----------------------------------------------------------------------------------

TEST(MemorySizeExamples, FreshConfiguration)
{
    CCData_conf_info conf;
    const MemorySize m = EstimateMemorySize(conf);
    ASSERT_TRUE(m.valid);
    EXPECT_EQ(m.ram, 31);
    EXPECT_EQ(m.rom, 2206);
    EXPECT_EQ(m.rebuildRom, 1433);
    EXPECT_EQ(m.rebuildRam, 25);

    const memsize::MemorySizeTexts t = FormatMemorySize(m);
    EXPECT_EQ(t.rom, "2206");
    EXPECT_EQ(t.ram, "31");
    EXPECT_EQ(t.rebuildRom, "1433");
    EXPECT_EQ(t.rebuildRam, "25");
}

TEST(MemorySizeExamples, Type25WithEveryKindUsed)
{
    CCData_conf_info conf;
    memsizeexample::Type25WithEveryKindUsed(conf);

    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.ram, 211);
    EXPECT_EQ(m.rom, 7421);
    EXPECT_EQ(m.rebuildRom, 4823);
    EXPECT_EQ(m.rebuildRam, 173);
}

TEST(MemorySizeExamples, Type8Mode3WithEventFlagsAndSystemTime)
{
    CCData_conf_info conf;
    conf.m_cpu.SetCpuType(8);
    ASSERT_EQ(conf.m_cpu.m_nCpuMode, 3);
    conf.m_tsk.m_nTskNum = 10;
    conf.m_tsk.m_nTskPriNum = 9;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 1;
    conf.m_tim.SetUse(1);

    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.ram, 130);
    EXPECT_EQ(m.rom, 5217);
}

TEST(MemorySizeExamples, Type21AllPriorityTasksNothingUsed)
{
    CCData_conf_info conf;
    conf.m_cpu.SetCpuType(21);
    conf.m_tsk.m_nTskNum = 4;
    conf.m_tsk.m_nTskPriNum = 4;

    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.ram, 57);
    EXPECT_EQ(m.rom, 2765);
}

TEST(MemorySizeExamples, PriorityTaskCountUpTo15CountsAsOneEighth)
{
    // Type 1, 20 tasks: RAM = 3*20 + 11 + max1(P/8) + 4 + max1(20-P) + 20.
    MemorySizeInputs in;
    in.taskCount = 20;
    for (int p = 0; p <= 15; ++p) {
        in.priTaskCount = p;
        EXPECT_EQ(EstimateMemorySize(in).ram, 95 + 1 + (20 - p)) << "P=" << p;
    }
    in.priTaskCount = 16;
    EXPECT_EQ(EstimateMemorySize(in).ram, 95 + 2 + 4);
    in.priTaskCount = 20;  // T - P = 0 counts as 1
    EXPECT_EQ(EstimateMemorySize(in).ram, 95 + 2 + 1);
}

TEST(MemorySizeExamples, CyclicHandlersWithoutSystemTimeAddNothing)
{
    CCData_conf_info conf;
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 50;
    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.rom, 54);  // base entry 16 is 0, no cyclic-handler term
    EXPECT_EQ(m.ram, 31);
}

TEST(MemorySizeExamples, H8sxModes2And4HaveNoRomBase)
{
    for (int mode : {2, 4}) {
        const int r = mode == 2 ? 2 : 4;
        CCData_conf_info conf;
        conf.m_cpu.SetCpuType(11);
        conf.m_cpu.SetCpuMode(mode);
        ASSERT_EQ(conf.m_cpu.m_nCpuMode, mode);
        // A' = 4, T = 3: 2*4*3 + 3 + 36 = 63.
        EXPECT_EQ(EstimateMemorySize(conf).rom, r + 63) << "mode " << mode;

        conf.m_flg.SetUse(1);
        conf.m_sem.SetUse(1);
        conf.m_dtq.SetUse(1);
        conf.m_tim.SetUse(1);
        conf.m_cyc.SetUse(1);
        EXPECT_EQ(EstimateMemorySize(conf).rom, r + 63 + 3 + 5) << "mode " << mode;
    }
}

TEST(MemorySizeExamples, Type5SharesTheBaseOfType1WithItsOwnConstants)
{
    CCData_conf_info conf;
    conf.m_cpu.SetCpuType(5);
    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.rom, 2152 + 2 + 2 * 4 * 3 + 3 + 36);  // A = 4, R = 2
    EXPECT_EQ(m.ram, 31);                              // W and Q as type 1
    EXPECT_EQ(memsize::RomSizeTableIndex(5, 0), memsize::RomSizeTableIndex(1, 1));
}

// --- Terms of the RAM figure ---------------------------------------------------------------------------

TEST(MemorySizeRam, EachObjectKindAddsItsTerm)
{
    MemorySizeInputs base;  // type 1: W 2, Q 4; T 3, P 0 -> 31
    ASSERT_EQ(EstimateMemorySize(base).ram, 31);

    MemorySizeInputs in = base;
    in.useFlg = 1;
    in.flgCount = 7;
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 3 + 21 + 4);

    in = base;
    in.useSem = 1;
    in.semCount = 7;
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 3 + 14 + 4);

    in = base;
    in.useDtq = 1;
    in.dtqCount = 3;
    in.dtqDataCounts = {1, 2, 3, 100};  // the fourth is beyond the count and not summed
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 7 * 3 + 3 + 8 + 4 * 6);

    in = base;
    in.useTim = 1;
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 6 + 3 + 4);
    in.useCyc = 1;
    in.cycCount = 5;
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 6 + 3 + 4 + 12 * 5 + 4);
}

TEST(MemorySizeRam, Rl78TypesAddTwoPlusTaskCount)
{
    for (int type = 19; type <= 25; ++type) {
        CCData_conf_info conf;
        conf.m_cpu.SetCpuType(type);
        memsize::CpuSizeConstants k;
        ASSERT_TRUE(memsize::GetCpuSizeConstants(type, &k));
        const int plain = (k.w + 1) * 3 + 5 * k.w + 1 + 1 + k.q + 3 + 3;
        const int extra = (type >= 20 && type <= 24) ? 2 + 3 : 0;
        EXPECT_EQ(EstimateMemorySize(conf).ram, plain + extra) << "type " << type;
    }
}

TEST(MemorySizeRam, DataCountsComeFromTheConfiguration)
{
    CCData_conf_info conf;
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 127;
    for (int id = 1; id <= 127; ++id) conf.m_dtq.SetDtqData(id, 0, 127);
    // 31 + (2+5)*127 + 3 + 8 + 4*127*127
    EXPECT_EQ(EstimateMemorySize(conf).ram, 31 + 889 + 11 + 64516);
}

TEST(MemorySizeRam, UseFlagsCountOnlyWhenExactlyOne)
{
    CCData_conf_info conf;
    conf.m_flg.SetUse(2);
    conf.m_sem.SetUse(-1);
    conf.m_tim.SetUse(2);
    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.ram, 31);
    EXPECT_EQ(m.rom, 2206);
    EXPECT_EQ(memsize::UsedObjectMask(2, 1, 0, 1, 3), 2 | 8);
}

// --- Per-CPU constants and table choice ----------------------------------------------------------------

TEST(MemorySizeConstants, WQAOfEveryCpuType)
{
    // {W, Q, A} for types 0..30.
    const int expected[31][3] = {
        {2, 4, 2}, {2, 4, 2}, {4, 6, 4}, {2, 4, 4}, {2, 4, 4}, {2, 4, 4}, {4, 6, 4}, {2, 4, 2},
        {4, 6, 4}, {2, 4, 2}, {4, 6, 4}, {4, 6, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4},
        {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {2, 4, 2}, {4, 4, 2}, {4, 6, 4}, {2, 4, 2},
        {4, 4, 2}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4}, {4, 8, 4},
    };
    for (int type = 0; type <= 30; ++type) {
        memsize::CpuSizeConstants k;
        ASSERT_TRUE(memsize::GetCpuSizeConstants(type, &k)) << type;
        EXPECT_EQ(k.w, expected[type][0]) << "type " << type;
        EXPECT_EQ(k.q, expected[type][1]) << "type " << type;
        EXPECT_EQ(k.a, expected[type][2]) << "type " << type;
    }
    memsize::CpuSizeConstants k{9, 9, 9};
    EXPECT_FALSE(memsize::GetCpuSizeConstants(31, &k));
    EXPECT_EQ(k.w, 0);
    EXPECT_FALSE(memsize::GetCpuSizeConstants(-1, nullptr));
}

TEST(MemorySizeConstants, RomAdditionByTypeAndMode)
{
    EXPECT_EQ(memsize::RomAddition(0, 0), 0);
    EXPECT_EQ(memsize::RomAddition(1, 1), 3);
    EXPECT_EQ(memsize::RomAddition(2, 2), 3);
    for (int type = 3; type <= 5; ++type) EXPECT_EQ(memsize::RomAddition(type, 0), 2);
    for (int type = 6; type <= 11; ++type) {
        EXPECT_EQ(memsize::RomAddition(type, 1), 2);
        EXPECT_EQ(memsize::RomAddition(type, 2), 2);
        EXPECT_EQ(memsize::RomAddition(type, 3), 2);
        EXPECT_EQ(memsize::RomAddition(type, 4), 4);
        EXPECT_EQ(memsize::RomAddition(type, 0), 8);
        EXPECT_EQ(memsize::RomAddition(type, 5), 8);
    }
    for (int type = 12; type <= 30; ++type) EXPECT_EQ(memsize::RomAddition(type, 0), 8);
}

TEST(MemorySizeConstants, AddressSizeIsOneMoreForTypes21And24)
{
    // Same T, nothing used: ROM - base - R - T - 36 = 2 * A' * T.
    for (int type : {20, 21, 23, 24}) {
        CCData_conf_info conf;
        conf.m_cpu.SetCpuType(type);
        conf.m_tsk.m_nTskNum = 10;
        const int base = RomSizeTable[memsize::RomSizeTableIndex(type, 0)][0];
        const int aPrime = (type == 21 || type == 24) ? 3 : 2;
        EXPECT_EQ(EstimateMemorySize(conf).rom, base + 8 + 2 * aPrime * 10 + 10 + 36) << "type " << type;
    }
}

TEST(MemorySizeTableChoice, TableOfEveryTypeAndMode)
{
    // Types without a mode choice: one table whatever the mode.
    const int single[][2] = {{0, 0},   {1, 1},   {2, 2},   {3, 31},  {4, 32},  {5, 1},   {12, 23}, {13, 24},
                             {14, 25}, {15, 26}, {16, 27}, {17, 28}, {18, 29}, {19, 30}, {20, 33}, {21, 34},
                             {22, 35}, {23, 36}, {24, 37}, {25, 38}, {26, 39}, {27, 40}, {28, 41}, {29, 42},
                             {30, 43}};
    for (const auto& row : single) {
        for (int mode = 0; mode <= 5; ++mode)
            EXPECT_EQ(memsize::RomSizeTableIndex(row[0], mode), row[1]) << "type " << row[0] << " mode " << mode;
    }
    // Types 6..11, modes 1..4.
    const int moded[6][4] = {
        {7, 9, 5, 6}, {3, 4, 5, 6}, {7, 8, 9, 10}, {11, 12, 13, 14}, {15, 16, 17, 18}, {19, 20, 21, 22},
    };
    for (int type = 6; type <= 11; ++type) {
        for (int mode = 1; mode <= 4; ++mode)
            EXPECT_EQ(memsize::RomSizeTableIndex(type, mode), moded[type - 6][mode - 1])
                << "type " << type << " mode " << mode;
        EXPECT_EQ(memsize::RomSizeTableIndex(type, 0), 23) << "type " << type;
        EXPECT_EQ(memsize::RomSizeTableIndex(type, 5), 23) << "type " << type;
        EXPECT_EQ(memsize::RomSizeTableIndex(type, -1), 23) << "type " << type;
    }
    EXPECT_EQ(memsize::RomSizeTableIndex(-1, 0), -1);
    EXPECT_EQ(memsize::RomSizeTableIndex(31, 0), -1);
}

TEST(MemorySizeTableChoice, UsedObjectMaskBits)
{
    EXPECT_EQ(memsize::UsedObjectMask(0, 0, 0, 0, 0), 0);
    EXPECT_EQ(memsize::UsedObjectMask(1, 0, 0, 0, 0), 1);
    EXPECT_EQ(memsize::UsedObjectMask(0, 1, 0, 0, 0), 2);
    EXPECT_EQ(memsize::UsedObjectMask(0, 0, 1, 0, 0), 4);
    EXPECT_EQ(memsize::UsedObjectMask(0, 0, 0, 1, 0), 8);
    EXPECT_EQ(memsize::UsedObjectMask(0, 0, 0, 0, 1), 16);
    EXPECT_EQ(memsize::UsedObjectMask(1, 1, 1, 1, 1), 31);
}

TEST(MemorySizeTableChoice, BaseEntryFollowsTheMask)
{
    // Type 9 in mode 4 (table 14), every mask: ROM minus the fixed terms is the table entry.
    for (int k = 0; k < 32; ++k) {
        MemorySizeInputs in;
        in.cpuType = 9;
        in.cpuMode = 4;
        in.useFlg = k & 1 ? 1 : 0;
        in.useSem = k & 2 ? 1 : 0;
        in.useDtq = k & 4 ? 1 : 0;
        in.useTim = k & 8 ? 1 : 0;
        in.useCyc = k & 16 ? 1 : 0;
        const int extra = (k & 1 ? 1 : 0) + (k & 2 ? 1 : 0) + (k & 4 ? 1 : 0) + (k & 8 ? 4 + (k & 16 ? 1 : 0) : 0);
        EXPECT_EQ(EstimateMemorySize(in).rom, RomSizeTable[14][k] + 4 + 2 * 2 * 3 + 3 + 36 + extra) << "k " << k;
    }
}

// --- The typed-in tables -------------------------------------------------------------------------------

TEST(MemorySizeRomTable, ChecksumsOfEveryTable)
{
    // {table, sum of the 32 entries, sum of (index + 1) * entry}, counted independently of this source.
    const long long expected[kRomSizeTableCount][3] = {
        {0, 121424, 2167528},  {1, 115858, 2022218},  {2, 141344, 2473892},  {3, 113628, 1988680},
        {4, 116262, 2030092},  {5, 114031, 1999559},  {6, 118194, 2074242},  {7, 136688, 2401704},
        {8, 139810, 2450138},  {9, 138336, 2434172},  {10, 143462, 2527386}, {11, 115318, 2017352},
        {12, 118180, 2060828}, {13, 115968, 2030396}, {14, 120446, 2106474}, {15, 138616, 2432722},
        {16, 141878, 2484732}, {17, 140356, 2465124}, {18, 145376, 2558108}, {19, 120296, 2094538},
        {20, 0, 0},            {21, 121238, 2117826}, {22, 0, 0},            {23, 141028, 2478724},
        {24, 140954, 2478546}, {25, 136174, 2386062}, {26, 154316, 2703752}, {27, 146388, 2559700},
        {28, 146244, 2557492}, {29, 146266, 2557766}, {30, 146096, 2555272}, {31, 127288, 2279150},
        {32, 130521, 2332693}, {33, 164212, 2931556}, {34, 169010, 3023486}, {35, 229328, 4078584},
        {36, 111846, 1990864}, {37, 114798, 2048732}, {38, 109024, 1914068}, {39, 108955, 1912925},
        {40, 109764, 1925256}, {41, 109699, 1924209}, {42, 110764, 1940536}, {43, 110683, 1939169},
    };
    for (int t = 0; t < kRomSizeTableCount; ++t) {
        ASSERT_EQ(expected[t][0], t);
        long long sum = 0;
        long long weighted = 0;
        for (int i = 0; i < kRomSizeTableEntries; ++i) {
            sum += RomSizeTable[t][i];
            weighted += static_cast<long long>(i + 1) * RomSizeTable[t][i];
        }
        EXPECT_EQ(sum, expected[t][1]) << "table " << t;
        EXPECT_EQ(weighted, expected[t][2]) << "table " << t;
    }
}

TEST(MemorySizeRomTable, CyclicHandlersWithoutSystemTimeAreZeroEverywhere)
{
    for (int t = 0; t < kRomSizeTableCount; ++t) {
        for (int i = 16; i <= 23; ++i) EXPECT_EQ(RomSizeTable[t][i], 0) << "table " << t << " entry " << i;
        const bool empty = t == 20 || t == 22;
        for (int i : {0, 15, 24, 31}) {
            if (empty)
                EXPECT_EQ(RomSizeTable[t][i], 0) << "table " << t;
            else
                EXPECT_GT(RomSizeTable[t][i], 1000) << "table " << t << " entry " << i;
        }
    }
}

TEST(MemorySizeRomTable, EntriesQuotedInTheExamples)
{
    EXPECT_EQ(RomSizeTable[1][0], 2152);
    EXPECT_EQ(RomSizeTable[38][31], 7324);
    EXPECT_EQ(RomSizeTable[9][9], 5084);
    EXPECT_EQ(RomSizeTable[34][0], 2693);
    EXPECT_EQ(RomSizeTable[35][31], 15504);
    EXPECT_EQ(RomSizeTable[43][24], 3826);
}

// --- Values outside the usual ranges -------------------------------------------------------------------

TEST(MemorySizeRobustness, UnknownCpuTypeGivesEmptyFields)
{
    for (int type : {-1, 31, INT_MAX, INT_MIN}) {
        MemorySizeInputs in;
        in.cpuType = type;
        const MemorySize m = EstimateMemorySize(in);
        EXPECT_FALSE(m.valid) << type;
        const memsize::MemorySizeTexts t = FormatMemorySize(m);
        EXPECT_EQ(t.rom, "");
        EXPECT_EQ(t.ram, "");
        EXPECT_EQ(t.rebuildRom, "");
        EXPECT_EQ(t.rebuildRam, "");
    }
}

TEST(MemorySizeRobustness, HugeDataCountsSaturateInsteadOfWrapping)
{
    // A kernel file may carry any data count; the figure must not wrap into a small or negative number.
    CCData_conf_info conf;
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 127;
    for (int id = 1; id <= 127; ++id) conf.m_dtq.SetDtqData(id, 0, INT_MAX);
    const MemorySize m = EstimateMemorySize(conf);
    EXPECT_EQ(m.ram, INT32_MAX);
    EXPECT_EQ(m.rebuildRam, static_cast<std::int32_t>(static_cast<long long>(INT32_MAX) * 82 / 100));
    EXPECT_EQ(FormatMemorySize(m).ram, "2147483647");

    for (int id = 1; id <= 127; ++id) conf.m_dtq.SetDtqData(id, 0, INT_MIN);
    const MemorySize low = EstimateMemorySize(conf);
    EXPECT_EQ(low.ram, INT32_MIN);
    EXPECT_EQ(low.rebuildRam, static_cast<std::int32_t>(static_cast<long long>(INT32_MIN) * 82 / 100));
}

TEST(MemorySizeRobustness, CountsBeyondTheTableNeverReadPastIt)
{
    MemorySizeInputs in;
    in.useDtq = 1;
    in.dtqCount = 500;                 // more than the slots
    in.dtqDataCounts.assign(127, 1);   // what a configuration holds
    // (2+5)*500 + 3 + 8 + 4*127
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 3500 + 11 + 508);

    in.dtqCount = -3;
    EXPECT_EQ(EstimateMemorySize(in).ram, 31 + 7 * -3 + 11);
}

}  // namespace
