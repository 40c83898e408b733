// Benchmark: a load of the largest configuration through the configuration-files panel (six checks, three
// reads, fourteen analysers, the refresh of every panel and the tree, the memory estimate), against a budget
// of 100 ms. Runs on Qt's offscreen platform in a temporary folder.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench_util.h"
#include "doc.h"
#include "frame/CCMain_Frm.h"
#include "panels/CCtl_SDlg_Proj.h"
#include "ui_dialogs.h"
#include "ui_text.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

constexpr double kBudgetSeconds = 0.100;
std::string g_dir;

void BM_LoadLargestThroughThePanel(benchmark::State& state)
{
    const std::string set = g_dir + "/set";
    std::filesystem::create_directories(set);
    {
        CQuorvaneConfiguratorDoc writer(g_dir);
        benchutil::MakeLargestConfig(writer.m_confInfo, 16, 60);
        if (writer.WriteConfigFiles(set + "/config.c", set + "/qvos.def", set + "/kinit.c") != 0) {
            state.SkipWithError("the kernel files could not be written");
            return;
        }
    }
    CQuorvaneConfiguratorDoc doc(g_dir);
    CCMain_Frm frame(&doc);
    frame.OnCreate();
    CQuorvaneConfiguratorView* view = frame.CreateView();
    view->OnInitialUpdate();
    frame.show();
    CCtl_SDlg_Proj* proj = view->ProjPanel();
    qvui::SetNextFolder(qvui::PathToQ(set));
    proj->OnClickedFolder();
    if (doc.m_confInfo.m_tsk.m_nTskNum != kMaxObjects || doc.m_confInfo.m_cyc.m_nCycNum != kMaxObjects) {
        state.SkipWithError("the largest configuration did not load back");
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) proj->InputConfigFiles();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    // Time of one load as a share of the budget: below 1 is within it.
    state.counters["budget_ratio"] = elapsed.count() / static_cast<double>(state.iterations()) / kBudgetSeconds;
}
BENCHMARK(BM_LoadLargestThroughThePanel)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qvbench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 2;
    g_dir = pattern;
    const std::string runtime = g_dir + "/runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (g_dir + "/config").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int rc = 0;
    {
        QApplication app(argc, argv);
        qvui::SetAutomaticAnswers(true);
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::error_code ec;
    std::filesystem::remove_all(g_dir, ec);
    return rc;
}
