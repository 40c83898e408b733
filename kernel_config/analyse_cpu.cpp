// Reading the CPU type, the CPU mode and the kernel mask level back from the text of config.c.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "doc.h"
#include "scan.h"
#include "text.h"

namespace {

// Failure bits of the kernel-mask analysis.
constexpr int kBadMaskBit = 0x20;   // "KNL_MSK_BIT" value not recognised
constexpr int kNoModeMark = 0x40;   // no interrupt-mode mark of the type
constexpr int kBadLevel = 0x01;     // level missing or out of range, or "KNL_MSK_CCR"/"KNL_MSK_BIT" trouble

// Which mode word a family name needs before it decides.
enum class ModeWord { None, NormalOrAdvanced, AdvancedOnly };

struct CpuPattern {
    const char* name;  // searched case-sensitively in the whole text, comments included
    ModeWord word;
    int code;          // the type, or with a mode word the "normal mode" type
    int advancedCode;  // the "advanced mode" type
};

// Longer names stand before the shorter ones they contain; the first name found decides.
constexpr CpuPattern kCpuPatterns[] = {
    {"H8/300H", ModeWord::NormalOrAdvanced, 1, 2},
    {"H8/300L", ModeWord::None, 0, 0},
    {"H8S/Tiny(Advanced Mode)", ModeWord::None, 6, 6},
    {"H8S/2000", ModeWord::NormalOrAdvanced, 7, 8},
    {"H8S/2600", ModeWord::NormalOrAdvanced, 9, 10},
    {"H8SX", ModeWord::AdvancedOnly, 11, 11},
    {"R8C1", ModeWord::None, 3, 3},
    {"R8C2", ModeWord::None, 4, 4},
    {"R8C", ModeWord::None, 3, 3},
    {"M16C/2x,3x,6x", ModeWord::None, 5, 5},
    {"SH-2A(Big)", ModeWord::None, 14, 14},
    {"SH2A-FPU(Big)", ModeWord::None, 15, 15},
    {"SH-2A", ModeWord::None, 14, 14},
    {"SH2A", ModeWord::None, 14, 14},
    {"SH2(Big)", ModeWord::None, 12, 12},
    {"SH2(Little)", ModeWord::None, 13, 13},
    {"SH2", ModeWord::None, 12, 12},
    {"SH-4A(Big)", ModeWord::None, 18, 18},
    {"SH-4A(Little)", ModeWord::None, 19, 19},
    {"SH-4A", ModeWord::None, 18, 18},
    {"SH-4(Big)", ModeWord::None, 16, 16},
    {"SH-4(Little)", ModeWord::None, 17, 17},
    {"SH-4", ModeWord::None, 16, 16},
    {"RL78(Small Model)", ModeWord::None, 20, 20},
    {"RL78(Medium Model)", ModeWord::None, 21, 21},
    {"RL78(Large Model)", ModeWord::None, 22, 22},
    {"RL78 CC-RL(Small Model)", ModeWord::None, 23, 23},
    {"RL78 CC-RL(Medium Model)", ModeWord::None, 24, 24},
    {"RL78 CC-RL", ModeWord::None, 24, 24},
    {"RL78", ModeWord::None, 21, 21},
    {"RX v1(Big)", ModeWord::None, 25, 25},
    {"RX v1(Little)", ModeWord::None, 26, 26},
    {"RX v1(FPU/Big)", ModeWord::None, 27, 27},
    {"RX v1(FPU/Little)", ModeWord::None, 28, 28},
    {"RX v1", ModeWord::None, 26, 26},
    {"RX v2(FPU/Big)", ModeWord::None, 29, 29},
    {"RX v2(FPU/Little)", ModeWord::None, 30, 30},
    {"RX v2", ModeWord::None, 30, 30},
    {"RX200", ModeWord::None, 26, 26},
    {"RX600", ModeWord::None, 28, 28},
    {"RX", ModeWord::None, 26, 26},
};

// Every name starts with the two letters of its family ("H8", "R8", "M1", "SH", "RL", "RX"). The places of
// each pair are found once and each name is compared only there, rather than the whole text being searched
// once per name (up to 41 times).
class NamePlaces {
public:
    explicit NamePlaces(std::string_view text) : m_text(text) {}

    // True when name stands in the text at the start of a character, as mbtext::Find would find it.
    bool Holds(std::string_view name)
    {
        const std::vector<std::size_t>& at = PlacesOf(name.substr(0, 2));
        return std::any_of(at.begin(), at.end(),
                           [&](std::size_t i) { return m_text.compare(i, name.size(), name) == 0; });
    }

private:
    const std::vector<std::size_t>& PlacesOf(std::string_view key)
    {
        for (const auto& [k, at] : m_places) {
            if (k == key) return at;
        }
        std::vector<std::size_t> at;
        for (std::size_t i = mbtext::Find(m_text, key); i != mbtext::npos; i = mbtext::Find(m_text, key, i + 1)) {
            at.push_back(i);
        }
        m_places.emplace_back(key, std::move(at));
        return m_places.back().second;
    }

    std::string_view m_text;
    std::vector<std::pair<std::string_view, std::vector<std::size_t>>> m_places;
};

// The type the text names, or -1. A family name without its mode word ends the search unrecognised.
int RecogniseCpu(std::string_view text)
{
    NamePlaces places(text);
    for (const CpuPattern& row : kCpuPatterns) {
        if (!places.Holds(row.name)) continue;
        if (row.word == ModeWord::None) return row.code;
        const std::string lower = mbtext::ToLower(std::string(text));
        if (row.word == ModeWord::NormalOrAdvanced && mbtext::Find(lower, "normal mode") != mbtext::npos) {
            return row.code;
        }
        if (mbtext::Find(lower, "advanced mode") != mbtext::npos) return row.advancedCode;
        return -1;
    }
    return -1;
}

struct ModeMark {
    const char* mark;
    int mode;
};

constexpr ModeMark kTinyMarks[] = {{"(IM0)", 1}, {"(IM2)", 2}};
constexpr ModeMark kH8sMarks[] = {{"(IM0)", 1}, {"(IM1)", 2}, {"(IM2)", 3}, {"(IM3)", 4}};

// The mode of the first mark, in table order, found anywhere in text; fallback when none is.
template <std::size_t N>
int FindModeMark(std::string_view text, const ModeMark (&marks)[N], int fallback, bool& found)
{
    for (const ModeMark& m : marks) {
        if (mbtext::Find(text, m.mark) != mbtext::npos) {
            found = true;
            return m.mode;
        }
    }
    found = false;
    return fallback;
}

struct LevelRule {
    int low;
    int high;
    int failure;  // level written and reported when the read level is missing or outside low..high
};

// Valid levels by type and mode. Type 6 in mode 2 falls back to 2, the level that selecting that mode
// sets and one inside its own range, so the configuration never holds a level the mode rejects.
LevelRule RuleFor(int type, int mode)
{
    if (type >= 3 && type <= 5) return {1, 7, 6};
    if (type == 6) return mode == 1 ? LevelRule{1, 1, 1} : LevelRule{1, 3, 2};
    if (type >= 7 && type <= 11) {
        switch (mode) {
        case 1: return {1, 1, 1};
        case 2: return {1, 2, 1};
        case 3: return {1, 7, 6};
        default: return {1, 9, 6};
        }
    }
    if (type >= 12 && type <= 19) return {1, 15, 14};
    if (type >= 20 && type <= 24) return {0, 2, 0};
    return {1, 15, 6};  // 25..30
}

// atoi of the rest of the first line that holds "KNL_MSK_LEVEL"; false when no line does. That line is
// the one of the name's first occurrence, when a CR LF ends it; a later one would stand in the same
// unterminated last line.
bool ReadLevelLine(std::string_view stripped, int& level)
{
    static constexpr std::string_view kName = "KNL_MSK_LEVEL";
    const std::size_t at = mbtext::Find(stripped, kName);
    if (at == mbtext::npos) return false;
    const std::size_t value = at + kName.size();
    const std::size_t end = mbtext::Find(stripped, "\r\n", value);
    if (end == mbtext::npos) return false;
    level = mbtext::Atoi(mbtext::TrimView(stripped.substr(value, end - value)));
    return true;
}

// The H8/300H types carry the mode in "KNL_MSK_BIT" and the level in "KNL_MSK_CCR" as 0x80 or 0xC0.
int AnalyzeH8300hMask(CCData_conf_info_cpu& cpu, std::string_view stripped, int& mode, int& level)
{
    bool bitSeen = false, ccrSeen = false;
    bool bitBad = false, ccrBad = false;
    int bitMode = 1, ccrLevel = 1;
    kscan::ForEachLine(stripped, [&](std::string_view line) {
        // A line naming both is read for both; a name met again overrides its earlier value and verdict.
        if (mbtext::Find(line, "KNL_MSK_BIT") != mbtext::npos) {
            const std::string lower = mbtext::ToLower(std::string(line));
            bitSeen = true;
            bitBad = false;
            if (mbtext::Find(lower, "xc0") != mbtext::npos) {
                bitMode = 2;
            } else if (mbtext::Find(lower, "x80") != mbtext::npos) {
                bitMode = 1;
            } else {
                bitMode = 1;
                bitBad = true;
            }
            cpu.SetCpuMode(bitMode);
        }
        if (mbtext::Find(line, "KNL_MSK_CCR") != mbtext::npos) {
            const std::string lower = mbtext::ToLower(std::string(line));
            ccrSeen = true;
            ccrBad = false;
            if (mbtext::Find(lower, "xc0") != mbtext::npos) {
                ccrLevel = 2;
            } else if (mbtext::Find(lower, "x80") != mbtext::npos) {
                ccrLevel = 1;
            } else {
                ccrLevel = 1;
                ccrBad = true;
            }
            cpu.m_nMaskLevel = ccrLevel;
        }
        return !(bitSeen && ccrSeen);
    });

    if (bitBad || ccrBad) {
        // Reported as they stand: the mode already set and the level the configuration holds.
        mode = bitSeen ? bitMode : cpu.m_nCpuMode;
        level = cpu.m_nMaskLevel;
        return (bitBad ? kBadMaskBit : 0) | (ccrBad ? kBadLevel : 0);
    }
    if (!bitSeen) {
        cpu.SetCpuMode(1);
        cpu.m_nMaskLevel = 1;
        mode = 1;
        level = 1;
        return kBadLevel;
    }
    mode = bitMode;
    const int high = bitMode == 2 ? 2 : 1;
    if (!ccrSeen || ccrLevel < 1 || ccrLevel > high) {
        cpu.m_nMaskLevel = 1;
        level = 1;
        return kBadLevel;
    }
    level = ccrLevel;
    return 0;
}

}  // namespace

int CQuorvaneConfiguratorDoc::AnalyzeCpu(std::string text, int& cpuType)
{
    kscan::Source config(text);
    return AnalyzeCpu(config, cpuType);
}

int CQuorvaneConfiguratorDoc::AnalyzeKernelMask(std::string text, int cpuType, int& mode, int& level)
{
    kscan::Source config(text);
    return AnalyzeKernelMask(config, cpuType, mode, level);
}

int CQuorvaneConfiguratorDoc::AnalyzeCpu(kscan::Source& config, int& cpuType)
{
    const int found = RecogniseCpu(config.Raw());
    cpuType = found >= 0 ? found : 1;
    m_confInfo.m_cpu.SetCpuType(cpuType);
    return found >= 0 ? 1 : 0;
}

int CQuorvaneConfiguratorDoc::AnalyzeKernelMask(kscan::Source& config, int cpuType, int& mode, int& level)
{
    CCData_conf_info_cpu& cpu = m_confInfo.m_cpu;
    if (cpuType == 0) {
        mode = 0;
        level = 0;
        return 0;
    }
    if (cpuType < 0 || cpuType > 30) {
        // Not a type of the table: nothing can be read for it, and nothing is written.
        mode = cpu.m_nCpuMode;
        level = cpu.m_nMaskLevel;
        return kBadLevel;
    }
    const std::string& stripped = config.Stripped();
    if (cpuType == 1 || cpuType == 2) return AnalyzeH8300hMask(cpu, stripped, mode, level);

    int result = 0;
    mode = 0;
    if (cpuType >= 6 && cpuType <= 11) {
        // The marks stand in the header comment, so they are searched in the text as read.
        bool found = false;
        mode = cpuType == 6 ? FindModeMark(config.Raw(), kTinyMarks, 2, found)
                              : FindModeMark(config.Raw(), kH8sMarks, 3, found);
        if (!found) result |= kNoModeMark;
        cpu.SetCpuMode(mode);
    }

    const LevelRule rule = RuleFor(cpuType, mode);
    int read = 0;
    if (ReadLevelLine(stripped, read) && read >= rule.low && read <= rule.high) {
        level = read;
    } else {
        result |= kBadLevel;
        level = rule.failure;
        cpu.m_nMaskLevel = rule.failure;
    }
    return result;
}
