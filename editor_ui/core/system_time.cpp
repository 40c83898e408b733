// The system-time panel's rules: see system_time.h.
#include "system_time.h"

#include "text.h"

namespace systime {

CyclicTimeText CheckCyclicTimeText(const std::string& text, int& value)
{
    if (mbtext::Trim(text).empty()) return CyclicTimeText::kEmpty;
    int number = 0;
    // No kernel runs with a timer cycle below 1 ms: such a time is refused as any other bad text.
    if (!mbtext::IsPlainDecimal(text, number) || number < kMinCyclicTime) return CyclicTimeText::kNotNumber;
    value = number;
    return CyclicTimeText::kNumber;
}

CycControls CycControlsFor(bool systemTimeUsed, bool cycUseBoxChecked)
{
    return {systemTimeUsed, systemTimeUsed && cycUseBoxChecked};
}

}  // namespace systime
