// Whether a task entry function name may stand as a C identifier in the generated config.c.
#pragma once

#include <string>

// 1 = acceptable, 0 = not acceptable (leading digit, a forbidden character, or a reserved word).
int IsValidCName(const std::string& name);
