// The editor's RefreshAll on the largest configuration (127 tasks and 127 of every object kind, all used),
// measured against one 60 Hz frame: ratio 1 means the 95th percentile of the runs takes the whole 16 ms budget.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_util.h"
#include "doc.h"
#include "test_util.h"
#include "frame/CCMain_Frm.h"
#include "view/CQuorvaneConfiguratorView.h"

namespace {

constexpr double kFrameBudgetMs = 16.0;

// The editor as the application builds it, shown, with the largest configuration already in the tree.
struct Editor {
    explicit Editor(const std::string& dir) : doc(std::make_unique<CQuorvaneConfiguratorDoc>(dir))
    {
        frame = std::make_unique<CCMain_Frm>(doc.get());
        frame->OnCreate();
        view = frame->CreateView();
        view->OnInitialUpdate();
        frame->show();
        benchutil::MakeLargestConfig(doc->GetConfInfo(), 28, kMaxObjects / 2);
        view->RefreshAll();
        QApplication::processEvents();
    }
    // Every category and every "Enable" item open: the most items the tree has to lay out.
    void ExpandAll() const
    {
        for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
            QTreeWidgetItem* category = view->CategoryItem(i);
            category->setExpanded(true);
            for (int j = 0; j < category->childCount(); ++j) category->child(j)->setExpanded(true);
        }
        QApplication::processEvents();
    }
    // The rebuild kept every item open (the expanded runs measure what they claim to).
    bool AllExpanded() const
    {
        for (int i = 0; i < CQuorvaneConfiguratorView::kCategoryCount; ++i) {
            const QTreeWidgetItem* category = view->CategoryItem(i);
            if (!category->isExpanded() || category->childCount() == 0) return false;
            if (i >= 3 && !category->child(0)->isExpanded()) return false;
        }
        return true;
    }
    ~Editor()
    {
        frame.reset();
        doc.reset();
    }

    std::unique_ptr<CQuorvaneConfiguratorDoc> doc;
    std::unique_ptr<CCMain_Frm> frame;
    CQuorvaneConfiguratorView* view = nullptr;
};

using Clock = std::chrono::steady_clock;

// The run at the given fraction of the sorted runs (nearest rank).
double Percentile(std::vector<double> ms, double fraction)
{
    if (ms.empty()) return 0;
    std::sort(ms.begin(), ms.end());
    const std::size_t rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(ms.size())));
    return ms[std::min(ms.size(), std::max<std::size_t>(rank, 1)) - 1];
}

// The mean and, since a frame is missed by the slow runs and not by the average, the median, the 95th
// percentile and the slowest run; frame_ratio is the 95th percentile against the budget.
void Report(benchmark::State& state, const std::vector<double>& ms)
{
    if (ms.empty()) return;
    double sum = 0;
    for (double m : ms) sum += m;
    const double p95 = Percentile(ms, 0.95);
    state.counters["mean_ms"] = sum / static_cast<double>(ms.size());
    state.counters["median_ms"] = Percentile(ms, 0.5);
    state.counters["p95_ms"] = p95;
    state.counters["max_ms"] = Percentile(ms, 1.0);
    state.counters["frame_ratio"] = p95 / kFrameBudgetMs;
}

// Every task and cyclic handler renamed, so that their 254 lines are texts the tree has not shown before,
// as after loading another configuration of the same shape.
void RenameAll(CCData_conf_info& conf, int round)
{
    for (int id = 1; id <= kMaxObjects; ++id) {
        const std::string suffix = std::to_string(round) + "_" + std::to_string(id);
        conf.m_tsk.SetTskData(id, conf.m_tsk.m_nTskState[id - 1], conf.m_tsk.m_nStackSize[id - 1], "task" + suffix);
        conf.m_cyc.SetCycData(id, conf.m_cyc.m_nCycAttr[id - 1], "cyc" + suffix, conf.m_cyc.m_nCycTime[id - 1]);
    }
}

// RefreshAll alone: the seven panels and the rebuild of every summary line.
void RefreshLargest(benchmark::State& state, bool expanded, bool paint, bool newTexts = false)
{
    testutil::TempDir dir;
    if (dir.Path().empty()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    Editor editor(dir.Path());
    if (expanded) editor.ExpandAll();
    std::vector<double> ms;
    int round = 0;
    for (auto _ : state) {
        if (newTexts) RenameAll(editor.doc->GetConfInfo(), ++round);
        const Clock::time_point t0 = Clock::now();
        editor.view->RefreshAll();
        // With paint: the layout and drawing the refresh causes, as the next frame would show it.
        if (paint) QApplication::processEvents();
        const double s = std::chrono::duration<double>(Clock::now() - t0).count();
        ms.push_back(s * 1e3);
        state.SetIterationTime(s);
    }
    if (expanded && !editor.AllExpanded()) state.SkipWithError("the rebuild closed items");
    Report(state, ms);
}

void BM_RefreshAllLargestCollapsed(benchmark::State& state) { RefreshLargest(state, false, false); }
void BM_RefreshAllLargestExpanded(benchmark::State& state) { RefreshLargest(state, true, false); }
void BM_RefreshAllLargestExpandedAndPainted(benchmark::State& state) { RefreshLargest(state, true, true); }
void BM_RefreshAllLargestExpandedAndPaintedNewTexts(benchmark::State& state)
{
    RefreshLargest(state, true, true, true);
}
// Two seconds each, so that the 95th percentile rests on a hundred runs or more.
BENCHMARK(BM_RefreshAllLargestCollapsed)->UseManualTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAllLargestExpanded)->UseManualTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAllLargestExpandedAndPainted)->UseManualTime()->MinTime(2.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAllLargestExpandedAndPaintedNewTexts)
    ->UseManualTime()
    ->MinTime(2.0)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // Headless, with Qt's runtime folder and the settings profile in a private folder, never the user's.
    testutil::TempDir privateDir;
    if (privateDir.Path().empty()) return 2;
    ::chmod(privateDir.Path().c_str(), 0700);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("XDG_RUNTIME_DIR", privateDir.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", privateDir.Path().c_str(), 1);
    ::setenv("LC_ALL", "C.UTF-8", 1);
    int rc = 0;
    {
        QApplication app(argc, argv);
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    return rc;
}
