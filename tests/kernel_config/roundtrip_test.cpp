// Round trip of the kernel files: configurations drawn at random under the model's rules are written,
// analysed back with every analyser reporting success, compared field by field, and written again to the
// same bytes. Which values the file formats cannot carry is said in roundtrip_config.h.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "conf_info.h"
#include "cpu_types.h"
#include "doc.h"
#include "load_analysis.h"
#include "roundtrip_config.h"
#include "test_util.h"
#include "writer.h"

namespace {

using roundtrip::ModesOf;

// Joins the names of the differing fields for a failure message.
std::string Joined(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

TEST(RoundTrip, RandomConfigurationsOfEveryCpuTypeAndModeSurviveWriteAndLoad)
{
    std::mt19937 rng(20261206u);
    testutil::TempDir dir;
    ASSERT_FALSE(dir.Path().empty());
    int cases = 0;
    for (int type = 0; type < kCpuTypeCount; ++type) {
        for (int mode : ModesOf(type)) {
            for (int round = 0; round < 4; ++round) {
                const std::string where = "type " + std::to_string(type) + " mode " + std::to_string(mode) +
                                          " round " + std::to_string(round);
                CQuorvaneConfiguratorDoc source(dir.Path());
                auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
                roundtrip::BuildConfig(pick, type, mode, source.GetConfInfo());
                const std::string paths[3] = {dir.File("config.c"), dir.File("qvos.def"), dir.File("kinit.c")};
                ASSERT_EQ(0, source.WriteConfigFiles(paths[0], paths[1], paths[2])) << where;

                CQuorvaneConfiguratorDoc loaded(dir.Path());
                loaded.ClearConfigData();
                const std::string texts[3] = {CQuorvaneConfiguratorDoc::ReadFileToString(paths[0]),
                                              CQuorvaneConfiguratorDoc::ReadFileToString(paths[1]),
                                              CQuorvaneConfiguratorDoc::ReadFileToString(paths[2])};
                const std::vector<LoadWarning> warnings = AnalyzeLoadedTexts(loaded, texts[0], texts[1], texts[2]);
                EXPECT_TRUE(warnings.empty()) << where << ": first warning " << (warnings.empty() ? 0 : warnings[0].messageId);
                const std::vector<std::string> diff = roundtrip::Differences(source.GetConfInfo(), loaded.GetConfInfo());
                EXPECT_TRUE(diff.empty()) << where << ": " << Joined(diff);

                const KernelFileTexts again = MakeKernelFileTexts(loaded.GetConfInfo(), 2026, 12, 6);
                const KernelFileTexts first = MakeKernelFileTexts(source.GetConfInfo(), 2026, 12, 6);
                EXPECT_EQ(first.config, again.config) << where;
                EXPECT_EQ(first.def, again.def) << where;
                EXPECT_EQ(first.kinit, again.kinit) << where;
                ++cases;
                if (HasFatalFailure()) return;
            }
        }
    }
    EXPECT_EQ(196, cases);  // 49 type and mode pairs, four configurations each
}

// The hand-written expected files load back as well. The one warning that stays is by design: the
// H8/300L file holds a sleeping task, and CPU type 0 has no sleeping state, so its task table fails (5111).
TEST(RoundTrip, ExpectedFilesLoadWithTheirOnlyWarnings)
{
    struct Expect {
        const char* folder;
        std::vector<int> warnings;
    };
    const Expect cases[] = {{"default", {}}, {"A_h8300l", {5111}}, {"B_h8300h_normal", {}}, {"C_h8300h_advanced", {}},
                            {"D_r8c2", {}}, {"E_h8s2600_normal", {}}, {"F_h8s_tiny", {}}, {"G_h8sx", {}},
                            {"H_sh2a_fpu", {}}, {"I_sh4", {}}, {"J_rl78", {}}, {"K_rx", {}}};
    for (const Expect& c : cases) {
        const std::string base = std::string(QV_TEST_DATA_DIR) + "/golden/" + c.folder + "/";
        testutil::TempDir dir;
        CQuorvaneConfiguratorDoc doc(dir.Path());
        doc.ClearConfigData();
        const std::vector<LoadWarning> warnings =
            AnalyzeLoadedTexts(doc, testutil::ReadBytes(base + "config.c"), testutil::ReadBytes(base + "qvos.def"),
                               testutil::ReadBytes(base + "kinit.c"));
        std::vector<int> ids;
        for (const LoadWarning& w : warnings) ids.push_back(w.messageId);
        EXPECT_EQ(c.warnings, ids) << c.folder;
    }
}

}  // namespace
