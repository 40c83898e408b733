// The cyclic-handler panel's row texts and enable rules and the cyclic-handler edit dialog's checks, as
// plain functions: the panel and the dialog show what they return, tests call them without a window.
#pragma once

#include <string>
#include <vector>

#include "summary_lines.h"

namespace cycpanel {

// One list column after "!" and "ID": header string id and width in pixels.
struct Column {
    int headerId;
    int width;
};
// "CYCLIC-HANDLER Function", "CYCLIC Time", "Init Start Attr".
const std::vector<Column>& Columns();

// The decimal cycle time, or "" for 0 (the list cell and the dialog's edit alike).
std::string CycleTimeText(int cycleTime);
// "Start" when bit 0 of the start attribute is set, else "Stop".
std::string AttrText(int attr, const LabelLookup& label);
// Texts of the list columns 2 to 4 for one handler.
std::vector<std::string> RowTexts(const std::string& func, int cycleTime, int attr, const LabelLookup& label);

// Cyclic handlers need the system time: the use check box works only while it is used, the count list and
// the list only while both are used.
bool IsUseBoxEnabled(int timUse);
bool IsListEnabled(int timUse, int cycUse);

// The start-attribute list of the edit dialog: item 0 "Start", item 1 "Stop".
int AttrItemIndex(int attr);

// The least cycle time that the dialog accepts.
constexpr int kMinCycleTime = 1;

// The edit dialog's OK: the checks in their fixed order. messageId is 0 when every check passed; then
// func, cycleTime and attr hold the values to store.
struct CycCheck {
    int messageId = 0;
    std::string func;
    int cycleTime = 0;
    int attr = 0;
};
CycCheck CheckCycInput(const std::string& funcText, const std::string& timeText, int attrIndex);

}  // namespace cycpanel
