// Contents of the CPU panel's lists and its selection rules: see cpu_panel_lists.h.
#include "cpu_panel_lists.h"

#include "cpu_types.h"
#include "text.h"

namespace cpupanel {

namespace {

constexpr int kNotSupportId = 3380;
constexpr int kLevelWordId = 3381;

bool IsZeroBasedLevelType(int type) { return type >= 20 && type <= 24; }

}  // namespace

std::vector<std::string> CpuNames(const LabelLookup& label)
{
    std::vector<std::string> names;
    for (int type = 0; type < kCpuTypeCount; ++type) names.push_back(label(GetCpuTypeInfo(type)->nameId));
    return names;
}

std::vector<int> ModeItemIds(int type)
{
    if (type == 1 || type == 2) return {3371, 3372};
    if (type == 6) return {3373, 3375};
    if (type >= 7 && type <= 11) return {3373, 3374, 3375, 3376};
    return {};
}

bool HasModeChoice(int type) { return !ModeItemIds(type).empty(); }

ComboContents ModeList(int type, int storedMode, const LabelLookup& label)
{
    ComboContents list;
    if (type < 0 || type >= kCpuTypeCount) return list;
    const std::vector<int> ids = ModeItemIds(type);
    if (ids.empty()) {
        list.items.push_back(label(kModeNoneId));
        list.selected = 0;
        list.enabled = false;
        return list;
    }
    for (int id : ids) list.items.push_back(label(id));
    const int index = storedMode - 1;
    list.selected = (index >= 0 && index < static_cast<int>(ids.size())) ? index : -1;
    list.enabled = true;
    return list;
}

std::vector<int> LevelNumbers(int type, int mode)
{
    int first = 1;
    int last = 0;
    if (type == 1 || type == 2) {
        if (mode == 1 || mode == 2) last = mode;
    } else if (type >= 3 && type <= 5) {
        last = 7;
    } else if (type == 6) {
        if (mode == 1) last = 1;
        if (mode == 2) last = 3;
    } else if (type >= 7 && type <= 11) {
        static const int kLast[] = {1, 2, 7, 9};
        if (mode >= 1 && mode <= 4) last = kLast[mode - 1];
    } else if (IsZeroBasedLevelType(type)) {
        first = 0;
        last = 2;
    } else if (type >= 12 && type < kCpuTypeCount) {
        last = 15;
    }
    std::vector<int> levels;
    for (int level = first; level <= last; ++level) levels.push_back(level);
    return levels;
}

std::optional<int> LevelItemIndex(int type, int level)
{
    if (type <= 0 || type >= kCpuTypeCount) return std::nullopt;
    return IsZeroBasedLevelType(type) ? level : level - 1;
}

int LevelFromItemIndex(int type, int index) { return IsZeroBasedLevelType(type) ? index : index + 1; }

ComboContents LevelList(int type, int mode, int storedLevel, const LabelLookup& label)
{
    ComboContents list;
    if (type < 0 || type >= kCpuTypeCount) return list;
    if (type == 0) {
        list.items.push_back(label(kNotSupportId));
        list.selected = 0;
        list.enabled = false;
        return list;
    }
    const std::string word = label(kLevelWordId);
    for (int level : LevelNumbers(type, mode)) list.items.push_back(mbtext::Format("%s%d", {word, level}));
    const std::optional<int> index = LevelItemIndex(type, storedLevel);
    if (index && *index >= 0 && *index < static_cast<int>(list.items.size())) list.selected = *index;
    list.enabled = true;
    return list;
}

bool IsRefusedMode(int type, int mode) { return type == 11 && (mode == 2 || mode == 4); }

void ResetUnsetTaskStacks(CCData_conf_info& conf)
{
    const int stack = conf.m_cpu.GetDefStackSize();
    int count = conf.m_tsk.m_nTskNum;
    if (count > kMaxObjects) count = kMaxObjects;
    for (int id = 1; id <= count; ++id) {
        if (conf.m_tsk.m_nTskSet[id - 1] != 1) conf.m_tsk.m_nStackSize[id - 1] = stack;
    }
}

std::vector<std::string> CpuTreeLines(const std::string& cpuText, const std::string& modeText,
                                      const std::string& levelText, const LabelLookup& label)
{
    return {label(3322) + cpuText, label(3323) + modeText, label(3324) + levelText};
}

}  // namespace cpupanel
