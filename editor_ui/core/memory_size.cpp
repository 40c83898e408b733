// Memory-size estimate: per-CPU constants, the choice of the ROM base table and the ROM and RAM formulas.
#include "memory_size.h"

#include <algorithm>
#include <climits>

#include "conf_info.h"

namespace memsize {
namespace {

bool IsKnownCpuType(int cpuType) { return cpuType >= 0 && cpuType <= 30; }

// The estimate is worked out in 64 bits: data counts read from a kernel file are stored without a limit, and
// a huge one must give a saturated figure, not a wrapped one.
std::int32_t Saturate(std::int64_t v)
{
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(v);
}

std::int64_t Max1(std::int64_t v) { return v == 0 ? 1 : v; }

bool Used(int flag) { return flag == 1; }

}  // namespace

bool GetCpuSizeConstants(int cpuType, CpuSizeConstants* out)
{
    CpuSizeConstants c;
    switch (cpuType) {
    case 0: case 1: case 7: case 9: case 20: case 23:
        c = {2, 4, 2};
        break;
    case 2: case 6: case 8: case 10: case 11: case 22:
        c = {4, 6, 4};
        break;
    case 3: case 4: case 5:
        c = {2, 4, 4};
        break;
    case 21: case 24:
        c = {4, 4, 2};
        break;
    default:
        if ((cpuType >= 12 && cpuType <= 19) || (cpuType >= 25 && cpuType <= 30)) {
            c = {4, 8, 4};
            break;
        }
        if (out) *out = CpuSizeConstants{};
        return false;
    }
    if (out) *out = c;
    return true;
}

int RomAddition(int cpuType, int cpuMode)
{
    if (cpuType == 0) return 0;
    if (cpuType == 1 || cpuType == 2) return 3;
    if (cpuType >= 3 && cpuType <= 5) return 2;
    if (cpuType >= 6 && cpuType <= 11) {
        if (cpuMode >= 1 && cpuMode <= 3) return 2;
        if (cpuMode == 4) return 4;
        return 8;
    }
    if (cpuType >= 12 && cpuType <= 30) return 8;
    return 0;
}

int RomSizeTableIndex(int cpuType, int cpuMode)
{
    if (!IsKnownCpuType(cpuType)) return -1;
    const bool modeKnown = cpuMode >= 1 && cpuMode <= 4;
    switch (cpuType) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 2;
    case 3: return 31;
    case 4: return 32;
    case 5: return 1;  // shares the table of type 1
    case 6: {
        // Modes 1 and 2 use the tables of type 8, modes 3 and 4 those of type 7.
        static const int kType6[4] = {7, 9, 5, 6};
        return modeKnown ? kType6[cpuMode - 1] : 23;
    }
    case 7: return modeKnown ? 3 + (cpuMode - 1) : 23;
    case 8: return modeKnown ? 7 + (cpuMode - 1) : 23;
    case 9: return modeKnown ? 11 + (cpuMode - 1) : 23;
    case 10: return modeKnown ? 15 + (cpuMode - 1) : 23;
    case 11: return modeKnown ? 19 + (cpuMode - 1) : 23;
    default:
        if (cpuType <= 19) return 23 + (cpuType - 12);  // 12..19 -> 23..30
        return 33 + (cpuType - 20);                     // 20..30 -> 33..43
    }
}

int UsedObjectMask(int useFlg, int useSem, int useDtq, int useTim, int useCyc)
{
    return (Used(useFlg) ? 1 : 0) | (Used(useSem) ? 2 : 0) | (Used(useDtq) ? 4 : 0) | (Used(useTim) ? 8 : 0) |
           (Used(useCyc) ? 16 : 0);
}

MemorySize EstimateMemorySize(const MemorySizeInputs& in)
{
    MemorySize result;
    CpuSizeConstants k;
    if (!GetCpuSizeConstants(in.cpuType, &k)) return result;

    const std::int64_t w = k.w;
    const std::int64_t q = k.q;
    const std::int64_t t = in.taskCount;
    const std::int64_t p = in.priTaskCount;

    std::int64_t ram = (w + 1) * t + 5 * w + 1 + Max1(p / 8) + q + Max1(t - p) + t;
    if (in.cpuType >= 20 && in.cpuType <= 24) ram += 2 + t;
    if (Used(in.useFlg)) ram += t + 3 * static_cast<std::int64_t>(in.flgCount) + q;
    if (Used(in.useSem)) ram += t + 2 * static_cast<std::int64_t>(in.semCount) + q;
    if (Used(in.useDtq)) {
        // Never read past the table, whatever count a file or a caller left behind.
        const int n = std::min({in.dtqCount, ::kMaxObjects, static_cast<int>(in.dtqDataCounts.size())});
        std::int64_t data = 0;
        for (int i = 0; i < n; ++i) data += in.dtqDataCounts[static_cast<std::size_t>(i)];
        ram += (w + 5) * in.dtqCount + t + 2 * q + 4 * data;
    }
    if (Used(in.useTim)) {
        ram += 6 + t + q;
        // Cyclic handlers run on the system time: without it they take no RAM.
        if (Used(in.useCyc)) ram += (w + 10) * in.cycCount + q;
    }

    const int mask = UsedObjectMask(in.useFlg, in.useSem, in.useDtq, in.useTim, in.useCyc);
    const std::int64_t base = RomSizeTable[RomSizeTableIndex(in.cpuType, in.cpuMode)][mask];
    const std::int64_t a = (in.cpuType == 21 || in.cpuType == 24) ? k.a + 1 : k.a;
    std::int64_t rom = base + RomAddition(in.cpuType, in.cpuMode) + 2 * a * t + t + 36 + (Used(in.useFlg) ? 1 : 0) +
                       (Used(in.useSem) ? 1 : 0) + (Used(in.useDtq) ? 1 : 0);
    if (Used(in.useTim)) rom += 4 + (Used(in.useCyc) ? 1 : 0);

    result.valid = true;
    result.rom = Saturate(rom);
    result.ram = Saturate(ram);
    result.rebuildRom = Saturate(static_cast<std::int64_t>(result.rom) * 65 / 100);
    result.rebuildRam = Saturate(static_cast<std::int64_t>(result.ram) * 82 / 100);
    return result;
}

MemorySizeInputs MemorySizeInputsOf(const CCData_conf_info& conf)
{
    MemorySizeInputs in;
    in.cpuType = conf.m_cpu.GetCpuType();
    in.cpuMode = conf.m_cpu.m_nCpuMode;
    in.taskCount = conf.m_tsk.GetTskNum();
    in.priTaskCount = conf.m_tsk.m_nTskPriNum;
    in.useFlg = conf.m_flg.GetUse();
    in.useSem = conf.m_sem.GetUse();
    in.useDtq = conf.m_dtq.GetUse();
    in.useTim = conf.m_tim.GetUse();
    in.useCyc = conf.m_cyc.GetUse();
    in.flgCount = conf.m_flg.m_nFlgNum;
    in.semCount = conf.m_sem.m_nSemNum;
    in.dtqCount = conf.m_dtq.m_nDtqNum;
    in.cycCount = conf.m_cyc.m_nCycNum;
    in.dtqDataCounts.assign(conf.m_dtq.m_nDtqCnt.begin(), conf.m_dtq.m_nDtqCnt.end());
    return in;
}

MemorySize EstimateMemorySize(const CCData_conf_info& conf) { return EstimateMemorySize(MemorySizeInputsOf(conf)); }

MemorySizeTexts FormatMemorySize(const MemorySize& size)
{
    MemorySizeTexts texts;
    if (!size.valid) return texts;
    texts.rom = std::to_string(size.rom);
    texts.ram = std::to_string(size.ram);
    texts.rebuildRom = std::to_string(size.rebuildRom);
    texts.rebuildRam = std::to_string(size.rebuildRam);
    return texts;
}

}  // namespace memsize
