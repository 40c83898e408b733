// Block generators of qvos.def and kinit.c: the use switches, the handler declarations, the data-queue
// buffers and the creation blocks of the routine kinit. Each returns a new string.
#include "conf_info.h"
#include "gen_util.h"
#include "templates.h"
#include "text.h"

#include <string>

namespace {

using qvgen::RowCount;

// Only a use flag of exactly 1 switches a kind on.
bool IsUsed(int use)
{
    return use == 1;
}

// The one line of qvos.def that switches a kind on, or the same line commented out.
std::string UseSwitch(int use, int onId, int offId)
{
    return qvtmpl::GetTemplate(IsUsed(use) ? onId : offId);
}

// Every block of kinit.c has one shape: a title line, then the live lines of a kind in use or a
// commented-out sample of one that is not, then an empty line.
std::string KinitBlock(const char* title, int use, const std::string& live, const char* sample)
{
    return std::string(title) + (IsUsed(use) ? live : std::string(sample)) + "\r\n";
}

const char* EvtflgWaitWord(int attr) { return (attr & 4) ? "(EVFLG_TA_AND | " : "(EVFLG_TA_OR  | "; }
const char* EvtflgClearWord(int attr) { return (attr & 2) ? "EVFLG_TA_CLR | " : "               "; }
const char* EvtflgQueueWord(int attr) { return (attr & 1) ? "EVFLG_TA_TFIFO)" : "EVFLG_TA_TPRI )"; }
const char* SemQueueWord(int attr) { return (attr & 1) ? "SEM_TA_TFIFO" : "SEM_TA_TPRI "; }
const char* CycStartWord(int attr) { return (attr & 1) ? "CYC_TA_STA" : "CYC_TA_NON"; }
const char* DtqQueueWord(int attr) { return (attr & 1) ? "DTQ_TA_TFIFO," : "DTQ_TA_TPRI, "; }

}  // namespace

// ---- qvos.def use switches ----

std::string CCData_conf_info_flg::MakeUseDef() const
{
    return UseSwitch(GetUse(), qvtmpl::IDT_DEF_EVENTFLG_ON, qvtmpl::IDT_DEF_EVENTFLG_OFF);
}

std::string CCData_conf_info_sem::MakeUseDef() const
{
    return UseSwitch(GetUse(), qvtmpl::IDT_DEF_SEMAPHORE_ON, qvtmpl::IDT_DEF_SEMAPHORE_OFF);
}

std::string CCData_conf_info_tim::MakeUseDef() const
{
    return UseSwitch(GetUse(), qvtmpl::IDT_DEF_SYSTIME_ON, qvtmpl::IDT_DEF_SYSTIME_OFF);
}

std::string CCData_conf_info_cyc::MakeUseDef() const
{
    return UseSwitch(GetUse(), qvtmpl::IDT_DEF_CYC_HDR_ON, qvtmpl::IDT_DEF_CYC_HDR_OFF);
}

std::string CCData_conf_info_dtq::MakeUseDef() const
{
    return UseSwitch(GetUse(), qvtmpl::IDT_DEF_DATAQUE_ON, qvtmpl::IDT_DEF_DATAQUE_OFF);
}

// ---- kinit.c declarations ----

std::string CCData_conf_info_cyc::MakeCycExtern() const
{
    std::string live;
    const int count = RowCount(m_nCycNum);
    for (int id = 1; id <= count; ++id) live += mbtext::Format("extern void %s(UB cid);\r\n", {GetCycFunc(id)});
    return KinitBlock("/* -------- cyclic handler -------- */\r\n", GetUse(), live,
                      "/* extern void cychdr1(UB cid); */\r\n"
                      "/* extern void cychdr2(UB cid); */\r\n"
                      "/* extern void cychdr3(UB cid); */\r\n");
}

std::string CCData_conf_info_dtq::MakeDtqBuffer() const
{
    std::string live;
    const int count = RowCount(m_nDtqNum);
    for (int id = 1; id <= count; ++id) live += mbtext::Format("#define DTQ%d_SIZE  %d\r\n", {id, m_nDtqCnt[id - 1]});
    // A queue of no data needs no buffer.
    for (int id = 1; id <= count; ++id) {
        if (m_nDtqCnt[id - 1] != 0) live += mbtext::Format("W knl_dtq%d[DTQ%d_SIZE];\r\n", {id, id});
    }
    return KinitBlock("/* -------- data que -------------- */\r\n", GetUse(), live,
                      "/* #define DTQ1_SIZE  1 */\r\n"
                      "/* #define DTQ2_SIZE  2 */\r\n"
                      "/* W knl_dtq1[DTQ1_SIZE]; */\r\n"
                      "/* W knl_dtq2[DTQ2_SIZE]; */\r\n");
}

// ---- kinit routine ----

std::string CCData_conf_info_tim::MakeKinit() const
{
    return KinitBlock("    /* systime initialize  */\r\n", GetUse(), "    systim_init();\r\n",
                      "/*  systim_init(); */\r\n");
}

std::string CCData_conf_info_flg::MakeKinit() const
{
    std::string live = "    evtflg_init();\r\n";
    const int count = RowCount(m_nFlgNum);
    for (int id = 1; id <= count; ++id) {
        const int attr = m_nFlgAttr[id - 1];
        const std::string words = std::string(EvtflgWaitWord(attr)) + EvtflgClearWord(attr) + EvtflgQueueWord(attr);
        live += mbtext::Format("    EVTFLG_ATTR((UB)%du, %s);\r\n", {id, words});
    }
    return KinitBlock("    /* event flag initialize  */\r\n", GetUse(), live,
                      "/*  evtflg_init();  */\r\n"
                      "/*  EVTFLG_ATTR((UB)1u, (EVFLG_TA_AND | EVFLG_TA_CLR | EVFLG_TA_TPRI));  */\r\n");
}

std::string CCData_conf_info_sem::MakeKinit() const
{
    std::string live = "    sem_init();\r\n";
    const int count = RowCount(m_nSemNum);
    for (int id = 1; id <= count; ++id) {
        live += mbtext::Format("    SEM_ATTR((UB)%du, %d, %s);\r\n", {id, m_nSemCnt[id - 1], SemQueueWord(m_nSemAttr[id - 1])});
    }
    return KinitBlock("    /* semaphore initialize  */\r\n", GetUse(), live,
                      "/*  sem_init();                        */\r\n"
                      "/*  SEM_ATTR((UB)1u, 1, SEM_TA_TPRI);  */\r\n");
}

std::string CCData_conf_info_cyc::MakeKinit() const
{
    std::string live = "    cyc_init();\r\n";
    const int count = RowCount(m_nCycNum);
    for (int id = 1; id <= count; ++id) {
        live += mbtext::Format("    CYC_ATTR((UB)%du, (%s), %s, %dL);\r\n",
                               {id, CycStartWord(m_nCycAttr[id - 1]), GetCycFunc(id), m_nCycTime[id - 1]});
    }
    return KinitBlock("    /* cyclic handler initialize  */\r\n", GetUse(), live,
                      "/*  cyc_init(); */\r\n"
                      "/*  CYC_ATTR((UB)1u, (CYC_TA_STA), cychdr1, 1000L); */\r\n"
                      "/*  CYC_ATTR((UB)2u, (CYC_TA_NON), cychdr2, 5000L); */\r\n");
}

std::string CCData_conf_info_dtq::MakeKinit() const
{
    std::string live = "    dtq_init();\r\n";
    const int count = RowCount(m_nDtqNum);
    for (int id = 1; id <= count; ++id) {
        const char* word = DtqQueueWord(m_nDtqAttr[id - 1]);
        if (m_nDtqCnt[id - 1] != 0) {
            live += mbtext::Format("    DTQ_ATTR((UB)%du, (UB)%s (B)DTQ%d_SIZE, knl_dtq%d);\r\n", {id, word, id, id});
        } else {
            live += mbtext::Format("    DTQ_ATTR((UB)%du, (UB)%s (B)DTQ%d_SIZE, 0);\r\n", {id, word, id});
        }
    }
    return KinitBlock("    /* data-que initialize  */\r\n", GetUse(), live,
                      "/*  dtq_init(); */\r\n"
                      "/*  DTQ_ATTR((UB)1u,(UB)DTQ_TA_TFIFO,(B)DTQ1_SIZE, knl_dtq1); */\r\n"
                      "/*  DTQ_ATTR((UB)2u,(UB)DTQ_TA_TPRI, (B)DTQ2_SIZE, knl_dtq2); */\r\n");
}
