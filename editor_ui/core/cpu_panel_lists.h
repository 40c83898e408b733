// Contents of the CPU panel's three drop-down lists and its selection rules, as plain functions: the panel
// writes what they return into its combo boxes, tests call them without a window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "conf_info.h"
#include "summary_lines.h"

namespace cpupanel {

// What one drop-down list shows. selected is the item index to select, -1 for no selection; enabled is
// empty when the list's enabled state is to be left as it is.
struct ComboContents {
    std::vector<std::string> items;
    int selected = -1;
    std::optional<bool> enabled;
};

// The 31 display names in type-code order, so that the item index is the type code.
std::vector<std::string> CpuNames(const LabelLookup& label);

// The string ids of the mode list's items for a type; empty for a type without a mode choice.
std::vector<int> ModeItemIds(int type);
bool HasModeChoice(int type);

// The mode list for a type and its stored mode (item index = mode - 1). Types without modes show a single
// selected "-" in a disabled list; a type outside 0..30 gives an empty list and leaves the state alone.
ComboContents ModeList(int type, int storedMode, const LabelLookup& label);

// The level numbers the level list offers for a type and mode, in item order; empty for type 0 (whose
// list holds "Not Support"), a type outside 0..30 and a mode the type does not have.
std::vector<int> LevelNumbers(int type, int mode);

// Item index of kernel mask level L in the level list: L for types 20 to 24, L - 1 for the other types
// with levels; nullopt for type 0 and types outside 0..30, where nothing is selected.
std::optional<int> LevelItemIndex(int type, int level);

// The level stored when item index is chosen in the level list of a type.
int LevelFromItemIndex(int type, int index);

// The level list for a type, mode and stored level: "Level<n>" items with the stored level selected and the
// list enabled; type 0 shows the single selected "Not Support" in a disabled list.
ComboContents LevelList(int type, int mode, int storedLevel, const LabelLookup& label);

// The two H8SX modes the kernel does not support ("Interrupt Control Mode 1" and "3"): the choice is
// refused with message 4015 and mode 3 is taken instead.
constexpr int kRefusedModeMessageId = 4015;
constexpr int kModeTakenInstead = 3;
bool IsRefusedMode(int type, int mode);

// Gives every task of ids 1 to the task count that the user has not set (user-set flag other than 1) the
// default stack size of the current CPU type; tasks set by the user keep theirs. A task count outside the
// table's slots is clamped to them.
void ResetUnsetTaskStacks(CCData_conf_info& conf);

// The three tree items under "CPU/Kernel Mask Level": each label followed directly by the text its list shows.
std::vector<std::string> CpuTreeLines(const std::string& cpuText, const std::string& modeText,
                                      const std::string& levelText, const LabelLookup& label);

}  // namespace cpupanel
