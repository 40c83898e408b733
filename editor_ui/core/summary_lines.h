// The navigation tree's summary lines of the configuration, as plain functions: the view inserts them,
// tests call them without a window. Labels come from the string table through the given look-up.
#pragma once

#include <functional>
#include <string>

#include "conf_info.h"

// Returns the string-table text of an id in the current language.
using LabelLookup = std::function<std::string(int id)>;

namespace summary {

// "Enable" (use flag exactly 1) or "Disable".
std::string UseLine(int use, const LabelLookup& label);
std::string TaskLine(const CCData_conf_info_tsk& tsk, int id, const LabelLookup& label);
std::string FlgLine(const CCData_conf_info_flg& flg, int id, const LabelLookup& label);
std::string SemLine(const CCData_conf_info_sem& sem, int id, const LabelLookup& label);
std::string DtqLine(const CCData_conf_info_dtq& dtq, int id, const LabelLookup& label);
// "Enable - %d msec" when the system time is used, else "Disable".
std::string SysTimLine(const CCData_conf_info_tim& tim, const LabelLookup& label);
std::string CycLine(const CCData_conf_info_cyc& cyc, int id, const LabelLookup& label);

}  // namespace summary
