// The table of the 31 CPU types: display name with its string id, default mode and level, stack rules.
// The CPU panel lists the names in code order; the model's CPU rules read the numbers.
#pragma once

constexpr int kCpuTypeCount = 31;

struct CpuTypeInfo {
    const char* name;     // display name, English
    int nameId;           // string-table id of the display name
    int defaultMode;      // 0 = the type has no mode choice
    int defaultLevel;     // kernel mask level that selecting the type sets
    int stackAlign;       // bytes a stack size must be a multiple of
    int defaultStack;     // default task stack size
    int minStackLow;      // minimum stack for the lower modes (or the only minimum)
    int minStackHigh;     // minimum stack for the higher modes (types with modes)
};

// Row code of the table; nullptr outside 0..30.
const CpuTypeInfo* GetCpuTypeInfo(int type);

// String-table ids of the mode names: "-" and the seven mode texts.
constexpr int kModeNoneId = 3370;
