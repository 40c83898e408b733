// The task panel's row texts, its priority-task count rule, the ready-only CPU rule and the task edit
// dialog's checks, as plain functions: the panel and the dialog show what they return, tests call them
// without a window.
#pragma once

#include <string>
#include <vector>

#include "conf_info.h"
#include "summary_lines.h"

namespace taskpanel {

// One list column after "!" and "ID": header string id and width in pixels.
struct Column {
    int headerId;
    int width;
};
// "Type", "Priority", "Task Function", "Init Stat", "Stack Size".
const std::vector<Column>& Columns();

// Tasks 1 to P are priority tasks, each with its id as priority; the others share priority P + 1.
bool IsPriorityTask(int id, int priTaskCount);
int TaskPriority(int id, int priTaskCount);
// "Priority Task" or "Rotation Task".
std::string TypeText(int id, int priTaskCount, const LabelLookup& label);
// "Waiting(SLP)" when bit 0 of the state is set, else "Ready".
std::string StateText(int state, const LabelLookup& label);

// Texts of the list columns 2 to 6 for one task.
std::vector<std::string> RowTexts(int id, int priTaskCount, int state, int stackSize, const std::string& func,
                                  const LabelLookup& label);

// The priority-task count kept when the task count becomes T: a count not below T becomes T.
int ClampedPriTaskCount(int taskCount, int priTaskCount);

// The CPU type whose kernel only starts tasks ready (H8/300L).
constexpr int kReadyOnlyCpuType = 0;
// On that CPU type every sleeping task of ids 1 to the task count is made ready and loses its user-set
// flag; tasks above the count keep theirs. Other CPU types change nothing.
void ClearSleepOnReadyOnlyCpu(CCData_conf_info& conf);

// The state list of the edit dialog: the item to select and whether the user may choose.
int StateItemIndex(int cpuType, int state);
bool IsStateChoiceEnabled(int cpuType);

// The edit dialog's OK: the checks in their fixed order. messageId is 0 when every check passed; then
// func, stackSize and state hold the values to store. messageMinimum is the number of message 4007.
struct TaskCheck {
    int messageId = 0;
    int messageMinimum = 0;
    std::string func;
    int stackSize = 0;
    int state = 0;
};
TaskCheck CheckTaskInput(const std::string& funcText, const std::string& stackText, int stateIndex,
                         int minStackSize, int stackAlign);
// The text of a failed check's message box ("" when none failed).
std::string CheckMessage(const TaskCheck& check, const LabelLookup& label);

}  // namespace taskpanel
