// Worked examples of the memory-size estimate, shared by the estimate's own tests and the output panel's.
#pragma once

#include "conf_info.h"

namespace memsizeexample {

// CPU type 25 with every object kind used: ROM 7421, RAM 211, re-build ROM 4823, re-build RAM 173.
inline void Type25WithEveryKindUsed(CCData_conf_info& conf)
{
    conf.m_cpu.SetCpuType(25);
    conf.m_tsk.m_nTskNum = 5;
    conf.m_tsk.m_nTskPriNum = 2;
    conf.m_flg.SetUse(1);
    conf.m_flg.m_nFlgNum = 2;
    conf.m_sem.SetUse(1);
    conf.m_sem.m_nSemNum = 3;
    conf.m_dtq.SetUse(1);
    conf.m_dtq.m_nDtqNum = 2;
    conf.m_dtq.SetDtqData(1, 0, 4);
    conf.m_dtq.SetDtqData(2, 0, 0);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
    conf.m_cyc.m_nCycNum = 2;
}

}  // namespace memsizeexample
