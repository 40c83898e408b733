// Texts and checks of the task panel and the task edit dialog: see task_entries.h.
#include "task_entries.h"

#include "cname.h"
#include "text.h"

namespace taskpanel {

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {{3007, 85}, {3110, 55}, {3107, 115}, {3101, 115}, {3106, 85}};
    return columns;
}

bool IsPriorityTask(int id, int priTaskCount) { return id <= priTaskCount; }

int TaskPriority(int id, int priTaskCount) { return IsPriorityTask(id, priTaskCount) ? id : priTaskCount + 1; }

std::string TypeText(int id, int priTaskCount, const LabelLookup& label)
{
    return label(IsPriorityTask(id, priTaskCount) ? 3104 : 3105);
}

std::string StateText(int state, const LabelLookup& label) { return label((state & 1) ? 3103 : 3102); }

std::vector<std::string> RowTexts(int id, int priTaskCount, int state, int stackSize, const std::string& func,
                                  const LabelLookup& label)
{
    return {TypeText(id, priTaskCount, label), mbtext::Format("%d", {TaskPriority(id, priTaskCount)}), func,
            StateText(state, label), mbtext::Format("%d", {stackSize})};
}

int ClampedPriTaskCount(int taskCount, int priTaskCount) { return priTaskCount >= taskCount ? taskCount : priTaskCount; }

void ClearSleepOnReadyOnlyCpu(CCData_conf_info& conf)
{
    if (conf.m_cpu.m_nCpuType != kReadyOnlyCpuType) return;
    CCData_conf_info_tsk& tsk = conf.m_tsk;
    const int count = tsk.m_nTskNum < kMaxObjects ? tsk.m_nTskNum : kMaxObjects;
    for (int i = 0; i < count; ++i) {
        if (tsk.m_nTskState[i] == 1) {
            tsk.m_nTskState[i] = 0;
            tsk.m_nTskSet[i] = 0;
        }
    }
}

int StateItemIndex(int cpuType, int state)
{
    if (cpuType == kReadyOnlyCpuType) return 0;
    return (state & 1) ? 1 : 0;
}

bool IsStateChoiceEnabled(int cpuType) { return cpuType != kReadyOnlyCpuType; }

TaskCheck CheckTaskInput(const std::string& funcText, const std::string& stackText, int stateIndex,
                         int minStackSize, int stackAlign)
{
    TaskCheck check;
    const std::string func = mbtext::Trim(funcText);
    if (func.empty()) {
        check.messageId = 4001;
        return check;
    }
    if (IsValidCName(func) == 0) {
        check.messageId = 4002;
        return check;
    }
    check.func = func;
    const std::string stack = mbtext::Trim(stackText);
    if (stack.empty()) {
        check.messageId = 4003;
        return check;
    }
    int size = 0;
    if (!mbtext::IsPlainDecimal(stack, size)) {
        check.messageId = 4004;
        return check;
    }
    check.stackSize = size;
    // Only the two boundaries the CPU rules know are checked; alignment 1 (or anything else) never fails.
    if (stackAlign == 2 && size % 2 != 0) {
        check.messageId = 4005;
        return check;
    }
    if (stackAlign == 4 && size % 4 != 0) {
        check.messageId = 4006;
        return check;
    }
    if (size < minStackSize) {
        check.messageId = 4007;
        check.messageMinimum = minStackSize;
        return check;
    }
    check.state = stateIndex != 0 ? 1 : 0;
    return check;
}

std::string CheckMessage(const TaskCheck& check, const LabelLookup& label)
{
    if (check.messageId == 0) return std::string();
    if (check.messageId == 4007) return mbtext::Format(label(4007), {check.messageMinimum});
    return label(check.messageId);
}

}  // namespace taskpanel
