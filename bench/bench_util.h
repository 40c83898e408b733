// What the benchmarks share: the largest configuration, 127 tasks and 127 objects of every kind, all used.
#pragma once

#include "conf_info.h"

namespace benchutil {

inline void MakeLargestConfig(CCData_conf_info& conf, int cpuType, int priorityTasks)
{
    conf.m_cpu.SetCpuType(cpuType);
    conf.m_tsk.m_nTskNum = kMaxObjects;
    conf.m_tsk.m_nTskPriNum = priorityTasks;
    const int stack = conf.m_cpu.GetDefStackSize();
    for (int id = 1; id <= kMaxObjects; ++id) {
        conf.m_tsk.SetTskData(id, id % 2, stack + 4 * id, conf.m_tsk.GetTskFunc(id));
        conf.m_sem.SetSemData(id, id % 2, id);
        conf.m_dtq.SetDtqData(id, id % 2, id);
        conf.m_cyc.SetCycData(id, id % 2, conf.m_cyc.GetCycFunc(id), 100 * id);
        conf.m_flg.m_nFlgAttr[id - 1] = id % 8;
        conf.m_flg.m_nFlgSet[id - 1] = 1;
    }
    conf.m_flg.m_nFlgNum = conf.m_sem.m_nSemNum = conf.m_dtq.m_nDtqNum = conf.m_cyc.m_nCycNum = kMaxObjects;
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_dtq.SetUse(1);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
}

}  // namespace benchutil
