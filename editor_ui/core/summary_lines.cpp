// The navigation tree's summary lines: see summary_lines.h.
#include "summary_lines.h"

#include "text.h"

namespace summary {
namespace {

// "FIFO" when bit 1 of the attribute is set, else "Priority".
std::string WaitQueue(int attr, const LabelLookup& label) { return label((attr & 1) ? 3004 : 3003); }

}  // namespace

std::string UseLine(int use, const LabelLookup& label) { return label(use == 1 ? 3404 : 3405); }

std::string TaskLine(const CCData_conf_info_tsk& tsk, int id, const LabelLookup& label)
{
    const bool priority = id <= tsk.m_nTskPriNum;
    return mbtext::Format("%d - %s - %s=%d - %s - %s - %s=%d",
                          {id, label(priority ? 3104 : 3105), label(3110), priority ? id : tsk.m_nTskPriNum + 1,
                           tsk.GetTskFunc(id), label((tsk.m_nTskState[id - 1] & 1) ? 3103 : 3102), label(3106),
                           tsk.m_nStackSize[id - 1]});
}

std::string FlgLine(const CCData_conf_info_flg& flg, int id, const LabelLookup& label)
{
    const int attr = flg.m_nFlgAttr[id - 1];
    return mbtext::Format("%d - %s=%s - %s=%s - %s=%s",
                          {id, label(3203), label((attr & 4) ? 3207 : 3208), label(3204), (attr & 2) ? label(3206) : std::string("x"),
                           label(3002), WaitQueue(attr, label)});
}

std::string SemLine(const CCData_conf_info_sem& sem, int id, const LabelLookup& label)
{
    return mbtext::Format("%d - %s=%d - %s=%s", {id, label(3303), sem.m_nSemCnt[id - 1], label(3002),
                                                 WaitQueue(sem.m_nSemAttr[id - 1], label)});
}

std::string DtqLine(const CCData_conf_info_dtq& dtq, int id, const LabelLookup& label)
{
    return mbtext::Format("%d - %s=%d - %s=%s", {id, label(3306), dtq.m_nDtqCnt[id - 1], label(3002),
                                                 WaitQueue(dtq.m_nDtqAttr[id - 1], label)});
}

std::string SysTimLine(const CCData_conf_info_tim& tim, const LabelLookup& label)
{
    if (tim.GetUse() != 1) return label(3405);
    return mbtext::Format("%s - %d msec", {label(3404), tim.m_nCyclicTime});
}

std::string CycLine(const CCData_conf_info_cyc& cyc, int id, const LabelLookup& label)
{
    return mbtext::Format("%d - %s - %s=%d - %s=%s", {id, cyc.GetCycFunc(id), label(3310), cyc.m_nCycTime[id - 1],
                                                      label(3311), label((cyc.m_nCycAttr[id - 1] & 1) ? 3312 : 3313)});
}

}  // namespace summary
