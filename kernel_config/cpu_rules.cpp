// The CPU type table and the rules that tie type, mode, kernel mask level and stack sizes together.
#include "conf_info.h"
#include "cpu_types.h"

namespace {

// Types 6..11 take their minimum stack by mode: low for modes 1 (type 6) or 1-2, high for the others.
const CpuTypeInfo kCpuTypes[kCpuTypeCount] = {
    {"H8/300L", 3325, 0, 0, 2, 128, 18, 18},
    {"H8/300H(Normal mode)", 3326, 1, 1, 4, 128, 32, 32},
    {"H8/300H(Advanced mode)", 3327, 1, 1, 4, 128, 32, 32},
    {"R8C/1x", 3328, 0, 6, 1, 128, 20, 20},
    {"R8C/2x", 3329, 0, 6, 1, 128, 20, 20},
    {"M16C/1x-6x", 3330, 0, 6, 1, 128, 20, 20},
    {"H8S/TINY(Advanced mode)", 3331, 2, 2, 4, 128, 32, 34},
    {"H8S/2000(Normal mode)", 3332, 3, 6, 4, 128, 32, 34},
    {"H8S/2000(Advanced mode)", 3333, 3, 6, 4, 128, 32, 34},
    {"H8S/2600(Normal mode)", 3334, 3, 6, 4, 128, 40, 42},
    {"H8S/2600(Advanced mode)", 3335, 3, 6, 4, 128, 40, 42},
    {"H8SX(Advanced mode)", 3336, 3, 6, 4, 144, 44, 46},
    {"SH-2(Big)", 3337, 0, 14, 4, 288, 84, 84},
    {"SH-2(Little)", 3338, 0, 14, 4, 288, 84, 84},
    {"SH-2A(Big)", 3339, 0, 14, 4, 304, 88, 88},
    {"SH2A-FPU(Big)", 3340, 0, 14, 4, 384, 160, 160},
    {"SH-4(Big)", 3341, 0, 14, 4, 1024, 220, 220},
    {"SH-4(Little)", 3342, 0, 14, 4, 1024, 220, 220},
    {"SH-4A(Big)", 3343, 0, 14, 4, 1024, 220, 220},
    {"SH-4A(Little)", 3344, 0, 14, 4, 1024, 220, 220},
    {"RL78(Small model)", 3345, 0, 0, 4, 288, 116, 116},
    {"RL78(Medium model)", 3346, 0, 0, 4, 288, 116, 116},
    {"RL78(Large Model)", 3347, 0, 0, 4, 288, 116, 116},
    {"RL78 CC-RL(Small model)", 3356, 0, 0, 4, 288, 28, 28},
    {"RL78 CC-RL(Medium model)", 3357, 0, 0, 4, 288, 28, 28},
    {"RX v1(Big)", 3348, 0, 6, 4, 384, 76, 76},
    {"RX v1(Little)", 3349, 0, 6, 4, 384, 76, 76},
    {"RX v1(FPU/Big)", 3350, 0, 6, 4, 384, 80, 80},
    {"RX v1(FPU/Little)", 3351, 0, 6, 4, 384, 80, 80},
    {"RX v2(FPU/Big)", 3354, 0, 6, 4, 384, 96, 96},
    {"RX v2(FPU/Little)", 3355, 0, 6, 4, 384, 96, 96},
};

}  // namespace

const CpuTypeInfo* GetCpuTypeInfo(int type)
{
    return (type >= 0 && type < kCpuTypeCount) ? &kCpuTypes[type] : nullptr;
}

void CCData_conf_info_cpu::SetCpuType(int type)
{
    // The record always holds a type of the table: an unknown code selects the default type 1.
    const CpuTypeInfo* info = GetCpuTypeInfo(type);
    if (info == nullptr) {
        type = 1;
        info = GetCpuTypeInfo(type);
    }
    m_nCpuType = type;
    m_nCpuMode = info->defaultMode;
    m_nMaskLevel = info->defaultLevel;
    SetCpuMode(m_nCpuMode);
    SetStackAlign();
}

void CCData_conf_info_cpu::SetCpuMode(int mode)
{
    if (mode == m_nCpuMode) return;
    const int type = m_nCpuType;
    if (type < 1 || type > 11) return;
    if (type == 1 || type == 2) {
        m_nCpuMode = mode;
        m_nMaskLevel = 1;
    } else if (type == 6) {
        m_nCpuMode = mode;
        if (mode == 1) m_nMaskLevel = 1;
        if (mode == 2) m_nMaskLevel = 2;
    } else if (type >= 7) {
        m_nCpuMode = mode;
        if (mode == 1 || mode == 2) m_nMaskLevel = 1;
        if (mode == 3 || mode == 4) m_nMaskLevel = 6;
    }
}

void CCData_conf_info_cpu::SetStackAlign()
{
    const CpuTypeInfo* info = GetCpuTypeInfo(m_nCpuType);
    m_nStackAlign = info ? info->stackAlign : 4;
}

int CCData_conf_info_cpu::GetDefStackSize() const
{
    const CpuTypeInfo* info = GetCpuTypeInfo(m_nCpuType);
    return info ? info->defaultStack : 128;
}

int CCData_conf_info_cpu::GetMinStackSize() const
{
    const CpuTypeInfo* info = GetCpuTypeInfo(m_nCpuType);
    if (info == nullptr) return 0;
    // A mode outside the type's choices gets the larger minimum, the safer of the two.
    if (m_nCpuType == 6) return m_nCpuMode == 1 ? info->minStackLow : info->minStackHigh;
    if (m_nCpuType >= 7 && m_nCpuType <= 11) {
        return (m_nCpuMode == 1 || m_nCpuMode == 2) ? info->minStackLow : info->minStackHigh;
    }
    return info->minStackLow;
}
