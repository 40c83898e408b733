// Building the three kernel files from one configuration for a given date, and writing them.
// The document's WriteConfigFiles uses these with the local date; tests pass a date of their own.
#pragma once

#include <string>

#include "conf_info.h"

// The three file texts, each complete, as they are written.
struct KernelFileTexts {
    std::string config;  // config.c
    std::string def;     // qvos.def
    std::string kinit;   // kinit.c
};

// "Dec 06, 2026": English month abbreviation, two-digit day, year. A month outside 1..12 gives no name.
std::string MakeCreateDate(int year, int month, int day);

std::string MakeConfigText(const CCData_conf_info& conf, const std::string& year, const std::string& date);
std::string MakeDefText(const CCData_conf_info& conf, const std::string& year, const std::string& date);
std::string MakeKinitText(const CCData_conf_info& conf, const std::string& year, const std::string& date);

// All three texts stamped with one date.
KernelFileTexts MakeKernelFileTexts(const CCData_conf_info& conf, int year, int month, int day);

// Writes the three texts for that date; the result has 1, 2, 4 set for config.c, qvos.def, kinit.c not written.
int WriteKernelFiles(const CCData_conf_info& conf, const std::string& configPath, const std::string& defPath,
                     const std::string& kinitPath, int year, int month, int day);
