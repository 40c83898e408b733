// Configurations that the three kernel files can carry whole, drawn by any source of choices (a seeded
// random generator in the tests, the fuzzer's bytes in the round-trip fuzz target), and a field-by-field
// comparison of two configurations over the ids the files carry. Values the file formats cannot carry are
// left out on purpose; each is named where it is left out.
#pragma once

#include <string>
#include <vector>

#include "conf_info.h"

namespace roundtrip {

// Modes offered for each type; 0 alone for types without a mode choice.
inline std::vector<int> ModesOf(int type)
{
    if (type == 1 || type == 2 || type == 6) return {1, 2};
    if (type >= 7 && type <= 11) return {1, 2, 3, 4};
    return {0};
}

// Levels that the kernel-mask block carries back for a type and mode.
inline std::pair<int, int> LevelRange(int type, int mode)
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

// pick(lo, hi) returns a number in lo..hi.
// Lower-case C identifiers: every CPU name the analysis looks for holds a capital letter, so a generated
// name can never be taken for a CPU description.
template <class Pick>
std::string Name(Pick& pick)
{
    static const char first[] = "abcdefghijklmnopqrstuvwxyz_";
    static const char rest[] = "abcdefghijklmnopqrstuvwxyz_0123456789";
    std::string name(1, first[pick(0, 26)]);
    for (int i = pick(1, 24); i > 1; --i) name += rest[pick(0, 36)];
    return name;
}

template <class Pick>
void BuildConfig(Pick& pick, int type, int mode, CCData_conf_info& conf)
{
    CCData_conf_info_cpu& cpu = conf.m_cpu;
    cpu.SetCpuType(type);
    if (mode != 0) cpu.SetCpuMode(mode);
    const auto levels = LevelRange(type, mode);
    cpu.m_nMaskLevel = pick(levels.first, levels.second);

    CCData_conf_info_tsk& tsk = conf.m_tsk;
    tsk.m_nTskNum = pick(1, kMaxObjects);
    tsk.m_nTskPriNum = pick(0, kMaxObjects);
    const int align = cpu.m_nStackAlign;
    for (int id = 1; id <= tsk.m_nTskNum; ++id) {
        // Type 0 has no sleeping state: the analysis reads CTCB_ST_SLP there as an error.
        const int state = type == 0 ? 0 : pick(0, 1);
        const int stack = align * pick((cpu.GetMinStackSize() + align - 1) / align, 4096 / align);
        tsk.SetTskData(id, state, stack, pick(0, 3) == 0 ? tsk.GetTskFunc(id) : Name(pick));
    }

    // Per-object values travel only in the calls of kinit.c, which a kind that is off does not write:
    // such a kind keeps its defaults and only its count goes through config.c.
    auto on = [&pick](CCData_conf_info_base& kind) {
        kind.SetUse(pick(0, 1));
        return kind.GetUse() == 1;
    };
    CCData_conf_info_flg& flg = conf.m_flg;
    flg.m_nFlgNum = pick(1, kMaxObjects);
    if (on(flg)) {
        for (int id = 1; id <= flg.m_nFlgNum; ++id) {
            flg.m_nFlgAttr[id - 1] = pick(0, 7);
            flg.m_nFlgSet[id - 1] = 1;
        }
    }
    CCData_conf_info_sem& sem = conf.m_sem;
    sem.m_nSemNum = pick(1, kMaxObjects);
    if (on(sem)) {
        for (int id = 1; id <= sem.m_nSemNum; ++id) sem.SetSemData(id, pick(0, 1), pick(0, 255));
    }
    CCData_conf_info_dtq& dtq = conf.m_dtq;
    dtq.m_nDtqNum = pick(1, kMaxObjects);
    if (on(dtq)) {
        for (int id = 1; id <= dtq.m_nDtqNum; ++id) dtq.SetDtqData(id, pick(0, 1), pick(0, 3) == 0 ? 0 : pick(1, 127));
    }
    CCData_conf_info_tim& tim = conf.m_tim;
    on(tim);
    tim.m_nCyclicTime = pick(1, 1000000);
    CCData_conf_info_cyc& cyc = conf.m_cyc;
    cyc.m_nCycNum = pick(1, kMaxObjects);
    if (on(cyc)) {
        for (int id = 1; id <= cyc.m_nCycNum; ++id) {
            cyc.SetCycData(id, pick(0, 1), pick(0, 2) == 0 ? cyc.GetCycFunc(id) : Name(pick), pick(1, 100000));
        }
    }
}

namespace detail {

template <class T>
void Compare(std::vector<std::string>& out, const std::string& what, const T& want, const T& got)
{
    if (!(want == got)) out.push_back(what);
}

template <class Table>
void CompareTable(std::vector<std::string>& out, const std::string& what, int count, const Table& want,
                  const Table& got)
{
    for (int i = 0; i < count && i < kMaxObjects; ++i) Compare(out, what + " " + std::to_string(i + 1), want[i], got[i]);
}

}  // namespace detail

// The fields that differ, by name; empty when the two agree on everything the files carry (1..count).
inline std::vector<std::string> Differences(const CCData_conf_info& want, const CCData_conf_info& got)
{
    using detail::Compare;
    using detail::CompareTable;
    std::vector<std::string> out;
    Compare(out, "CPU type", want.m_cpu.m_nCpuType, got.m_cpu.m_nCpuType);
    Compare(out, "CPU mode", want.m_cpu.m_nCpuMode, got.m_cpu.m_nCpuMode);
    Compare(out, "kernel mask level", want.m_cpu.m_nMaskLevel, got.m_cpu.m_nMaskLevel);
    Compare(out, "stack alignment", want.m_cpu.m_nStackAlign, got.m_cpu.m_nStackAlign);

    const CCData_conf_info_tsk& wt = want.m_tsk;
    const CCData_conf_info_tsk& gt = got.m_tsk;
    Compare(out, "task count", wt.m_nTskNum, gt.m_nTskNum);
    Compare(out, "priority-task count", wt.m_nTskPriNum, gt.m_nTskPriNum);
    const int tasks = wt.m_nTskNum == gt.m_nTskNum ? wt.m_nTskNum : 0;
    CompareTable(out, "task state", tasks, wt.m_nTskState, gt.m_nTskState);
    CompareTable(out, "task stack", tasks, wt.m_nStackSize, gt.m_nStackSize);
    CompareTable(out, "task function", tasks, wt.m_strTskFunc, gt.m_strTskFunc);
    CompareTable(out, "task set flag", tasks, wt.m_nTskSet, gt.m_nTskSet);

    Compare(out, "flag use", want.m_flg.m_nUse, got.m_flg.m_nUse);
    Compare(out, "flag count", want.m_flg.m_nFlgNum, got.m_flg.m_nFlgNum);
    const int flags = want.m_flg.m_nFlgNum == got.m_flg.m_nFlgNum ? want.m_flg.m_nFlgNum : 0;
    CompareTable(out, "flag attribute", flags, want.m_flg.m_nFlgAttr, got.m_flg.m_nFlgAttr);
    CompareTable(out, "flag set flag", flags, want.m_flg.m_nFlgSet, got.m_flg.m_nFlgSet);

    Compare(out, "semaphore use", want.m_sem.m_nUse, got.m_sem.m_nUse);
    Compare(out, "semaphore count", want.m_sem.m_nSemNum, got.m_sem.m_nSemNum);
    const int sems = want.m_sem.m_nSemNum == got.m_sem.m_nSemNum ? want.m_sem.m_nSemNum : 0;
    CompareTable(out, "semaphore attribute", sems, want.m_sem.m_nSemAttr, got.m_sem.m_nSemAttr);
    CompareTable(out, "semaphore initial count", sems, want.m_sem.m_nSemCnt, got.m_sem.m_nSemCnt);
    CompareTable(out, "semaphore set flag", sems, want.m_sem.m_nSemSet, got.m_sem.m_nSemSet);

    Compare(out, "data-queue use", want.m_dtq.m_nUse, got.m_dtq.m_nUse);
    Compare(out, "data-queue count", want.m_dtq.m_nDtqNum, got.m_dtq.m_nDtqNum);
    const int dtqs = want.m_dtq.m_nDtqNum == got.m_dtq.m_nDtqNum ? want.m_dtq.m_nDtqNum : 0;
    CompareTable(out, "data-queue attribute", dtqs, want.m_dtq.m_nDtqAttr, got.m_dtq.m_nDtqAttr);
    CompareTable(out, "data-queue data count", dtqs, want.m_dtq.m_nDtqCnt, got.m_dtq.m_nDtqCnt);
    CompareTable(out, "data-queue set flag", dtqs, want.m_dtq.m_nDtqSet, got.m_dtq.m_nDtqSet);

    Compare(out, "system-time use", want.m_tim.m_nUse, got.m_tim.m_nUse);
    Compare(out, "system cyclic time", want.m_tim.m_nCyclicTime, got.m_tim.m_nCyclicTime);

    Compare(out, "cyclic-handler use", want.m_cyc.m_nUse, got.m_cyc.m_nUse);
    Compare(out, "cyclic-handler count", want.m_cyc.m_nCycNum, got.m_cyc.m_nCycNum);
    const int cycs = want.m_cyc.m_nCycNum == got.m_cyc.m_nCycNum ? want.m_cyc.m_nCycNum : 0;
    CompareTable(out, "cyclic-handler start", cycs, want.m_cyc.m_nCycAttr, got.m_cyc.m_nCycAttr);
    CompareTable(out, "cyclic-handler function", cycs, want.m_cyc.m_strCycFunc, got.m_cyc.m_strCycFunc);
    CompareTable(out, "cyclic-handler time", cycs, want.m_cyc.m_nCycTime, got.m_cyc.m_nCycTime);
    CompareTable(out, "cyclic-handler set flag", cycs, want.m_cyc.m_nCycSet, got.m_cyc.m_nCycSet);
    return out;
}

}  // namespace roundtrip
