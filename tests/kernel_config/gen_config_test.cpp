// Block generators of config.c: CPU descriptions and per-CPU blocks, kernel mask, task tables, closing
// tables, and behaviour at the edges of the tables (127 tasks, counts out of range, names that look like formats).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "conf_info.h"
#include "cpu_types.h"

namespace {

int CountOf(const std::string& text, const std::string& pat)
{
    int n = 0;
    for (std::size_t pos = text.find(pat); pos != std::string::npos; pos = text.find(pat, pos + pat.size())) ++n;
    return n;
}

CCData_conf_info_cpu Cpu(int type, int mode = -1, int level = -1)
{
    CCData_conf_info_cpu cpu;
    cpu.SetCpuType(type);
    if (mode >= 0) cpu.SetCpuMode(mode);
    if (level >= 0) cpu.m_nMaskLevel = level;
    return cpu;
}

// ---- CPU description ----

TEST(CpuName, DescriptionsWithTheirSuffixes)
{
    EXPECT_EQ("H8/300L", Cpu(0).GetCpuName());
    EXPECT_EQ("H8/300H Normal Mode", Cpu(1, 2).GetCpuName());
    EXPECT_EQ("R8C1", Cpu(3).GetCpuName());
    EXPECT_EQ("R8C2", Cpu(4).GetCpuName());
    EXPECT_EQ("M16C/2x,3x,6x", Cpu(5).GetCpuName());
    EXPECT_EQ("H8S/Tiny(Advanced Mode)(IM2)", Cpu(6, 2).GetCpuName());
    EXPECT_EQ("H8S/Tiny(Advanced Mode)(IM0)", Cpu(6, 1).GetCpuName());
    EXPECT_EQ("H8S/2000 Normal Mode(IM0)", Cpu(7, 1).GetCpuName());
    EXPECT_EQ("H8S/2000 Advanced Mode(IM1)", Cpu(8, 2).GetCpuName());
    EXPECT_EQ("H8S/2600 Normal Mode(IM2)", Cpu(9, 3).GetCpuName());
    EXPECT_EQ("H8SX Advanced Mode(IM3)", Cpu(11, 4).GetCpuName());
    EXPECT_EQ("SH2(Big)", Cpu(12).GetCpuName());
    EXPECT_EQ("SH2(Little)", Cpu(13).GetCpuName());
    EXPECT_EQ("SH-2A(Big)", Cpu(14).GetCpuName());
    EXPECT_EQ("SH2A-FPU(Big)", Cpu(15).GetCpuName());
    EXPECT_EQ("SH-4A(Little)", Cpu(19).GetCpuName());
    EXPECT_EQ("RL78(Small Model)", Cpu(20).GetCpuName());
    EXPECT_EQ("RL78(Large Model)", Cpu(22).GetCpuName());
    EXPECT_EQ("RL78 CC-RL(Medium Model)", Cpu(24).GetCpuName());
    EXPECT_EQ("RX v1(Big)", Cpu(25).GetCpuName());
    EXPECT_EQ("RX v1(FPU/Little)", Cpu(28).GetCpuName());
    EXPECT_EQ("RX v2(FPU/Big)", Cpu(29).GetCpuName());
}

TEST(CpuName, ModeOutsideTheTableGivesNoSuffix)
{
    CCData_conf_info_cpu cpu = Cpu(7);
    cpu.m_nCpuMode = 0;
    EXPECT_EQ("H8S/2000 Normal Mode", cpu.GetCpuName());
    cpu.m_nCpuMode = 5;
    EXPECT_EQ("H8S/2000 Normal Mode", cpu.GetCpuName());
}

// The CPU is read back from this description alone, so no two types may share one.
TEST(CpuName, EveryTypeHasItsOwnDescription)
{
    std::set<std::string> seen;
    for (int type = 0; type < kCpuTypeCount; ++type) {
        const std::string name = Cpu(type).GetCpuName();
        EXPECT_FALSE(name.empty()) << type;
        EXPECT_TRUE(seen.insert(name).second) << "type " << type << " repeats " << name;
    }
}

TEST(CpuName, TypeOutsideTheTableGivesEmptyBlocks)
{
    CCData_conf_info_cpu cpu;
    for (int type : {-1, 31, 1000}) {
        cpu.m_nCpuType = type;
        EXPECT_EQ("", cpu.GetCpuName());
        EXPECT_EQ("", cpu.MakeKernelMask());
        EXPECT_EQ("", cpu.GetTcbStackFmt());
        EXPECT_EQ("", cpu.GetOsTrailer());
        EXPECT_EQ("", cpu.GetSectionOs());
    }
}

// ---- Per-CPU sections ----

TEST(CpuSections, EachFamilyGetsItsSectionLines)
{
    for (int type = 0; type < kCpuTypeCount; ++type) {
        const CCData_conf_info_cpu cpu = Cpu(type);
        const bool r8c = type >= 3 && type <= 5;
        const bool rl78 = type >= 20 && type <= 24;
        EXPECT_EQ(r8c, !cpu.GetSectionR8c().empty()) << type;
        EXPECT_EQ(rl78, !cpu.GetSectionRl78().empty()) << type;
        const bool sections = !r8c && !rl78;
        EXPECT_EQ(sections ? "#pragma section ustack\r\n" : "", cpu.GetSectionUstack()) << type;
        EXPECT_EQ(sections ? "#pragma section quorvaneos\r\n" : "", cpu.GetSectionOs()) << type;
        EXPECT_EQ(sections ? "#pragma section quorvaneosW\r\n" : "", cpu.GetSectionOsW()) << type;
    }
    EXPECT_EQ(0u, Cpu(22).GetSectionRl78().find("#pragma section @@CODE   @@QuoP\r\n"));
    EXPECT_EQ("#pragma section text  quoP\r\n#pragma section const quoC\r\n#pragma section data  quoD\r\n"
              "#pragma section bss   quoB\r\n\r\n",
              Cpu(23).GetSectionRl78());
    EXPECT_EQ(Cpu(23).GetSectionRl78(), Cpu(24).GetSectionRl78());
    EXPECT_EQ(Cpu(20).GetSectionRl78(), Cpu(21).GetSectionRl78());
}

TEST(CpuSections, StackTemplatesFollowTheWordAndCastOfTheType)
{
    EXPECT_EQ("H tcb_stack%d[(TCB%d_SIZE/sizeof(H))];\r\n", Cpu(0).GetTcbStackFmt());
    EXPECT_EQ("  { (H *)&tcb_stack%d[TCB%d_SIZE/sizeof(H)]  }%s         /* TCB%d */\r\n", Cpu(5).GetTcbSpInitFmt());
    for (int type : {1, 7, 9}) EXPECT_EQ("W tcb_stack%d[(TCB%d_SIZE/sizeof(W))];\r\n", Cpu(type).GetTcbStackFmt()) << type;
    for (int type : {2, 6, 8, 10, 11, 19, 24, 30}) {
        EXPECT_EQ("W tcb_stack%d[(TCB%d_SIZE/(UH)sizeof(W))];\r\n", Cpu(type).GetTcbStackFmt()) << type;
        EXPECT_EQ("  {  &tcb_stack%d[TCB%d_SIZE/(UH)sizeof(W)]  }%s        /* TCB%d */\r\n", Cpu(type).GetTcbSpInitFmt()) << type;
    }
}

// ---- Kernel mask ----

TEST(KernelMask, H8300hBitAndCcrFollowModeAndLevel)
{
    const std::string head = "/*------ Kernel Mask -----------------------------------------*/\r\n";
    EXPECT_EQ(head + "#define KNL_MSK_BIT     0x80u      /* 0x80=CCR.I  0xC0=CCR.I,U */\r\n"
                     "#define KNL_MSK_CCR     0x80u      /* CCR.I,UI      */\r\n\r\n",
              Cpu(1, 1, 2).MakeKernelMask());
    EXPECT_NE(std::string::npos, Cpu(2, 2, 1).MakeKernelMask().find("KNL_MSK_BIT     0xC0u"));
    EXPECT_NE(std::string::npos, Cpu(2, 2, 1).MakeKernelMask().find("KNL_MSK_CCR     0x80u"));
    EXPECT_NE(std::string::npos, Cpu(1, 2, 2).MakeKernelMask().find("KNL_MSK_CCR     0xC0u"));
    EXPECT_NE(std::string::npos, Cpu(1, 2, 7).MakeKernelMask().find("KNL_MSK_CCR     0xC0u"));
}

TEST(KernelMask, LevelFormsByFamily)
{
    EXPECT_EQ("", Cpu(0).MakeKernelMask());
    EXPECT_NE(std::string::npos, Cpu(3, -1, 5).MakeKernelMask().find("#define KNL_MSK_LEVEL   5                        /* IPL:b6-b4 */\r\n\r\n"));
    EXPECT_NE(std::string::npos, Cpu(10, 4, 9).MakeKernelMask().find("#define KNL_MSK_LEVEL       9u       /* kernel mask level(1-9) */\r\n\r\n"));
    EXPECT_NE(std::string::npos, Cpu(16, -1, 15).MakeKernelMask().find("#define KNL_MSK_LEVEL       15u     /* kernel mask level(1-15) */\r\n"));
    EXPECT_NE(std::string::npos, Cpu(30, -1, 1).MakeKernelMask().find("#define KNL_MSK_LEVEL       1u     /* kernel mask level(1-15) */\r\n"));
    EXPECT_NE(std::string::npos, Cpu(21, -1, 2).MakeKernelMask().find("#define KNL_MSK_LEVEL       2u     /* kernel mask level(2-0)  */\r\n"));
}

// ---- Closing tables ----

TEST(OsTrailer, EveryTextEndsWithEndifAndAnEmptyLineAndUsesCrLf)
{
    for (int type = 0; type < kCpuTypeCount; ++type) {
        const std::string text = Cpu(type).GetOsTrailer();
        ASSERT_GE(text.size(), 10u) << type;
        EXPECT_EQ("#endif\r\n\r\n", text.substr(text.size() - 10)) << type;
        EXPECT_EQ(0u, text.find("/*============================================================*/\r\n"
                                "/*==  Please do not change below.                           ==*/\r\n")) << type;
        EXPECT_EQ(CountOf(text, "\n"), CountOf(text, "\r\n")) << type;
    }
}

TEST(OsTrailer, TypesWithoutSectionsHaveNoPragma)
{
    for (int type : {3, 4, 5, 20, 21, 22, 23, 24}) EXPECT_EQ(0, CountOf(Cpu(type).GetOsTrailer(), "#pragma section")) << type;
    EXPECT_EQ(1, CountOf(Cpu(22).GetOsTrailer(), "UB knl_tcbst[KNL_TCB_NUM];\r\nUB knl_waitid[KNL_TCB_NUM];\r\n"));
    EXPECT_EQ(0, CountOf(Cpu(4).GetOsTrailer(), "knl_waitid"));
}

TEST(OsTrailer, FamiliesShareTextsAsTheirTablesDo)
{
    for (int type : {4, 5}) EXPECT_EQ(Cpu(3).GetOsTrailer(), Cpu(type).GetOsTrailer());
    EXPECT_EQ(Cpu(7).GetOsTrailer(), Cpu(9).GetOsTrailer());
    EXPECT_EQ(Cpu(6).GetOsTrailer(), Cpu(8).GetOsTrailer());
    EXPECT_EQ(Cpu(6).GetOsTrailer(), Cpu(10).GetOsTrailer());
    for (int type = 13; type <= 15; ++type) EXPECT_EQ(Cpu(12).GetOsTrailer(), Cpu(type).GetOsTrailer());
    for (int type = 17; type <= 19; ++type) EXPECT_EQ(Cpu(16).GetOsTrailer(), Cpu(type).GetOsTrailer());
    for (int type = 21; type <= 24; ++type) EXPECT_EQ(Cpu(20).GetOsTrailer(), Cpu(type).GetOsTrailer());
    for (int type = 26; type <= 30; ++type) EXPECT_EQ(Cpu(25).GetOsTrailer(), Cpu(type).GetOsTrailer());
    std::set<std::string> distinct;
    for (int type : {0, 1, 2, 3, 7, 6, 11, 12, 16, 20, 25}) distinct.insert(Cpu(type).GetOsTrailer());
    EXPECT_EQ(11u, distinct.size());
}

// Types 7 and 9 differ from 6, 8 and 10 only in the seven section lines of the word-aligned tables.
TEST(OsTrailer, HalfWordAndWordVariantsDifferInSevenSectionLines)
{
    std::string h = Cpu(7).GetOsTrailer();
    const std::string w = Cpu(8).GetOsTrailer();
    EXPECT_EQ(7, CountOf(w, "#pragma section quorvaneosW\r\n") - CountOf(h, "#pragma section quorvaneosW\r\n"));
    ASSERT_EQ(h.size(), w.size());
    int diffs = 0;
    for (std::size_t i = 0; i < h.size(); ++i) {
        if (h[i] == w[i]) continue;
        ++diffs;
        EXPECT_EQ('H', h[i]);
        EXPECT_EQ('W', w[i]);
    }
    EXPECT_EQ(7, diffs);
    EXPECT_NE(std::string::npos, Cpu(11).GetOsTrailer().find("#if H8SX_INTMODE == 3\r\n"));
    EXPECT_EQ(std::string::npos, Cpu(11).GetOsTrailer().find("H8S_INTMODE"));
}

TEST(OsTrailer, RxEndsWithTheAssemblerSymbolChecks)
{
    const std::string text = Cpu(27).GetOsTrailer();
    const std::string tail =
        "#if (QVOS_FINT_REG+QVOS_BASE_REG < 0) || (QVOS_FINT_REG+QVOS_BASE_REG > 6)\r\n"
        "    #error \" quorvane-os: RX Assembler symbol 'QVOS_FINT_REG' + 'QVOS_BASE_REG' value is not 0-6\" \r\n"
        "#endif\r\n\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
    EXPECT_EQ(3, CountOf(text, "\" \r\n"));
    EXPECT_NE(std::string::npos, text.find("#endif\r\n\r\n#if (QVOS_FINT_REG < 0) || (QVOS_FINT_REG > 4)\r\n"));
}

TEST(OsTrailer, MaskBlocksStandAfterThePriorityBitmapSize)
{
    const std::string anchor = "const B knl_bmapSzPritcp = KNL_TCB_PRI_BMSZ;\r\n#endif\r\n";
    EXPECT_NE(std::string::npos, Cpu(0).GetOsTrailer().find(anchor + "#pragma section quorvaneosH\r\nTCBSP knl_tcbsp"));
    EXPECT_NE(std::string::npos, Cpu(1).GetOsTrailer().find(anchor + "const UB knl_mskbit2 = KNL_MSK_BIT;\r\n"
                                                                      "const UH knl_msklvl2 = KNL_MSK_CCR << 8;\r\n#pragma section quorvaneosH\r\n"));
    EXPECT_NE(std::string::npos, Cpu(3).GetOsTrailer().find(anchor + "#if (KNL_MSK_LEVEL > 0) && (KNL_MSK_LEVEL < 8)\r\n"));
    EXPECT_NE(std::string::npos, Cpu(3).GetOsTrailer().find("#endif\r\n\r\nTCBSP knl_tcbsp[KNL_TCB_NUM];\r\n"));
    EXPECT_NE(std::string::npos, Cpu(9).GetOsTrailer().find(anchor + "\r\n#if H8S_INTMODE == 0\r\n"));
    EXPECT_NE(std::string::npos, Cpu(18).GetOsTrailer().find(anchor + "#if (KNL_MSK_LEVEL > 0) && (KNL_MSK_LEVEL < 16)\r\n"
                                                                       "    const UW knl_msk = 0x40000000uL + (KNL_MSK_LEVEL << 4);\r\n"));
    EXPECT_NE(std::string::npos, Cpu(13).GetOsTrailer().find("    const UW knl_msk = KNL_MSK_LEVEL << 4;\r\n"));
}

// ---- Tasks ----

TEST(TaskTables, HexStackSizesAndStates)
{
    CCData_conf_info_tsk tsk;
    tsk.m_nTskNum = 4;
    tsk.SetTskData(1, 0, 18, "a");
    tsk.SetTskData(2, 1, 1024, "b");
    tsk.SetTskData(3, 3, 128, "c");  // only bit 0 says sleeping
    tsk.SetTskData(4, 2, 128, "d");
    const std::string sizes = tsk.MakeTcbSizeDef();
    EXPECT_NE(std::string::npos, sizes.find("#define TCB1_SIZE       0x12u\r\n"));
    EXPECT_NE(std::string::npos, sizes.find("#define TCB2_SIZE       0x400u\r\n"));
    const std::string states = tsk.MakeTcbStInit();
    EXPECT_NE(std::string::npos, states.find("    CTCB_ST_RDY,                                    /* TCB1   */\r\n"));
    EXPECT_NE(std::string::npos, states.find("    CTCB_ST_SLP,                                    /* TCB2   */\r\n"));
    EXPECT_NE(std::string::npos, states.find("    CTCB_ST_SLP,                                    /* TCB3   */\r\n"));
    EXPECT_NE(std::string::npos, states.find("    CTCB_ST_RDY                                     /* TCB4   */\r\n};\r\n\r\n"));
}

TEST(TaskTables, TheLastOf127RowsGetsTheBlankSeparator)
{
    CCData_conf_info_tsk tsk;
    tsk.m_nTskNum = 127;
    const CCData_conf_info_cpu cpu = Cpu(12);
    const std::string sp = tsk.MakeTcbSpInit(cpu.GetTcbSpInitFmt());
    EXPECT_EQ(127, CountOf(sp, "/* TCB"));
    EXPECT_EQ(126, CountOf(sp, "]  },"));
    EXPECT_NE(std::string::npos, sp.find("  {  &tcb_stack127[TCB127_SIZE/(UH)sizeof(W)]  }         /* TCB127 */\r\n};\r\n\r\n"));
    const std::string addr = tsk.MakeTcbAddrInit();
    EXPECT_EQ(127, CountOf(addr, "/* TCB"));
    EXPECT_NE(std::string::npos, addr.find("  { tsk127    }                                      /* TCB127   */\r\n"));
    EXPECT_EQ("        extern void tsk127(void);                    /* TCB127   */\r\n",
              tsk.MakeTcbStartExtern().substr(tsk.MakeTcbStartExtern().rfind("        extern")));
    EXPECT_EQ(127, CountOf(tsk.MakeTcbStack(cpu.GetTcbStackFmt()), "W tcb_stack"));
}

TEST(TaskTables, StartAddressTableLeavesItsClosingToTheStatusTable)
{
    CCData_conf_info_tsk tsk;
    tsk.m_nTskNum = 1;
    const std::string addr = tsk.MakeTcbAddrInit();
    EXPECT_EQ("/*** Table for start addr init ***/\r\n\r\nconst TCBADDR knl_tcbAddrInit[KNL_TCB_NUM] = {\r\n"
              "  { tsk01    }                                      /* TCB1   */\r\n",
              addr);
    EXPECT_EQ(0u, tsk.MakeTcbStInit().find("};\r\n\r\n/*------ TCB Status Init"));
}

// A name is data, never a template: "%s" and "%n" must come out as they stand.
TEST(TaskTables, NamesThatLookLikeFormatsAreWrittenAsTheyStand)
{
    CCData_conf_info_tsk tsk;
    tsk.m_nTskNum = 1;
    tsk.SetTskData(1, 0, 128, "x%s%n%d%%");
    EXPECT_NE(std::string::npos, tsk.MakeTcbStartExtern().find("extern void x%s%n%d%%(void);"));
    EXPECT_NE(std::string::npos, tsk.MakeTcbAddrInit().find("  { x%s%n%d%%    } "));
}

// Counts outside 1..127 never reach past the 127 table slots; the define keeps the stored number.
TEST(TaskTables, CountsBeyondTheTableStopAtItsEnd)
{
    CCData_conf_info_tsk tsk;
    tsk.m_nTskNum = 500;
    EXPECT_NE(std::string::npos, tsk.MakeTcbNumDef().find("#define KNL_TCB_NUM         500\r\n"));
    EXPECT_EQ(127, CountOf(tsk.MakeTcbSizeDef(), "_SIZE "));
    EXPECT_EQ(127, CountOf(tsk.MakeTcbStInit(), "\n    CTCB_ST_"));
    tsk.m_nTskNum = -3;
    EXPECT_EQ(0, CountOf(tsk.MakeTcbStInit(), "\n    CTCB_ST_"));
    EXPECT_EQ("/*------ TCB Stack Size --------------------------------------*/\r\n\r\n", tsk.MakeTcbSizeDef());
}

// ---- Counts and the system time ----

TEST(CountBlocks, WrittenWhateverTheUseFlags)
{
    CCData_conf_info conf;
    conf.m_flg.m_nFlgNum = 127;
    conf.m_tim.m_nCyclicTime = 2000000;
    EXPECT_NE(std::string::npos, conf.m_flg.MakeFlgNumDef().find("#define EVFLG_NUM      127                 /* FLG Number        */\r\n"));
    EXPECT_NE(std::string::npos, conf.m_tim.MakeSysTimDef().find("#define SYSTIM_CYCLIC_TIM   2000000uL        /* systim time(msec) */\r\n"));
    EXPECT_EQ(0u, conf.m_sem.MakeSemNumDef().find("/*------ SEMAPHORE ----"));
    EXPECT_NE(std::string::npos, conf.m_cyc.MakeCycNumDef().find("#ifdef CYC_HDR\r\n#define CYC_NUM        1 "));
    EXPECT_NE(std::string::npos, conf.m_dtq.MakeDtqNumDef().find("#ifdef DATAQUE\r\n#define DTQ_NUM        1 "));
}

}  // namespace
