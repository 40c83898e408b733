// Block generators of config.c: the CPU description and per-CPU blocks, the task tables, the object
// counts and the system-time cycle. Each returns a new string and leaves the configuration untouched.
#include "conf_info.h"
#include "cpu_types.h"
#include "gen_util.h"
#include "templates.h"
#include "text.h"

#include <string>

namespace {

using qvgen::RowCount;

// Entry of a 31-row per-CPU table; a type outside the table gives the empty entry.
const char* CpuRow(const char* const (&table)[kCpuTypeCount], int type)
{
    return (type >= 0 && type < kCpuTypeCount) ? table[type] : "";
}

// The per-task tables end every row with "," but the last, which gets one blank.
const char* RowSeparator(int id, int count)
{
    return id < count ? "," : " ";
}

const char* const kCpuName[kCpuTypeCount] = {
    "H8/300L", "H8/300H Normal Mode", "H8/300H Advanced Mode", "R8C", "R8C", "M16C/2x,3x,6x",
    "H8S/Tiny(Advanced Mode)", "H8S/2000 Normal Mode", "H8S/2000 Advanced Mode", "H8S/2600 Normal Mode",
    "H8S/2600 Advanced Mode", "H8SX Advanced Mode", "SH2", "SH2", "SH-2A", "SH2A-FPU", "SH-4", "SH-4",
    "SH-4A", "SH-4A", "RL78", "RL78", "RL78", "RL78 CC-RL", "RL78 CC-RL",
    "RX v1", "RX v1", "RX v1", "RX v1", "RX v2", "RX v2",
};

// Suffix of the types whose description does not depend on the mode.
const char* const kCpuSuffix[kCpuTypeCount] = {
    "", "", "", "1", "2", "",                        // 0..5
    "", "", "", "", "", "",                          // 6..11: by mode
    "(Big)", "(Little)", "(Big)", "(Big)", "(Big)", "(Little)", "(Big)", "(Little)",  // 12..19
    "(Small Model)", "(Medium Model)", "(Large Model)", "(Small Model)", "(Medium Model)",  // 20..24
    "(Big)", "(Little)", "(FPU/Big)", "(FPU/Little)", "(FPU/Big)", "(FPU/Little)",  // 25..30
};

const char kRl78BlockA[] =
    "#pragma section @@CODE   @@QuoP\r\n#pragma section @@CODEL  @@QuoPL\r\n"
    "#pragma section @@CALT   @@QuoPCA\r\n#pragma section @@BASE   @@QuoPBA\r\n"
    "#pragma section @@CNST   @@QuoC\r\n#pragma section @@CNSTL  @@QuoCL\r\n"
    "#pragma section @@R_INIT @@QuoR\r\n#pragma section @@RLINIT @@QuoRL\r\n"
    "#pragma section @@R_INIS @@QuoRS\r\n\r\n"
    "#pragma section @@DATA   @@QuoB\r\n#pragma section @@DATAL  @@QuoBL\r\n"
    "#pragma section @@DATS   @@QuoBS\r\n#pragma section @@BITS   @@QuoBB\r\n"
    "#pragma section @@INIT   @@QuoD\r\n#pragma section @@INITL  @@QuoDL\r\n"
    "#pragma section @@INIS   @@QuoDS\r\n\r\n";
const char kRl78BlockB[] =
    "#pragma section text  quoP\r\n#pragma section const quoC\r\n#pragma section data  quoD\r\n"
    "#pragma section bss   quoB\r\n\r\n";
const char kR8cBlock[] =
    "#pragma section program Pquorvaneos\r\n#pragma section rom     Cquorvaneos\r\n"
    "#pragma section bss     Bquorvaneos\r\n\r\n";
const char kUstackLine[] = "#pragma section ustack\r\n";
const char kOsLine[] = "#pragma section quorvaneos\r\n";
const char kOsWLine[] = "#pragma section quorvaneosW\r\n";

#define QV_X3(s) s, s, s
#define QV_X5(s) s, s, s, s, s
#define QV_X6(s) s, s, s, s, s, s
#define QV_X8(s) s, s, s, s, s, s, s, s

// Types 0-2 | 3-5 | 6-11 | 12-19 | 20-22 | 23-24 | 25-30
const char* const kSectionRl78[kCpuTypeCount] = {
    QV_X3(""), QV_X3(""), QV_X6(""), QV_X8(""), QV_X3(kRl78BlockA), kRl78BlockB, kRl78BlockB, QV_X6("")};
const char* const kSectionR8c[kCpuTypeCount] = {
    QV_X3(""), QV_X3(kR8cBlock), QV_X6(""), QV_X8(""), QV_X3(""), "", "", QV_X6("")};
const char* const kSectionUstack[kCpuTypeCount] = {
    QV_X3(kUstackLine), QV_X3(""), QV_X6(kUstackLine), QV_X8(kUstackLine), QV_X3(""), "", "",
    QV_X6(kUstackLine)};
const char* const kSectionOs[kCpuTypeCount] = {
    QV_X3(kOsLine), QV_X3(""), QV_X6(kOsLine), QV_X8(kOsLine), QV_X3(""), "", "", QV_X6(kOsLine)};
const char* const kSectionOsW[kCpuTypeCount] = {
    QV_X3(kOsWLine), QV_X3(""), QV_X6(kOsWLine), QV_X8(kOsWLine), QV_X3(""), "", "", QV_X6(kOsWLine)};

const char kStackH[] = "H tcb_stack%d[(TCB%d_SIZE/sizeof(H))];\r\n";
const char kStackW[] = "W tcb_stack%d[(TCB%d_SIZE/sizeof(W))];\r\n";
const char kStackWUh[] = "W tcb_stack%d[(TCB%d_SIZE/(UH)sizeof(W))];\r\n";
const char kSpH[] = "  {  &tcb_stack%d[TCB%d_SIZE/sizeof(H)]  }%s           /* TCB%d */\r\n";
const char kSpHCast[] = "  { (H *)&tcb_stack%d[TCB%d_SIZE/sizeof(H)]  }%s         /* TCB%d */\r\n";
const char kSpW[] = "  {  &tcb_stack%d[TCB%d_SIZE/sizeof(W)]  }%s           /* TCB%d */\r\n";
const char kSpWUh[] = "  {  &tcb_stack%d[TCB%d_SIZE/(UH)sizeof(W)]  }%s        /* TCB%d */\r\n";

// Types 0 | 1 | 2 | 3-5 | 6 | 7 | 8 | 9 | 10 | 11-30
const char* const kTcbStackFmt[kCpuTypeCount] = {
    kStackH, kStackW, kStackWUh, QV_X3(kStackH), kStackWUh, kStackW, kStackWUh, kStackW, kStackWUh,
    QV_X5(kStackWUh), QV_X5(kStackWUh), QV_X5(kStackWUh), QV_X5(kStackWUh)};
const char* const kTcbSpInitFmt[kCpuTypeCount] = {
    kSpH, kSpW, kSpWUh, QV_X3(kSpHCast), kSpWUh, kSpW, kSpWUh, kSpW, kSpWUh,
    QV_X5(kSpWUh), QV_X5(kSpWUh), QV_X5(kSpWUh), QV_X5(kSpWUh)};

const char kMaskHead[] = "/*------ Kernel Mask -----------------------------------------*/\r\n";
const char kMaskH8300h[] =
    "#define KNL_MSK_BIT     0x%su      /* 0x80=CCR.I  0xC0=CCR.I,U */\r\n"
    "#define KNL_MSK_CCR     0x%su      /* CCR.I,UI      */\r\n\r\n";
const char kMaskR8c[] = "#define KNL_MSK_LEVEL   %d                        /* IPL:b6-b4 */\r\n\r\n";
const char kMaskH8s[] = "#define KNL_MSK_LEVEL       %du       /* kernel mask level(1-9) */\r\n\r\n";
const char kMaskSh[] = "#define KNL_MSK_LEVEL       %du     /* kernel mask level(1-15) */\r\n\r\n";
const char kMaskRl78[] = "#define KNL_MSK_LEVEL       %du     /* kernel mask level(2-0)  */\r\n\r\n";

// Body of the kernel-mask block after its title line; types 0 | 1-2 | 3-5 | 6-11 | 12-19 | 20-24 | 25-30.
const char* const kMaskFmt[kCpuTypeCount] = {
    "", kMaskH8300h, kMaskH8300h, QV_X3(kMaskR8c), QV_X6(kMaskH8s), QV_X8(kMaskSh), QV_X5(kMaskRl78),
    QV_X6(kMaskSh)};

#undef QV_X3
#undef QV_X5
#undef QV_X6
#undef QV_X8

std::string Tmpl(int id)
{
    return qvtmpl::GetTemplate(id);
}

}  // namespace

// ---- CPU ----

std::string CCData_conf_info_cpu::GetCpuName() const
{
    std::string name = CpuRow(kCpuName, m_nCpuType);
    if (m_nCpuType == 6) {
        if (m_nCpuMode == 1) name += "(IM0)";
        else if (m_nCpuMode == 2) name += "(IM2)";
    } else if (m_nCpuType >= 7 && m_nCpuType <= 11) {
        static const char* const modeMark[] = {"(IM0)", "(IM1)", "(IM2)", "(IM3)"};
        if (m_nCpuMode >= 1 && m_nCpuMode <= 4) name += modeMark[m_nCpuMode - 1];
    } else {
        name += CpuRow(kCpuSuffix, m_nCpuType);
    }
    return name;
}

std::string CCData_conf_info_cpu::GetSectionRl78() const { return CpuRow(kSectionRl78, m_nCpuType); }
std::string CCData_conf_info_cpu::GetSectionR8c() const { return CpuRow(kSectionR8c, m_nCpuType); }
std::string CCData_conf_info_cpu::GetSectionUstack() const { return CpuRow(kSectionUstack, m_nCpuType); }
std::string CCData_conf_info_cpu::GetSectionOs() const { return CpuRow(kSectionOs, m_nCpuType); }
std::string CCData_conf_info_cpu::GetSectionOsW() const { return CpuRow(kSectionOsW, m_nCpuType); }
std::string CCData_conf_info_cpu::GetTcbStackFmt() const { return CpuRow(kTcbStackFmt, m_nCpuType); }
std::string CCData_conf_info_cpu::GetTcbSpInitFmt() const { return CpuRow(kTcbSpInitFmt, m_nCpuType); }

std::string CCData_conf_info_cpu::MakeKernelMask() const
{
    const std::string body = CpuRow(kMaskFmt, m_nCpuType);
    if (body.empty()) return std::string();
    if (m_nCpuType == 1 || m_nCpuType == 2) {
        // Mode 2 masks the user bit too; the CCR value follows the level within that mode.
        const bool userBit = m_nCpuMode == 2;
        const char* bit = userBit ? "C0" : "80";
        const char* ccr = (userBit && m_nMaskLevel != 1) ? "C0" : "80";
        return kMaskHead + mbtext::Format(body, {bit, ccr});
    }
    return kMaskHead + mbtext::Format(body, {m_nMaskLevel});
}

// ---- Tasks ----

std::string CCData_conf_info_tsk::MakeTcbNumDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_TCB_NUM), {m_nTskNum, m_nTskPriNum});
}

std::string CCData_conf_info_tsk::MakeTcbSizeDef() const
{
    std::string text = Tmpl(qvtmpl::IDT_CFG_TCB_SIZE_HEAD);
    const std::string row = Tmpl(qvtmpl::IDT_CFG_TCB_SIZE_ROW);
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) text += mbtext::Format(row, {id, m_nStackSize[id - 1]});
    return text + "\r\n";
}

std::string CCData_conf_info_tsk::MakeTcbStack(const std::string& fmt) const
{
    std::string text;
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) text += mbtext::Format(fmt, {id, id});
    return text + "\r\n";
}

std::string CCData_conf_info_tsk::MakeTcbSpInit(const std::string& fmt) const
{
    std::string text = Tmpl(qvtmpl::IDT_CFG_TCB_SP_HEAD);
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) text += mbtext::Format(fmt, {id, id, RowSeparator(id, count), id});
    return text + "};\r\n\r\n";
}

std::string CCData_conf_info_tsk::MakeTcbStartExtern() const
{
    std::string text = Tmpl(qvtmpl::IDT_CFG_TCB_EXTERN_HEAD);
    const std::string row = Tmpl(qvtmpl::IDT_CFG_TCB_EXTERN_ROW);
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) text += mbtext::Format(row, {GetTskFunc(id), id});
    return text;
}

std::string CCData_conf_info_tsk::MakeTcbAddrInit() const
{
    std::string text = Tmpl(qvtmpl::IDT_CFG_TCB_ADDR_HEAD);
    const std::string row = Tmpl(qvtmpl::IDT_CFG_TCB_ADDR_ROW);
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) text += mbtext::Format(row, {GetTskFunc(id), RowSeparator(id, count), id});
    return text;
}

std::string CCData_conf_info_tsk::MakeTcbStInit() const
{
    std::string text = Tmpl(qvtmpl::IDT_CFG_TCB_ST_HEAD);
    const std::string ready = Tmpl(qvtmpl::IDT_CFG_TCB_ST_RDY);
    const std::string sleeping = Tmpl(qvtmpl::IDT_CFG_TCB_ST_SLP);
    const int count = RowCount(m_nTskNum);
    for (int id = 1; id <= count; ++id) {
        const bool asleep = (m_nTskState[id - 1] & 1) != 0;
        text += mbtext::Format(asleep ? sleeping : ready, {RowSeparator(id, count), id});
    }
    return text + "};\r\n\r\n";
}

// ---- Object counts and the system time ----

std::string CCData_conf_info_tim::MakeSysTimDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_SYSTIM), {m_nCyclicTime});
}

std::string CCData_conf_info_flg::MakeFlgNumDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_EVFLG_NUM), {m_nFlgNum});
}

std::string CCData_conf_info_sem::MakeSemNumDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_SEM_NUM), {m_nSemNum});
}

std::string CCData_conf_info_cyc::MakeCycNumDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_CYC_NUM), {m_nCycNum});
}

std::string CCData_conf_info_dtq::MakeDtqNumDef() const
{
    return mbtext::Format(Tmpl(qvtmpl::IDT_CFG_DTQ_NUM), {m_nDtqNum});
}
