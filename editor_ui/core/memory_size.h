// Memory-size estimate of the kernel: the ROM and RAM figures that the output panel shows, computed from the
// configuration without any window. The panel only writes the texts of MemorySizeTexts into its four fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CCData_conf_info;

// Base ROM size of the kernel in bytes, one table per CPU type (and, for types 6 to 11, per mode), indexed by
// the used-object mask (1 event flags, 2 semaphores, 4 data queues, 8 system time, 16 cyclic handlers).
constexpr int kRomSizeTableCount = 44;
constexpr int kRomSizeTableEntries = 32;
extern const std::int32_t RomSizeTable[kRomSizeTableCount][kRomSizeTableEntries];

namespace memsize {

// Everything the estimate reads from a configuration. Use flags count as "used" only when exactly 1.
struct MemorySizeInputs {
    int cpuType = 1;
    int cpuMode = 1;
    int taskCount = 3;
    int priTaskCount = 0;
    int useFlg = 0;
    int useSem = 0;
    int useDtq = 0;
    int useTim = 0;
    int useCyc = 0;
    int flgCount = 1;
    int semCount = 1;
    int dtqCount = 1;
    int cycCount = 1;
    // Data count of data queue i + 1 at index i; only the first dtqCount entries are summed.
    std::vector<int> dtqDataCounts;
};

// Per-CPU size constants: W (word), Q (queue head) and A (address) in bytes.
struct CpuSizeConstants {
    int w = 0;
    int q = 0;
    int a = 0;
};

// The four figures. valid is false for a CPU type outside the table (0..30); the figures are then 0 and
// the panel shows empty fields, as after a clear.
struct MemorySize {
    bool valid = false;
    std::int32_t rom = 0;
    std::int32_t ram = 0;
    std::int32_t rebuildRom = 0;  // rom * 65 / 100
    std::int32_t rebuildRam = 0;  // ram * 82 / 100
};

// The texts the panel writes into its ROM, RAM and the two hidden re-build fields.
struct MemorySizeTexts {
    std::string rom;
    std::string ram;
    std::string rebuildRom;
    std::string rebuildRam;
};

// W, Q and A for a CPU type; false (and zeros) for a type outside 0..30.
bool GetCpuSizeConstants(int cpuType, CpuSizeConstants* out);

// ROM addition R of the CPU type and mode; 0 for a type outside 0..30.
int RomAddition(int cpuType, int cpuMode);

// Index into RomSizeTable for the CPU type and mode; -1 for a type outside 0..30.
int RomSizeTableIndex(int cpuType, int cpuMode);

// Used-object mask k (0..31) from the five use flags.
int UsedObjectMask(int useFlg, int useSem, int useDtq, int useTim, int useCyc);

// The estimate from plain inputs.
MemorySize EstimateMemorySize(const MemorySizeInputs& in);

// The inputs of a configuration, and the estimate of it.
MemorySizeInputs MemorySizeInputsOf(const CCData_conf_info& conf);
MemorySize EstimateMemorySize(const CCData_conf_info& conf);

// Decimal texts ("%d") of the four figures; four empty texts when the estimate is not valid.
MemorySizeTexts FormatMemorySize(const MemorySize& size);

}  // namespace memsize
