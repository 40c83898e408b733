// What the benchmarks share: the largest configuration, 127 tasks and 127 objects of every kind, all used,
// and the plain read that serves as the floor.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <string>

#include <benchmark/benchmark.h>

#include "conf_info.h"
#include "doc.h"

namespace benchutil {

// The floor of a read: the bytes of one file in one system read into a buffer large enough, nothing else.
inline std::size_t PlainRead(const std::string& path, std::string& buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

inline void MakeLargestConfig(CCData_conf_info& conf, int cpuType, int priorityTasks)
{
    conf.m_cpu.SetCpuType(cpuType);
    conf.m_tsk.m_nTskNum = kMaxObjects;
    conf.m_tsk.m_nTskPriNum = priorityTasks;
    const int stack = conf.m_cpu.GetDefStackSize();
    for (int id = 1; id <= kMaxObjects; ++id) {
        conf.m_tsk.SetTskData(id, id % 2, stack + 4 * id, conf.m_tsk.GetTskFunc(id));
        conf.m_sem.SetSemData(id, id % 2, id);
        conf.m_dtq.SetDtqData(id, id % 2, id);
        conf.m_cyc.SetCycData(id, id % 2, conf.m_cyc.GetCycFunc(id), 100 * id);
        conf.m_flg.m_nFlgAttr[id - 1] = id % 8;
        conf.m_flg.m_nFlgSet[id - 1] = 1;
    }
    conf.m_flg.m_nFlgNum = conf.m_sem.m_nSemNum = conf.m_dtq.m_nDtqNum = conf.m_cyc.m_nCycNum = kMaxObjects;
    conf.m_flg.SetUse(1);
    conf.m_sem.SetUse(1);
    conf.m_dtq.SetUse(1);
    conf.m_tim.SetUse(1);
    conf.m_cyc.SetUse(1);
}

// The three kernel files of the largest configuration of CPU type 28, written by doc into folder; the
// paths of config.c, qvos.def and kinit.c, or nothing when they could not be written.
inline std::array<std::string, 3> WriteLargestFiles(CQuorvaneConfiguratorDoc& doc, const std::string& folder)
{
    MakeLargestConfig(doc.GetConfInfo(), 28, kMaxObjects);
    const std::array<std::string, 3> paths = {folder + "/config.c", folder + "/qvos.def", folder + "/kinit.c"};
    if (folder.empty() || doc.WriteConfigFiles(paths[0], paths[1], paths[2]) != 0) return {};
    return paths;
}

// The same for a benchmark that cannot run without them: an empty path marks it skipped with the reason.
inline std::array<std::string, 3> WriteLargestFilesOrSkip(benchmark::State& state, CQuorvaneConfiguratorDoc& doc,
                                                          const std::string& folder)
{
    const std::array<std::string, 3> paths = WriteLargestFiles(doc, folder);
    if (paths[0].empty()) state.SkipWithError("kernel files not written");
    return paths;
}

}  // namespace benchutil
