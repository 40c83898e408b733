// Tests of the CPU analysis (which CPU a config.c was written for) and of the kernel-mask analysis.
#include <string>

#include <gtest/gtest.h>

#include "analyser_fixture.h"

namespace {

// The header line the writer puts into config.c.
std::string Header(const std::string& cpu)
{
    return "/*********************************************************************\r\n"
           " * Quorvane OS V3\r\n"
           " *********************************************************************\r\n"
           " * File:        config.c\r\n"
           " * Description: configuration file for " + cpu + "\r\n"
           " *********************************************************************\r\n"
           " */\r\n"
           "#include \"qvos.h\"\r\n\r\n";
}

struct CpuCase {
    const char* description;
    int type;
};

// The description of every type as the header carries it, modes of types 6 to 11 included.
const CpuCase kDescriptions[] = {
    {"H8/300L", 0},
    {"H8/300H Normal Mode", 1},
    {"H8/300H Advanced Mode", 2},
    {"R8C1", 3},
    {"R8C2", 4},
    {"M16C/2x,3x,6x", 5},
    {"H8S/Tiny(Advanced Mode)(IM2)", 6},
    {"H8S/Tiny(Advanced Mode)(IM0)", 6},
    {"H8S/2000 Normal Mode(IM2)", 7},
    {"H8S/2000 Advanced Mode(IM0)", 8},
    {"H8S/2600 Normal Mode(IM1)", 9},
    {"H8S/2600 Advanced Mode(IM3)", 10},
    {"H8SX Advanced Mode(IM2)", 11},
    {"SH2(Big)", 12},
    {"SH2(Little)", 13},
    {"SH-2A(Big)", 14},
    {"SH2A-FPU(Big)", 15},
    {"SH-4(Big)", 16},
    {"SH-4(Little)", 17},
    {"SH-4A(Big)", 18},
    {"SH-4A(Little)", 19},
    {"RL78(Small Model)", 20},
    {"RL78(Medium Model)", 21},
    {"RL78(Large Model)", 22},
    {"RL78 CC-RL(Small Model)", 23},
    {"RL78 CC-RL(Medium Model)", 24},
    {"RX v1(Big)", 25},
    {"RX v1(Little)", 26},
    {"RX v1(FPU/Big)", 27},
    {"RX v1(FPU/Little)", 28},
    {"RX v2(FPU/Big)", 29},
    {"RX v2(FPU/Little)", 30},
};

using CpuAnalysis = AnalyserTest;
using KernelMask = AnalyserTest;
using ShiftJisCpu = ShiftJisAnalyserTest;

TEST_F(CpuAnalysis, EveryWrittenDescriptionIsRecognised)
{
    for (const CpuCase& c : kDescriptions) {
        SCOPED_TRACE(c.description);
        Conf().m_cpu.SetCpuType(16);
        int type = -1;
        EXPECT_EQ(m_doc.AnalyzeCpu(Header(c.description), type), 1);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(Conf().m_cpu.GetCpuType(), c.type);
    }
}

TEST_F(CpuAnalysis, EarlierRowWinsWhereverTheNamesStand)
{
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu(Header("SH2A-FPU(Big)") + "/* was SH-2A(Big) */\r\n", type), 1);
    EXPECT_EQ(type, 14);
    EXPECT_EQ(m_doc.AnalyzeCpu("RX v2 ... R8C", type), 1);
    EXPECT_EQ(type, 3);
}

TEST_F(CpuAnalysis, ShorterNamesCatchWhatTheLongerOnesMiss)
{
    const CpuCase cases[] = {{"R8C/Tiny", 3}, {"SH-2A(Little)", 14}, {"SH2A", 14}, {"SH2", 12},
                             {"SH-4A", 18},   {"SH-4", 16},          {"RL78 CC-RL", 24}, {"RL78", 21},
                             {"RX v1", 26},   {"RX v2", 30},         {"RX200", 26}, {"RX600", 28},
                             {"RX", 26}};
    for (const CpuCase& c : cases) {
        SCOPED_TRACE(c.description);
        int type = -1;
        EXPECT_EQ(m_doc.AnalyzeCpu(c.description, type), 1);
        EXPECT_EQ(type, c.type);
    }
}

TEST_F(CpuAnalysis, FamilyWithoutItsModeWordFailsAtOnce)
{
    Conf().m_cpu.SetCpuType(16);
    int type = -1;
    // "RX v1(Big)" further down is not tried: the family name decided.
    EXPECT_EQ(m_doc.AnalyzeCpu(Header("H8S/2000") + "/* RX v1(Big) */\r\n", type), 0);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(Conf().m_cpu.GetCpuType(), 1);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 1);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 1);
    EXPECT_EQ(Conf().m_cpu.m_nStackAlign, 4);
    // H8SX knows only the advanced mode.
    EXPECT_EQ(m_doc.AnalyzeCpu(Header("H8SX Normal Mode"), type), 0);
    EXPECT_EQ(type, 1);
}

TEST_F(CpuAnalysis, ModeWordIsCaseBlindAndMayStandAnywhere)
{
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu("H8/300H\r\n/* ADVANCED MODE */", type), 1);
    EXPECT_EQ(type, 2);
    // "normal mode" is asked first.
    EXPECT_EQ(m_doc.AnalyzeCpu("H8S/2600 advanced mode, once normal mode", type), 1);
    EXPECT_EQ(type, 9);
}

TEST_F(CpuAnalysis, NamesAreCaseSensitive)
{
    Conf().m_cpu.SetCpuType(3);
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu(Header("h8s/2600 normal mode"), type), 0);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(Conf().m_cpu.GetCpuType(), 1);
}

TEST_F(CpuAnalysis, EmptyTextFallsBackToTheDefaultType)
{
    Conf().m_cpu.SetCpuType(20);
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu("", type), 0);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 1);
}

TEST_F(CpuAnalysis, RecognisedTypeBringsItsDefaults)
{
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu(Header("R8C2"), type), 1);
    EXPECT_EQ(Conf().m_cpu.m_nCpuMode, 0);
    EXPECT_EQ(Conf().m_cpu.m_nMaskLevel, 6);
    EXPECT_EQ(Conf().m_cpu.m_nStackAlign, 1);
}

TEST_F(ShiftJisCpu, ModeWordInsideADoubleByteCharacterIsNotLowerCased)
{
    // 0x82 'N' is one character: its second byte stays upper case and "normal mode" is not there.
    int type = -1;
    EXPECT_EQ(m_doc.AnalyzeCpu("H8/300H \x82NORMAL MODE", type), 0);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(m_doc.AnalyzeCpu("H8/300H \x82 NORMAL MODE", type), 1);
}

// Runs the kernel-mask analysis after selecting the type as the CPU analysis would.
struct MaskResult {
    int result;
    int mode;
    int level;
};

class KernelMaskOf : public AnalyserTest {
protected:
    MaskResult Run(int type, const std::string& text)
    {
        Conf().m_cpu.SetCpuType(type);
        MaskResult r{-1, -1, -1};
        r.result = m_doc.AnalyzeKernelMask(text, type, r.mode, r.level);
        return r;
    }
    int ConfMode() { return Conf().m_cpu.m_nCpuMode; }
    int ConfLevel() { return Conf().m_cpu.m_nMaskLevel; }
};

TEST_F(KernelMaskOf, H8s2600InInterruptMode1)
{
    const MaskResult r = Run(9, Header("H8S/2600 Normal Mode(IM1)") +
                                    "#define KNL_MSK_LEVEL       2u       /* kernel mask level(1-9) */\r\n");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 2);
    // The mode is set at once; the level is left to the caller on success.
    EXPECT_EQ(ConfMode(), 2);
    EXPECT_EQ(ConfLevel(), 1);
}

TEST_F(KernelMaskOf, MissingMarkKeepsAValidLevelOutOfTheConfiguration)
{
    const MaskResult r = Run(7, "#define KNL_MSK_LEVEL 7u\r\n");
    EXPECT_EQ(r.result, 0x40);
    EXPECT_EQ(r.mode, 3);
    EXPECT_EQ(r.level, 7);
    EXPECT_EQ(ConfMode(), 3);
    EXPECT_EQ(ConfLevel(), 6);
}

TEST_F(KernelMaskOf, MarksAreTriedInTableOrderNotTextOrder)
{
    const MaskResult r =
        Run(10, Header("H8S/2600 Advanced Mode(IM3)") + "/* was (IM1) */\r\n#define KNL_MSK_LEVEL 2u\r\n");
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.result, 0);
    const MaskResult t = Run(6, "(IM2) (IM0)\r\n#define KNL_MSK_LEVEL 1u\r\n");
    EXPECT_EQ(t.mode, 1);
    EXPECT_EQ(t.result, 0);
}

TEST_F(KernelMaskOf, LevelRangesOfTheInterruptModes)
{
    struct Case {
        const char* mark;
        int level;
        int result;
        int reported;
    } cases[] = {
        {"(IM0)", 1, 0, 1},    {"(IM0)", 2, 0x01, 1}, {"(IM1)", 2, 0, 2},    {"(IM1)", 3, 0x01, 1},
        {"(IM2)", 7, 0, 7},    {"(IM2)", 8, 0x01, 6}, {"(IM3)", 9, 0, 9},    {"(IM3)", 10, 0x01, 6},
        {"(IM3)", 0, 0x01, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mark) + " level " + std::to_string(c.level));
        const MaskResult r =
            Run(11, Header(std::string("H8SX Advanced Mode") + c.mark) + "#define KNL_MSK_LEVEL " +
                        std::to_string(c.level) + "u\r\n");
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.level, c.reported);
        if (c.result != 0) {
            EXPECT_EQ(ConfLevel(), c.reported);
        }
    }
}

TEST_F(KernelMaskOf, TinyInMode2FallsBackToALevelItAccepts)
{
    MaskResult r = Run(6, Header("H8S/Tiny(Advanced Mode)(IM2)") + "#define KNL_MSK_LEVEL 3u\r\n");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.level, 3);
    r = Run(6, Header("H8S/Tiny(Advanced Mode)(IM2)") + "#define KNL_MSK_LEVEL 4u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 2);
    EXPECT_EQ(ConfLevel(), 2);
    r = Run(6, Header("H8S/Tiny(Advanced Mode)(IM0)") + "#define KNL_MSK_LEVEL 2u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(ConfMode(), 1);
    // No mark at all and no level: the failure mode 2 and its failure level.
    r = Run(6, "");
    EXPECT_EQ(r.result, 0x41);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 2);
}

TEST_F(KernelMaskOf, LevelOutOfRangeReportsTheFailureLevel)
{
    MaskResult r = Run(12, "#define KNL_MSK_LEVEL       16u     /* kernel mask level(1-15) */\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 14);
    EXPECT_EQ(ConfLevel(), 14);
    EXPECT_EQ(r.mode, 0);
    r = Run(25, "#define KNL_MSK_LEVEL 0u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 6);
    r = Run(4, "#define KNL_MSK_LEVEL   7                        /* IPL:b6-b4 */\r\n");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.level, 7);
    r = Run(4, "#define KNL_MSK_LEVEL   8\r\n");
    EXPECT_EQ(r.level, 6);
}

TEST_F(KernelMaskOf, Rl78AcceptsLevelZero)
{
    MaskResult r = Run(22, "#define KNL_MSK_LEVEL       0u     /* kernel mask level(2-0)  */\r\n");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.level, 0);
    r = Run(23, "");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 0);
    r = Run(24, "#define KNL_MSK_LEVEL 3u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 0);
}

TEST_F(KernelMaskOf, HugeLevelDoesNotWrapIntoRange)
{
    // 4294967297 would wrap to 1 in 32 bits.
    const MaskResult r = Run(26, "#define KNL_MSK_LEVEL 4294967297u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 6);
}

TEST_F(KernelMaskOf, OnlyTheFirstLevelLineOfTheStrippedTextCounts)
{
    MaskResult r = Run(16, "/* KNL_MSK_LEVEL 20 */\r\nKNL_MSK_LEVEL 3\r\n#define KNL_MSK_LEVEL 99\r\n");
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.level, 3);
    // A level in a last line without CR LF is missing.
    r = Run(16, "#define KNL_MSK_LEVEL 3");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 14);
}

TEST_F(KernelMaskOf, H8300lHasNoMaskAtAll)
{
    Conf().m_cpu.SetCpuType(0);
    Conf().m_cpu.m_nMaskLevel = 5;
    MaskResult r{-1, -1, -1};
    r.result = m_doc.AnalyzeKernelMask("#define KNL_MSK_LEVEL 3\r\n", 0, r.mode, r.level);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 0);
    EXPECT_EQ(r.level, 0);
    EXPECT_EQ(ConfLevel(), 5);
}

const char kBitC0[] = "#define KNL_MSK_BIT     0xC0u      /* 0x80=CCR.I  0xC0=CCR.I,U */\r\n";
const char kBit80[] = "#define KNL_MSK_BIT     0x80u      /* 0x80=CCR.I  0xC0=CCR.I,U */\r\n";
const char kCcrC0[] = "#define KNL_MSK_CCR     0xC0u      /* CCR.I,UI      */\r\n";
const char kCcr80[] = "#define KNL_MSK_CCR     0x80u      /* CCR.I,UI      */\r\n";

TEST_F(KernelMaskOf, H8300hModeAndLevelFromTheTwoMaskDefines)
{
    MaskResult r = Run(1, std::string(kBitC0) + kCcr80);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 1);
    r = Run(2, std::string(kBitC0) + kCcrC0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 2);
    EXPECT_EQ(ConfMode(), 2);
}

TEST_F(KernelMaskOf, H8300hCommentValuesAreNotRead)
{
    // "0xC0" stands in the comment of the mode-1 line.
    const MaskResult r = Run(1, std::string(kBit80) + kCcr80);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.level, 1);
}

TEST_F(KernelMaskOf, H8300hLevel2IsOutsideMode1)
{
    const MaskResult r = Run(1, std::string(kBit80) + kCcrC0);
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(ConfLevel(), 1);
}

TEST_F(KernelMaskOf, H8300hUnknownBitReturnsAtOnceKeepingTheCcrLevel)
{
    const MaskResult r = Run(1, std::string("#define KNL_MSK_BIT 0x40u\r\n") + kCcrC0);
    EXPECT_EQ(r.result, 0x20);
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.level, 2);
    EXPECT_EQ(ConfLevel(), 2);
}

TEST_F(KernelMaskOf, H8300hUnknownCcr)
{
    const MaskResult r = Run(2, std::string(kBitC0) + "#define KNL_MSK_CCR 0x00u\r\n");
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(ConfLevel(), 1);
}

TEST_F(KernelMaskOf, H8300hWithoutBitLine)
{
    MaskResult r = Run(1, kCcrC0);
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.level, 1);
    EXPECT_EQ(ConfLevel(), 1);
    r = Run(1, "");
    EXPECT_EQ(r.result, 0x01);
    r = Run(1, kBitC0);  // no CCR line: no level
    EXPECT_EQ(r.result, 0x01);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 1);
}

TEST_F(KernelMaskOf, H8300hLaterLinesBeforeBothAreSeenOverride)
{
    MaskResult r = Run(1, std::string(kBit80) + "#define KNL_MSK_BIT 0XC0U\r\n" + kCcrC0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.mode, 2);
    EXPECT_EQ(r.level, 2);
    // An unknown value read again as a known one no longer counts as a failure.
    r = Run(1, std::string("#define KNL_MSK_BIT 0x40u\r\n") + kBitC0 + kCcr80);
    EXPECT_EQ(r.result, 0);
    // Once both are seen, nothing after is read.
    r = Run(1, std::string(kBitC0) + kCcr80 + "#define KNL_MSK_BIT 0x40u\r\n" + kCcrC0);
    EXPECT_EQ(r.result, 0);
    EXPECT_EQ(r.level, 1);
}

TEST_F(KernelMaskOf, TypeOutsideTheTableTouchesNothing)
{
    Conf().m_cpu.SetCpuType(9);
    for (int type : {-1, 31, 1000}) {
        MaskResult r{-1, -1, -1};
        r.result = m_doc.AnalyzeKernelMask("#define KNL_MSK_LEVEL 2u\r\n", type, r.mode, r.level);
        EXPECT_EQ(r.result, 0x01);
        EXPECT_EQ(r.mode, 3);
        EXPECT_EQ(r.level, 6);
        EXPECT_EQ(ConfMode(), 3);
        EXPECT_EQ(ConfLevel(), 6);
    }
}

}  // namespace
