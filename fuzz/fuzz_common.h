// Shared checks of the fuzz targets: the invariants the model must keep after any input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

#include "conf_info.h"

namespace fuzzcheck {

// A private folder for the whole run, so that no target reads or writes a settings file elsewhere. It is made
// in memory where the system offers that: the settings-file target writes and syncs a file on every run, which
// on a disk costs more than everything else the run does. The folder goes when the run ends.
inline const std::string& Folder()
{
    static const std::string* folder = [] {
        for (const char* base : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(base) + "/qvfuzz-XXXXXX";
            if (::mkdtemp(pattern.data()) == nullptr) continue;
            std::atexit([] {
                std::error_code ignored;
                std::filesystem::remove_all(*folder, ignored);
            });
            return new std::string(pattern);
        }
        std::abort();
    }();
    return *folder;
}

[[noreturn]] inline void Fail(const char* what, int value)
{
    std::fprintf(stderr, "invariant broken: %s (%d)\n", what, value);
    std::abort();
}

inline void Require(bool ok, const char* what, int value)
{
    if (!ok) Fail(what, value);
}

// Clears the kernel part as a load does before it analyses. The cleared configuration is made once and
// copied: clearing names 254 default functions again, a good share of a short run. The fuzz documents never
// change their recent list or window layout, so these are copied unchanged.
inline void ClearKernelPart(CCData_conf_info& conf)
{
    static const CCData_conf_info* cleared = new CCData_conf_info();
    conf = *cleared;
}

inline bool ModeFitsType(int type, int mode)
{
    if (type == 1 || type == 2 || type == 6) return mode == 1 || mode == 2;
    if (type >= 7 && type <= 11) return mode >= 1 && mode <= 4;
    return mode == 0;
}

inline void CheckKernelPart(const CCData_conf_info& c)
{
    Require(c.m_cpu.m_nCpuType >= 0 && c.m_cpu.m_nCpuType <= 30, "CPU type in 0..30", c.m_cpu.m_nCpuType);
    Require(ModeFitsType(c.m_cpu.m_nCpuType, c.m_cpu.m_nCpuMode), "mode of the CPU type", c.m_cpu.m_nCpuMode);
    Require(c.m_tsk.m_nTskNum >= 1 && c.m_tsk.m_nTskNum <= kMaxObjects, "task count", c.m_tsk.m_nTskNum);
    Require(c.m_tsk.m_nTskPriNum >= 0 && c.m_tsk.m_nTskPriNum <= kMaxObjects, "priority-task count",
            c.m_tsk.m_nTskPriNum);
    Require(c.m_flg.m_nFlgNum >= 1 && c.m_flg.m_nFlgNum <= kMaxObjects, "event-flag count", c.m_flg.m_nFlgNum);
    Require(c.m_sem.m_nSemNum >= 1 && c.m_sem.m_nSemNum <= kMaxObjects, "semaphore count", c.m_sem.m_nSemNum);
    Require(c.m_dtq.m_nDtqNum >= 1 && c.m_dtq.m_nDtqNum <= kMaxObjects, "data-queue count", c.m_dtq.m_nDtqNum);
    Require(c.m_cyc.m_nCycNum >= 1 && c.m_cyc.m_nCycNum <= kMaxObjects, "cyclic-handler count", c.m_cyc.m_nCycNum);
}

inline void CheckRecentList(const CCData_conf_info& c)
{
    Require(c.m_ini.m_nRecentNum >= 1 && c.m_ini.m_nRecentNum <= 3, "recent count in 1..3", c.m_ini.m_nRecentNum);
}

}  // namespace fuzzcheck
