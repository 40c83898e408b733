// The system-time panel's rules as plain functions: the check of a typed cyclic time and the enable states
// it gives the cyclic-handler panel's controls.
#pragma once

#include <string>

namespace systime {

constexpr int kEmptyMessageId = 4013;
constexpr int kInvalidMessageId = 4014;
// The least cyclic time in milliseconds that a kernel can run with.
constexpr int kMinCyclicTime = 1;

enum class CyclicTimeText { kEmpty, kNotNumber, kNumber };

// The typed text, trimmed: empty, not a plain decimal number of at least kMinCyclicTime ("0500", "+5", "5x",
// "0", "-5"), or such a number, which then goes to value.
CyclicTimeText CheckCyclicTimeText(const std::string& text, int& value);

// Cyclic handlers need the system time: their use check box can be used only while the system time is,
// and their count and list only while that box is checked as well.
struct CycControls {
    bool useBoxEnabled;
    bool countAndListEnabled;
};
CycControls CycControlsFor(bool systemTimeUsed, bool cycUseBoxChecked);

}  // namespace systime
