// Row texts and dialog values of the object lists.
#include "entry_list_rows.h"

#include "text.h"

namespace entrylist {

std::string UnsetMark(int userSet) { return userSet == 0 ? "*" : ""; }

std::vector<std::string> NumberItems(int first, int last)
{
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n) items.push_back(mbtext::Format("%d", {n}));
    return items;
}

std::string WaitQueueText(int attr, const LabelLookup& label) { return label((attr & 1) != 0 ? 3004 : 3003); }

std::vector<std::string> EventFlagColumns(int attr, const LabelLookup& label)
{
    return {label((attr & 4) != 0 ? 3207 : 3208), (attr & 2) != 0 ? label(3206) : std::string(),
            WaitQueueText(attr, label)};
}

std::vector<std::string> SemaphoreColumns(int attr, int initCount, const LabelLookup& label)
{
    return {mbtext::Format("%d", {initCount}), WaitQueueText(attr, label)};
}

std::vector<std::string> DataQueueColumns(int attr, int dataCount, const LabelLookup& label)
{
    return {mbtext::Format("%d", {dataCount}), WaitQueueText(attr, label)};
}

int EventFlagAttr(bool andWait, bool clearOnRelease, bool fifo)
{
    return (andWait ? 4 : 0) + (clearOnRelease ? 2 : 0) + (fifo ? 1 : 0);
}

int SelectedNumber(int selectedIndex, int itemCount, int openedWith)
{
    return selectedIndex >= 0 && selectedIndex < itemCount ? selectedIndex : openedWith;
}

}  // namespace entrylist
