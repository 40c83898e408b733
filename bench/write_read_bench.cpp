// Writing the largest configuration (127 of every object, every kind used) as the three kernel files and
// reading them back, measured against the floor of one plain read of the same bytes.
#include <benchmark/benchmark.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "doc.h"
#include "writer.h"
#include "bench_util.h"
#include "test_util.h"

namespace {

using benchutil::PlainRead;

using Clock = std::chrono::steady_clock;

void BM_WriteAndRereadLargest(benchmark::State& state)
{
    testutil::TempDir dir;
    if (dir.Path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    CQuorvaneConfiguratorDoc doc(dir.Path());
    benchutil::MakeLargestConfig(doc.GetConfInfo(), 28, kMaxObjects);
    const std::string paths[3] = {dir.File("config.c"), dir.File("qvos.def"), dir.File("kinit.c")};
    std::string buffer(1 << 20, '\0');
    double writeReadSeconds = 0;
    double floorSeconds = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        if (doc.WriteConfigFiles(paths[0], paths[1], paths[2]) != 0) {
            state.SkipWithError("kernel files not written");
            break;
        }
        std::size_t reread = 0;
        for (const std::string& path : paths) reread += CQuorvaneConfiguratorDoc::ReadFileToString(path).size();
        const Clock::time_point t1 = Clock::now();
        std::size_t plain = 0;
        for (const std::string& path : paths) plain += PlainRead(path, buffer);
        const Clock::time_point t2 = Clock::now();
        benchmark::DoNotOptimize(reread);
        benchmark::DoNotOptimize(plain);
        writeReadSeconds += std::chrono::duration<double>(t1 - t0).count();
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        bytes = reread;
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    const double n = static_cast<double>(state.iterations());
    if (n > 0 && floorSeconds > 0) {
        state.counters["bytes"] = static_cast<double>(bytes);
        state.counters["write_read_us"] = writeReadSeconds / n * 1e6;
        state.counters["floor_read_us"] = floorSeconds / n * 1e6;
        state.counters["write_read_to_floor"] = writeReadSeconds / floorSeconds;
    }
}
BENCHMARK(BM_WriteAndRereadLargest)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same plain read alone, for the usual report line of the floor.
void BM_PlainReadFloor(benchmark::State& state)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    const std::array<std::string, 3> paths = benchutil::WriteLargestFilesOrSkip(state, doc, dir.Path());
    if (paths[0].empty()) return;
    std::string buffer(1 << 20, '\0');
    for (auto _ : state) {
        std::size_t plain = 0;
        for (const std::string& path : paths) plain += PlainRead(path, buffer);
        benchmark::DoNotOptimize(plain);
    }
}
BENCHMARK(BM_PlainReadFloor)->Unit(benchmark::kMicrosecond);

// A whole read of a 7 kB config.c five folders deep against one plain open, read and close of the same path
// (ratio_to_plain): what the link rules of the walk cost. Rows: no link (at most 2), and at most 3 with this
// user's link as the last name, a folder link mid-path, another user's link to a 0666 file, and a 0666 file's
// second name in another user's folder (the last two as root only).
void BM_DeepReadAgainstPlain(benchmark::State& state)
{
    testutil::TempDir dir;
    std::string folder = dir.Path();
    for (const char* place : {"/projects", "/board", "/kernel", "/config", "/out"}) {
        folder += place;
        std::filesystem::create_directory(folder);
    }
    std::string path = folder + "/config.c";
    std::string text;
    while (text.size() < 7000) text += "#define CFG_TASK_STACK_SIZE_" + std::to_string(text.size()) + " 0x200\r\n";
    if (CQuorvaneConfiguratorDoc::WriteStringToFile(path, text) != 1) {
        state.SkipWithError("config.c not written");
        return;
    }
    const uid_t other = 1234;
    const std::string shared = dir.File("shared"), named = shared + "/config.c";
    bool made = true;
    switch (state.range(0)) {
    case 1: made = ::symlink(path.c_str(), (folder + "/link.c").c_str()) == 0;
            path = folder + "/link.c";
            break;
    case 2: made = ::symlink((dir.Path() + "/projects/board").c_str(), dir.File("board").c_str()) == 0;
            path = dir.File("board/kernel/config/out/config.c");
            break;
    case 3:
    case 4: made = ::geteuid() == 0 && ::chmod(path.c_str(), 0666) == 0 && ::mkdir(shared.c_str(), 0755) == 0 &&
                   ::chown(shared.c_str(), other, other) == 0 &&
                   (state.range(0) == 3 ? ::symlink(path.c_str(), named.c_str()) == 0 &&
                                              ::lchown(named.c_str(), other, other) == 0
                                        : ::link(path.c_str(), named.c_str()) == 0);
            path = named;
            break;
    }
    if (!made) {
        state.SkipWithError("this row needs root");
        return;
    }
    std::string buffer(1 << 16, '\0');
    double readSeconds = 0, plainSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        const std::size_t read = CQuorvaneConfiguratorDoc::ReadFileToString(path).size();
        const Clock::time_point t1 = Clock::now();
        const std::size_t plain = PlainRead(path, buffer);
        const Clock::time_point t2 = Clock::now();
        if (read != text.size() || plain != text.size()) {
            state.SkipWithError("config.c not read whole");
            break;
        }
        readSeconds += std::chrono::duration<double>(t1 - t0).count();
        plainSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    const double n = static_cast<double>(state.iterations());
    if (n > 0 && plainSeconds > 0) {
        state.counters["read_us"] = readSeconds / n * 1e6;
        state.counters["plain_us"] = plainSeconds / n * 1e6;
        state.counters["ratio_to_plain"] = readSeconds / plainSeconds;
    }
}
// Rows 0 to 4 in the order above.
BENCHMARK(BM_DeepReadAgainstPlain)->UseManualTime()->Unit(benchmark::kMicrosecond)->DenseRange(0, 4);

// Building the three texts in memory only: what the generators cost without any file system.
void BM_BuildTextsLargest(benchmark::State& state)
{
    CCData_conf_info conf;
    benchutil::MakeLargestConfig(conf, 28, kMaxObjects);
    for (auto _ : state) {
        KernelFileTexts texts = MakeKernelFileTexts(conf, 2026, 12, 6);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_BuildTextsLargest)->Unit(benchmark::kMicrosecond);

}  // namespace
