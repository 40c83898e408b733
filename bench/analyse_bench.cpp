// The core load (clear, three reads, fourteen analysers) of the largest configuration against the floor of
// a plain read of the same three files plus a memchr-based comment strip that gives the same texts; and
// loads of 1 MB inputs shaped to hit every scan of the analysers (long tables, many defines and calls,
// padding of every kind, name sets made to strain the many-name search) against a budget of 50 ms each;
// the name-set shapes also report their growth from a quarter of the input (growth, at most 5).
#include <benchmark/benchmark.h>


#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench_util.h"
#include "doc.h"
#include "load_analysis.h"
#include "test_util.h"
#include "text.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kShapeBudgetSeconds = 0.050;
constexpr std::size_t kShapeBytes = 1 << 20;

using benchutil::PlainRead;

// First place of the two bytes pair in data[from, size): memchr for the first byte, then one compare.
std::size_t FindPair(const char* data, std::size_t size, std::size_t from, const char* pair)
{
    while (from + 1 < size) {
        const void* hit = std::memchr(data + from, pair[0], size - from - 1);
        if (hit == nullptr) return std::string::npos;
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        if (data[at + 1] == pair[1]) return at;
        from = at + 1;
    }
    return std::string::npos;
}

// Removes each open..close stretch with memchr, the way the floor would: the same two passes as the
// comment strip, with nothing but byte search behind them.
void RemoveStretches(const char* data, std::size_t size, const char* open, const char* close, std::string& out)
{
    out.clear();
    std::size_t pos = 0;
    for (;;) {
        const std::size_t begin = FindPair(data, size, pos, open);
        if (begin == std::string::npos) break;
        const std::size_t end = FindPair(data, size, begin + 2, close);
        if (end == std::string::npos) break;
        out.append(data + pos, begin - pos);
        pos = end + 2;
    }
    out.append(data + pos, size - pos);
}

void FloorStrip(const std::string& buffer, std::size_t size, std::string& blocks, std::string& out)
{
    RemoveStretches(buffer.data(), size, "/*", "*/", blocks);
    RemoveStretches(blocks.data(), blocks.size(), "//", "\r\n", out);
}

double Median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

void BM_CoreLoadLargestAgainstFloor(benchmark::State& state)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    const std::array<std::string, 3> paths = benchutil::WriteLargestFilesOrSkip(state, doc, dir.Path());
    if (paths[0].empty()) return;
    std::string buffer(1 << 20, '\0'), blocks, stripped;
    std::size_t bytes = 0;
    for (const std::string& path : paths) {
        const std::size_t n = PlainRead(path, buffer);
        FloorStrip(buffer, n, blocks, stripped);
        bytes += n;
        if (stripped != CQuorvaneConfiguratorDoc::StripComments(buffer.substr(0, n))) {
            state.SkipWithError("the floor's strip differs from the comment strip");
            return;
        }
    }
    auto load = [&] {
        doc.ClearConfigData();
        const std::string config = CQuorvaneConfiguratorDoc::ReadFileToString(paths[0]);
        const std::string def = CQuorvaneConfiguratorDoc::ReadFileToString(paths[1]);
        const std::string kinit = CQuorvaneConfiguratorDoc::ReadFileToString(paths[2]);
        return AnalyzeLoadedTexts(doc, config, def, kinit).size();
    };
    auto floor = [&] {
        std::size_t total = 0;
        for (const std::string& path : paths) {
            FloorStrip(buffer, PlainRead(path, buffer), blocks, stripped);
            total += stripped.size();
        }
        return total;
    };
    if (load() != 0) {
        state.SkipWithError("the largest configuration loads with warnings");
        return;
    }
    for (int i = 0; i < 20; ++i) benchmark::DoNotOptimize(floor());
    std::vector<double> loads, floors;
    for (auto _ : state) {
        const Clock::time_point t0 = Clock::now();
        benchmark::DoNotOptimize(load());
        const Clock::time_point t1 = Clock::now();
        benchmark::DoNotOptimize(floor());
        const Clock::time_point t2 = Clock::now();
        loads.push_back(std::chrono::duration<double>(t1 - t0).count());
        floors.push_back(std::chrono::duration<double>(t2 - t1).count());
        state.SetIterationTime(loads.back());
    }
    const double loadMedian = Median(loads), floorMedian = Median(floors);
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["load_us"] = loadMedian * 1e6;
    state.counters["floor_us"] = floorMedian * 1e6;
    state.counters["load_to_floor"] = floorMedian > 0 ? loadMedian / floorMedian : 0;
}
BENCHMARK(BM_CoreLoadLargestAgainstFloor)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The three texts of one shaped load.
struct Texts {
    std::string config, def, kinit;
};

Texts LargestTexts()
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    const std::array<std::string, 3> paths = benchutil::WriteLargestFiles(doc, dir.Path());
    return {testutil::ReadBytes(paths[0]), testutil::ReadBytes(paths[1]), testutil::ReadBytes(paths[2])};
}

// Lines made by line(n) for n = 1, 2, ... until they fill bytes.
std::string Lines(std::size_t bytes, const std::function<std::string(int)>& line)
{
    std::string s;
    for (int n = 1; s.size() < bytes; ++n) s += line(n);
    return s;
}

std::string Num(int n) { return std::to_string(n); }

// Loads the texts over and over, under the Shift-JIS page when shiftJis is 1 (its searches walk the
// character starts), else under the single-byte page.
void RunShape(benchmark::State& state, const Texts& texts, std::int64_t shiftJis)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    std::size_t warnings = 0;
    mbtext::SetCodePage(shiftJis == 1 ? mbtext::CodePage::ShiftJis : mbtext::CodePage::SingleByte);
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        doc.ClearConfigData();
        warnings = AnalyzeLoadedTexts(doc, texts.config, texts.def, texts.kinit).size();
        benchmark::DoNotOptimize(warnings);
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    state.counters["bytes"] = static_cast<double>(texts.config.size() + texts.def.size() + texts.kinit.size());
    state.counters["warnings"] = static_cast<double>(warnings);
    // Time of one load as a share of the budget: below 1 is within it.
    state.counters["budget_ratio"] = elapsed.count() / static_cast<double>(state.iterations()) / kShapeBudgetSeconds;
}

// A table of config.c with rows far beyond 127.
void BM_Shape_TcbAddrInitRows(benchmark::State& state)
{
    RunShape(state, {"const FP knl_tcbAddrInit[] = {\r\n" +
                         Lines(kShapeBytes, [](int n) { return "\t{ tsk" + Num(n) + " },\r\n"; }) + "};\r\n",
                     "", ""},
             state.range(0));
}
void BM_Shape_TcbStInitRows(benchmark::State& state)
{
    RunShape(state, {"const UB knl_tcbStInit[] = {\r\n" +
                         Lines(kShapeBytes, [](int) { return std::string("\tCTCB_ST_RDY,\r\n"); }) + "};\r\n",
                     "", ""},
             state.range(0));
}
void BM_Shape_TcbSpInitRows(benchmark::State& state)
{
    RunShape(state, {"const VP knl_tcbSpInit[] = {\r\n" + Lines(kShapeBytes, [](int n) {
                         return "\t&tcb_stack" + Num(n) + "[TCB" + Num(n) + "_SIZE/sizeof(W)],\r\n";
                     }) + "};\r\n",
                     "", ""},
             state.range(0));
}
// kinit.c of "#define" lines and DTQ_ATTR calls whose size name no define holds.
void BM_Shape_DefinesAndRejectedDtqCalls(benchmark::State& state)
{
    const std::string defines =
        Lines(kShapeBytes / 2, [](int n) { return "#define DTQ" + Num(n) + "_SIZE " + Num(n) + "\r\n"; });
    const std::string calls = Lines(kShapeBytes / 2, [](int) {
        return std::string("DTQ_ATTR((UB)1u, (UB)DTQ_TA_TFIFO, (B)DTQX_SIZE, knl_dtq1);\r\n");
    });
    RunShape(state, {"", "", defines + calls}, state.range(0));
}
// The same with a size name of its own in every call, so no look-up can be reused.
void BM_Shape_DefinesAndDistinctDtqNames(benchmark::State& state)
{
    const std::string defines =
        Lines(kShapeBytes / 2, [](int n) { return "#define DTQ" + Num(n) + "_SIZE " + Num(n) + "\r\n"; });
    const std::string calls = Lines(kShapeBytes / 2, [](int n) {
        return "DTQ_ATTR((UB)1u, (UB)DTQ_TA_TFIFO, (B)DTQX" + Num(n) + "_SIZE, knl_dtq1);\r\n";
    });
    RunShape(state, {"", "", defines + calls}, state.range(0));
}

// The largest configuration with config.c and kinit.c padded to half a megabyte each.
enum class Padding { Comments, DefinesTop, DefinesEnd, CodeLines };

void BM_Shape_Padding(benchmark::State& state)
{
    const auto kind = static_cast<Padding>(state.range(0));
    Texts t = LargestTexts();
    std::function<std::string(int)> line;
    switch (kind) {
    case Padding::Comments:
        line = [](int n) { return "/* padding comment " + Num(n) + " */\r\n// padding line comment " + Num(n) + "\r\n"; };
        break;
    case Padding::DefinesTop:
    case Padding::DefinesEnd: line = [](int n) { return "#define QV_PAD_" + Num(n) + " " + Num(n) + "u\r\n"; }; break;
    case Padding::CodeLines: line = [](int n) { return "static int qv_pad_" + Num(n) + " = " + Num(n) + ";\r\n"; }; break;
    }
    for (std::string* text : {&t.config, &t.kinit}) {
        const std::string pad = Lines(kShapeBytes / 2 - text->size(), line);
        *text = kind == Padding::DefinesEnd ? *text + pad : pad + *text;
    }
    RunShape(state, t, state.range(1));
}

// Name sets made to defeat the many-name search: the stack-size names of the task table or the size names
// of the data-queue calls, against define lines that are one long run of the set's unit. Under Shift-JIS
// the units "\x83" and "\x83A" make names that start on the second byte of a character.
enum class NameSet { FanOut, Prefixes, Suffixes, Overlapping, Repeated, LongName };
enum class NameUser { Tasks, DataQueues };
const std::array<std::string, 3> kNameUnits = {"A", "\x83", "\x83" "A"};

// Byte i of the unit repeated without end.
char UnitByte(const std::string& unit, std::size_t i) { return unit[i % unit.size()]; }

// The n bytes of the endless unit from offset from.
std::string UnitRun(const std::string& unit, std::size_t from, std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += UnitByte(unit, from + i);
    return s;
}

// Bytes a name may end with: the analysers trim white space, a stack-size name ends at "/", a size name
// at "," and its call at ";".
std::vector<char> NameBytes(NameUser user)
{
    std::vector<char> bytes;
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (std::string_view(" \t\r\n\v\f").find(c) != std::string_view::npos) continue;
        if (user == NameUser::Tasks ? c == '/' : (c == ',' || c == ';')) continue;
        bytes.push_back(c);
    }
    return bytes;
}

// Name number j (from 0) of the set, or nothing when the set has no more.
std::optional<std::string> NameOf(NameSet set, const std::string& unit, NameUser user, int j, std::size_t bytes)
{
    const auto k = static_cast<std::size_t>(j);
    switch (set) {
    case NameSet::FanOut: {
        // One child of the unit's first byte for every byte a name may end with; the task table holds only
        // 127 names, so it takes every other byte to reach the top of the range.
        const std::vector<char> ends = NameBytes(user);
        const std::size_t step = user == NameUser::Tasks ? 2 : 1;
        if (k * step >= ends.size()) return std::nullopt;
        return std::string(1, unit[0]) + ends[k * step];
    }
    case NameSet::Prefixes: return UnitRun(unit, 0, k + 1);  // each a prefix of the next
    case NameSet::Suffixes: return UnitRun(unit, unit.size() - (k + 1) % unit.size(), k + 1);  // each a suffix of the next
    case NameSet::Overlapping: return UnitRun(unit, k % 3, 1 + k / 3);  // every offset, every length
    case NameSet::Repeated: return UnitRun(unit, 0, 1 + k % 5);
    case NameSet::LongName:
        if (j >= 2) return std::nullopt;
        return UnitRun(unit, 0, bytes / (4 << j));  // a quarter and an eighth of the input
    }
    return std::nullopt;
}

// config.c with the names in its stack-size table, or kinit.c with them in its data-queue calls, up to half
// of bytes; the rest is one "#define" line of the unit. A blank follows each name and the run, so a
// Shift-JIS lead byte at their end pairs with the blank and not with the "/", "," or CR after it.
Texts NameShapeTexts(NameSet set, const std::string& unit, NameUser user, std::size_t bytes)
{
    std::string rows;
    int count = 0;
    for (int j = 0; rows.size() < bytes / 2 && (user == NameUser::DataQueues || j < 127); ++j) {
        const std::optional<std::string> name = NameOf(set, unit, user, j, bytes);
        if (!name) break;
        ++count;
        rows += user == NameUser::Tasks ? "\t&tcb_stack" + Num(j + 1) + "[" + *name + " /sizeof(W)],\r\n"
                                        : "DTQ_ATTR((UB)" + Num(j % 127 + 1) + "u, (UB)DTQ_TA_TFIFO, (B)" + *name +
                                              " , knl_dtq" + Num(j + 1) + ");\r\n";
    }
    std::string head = user == NameUser::Tasks
                           ? "#define KNL_TCB_NUM " + Num(count) + "\r\nconst VP knl_tcbSpInit[] = {\r\n" + rows + "};\r\n"
                           : rows;
    const std::size_t fill = bytes > head.size() + 16 ? bytes - head.size() - 16 : 0;
    head += "#define " + UnitRun(unit, 0, fill) + " \r\n";
    return user == NameUser::Tasks ? Texts{head, "", ""} : Texts{"", "", head};
}

// The growth from a quarter of the input to the whole, as the ratio of the median times of one load of
// each, the two sizes taken in turns so that a busy machine slows both alike. Linear is 4.
double GrowthFromQuarter(const Texts& quarter, const Texts& whole, std::int64_t shiftJis)
{
    testutil::TempDir dir;
    CQuorvaneConfiguratorDoc doc(dir.Path());
    mbtext::SetCodePage(shiftJis == 1 ? mbtext::CodePage::ShiftJis : mbtext::CodePage::SingleByte);
    auto seconds = [&doc](const Texts& t) {
        const Clock::time_point start = Clock::now();
        doc.ClearConfigData();
        benchmark::DoNotOptimize(AnalyzeLoadedTexts(doc, t.config, t.def, t.kinit).size());
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    std::vector<double> small, large;
    for (int i = 0; i < 9; ++i) {
        small.push_back(seconds(quarter));
        large.push_back(seconds(whole));
    }
    mbtext::SetCodePage(mbtext::CodePage::SingleByte);
    return Median(large) / Median(small);
}

// Arguments: the name set, the unit, the user of the names and the code page. Reports budget_ratio of the
// 1 MB input and its growth from 256 kB.
void BM_Shape_AdversarialNames(benchmark::State& state)
{
    const auto set = static_cast<NameSet>(state.range(0));
    const std::string& unit = kNameUnits[static_cast<std::size_t>(state.range(1))];
    const auto user = static_cast<NameUser>(state.range(2));
    const Texts whole = NameShapeTexts(set, unit, user, kShapeBytes);
    RunShape(state, whole, state.range(3));
    state.counters["growth"] = GrowthFromQuarter(NameShapeTexts(set, unit, user, kShapeBytes / 4), whole, state.range(3));
}

// The argument (the last one for the padding) is 1 for the Shift-JIS page.
BENCHMARK(BM_Shape_TcbAddrInitRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_TcbStInitRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_TcbSpInitRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_DefinesAndRejectedDtqCalls)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_DefinesAndDistinctDtqNames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_Padding)
    ->ArgsProduct({{static_cast<int>(Padding::Comments), static_cast<int>(Padding::DefinesTop),
                    static_cast<int>(Padding::DefinesEnd), static_cast<int>(Padding::CodeLines)},
                   {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Shape_AdversarialNames)
    ->ArgNames({"set", "unit", "user", "sjis"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, static_cast<int>(NameSet::LongName), 1), {0, 1, 2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
