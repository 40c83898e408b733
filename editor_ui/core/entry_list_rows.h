// Texts of the object lists and their edit dialogs as plain functions: the "*" of an entry the user has not
// set, the count items, the row texts of each object kind and the attribute a dialog's buttons stand for.
// The panels write what these return; tests call them without a window.
#pragma once

#include <string>
#include <vector>

#include "summary_lines.h"

namespace entrylist {

// Counts of the object kinds run 1..127, one list row per object.
constexpr int kMaxCount = 127;

// Column 0 of a row: "*" while the entry still holds its default (user-set flag 0), empty once set.
std::string UnsetMark(int userSet);
// The decimal items "first" to "last"; empty when last < first.
std::vector<std::string> NumberItems(int first, int last);
// "FIFO" (3004) when bit 0 of the attribute is set, else "Priority" (3003).
std::string WaitQueueText(int attr, const LabelLookup& label);

// The kind's own columns (from column 2 on) of one row.
std::vector<std::string> EventFlagColumns(int attr, const LabelLookup& label);
std::vector<std::string> SemaphoreColumns(int attr, int initCount, const LabelLookup& label);
std::vector<std::string> DataQueueColumns(int attr, int dataCount, const LabelLookup& label);

// Event-flag attribute bits from the dialog's buttons: 4 AND wait, 2 clear on release, 1 FIFO wait queue.
int EventFlagAttr(bool andWait, bool clearOnRelease, bool fifo);

// The number a semaphore or data-queue dialog stores: the selected item index, which is the number itself.
// With no item selected (a stored number outside the list) the number the dialog was opened with is kept,
// so that OK never stores the list's "no selection" value.
int SelectedNumber(int selectedIndex, int itemCount, int openedWith);

}  // namespace entrylist
