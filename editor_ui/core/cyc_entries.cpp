// Texts, enable rules and checks of the cyclic-handler panel and edit dialog: see cyc_entries.h.
#include "cyc_entries.h"

#include "cname.h"
#include "text.h"

namespace cycpanel {

const std::vector<Column>& Columns()
{
    static const std::vector<Column> columns = {{3309, 115}, {3310, 95}, {3311, 95}};
    return columns;
}

std::string CycleTimeText(int cycleTime) { return cycleTime == 0 ? std::string() : mbtext::Format("%d", {cycleTime}); }

std::string AttrText(int attr, const LabelLookup& label) { return label((attr & 1) ? 3312 : 3313); }

std::vector<std::string> RowTexts(const std::string& func, int cycleTime, int attr, const LabelLookup& label)
{
    return {func, CycleTimeText(cycleTime), AttrText(attr, label)};
}

bool IsUseBoxEnabled(int timUse) { return timUse == 1; }

bool IsListEnabled(int timUse, int cycUse) { return timUse == 1 && cycUse == 1; }

int AttrItemIndex(int attr) { return (attr & 1) ? 0 : 1; }

CycCheck CheckCycInput(const std::string& funcText, const std::string& timeText, int attrIndex)
{
    CycCheck check;
    const std::string func = mbtext::Trim(funcText);
    if (func.empty()) {
        check.messageId = 4008;
        return check;
    }
    // Only task names must be C identifiers; a handler's name must only come back from kinit.c as typed.
    if (IsReadBackName(func, NameFile::Kinit) == 0) {
        check.messageId = 4011;
        return check;
    }
    check.func = func;
    const std::string time = mbtext::Trim(timeText);
    if (time.empty()) {
        check.messageId = 4009;
        return check;
    }
    int value = 0;
    // A handler cycle below 1 tick never runs: refused with the message of any other bad number.
    if (!mbtext::IsPlainDecimal(time, value) || value < kMinCycleTime) {
        check.messageId = 4010;
        return check;
    }
    check.cycleTime = value;
    check.attr = attrIndex == 0 ? 1 : 0;
    return check;
}

}  // namespace cycpanel
