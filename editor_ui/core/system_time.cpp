// The system-time panel's rules: see system_time.h.
#include "system_time.h"

#include "text.h"

namespace systime {

CyclicTimeText CheckCyclicTimeText(const std::string& text, int& value)
{
    if (mbtext::Trim(text).empty()) return CyclicTimeText::kEmpty;
    return mbtext::IsPlainDecimal(text, value) ? CyclicTimeText::kNumber : CyclicTimeText::kNotNumber;
}

CycControls CycControlsFor(bool systemTimeUsed, bool cycUseBoxChecked)
{
    return {systemTimeUsed, systemTimeUsed && cycUseBoxChecked};
}

}  // namespace systime
