// The analysers give the same configurations, results and warnings as they did before the scans were made
// fast: each group of inputs (the hand-written files, generated files of random configurations, the trio
// with random edits, texts of random syntax pieces under both kinds of code page) is run through the load
// and through each analyser called alone on the raw text, and everything that comes out is folded into one
// fingerprint per group. The expected fingerprints were taken from the straightforward scans.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analyser_fixture.h"
#include "cpu_types.h"
#include "load_analysis.h"
#include "roundtrip_config.h"
#include "writer.h"

namespace {

using Doc = CQuorvaneConfiguratorDoc;

// FNV-1a over everything added, numbers as decimal text with a separator.
class Fingerprint {
public:
    void Add(const std::string& s)
    {
        for (unsigned char c : s) m_h = (m_h ^ c) * 1099511628211ull;
        m_h = (m_h ^ 0xffu) * 1099511628211ull;
    }
    void Add(int n) { Add(std::to_string(n)); }
    template <class Table>
    void AddTable(const Table& t)
    {
        for (const auto& v : t) Add(v);
    }
    std::uint64_t Value() const { return m_h; }

private:
    std::uint64_t m_h = 1469598103934665603ull;
};

void AddKernelPart(Fingerprint& f, const CCData_conf_info& c)
{
    for (int n : {c.m_cpu.m_nCpuType, c.m_cpu.m_nCpuMode, c.m_cpu.m_nMaskLevel, c.m_cpu.m_nStackAlign,
                  c.m_tsk.m_nTskNum, c.m_tsk.m_nTskPriNum, c.m_flg.m_nUse, c.m_flg.m_nFlgNum, c.m_sem.m_nUse,
                  c.m_sem.m_nSemNum, c.m_dtq.m_nUse, c.m_dtq.m_nDtqNum, c.m_tim.m_nUse, c.m_tim.m_nCyclicTime,
                  c.m_cyc.m_nUse, c.m_cyc.m_nCycNum}) {
        f.Add(n);
    }
    f.AddTable(c.m_tsk.m_nTskState);
    f.AddTable(c.m_tsk.m_nStackSize);
    f.AddTable(c.m_tsk.m_strTskFunc);
    f.AddTable(c.m_tsk.m_nTskSet);
    f.AddTable(c.m_flg.m_nFlgAttr);
    f.AddTable(c.m_flg.m_nFlgSet);
    f.AddTable(c.m_sem.m_nSemAttr);
    f.AddTable(c.m_sem.m_nSemCnt);
    f.AddTable(c.m_sem.m_nSemSet);
    f.AddTable(c.m_dtq.m_nDtqAttr);
    f.AddTable(c.m_dtq.m_nDtqCnt);
    f.AddTable(c.m_dtq.m_nDtqSet);
    f.AddTable(c.m_cyc.m_nCycAttr);
    f.AddTable(c.m_cyc.m_strCycFunc);
    f.AddTable(c.m_cyc.m_nCycTime);
    f.AddTable(c.m_cyc.m_nCycSet);
}

// One set of three texts, through the load and through every analyser alone on a fresh configuration.
void AddTexts(Fingerprint& f, const std::string& config, const std::string& def, const std::string& kinit)
{
    testutil::TempDir dir;
    {
        Doc doc(dir.Path());
        doc.ClearConfigData();
        for (const LoadWarning& w : AnalyzeLoadedTexts(doc, config, def, kinit)) {
            f.Add(w.messageId);
            f.AddTable(w.values);
        }
        AddKernelPart(f, doc.m_confInfo);
    }
    Doc doc(dir.Path());
    doc.ClearConfigData();
    int type = 0, mode = 0, level = 0;
    f.Add(doc.AnalyzeCpu(config, type));
    f.Add(type);
    f.Add(doc.AnalyzeKernelMask(config, type, mode, level));
    f.Add(mode);
    f.Add(level);
    f.Add(doc.AnalyzeTcbNum(config));
    f.Add(doc.AnalyzeTaskSetting(config));
    f.Add(doc.AnalyzeFlgNum(config));
    f.Add(doc.AnalyzeFlgAttr(kinit));
    f.Add(doc.AnalyzeSemNum(config));
    f.Add(doc.AnalyzeSemAttr(kinit));
    f.Add(doc.AnalyzeDtqNum(config));
    f.Add(doc.AnalyzeDtqAttr(kinit));
    f.Add(doc.AnalyzeSysTime(config));
    f.Add(doc.AnalyzeCycNum(config));
    f.Add(doc.AnalyzeCycAttr(kinit));
    f.Add(doc.AnalyzeUseObject(def));
    // The entry routines on the argument text of the first call of each kind, and on the whole file.
    for (const char* call : {"EVTFLG_ATTR(", "SEM_ATTR(", "DTQ_ATTR(", "CYC_ATTR("}) {
        const std::size_t at = kinit.find(call);
        const std::string args = at == std::string::npos ? kinit : kinit.substr(at + std::string(call).size(), 60);
        f.Add(doc.AnalyzeFlgAttrEntry(args));
        f.Add(doc.AnalyzeSemAttrEntry(args));
        f.Add(doc.AnalyzeDtqAttrEntry(args, kinit));
        f.Add(doc.AnalyzeCycAttrEntry(args));
    }
    AddKernelPart(f, doc.m_confInfo);
    for (const std::string* text : {&config, &def, &kinit}) f.Add(Doc::StripComments(*text));
}

struct ScopedCodePage {
    explicit ScopedCodePage(mbtext::CodePage page) { mbtext::SetCodePage(page); }
    ~ScopedCodePage() { mbtext::SetCodePage(mbtext::CodePage::SingleByte); }
};

std::string Data(const std::string& path) { return testutil::ReadBytes(std::string(QV_TEST_DATA_DIR) + "/" + path); }

std::uint64_t HandWrittenFiles()
{
    Fingerprint f;
    for (const char* folder : {"golden/default", "golden/A_h8300l", "golden/B_h8300h_normal", "golden/C_h8300h_advanced",
                               "golden/D_r8c2", "golden/E_h8s2600_normal", "golden/F_h8s_tiny", "golden/G_h8sx",
                               "golden/H_sh2a_fpu", "golden/I_sh4", "golden/J_rl78", "golden/K_rx", "trio"}) {
        const std::string base = std::string(folder) + "/";
        AddTexts(f, Data(base + "config.c"), Data(base + "qvos.def"), Data(base + "kinit.c"));
    }
    return f.Value();
}

std::uint64_t GeneratedFiles()
{
    std::mt19937 rng(4711u);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Fingerprint f;
    for (int round = 0; round < 40; ++round) {
        const int type = pick(0, kCpuTypeCount - 1);
        const std::vector<int> modes = roundtrip::ModesOf(type);
        CCData_conf_info conf;
        roundtrip::BuildConfig(pick, type, modes[pick(0, static_cast<int>(modes.size()) - 1)], conf);
        const KernelFileTexts t = MakeKernelFileTexts(conf, 2026, 12, 6);
        AddTexts(f, t.config, t.def, t.kinit);
    }
    return f.Value();
}

// The trio with a few random edits: a piece inserted, a stretch deleted or a line doubled.
std::uint64_t EditedTrio(mbtext::CodePage page)
{
    const ScopedCodePage scoped(page);
    const std::string trio[3] = {Data("trio/config.c"), Data("trio/qvos.def"), Data("trio/kinit.c")};
    std::mt19937 rng(99u);
    auto pick = [&rng](std::size_t hi) { return std::uniform_int_distribution<std::size_t>(0, hi)(rng); };
    Fingerprint f;
    for (int round = 0; round < 60; ++round) {
        std::string t[3] = {trio[0], trio[1], trio[2]};
        for (int edit = 0; edit < 1 + round % 6; ++edit) {
            std::string& s = t[pick(2)];
            const std::size_t at = pick(s.size());
            switch (pick(2)) {
            case 0:
                // Half of the pieces come behind a lead byte, which swallows their first byte in Shift-JIS.
                s.insert(at, (pick(1) == 0 ? "\x83" : "") + randomtext::kPieces[pick(randomtext::kPieces.size() - 1)]);
                break;
            case 1: s.erase(at, pick(40)); break;
            default: {
                const std::size_t begin = s.rfind("\r\n", at);
                const std::size_t end = s.find("\r\n", at);
                if (begin != std::string::npos && end != std::string::npos) s.insert(end, s.substr(begin, end - begin));
            }
            }
        }
        AddTexts(f, t[0], t[1], t[2]);
    }
    return f.Value();
}

std::uint64_t PieceTexts(mbtext::CodePage page)
{
    const ScopedCodePage scoped(page);
    std::mt19937 rng(20260314u);
    Fingerprint f;
    for (int round = 0; round < 150; ++round) {
        const std::string config = randomtext::RandomText(rng, 10 + round * 2);
        const std::string def = randomtext::RandomText(rng, 20);
        const std::string kinit = randomtext::RandomText(rng, 10 + round * 2);
        AddTexts(f, config, def, kinit);
        // The same text as all three files, so every analyser sees every kind of piece.
        AddTexts(f, config + kinit, config + kinit, config + kinit);
    }
    return f.Value();
}

TEST(AnalyserFingerprints, HandWrittenFilesGiveWhatTheyGaveBefore)
{
    EXPECT_EQ(HandWrittenFiles(), 2026710871959451138ull);
}

TEST(AnalyserFingerprints, GeneratedFilesGiveWhatTheyGaveBefore)
{
    EXPECT_EQ(GeneratedFiles(), 6522945916925587236ull);
}

TEST(AnalyserFingerprints, EditedTrioGivesWhatItGaveBefore)
{
    EXPECT_EQ(EditedTrio(mbtext::CodePage::SingleByte), 3546534319834595997ull);
    EXPECT_EQ(EditedTrio(mbtext::CodePage::ShiftJis), 646820198575605632ull);
}

TEST(AnalyserFingerprints, PieceTextsGiveWhatTheyGaveBefore)
{
    EXPECT_EQ(PieceTexts(mbtext::CodePage::SingleByte), 5359393949226789034ull);
    EXPECT_EQ(PieceTexts(mbtext::CodePage::ShiftJis), 17548196288253237050ull);
}

}  // namespace
